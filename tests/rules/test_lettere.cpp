// Letter boxes: the key filters, the clicks, and the M(3000) letters derived
// when the focus leaves a source box.

#include "rules/caselle_46.h"
#include "rules/lettere.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::finestra;

namespace {

const char* const non_qualificativa = "This is not a qualificative letter!";
const char* const non_descrittiva = "This is not a descriptive letter!";

} // namespace

TEST(Lettere, KeyFilters) {
    const struct {
        const char* casella;
        const char* corrente;
        int tasto;
        int atteso;          // 0: swallowed
        const char* fuoco;   // box that takes the focus; "" stays
        const char* messaggio;
    } casi[] = {
        // Qualifying box: accepted letters move on to the descriptive box.
        {"Text17", "fmin", 'a', 'A', "Text23", ""},
        {"lettera_qualificativa_fof2", "foF2", 'u', 'U', "lettera_descrittiva_fof2", ""},
        {"lettera_qualificativa_muf3000f1", "MUF3000F1", 'Z', 'Z', "lettera_descrittiva_muf3000f1", ""},
        {"Text17", "fmin", 'x', 0, "", non_qualificativa},
        {"Text28", "hF2", 'B', 0, "", non_qualificativa},
        {"Text17", "fmin", 8, 8, "", ""},
        // Descriptive box: the focus stays.
        {"Text23", "fmin", 'x', 'X', "", ""},
        {"lettera_descrittiva_fof1", "foF1", 'b', 'B', "", ""},
        {"Text23", "fmin", 'u', 0, "", non_descrittiva},
        {"Text44", "fxI", 'I', 0, "", non_descrittiva},
        {"Text44", "fxI", 'j', 0, "", non_descrittiva},
        {"Text23", "fmin", 8, 8, "", ""},
        // Non-letters vanish silently, the six codes between Z and a too.
        {"Text17", "fmin", '5', 0, "", ""},
        {"Text23", "fmin", ' ', 0, "", ""},
        {"Text23", "fmin", '[', 0, "", ""},
        {"Text17", "fmin", '`', 0, "", ""},
        {"Text23", "fmin", '_', 0, "", ""},
        {"Text23", "fmin", '@', 0, "", ""},
        {"Text23", "fmin", '{', 0, "", ""},
        {"Text23", "fmin", 0xE9, 0, "", ""},
        // A box whose characteristic is not current leaves the key as typed.
        {"Text17", "hE", 'x', 'x', "", ""},
        {"Text23", "tipoEs", '5', '5', "", ""},
        // Boxes without a filter: the derived M(3000) letters and the values.
        {"lettera_qualificativa_m3000f2", "MUF3000F2", 'x', 'x', "", ""},
        {"Text13", "foF2", '5', '5', "", ""},
    };
    for (const auto& caso : casi) {
        prova::messaggi_finti messaggi;
        const esito_tasto esito = filtro_tasto_lettera(caso.casella, caso.tasto, caso.corrente, messaggi);
        const std::string traccia = std::string(caso.casella) + " key " + std::to_string(caso.tasto);
        EXPECT_EQ(esito.carattere, caso.atteso) << traccia;
        EXPECT_EQ(esito.fuoco, caso.fuoco) << traccia;
        if (*caso.messaggio == '\0') {
            EXPECT_TRUE(messaggi.mostrati.empty()) << traccia;
        } else {
            ASSERT_EQ(messaggi.mostrati.size(), 1u) << traccia;
            EXPECT_EQ(messaggi.mostrati[0].titolo, "Be careful!!");
            EXPECT_EQ(messaggi.mostrati[0].testo, caso.messaggio);
        }
    }
    // Every refused qualifying letter, and no other letter, is refused.
    for (char c = 'A'; c <= 'Z'; ++c) {
        prova::messaggi_finti messaggi;
        const bool rifiutata = std::string_view("BCFGHKLNPQRSVWXY").find(c) != std::string_view::npos;
        EXPECT_EQ(filtro_tasto_lettera("Text18", c, "hE", messaggi).carattere == 0, rifiutata) << c;
        const bool non_d = c == 'I' || c == 'J' || c == 'U';
        EXPECT_EQ(filtro_tasto_lettera("Text33", c + 32, "hE", messaggi).carattere == 0, non_d) << c;
    }
}

TEST(Lettere, ClicksSelectAndPlaceTheFocus) {
    const struct {
        const char* casella;
        const char* chiave;
        const char* fuoco;
    } casi[] = {
        {"Text17", "fmin", ""},    // the selection's own focus: Text23
        {"Text23", "fmin", "Text23"},
        {"lettera_qualificativa_muf3000f2", "MUF3000F2", ""},
        {"lettera_descrittiva_fof1", "foF1", "lettera_descrittiva_fof1"},
        {"Text7", "tipoEs", ""},
        {"lettera_descrittiva_m3000f1", "", ""},
        {"Text13", "", ""},
    };
    for (const auto& caso : casi) {
        const clic_casella clic = clic_in_casella(caso.casella);
        EXPECT_EQ(clic.chiave, caso.chiave) << caso.casella;
        EXPECT_EQ(clic.fuoco, caso.fuoco) << caso.casella;
    }
}

TEST(Lettere, DerivationOfTheM3000Letters) {
    // Sources: foF1 value/q/d, MUF(3000)F1 value/q/d, M(3000)F1 value and its
    // old letters; the layer F2 runs the same rule on its own boxes.
    const struct {
        const char* caso;
        const char *fo, *qf, *df, *muf, *qm, *dm, *m, *qx_prima, *dx_prima;
        variante_uscita variante;
        const char *qx, *dx;
    } casi[] = {
        // With an M(3000) value.
        {"1.1", "400", "U", "", "120", "D", "A", "300", "Z", "Z", variante_uscita::descrittiva, "D", "A"},
        {"1.2 qf", "400", "U", "", "120", "D", "", "300", "Z", "Z", variante_uscita::descrittiva, "U", ""},
        {"1.2 qm", "400", "", "", "120", "D", "", "300", "Z", "Z", variante_uscita::qualificativa, "D", ""},
        {"1.3", "400", "U", "A", "120", "D", "B", "300", "Z", "Z", variante_uscita::descrittiva, "", "A"},
        {"1.4 qm", "400", "", "A", "120", "D", "A", "300", "Z", "Z", variante_uscita::descrittiva, "D", "A"},
        {"1.4 dm empty", "400", "U", "A", "120", "", "", "300", "Z", "Z", variante_uscita::descrittiva, "U", "A"},
        {"1.4 same q", "400", "U", "A", "120", "U", "A", "300", "Z", "Z", variante_uscita::descrittiva, "U", "A"},
        {"1.4 q differ", "400", "U", "A", "120", "D", "A", "300", "Z", "Z", variante_uscita::descrittiva, "", "A"},
        // Examples: foF1 U/A with MUF -/A gives U/A; with MUF D/B gives -/A.
        {"ex 1", "400", "U", "A", "120", "", "A", "300", "", "", variante_uscita::descrittiva, "U", "A"},
        {"ex 2", "400", "U", "A", "120", "D", "B", "300", "", "", variante_uscita::descrittiva, "", "A"},
        // Without an M(3000) value: no qualifying letter, a preferred source.
        {"2 foF", "400", "U", "B", "120", "D", "C", "", "Z", "Z", variante_uscita::descrittiva, "", "B"},
        {"2 MUF alone", "", "U", "B", "120", "D", "C", "", "Z", "Z", variante_uscita::descrittiva, "", "C"},
        {"2 MUF alone, no dm", "", "", "B", "120", "", "", "", "Z", "Z", variante_uscita::descrittiva, "", "B"},
        {"2 neither value", "", "", "B", "", "", "C", "", "Z", "Z", variante_uscita::descrittiva, "", "B"},
        {"2 foF, no df", "400", "", "", "120", "", "C", "", "Z", "Z", variante_uscita::descrittiva, "", "C"},
        {"2.4 descriptive", "400", "U", "", "120", "D", "", "", "Z", "Z", variante_uscita::descrittiva, "", ""},
        {"2.4 qualifying", "400", "U", "", "120", "D", "", "", "Z", "Y", variante_uscita::qualificativa, "", "Y"},
    };
    for (const auto strato : {strato_m3000::f1, strato_m3000::f2}) {
        const bool f1 = strato == strato_m3000::f1;
        for (const auto& c : casi) {
            const finestra prima = {
                {f1 ? "Text9" : "Text13", c.fo},
                {f1 ? "lettera_qualificativa_fof1" : "lettera_qualificativa_fof2", c.qf},
                {f1 ? "lettera_descrittiva_fof1" : "lettera_descrittiva_fof2", c.df},
                {f1 ? "Text10" : "Text15", c.muf},
                {f1 ? "lettera_qualificativa_muf3000f1" : "lettera_qualificativa_muf3000f2", c.qm},
                {f1 ? "lettera_descrittiva_muf3000f1" : "lettera_descrittiva_muf3000f2", c.dm},
                {f1 ? "Text11" : "Text16", c.m},
                {f1 ? "lettera_qualificativa_m3000f1" : "lettera_qualificativa_m3000f2", c.qx_prima},
                {f1 ? "lettera_descrittiva_m3000f1" : "lettera_descrittiva_m3000f2", c.dx_prima},
                {"Text44", "X"}};
            auto caselle = prova::caselle_da(prima);
            derivazione_lettere_m3000(strato, c.variante, caselle);
            const finestra dopo = prova::con(
                prima, {{f1 ? "lettera_qualificativa_m3000f1" : "lettera_qualificativa_m3000f2", c.qx},
                        {f1 ? "lettera_descrittiva_m3000f1" : "lettera_descrittiva_m3000f2", c.dx}});
            EXPECT_EQ(prova::differenze(caselle, dopo), "") << c.caso << (f1 ? " F1" : " F2");
        }
    }
}

TEST(Lettere, LeavingABoxPicksLayerAndVariant) {
    // M value empty, both source descriptive letters empty: the qualifying
    // variant keeps the old M(3000) descriptive letter, the descriptive one clears it.
    const struct {
        const char* casella;
        const char* dx_f1;
        const char* dx_f2;
        bool derivato;
    } casi[] = {
        {"lettera_qualificativa_fof1", "K", "K", true},
        {"lettera_descrittiva_muf3000f1", "", "K", true},
        {"lettera_qualificativa_muf3000f2", "K", "K", true},
        {"lettera_descrittiva_fof2", "K", "", true},
        {"Text23", "K", "K", false},
        {"lettera_descrittiva_m3000f1", "K", "K", false},
    };
    for (const auto& caso : casi) {
        auto caselle = prova::caselle_da(
            {{"lettera_descrittiva_m3000f1", "K"}, {"lettera_descrittiva_m3000f2", "K"}});
        EXPECT_EQ(uscita_da_casella_lettera(caso.casella, caselle), caso.derivato) << caso.casella;
        EXPECT_EQ(caselle.testo("lettera_descrittiva_m3000f1"), caso.dx_f1) << caso.casella;
        EXPECT_EQ(caselle.testo("lettera_descrittiva_m3000f2"), caso.dx_f2) << caso.casella;
    }
}
