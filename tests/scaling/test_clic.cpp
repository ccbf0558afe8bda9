// Form_MouseDown on the boxes: the right click, the gate, the questions and
// order checks of the heights, the foE/foF1 and tenths groups with their
// rules, and the MUF(3000) limits with M(3000) after a click on fo.
// Positions are chosen from the mapping f = 0.025 x + 0.9, h = 1.125 y + 85.5.

#include "common/fakes.h"
#include "common/vista_scalatura_finta.h"
#include "scaling/scalatura.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

constexpr const char* continuare = "\r\nDo you want to continue?";

/// Plot column of a frequency in MHz (x = 40 f - 36).
float x_di(double mhz) { return static_cast<float>(40.0 * mhz - 36.0); }

struct banco {
    prova::caselle_finte caselle;
    prova::messaggi_finti messaggi;
    prova::vista_scalatura_finta vista;
    scalatura s{caselle, messaggi, vista, "Ostrand"};
    float frequenza_iniziale = 1.0f;

    void clic(std::string_view grandezza, float x, float y = 300.0f, bool presente = true) {
        s.clic(1, x, y, grandezza, presente, frequenza_iniziale);
    }
    std::string operator[](std::string_view nome) const { return caselle.testo(nome); }
    void poni(std::initializer_list<std::pair<const char*, const char*>> testi) {
        for (const auto& [nome, testo] : testi) caselle.imposta_testo(nome, testo);
    }
};

} // namespace

TEST(Clic, RightClickChoosesTheEsMissingCaseAnywhere) {
    const struct {
        const char* foe;
        const char* lettera;
        const char* atteso;
    } casi[] = {{"", "A", "es giorno"}, {"310", "", "es giorno"}, {"", "", "es notte"}};
    for (const auto& caso : casi) {
        banco b;
        b.poni({{"Text3", caso.foe}, {"Text34", caso.lettera}});
        b.s.clic(2, 2000.0f, -40.0f, "tipoEs", false, 1.0f); // off the plot, no ionogram
        EXPECT_EQ(b.vista.chiamate, std::vector<std::string>{caso.atteso}) << caso.foe;
    }
}

TEST(Clic, OffThePlotOrWithoutIonogramNothingChanges) {
    banco b;
    b.clic("foF2", 765.0f);
    b.clic("foF2", 100.0f, 601.0f);
    b.clic("foF2", 0.0f);
    b.clic("foF2", 100.0f, 300.0f, false);
    b.clic("MUF3000F2", 100.0f);
    b.clic("tipoEs", 100.0f);
    EXPECT_TRUE(b.caselle.testi.empty());
    EXPECT_TRUE(b.messaggi.mostrati.empty());
    b.clic("foF2", 764.0f, 600.0f); // the last pixel is on the plot
    EXPECT_EQ(b["Text13"], "200");
}

TEST(Clic, ImplausibleHeightsAreQuestioned) {
    const struct {
        const char* chiave;
        const char* casella;
        float y;
        bool chiesto;
    } casi[] = {
        {"hE", "Text2", 57, false},    {"hE", "Text2", 58, true},     {"hEs", "Text5", 97, false},
        {"hEs", "Text5", 98, true},    {"hF", "Text8", 83, true},     {"hF", "Text8", 84, false},
        {"hF", "Text8", 280, false},   {"hF", "Text8", 281, true},    {"hF2", "Text12", 101, true},
        {"hF2", "Text12", 102, false}, {"hF2", "Text12", 458, false}, {"hF2", "Text12", 459, true},
    };
    for (const auto& caso : casi) {
        for (const bool si : {false, true}) {
            banco b;
            b.poni({{caso.casella, "123"}});
            b.messaggi.risposte = {si};
            b.clic(caso.chiave, 100.0f, caso.y);
            const bool scritto = b[caso.casella] != "123";
            EXPECT_EQ(scritto, !caso.chiesto || si) << caso.chiave << " y = " << caso.y;
            EXPECT_EQ(b.messaggi.mostrati.size(), caso.chiesto ? 1u : 0u) << caso.chiave;
        }
    }
    banco b;
    b.messaggi.risposte = {true};
    b.clic("hF", 100.0f, 300.0f);
    ASSERT_EQ(b.messaggi.mostrati.size(), 1u);
    EXPECT_TRUE(b.messaggi.mostrati[0].domanda);
    EXPECT_EQ(b.messaggi.mostrati[0].titolo, "Be careful!!!");
    EXPECT_EQ(b.messaggi.mostrati[0].testo,
              std::string("Impossible value for this characteristic!!") + continuare);
    EXPECT_EQ(b["Text8"], "423"); // 423 km = row 300
}

TEST(Clic, HeightOrderChecksKeepOrTakeBackTheValue) {
    const std::string he_hes = "(h'E-10) cannot be greater than h'Es";
    const std::string hes_hf = "h'Es cannot be greater than h'F";
    const std::string hf_hf2 = "h'F cannot be greater than h'F2";
    const struct {
        const char* chiave;
        float y;
        std::vector<std::pair<const char*, const char*>> prima;
        std::deque<bool> risposte;
        std::vector<std::string> messaggi;
        const char* casella;
        const char* valore;
    } casi[] = {
        // 130.5 km -> "131"; 131 - 10 > 110.
        {"hE", 40, {{"Text5", "110"}}, {false}, {he_hes}, "Text2", ""},
        {"hE", 40, {{"Text5", "121"}}, {}, {}, "Text2", "131"},
        // A blank is not empty: it reads 0.
        {"hE", 40, {{"Text5", " "}}, {true}, {he_hes}, "Text2", "131"},
        // 108 km: the first check kept, the second taken back.
        {"hEs", 20, {{"Text2", "120"}, {"Text8", "100"}}, {true, false}, {he_hes, hes_hf},
         "Text5", ""},
        {"hEs", 20, {{"Text2", "118"}, {"Text8", "108"}}, {}, {}, "Text5", "108"},
        // 198 km.
        {"hF", 100, {{"Text5", "200"}, {"Text12", "190"}}, {true, true}, {hes_hf, hf_hf2},
         "Text8", "198"},
        {"hF", 100, {{"Text5", "200"}, {"Text12", "190"}}, {false}, {hes_hf}, "Text8", ""},
        // 254.25 km -> "254".
        {"hF2", 150, {{"Text8", "260"}}, {false}, {hf_hf2}, "Text12", ""},
        {"hF2", 150, {{"Text8", "254"}}, {}, {}, "Text12", "254"},
    };
    for (const auto& caso : casi) {
        banco b;
        for (const auto& [nome, testo] : caso.prima) b.caselle.imposta_testo(nome, testo);
        b.messaggi.risposte = caso.risposte;
        b.clic(caso.chiave, 100.0f, caso.y);
        EXPECT_EQ(b[caso.casella], caso.valore) << caso.chiave << " " << caso.prima[0].second;
        std::vector<std::string> attesi;
        for (const auto& m : caso.messaggi) attesi.push_back(m + continuare);
        EXPECT_EQ(b.messaggi.testi(), attesi) << caso.chiave;
        for (const auto& m : b.messaggi.mostrati) EXPECT_EQ(m.titolo, "Be careful!");
    }
}

TEST(Clic, FoEAndFoF1) {
    banco b;
    b.poni({{"Text3", "345"}});
    b.clic("foE", 364.0f); // 10.0 MHz
    ASSERT_EQ(b.messaggi.mostrati.size(), 1u);
    EXPECT_FALSE(b.messaggi.mostrati[0].domanda);
    EXPECT_EQ(b.messaggi.mostrati[0].titolo, "Be careful");
    EXPECT_EQ(b.messaggi.mostrati[0].testo, "Impossible value for this characteristic!!");
    EXPECT_EQ(b["Text3"], "345");
    b.clic("foE", 363.0f);
    EXPECT_EQ(b["Text3"], "998");
    b.clic("foE", 1.0f);
    EXPECT_EQ(b["Text3"], "100");

    // fmin 3.0 MHz against foE 2.5 MHz.
    b.poni({{"Text1", "30"}});
    b.messaggi = {};
    b.messaggi.risposte = {false};
    b.clic("foE", x_di(2.5));
    ASSERT_EQ(b.messaggi.mostrati.size(), 1u);
    EXPECT_EQ(b.messaggi.mostrati[0].titolo, "Be careful!");
    EXPECT_EQ(b.messaggi.mostrati[0].testo, std::string("fmin cannot be greater than foE") + continuare);
    EXPECT_EQ(b["Text3"], "");
    b.clic("foE", x_di(3.0));
    EXPECT_EQ(b["Text3"], "300");

    // foF1 remembers its click; foE does not.
    b.clic("foF1", 64.0f, 190.0f);
    EXPECT_EQ(b["Text9"], "250");
    EXPECT_FLOAT_EQ(b.s.variabili().frequenza_click_fof1, 2.5f);
    EXPECT_FLOAT_EQ(b.s.variabili().altezza_click_fof1, 299.25f);
    EXPECT_EQ(b.s.variabili().frequenza_click_fof2, 0.0f);
}

TEST(Clic, TenthsGroupAndFminAtTheFirstSoundingFrequency) {
    banco b;
    b.clic("foF2", x_di(5.95)); // not a whole pixel: a float x as the handler takes
    EXPECT_EQ(b["Text13"], "60");
    b.clic("foEs", x_di(5.45));
    EXPECT_EQ(b["Text4"], "55");
    b.clic("foF2", 264.0f, 190.0f);
    EXPECT_EQ(b["Text13"], "75");
    EXPECT_FLOAT_EQ(b.s.variabili().frequenza_click_fof2, 7.5f);
    EXPECT_FLOAT_EQ(b.s.variabili().altezza_click_fof2, 299.25f);

    const struct {
        float iniziale;
        float x;
        const char* valore;
        const char* lettere;
    } casi[] = {
        {1.5f, x_di(1.2), "15", "EE"}, {1.5f, x_di(1.6), "16", ""},
        {1.5f, x_di(1.5), "15", "EE"}, {0.5f, 1.0f, "10", ""},
        {1.0f, 1.0f, "10", "EE"},
    };
    for (const auto& caso : casi) {
        banco f;
        f.frequenza_iniziale = caso.iniziale;
        f.clic("fmin", caso.x);
        EXPECT_EQ(f["Text1"], caso.valore) << caso.iniziale << " " << caso.x;
        EXPECT_EQ(f["Text17"] + f["Text23"], caso.lettere) << caso.iniziale << " " << caso.x;
    }

    // fmin above foE, after the first-frequency rule.
    banco c;
    c.poni({{"Text3", "250"}});
    c.messaggi.risposte = {false};
    c.clic("fmin", x_di(3.0));
    EXPECT_EQ(c.messaggi.testi(),
              std::vector<std::string>{std::string("fmin cannot be greater than foE") + continuare});
    EXPECT_EQ(c["Text1"], "");
}

TEST(Clic, FbEsLettersAgainstFoEs) {
    const struct {
        const char* chiave;
        float x;
        const char* altra;
        const char* lettere;
    } casi[] = {
        {"fbEs", x_di(4.0), "40", "AA"}, {"fbEs", x_di(4.5), "40", "UY"},
        {"fbEs", x_di(3.5), "40", ""},   {"foEs", x_di(4.0), "40", "AA"},
        {"foEs", x_di(3.5), "40", "UY"}, {"fbEs", x_di(4.5), "", ""},
    };
    for (const auto& caso : casi) {
        banco b;
        b.poni({{std::string_view(caso.chiave) == "fbEs" ? "Text4" : "Text6", caso.altra}});
        b.clic(caso.chiave, caso.x);
        EXPECT_EQ(b["Text22"] + b["Text37"], caso.lettere) << caso.chiave << " " << caso.x;
    }
}

TEST(Clic, FxIAndFoF2AtTheStation) {
    EXPECT_EQ(scarto_stazione("Ostrand"), 5);
    EXPECT_EQ(scarto_stazione("PSV"), 9);
    EXPECT_EQ(scarto_stazione("Kesh Amar"), 6);
    EXPECT_EQ(scarto_stazione("QX106"), 6);
    const struct {
        const char* stazione;
        const char* chiave;
        float x;
        std::vector<std::pair<const char*, const char*>> prima;
        const char* fof2;
        const char* fxi;
        const char* lettere; ///< fxI q.l., fxI d.l., foF2 q.l., each "-" when empty
    } casi[] = {
        // fxI 0.1 MHz from foF2: fxI follows from foF2.
        {"Ostrand", "fxI", x_di(7.1), {{"Text13", "70"}, {"lettera_qualificativa_fof2", "A"}},
         "70", "75", "O--"},
        {"PSV", "fxI", x_di(7.1), {{"Text13", "70"}}, "70", "79", "O--"},
        // Exactly D above foF2: kept, marked X.
        {"Ostrand", "fxI", x_di(7.5), {{"Text13", "70"}}, "70", "75", "-X-"},
        {"Ostrand", "fxI", x_di(7.6), {{"Text13", "70"}}, "70", "76", "---"},
        {"Ostrand", "fxI", x_di(7.5), {}, "", "75", "---"},
        // foF2 within 0.2 MHz of fxI: foF2 follows from fxI.
        {"Ostrand", "foF2", x_di(7.6), {{"Text14", "75"}}, "70", "75", "-XJ"},
        {"Ostrand", "foF2", x_di(7.3), {{"Text14", "75"}}, "70", "75", "-XJ"},
        {"Ostrand", "foF2", x_di(7.2), {{"Text14", "75"}}, "72", "75", "---"},
    };
    for (const auto& caso : casi) {
        prova::caselle_finte caselle;
        prova::messaggi_finti messaggi;
        prova::vista_scalatura_finta vista;
        scalatura s(caselle, messaggi, vista, caso.stazione);
        for (const auto& [nome, testo] : caso.prima) caselle.imposta_testo(nome, testo);
        s.clic(1, caso.x, 300.0f, caso.chiave, true, 1.0f);
        const auto lettera = [&](const char* nome) {
            const std::string t = caselle.testo(nome);
            return t.empty() ? std::string("-") : t;
        };
        EXPECT_EQ(caselle.testo("Text13"), caso.fof2) << caso.chiave << " " << caso.x;
        EXPECT_EQ(caselle.testo("Text14"), caso.fxi) << caso.chiave << " " << caso.x;
        EXPECT_EQ(lettera("Text30") + lettera("Text44") + lettera("lettera_qualificativa_fof2"),
                  caso.lettere)
            << caso.chiave << " " << caso.x;
    }
}

TEST(Clic, MufLimitsAndM3000AfterFo) {
    const struct {
        const char* chiave;
        float x;
        const char* muf;
        const char* fo;
        const char* m;
        const char* titolo_testo;
    } casi[] = {
        {"foF2", x_di(7.5), "245", "75", "327", ""},
        {"foF2", x_di(8.0), "800", "80", "1000", ""},
        {"foF2", x_di(8.0), "79", "", "", "foF2 cannot be greater than MUF(3000)F2!!"},
        {"foF2", x_di(8.0), "801", "", "", "MUF(3000)F2 cannot be 10 times greater than foF2!!"},
        // Ties go to the even neighbour: 8100 / 40 = 202.5, 8300 / 40 = 207.5.
        {"foF2", x_di(4.0), "81", "40", "202", ""},
        {"foF2", x_di(4.0), "83", "40", "208", ""},
        {"foF2", x_di(4.0), "", "40", "old", ""},
        {"foF1", x_di(4.5), "45", "450", "100", ""},
        {"foF1", x_di(4.5), "44", "", "", "foF1 cannot be greater than MUF(3000)F1!!"},
        {"foF1", x_di(4.5), "451", "", "", "MUF(3000)F1 cannot be 10 times greater than foF1!!"},
    };
    for (const auto& caso : casi) {
        banco b;
        const bool f1 = std::string_view(caso.chiave) == "foF1";
        const char* casella_muf = f1 ? "Text10" : "Text15";
        const char* casella_fo = f1 ? "Text9" : "Text13";
        const char* casella_m = f1 ? "Text11" : "Text16";
        b.poni({{casella_muf, caso.muf}, {casella_m, "old"}});
        b.clic(caso.chiave, caso.x);
        EXPECT_EQ(b[casella_fo], caso.fo) << caso.chiave << " " << caso.muf;
        EXPECT_EQ(b[casella_m], caso.m) << caso.chiave << " " << caso.muf;
        if (*caso.titolo_testo == '\0') {
            EXPECT_TRUE(b.messaggi.mostrati.empty()) << caso.muf;
        } else {
            ASSERT_EQ(b.messaggi.mostrati.size(), 1u) << caso.muf;
            EXPECT_FALSE(b.messaggi.mostrati[0].domanda);
            EXPECT_EQ(b.messaggi.mostrati[0].titolo, "Be careful!");
            EXPECT_EQ(b.messaggi.mostrati[0].testo, caso.titolo_testo);
        }
    }
}
