#include "ionogram/lettore_rdf.h"
#include "common/rdf_di_prova.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::rdf_di_prova;
using M = motivo_errore;

constexpr auto principale = intestazione_corta::accettata;
constexpr auto compagna = intestazione_corta::rifiutata;

TEST(LettoreRdf, AcceptedFilesAreReadFromTheRightByte) {
    prova::cartella_temporanea cartella;
    // File, window, 1-based position of cell (1,1), station and code read.
    const struct {
        const char* nome;
        rdf_di_prova file;
        intestazione_corta variante;
        std::size_t primo_byte;
        const char *stazione, *codice;
    } casi[] = {
        {"points, code", {.codice = "3a"}, principale, 198, "Ostrand", "3a"},
        {"other separators", {.campi = " 1x000/20:000;0-050"}, principale, 198, "Ostrand", "xx"},
        {"unknown station", {.stazione = "qx106"}, principale, 198, "XXXXXXXX", "xx"},
        {"short header", {.a_capo_50 = true, .a_capo_197 = false}, principale, 51, "Coravento", ""},
        {"companion: no short header", {.a_capo_50 = true}, compagna, 198, "Ostrand", "xx"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const auto byte = caso.file.byte();
        const auto letto = carica_rdf(cartella.scrivi("prova.rdf", byte), caso.variante);
        ASSERT_TRUE(letto) << letto.errore().messaggio;
        const dati_ionogramma& dati = letto->dati;
        EXPECT_EQ(std::tuple(dati.frequenza_iniziale, dati.frequenza_finale, dati.passo_frequenza),
                  std::tuple(1.0f, 20.0f, 0.05f));
        ASSERT_EQ(dati.numero_frequenze, 381);
        EXPECT_EQ(letto->stazione + "|" + letto->codice_caso_particolare,
                  std::string(caso.stazione) + "|" + caso.codice);
        // Every byte value occurs; 0..6 is the noise floor and reads as 0.
        for (std::size_t k = 0; k < dati.ampiezze.size(); ++k) {
            const int b = byte[caso.primo_byte - 1 + k];
            ASSERT_EQ(dati.ampiezze[k], b > 6 ? b : 0) << "amplitude " << k;
        }
    }
}

TEST(LettoreRdf, SizeDecidesAcceptanceAndTheFileIsLeftAlone) {
    prova::cartella_temporanea cartella;
    // 197 + 150 x 381 exactly, one byte more or less, exactly 197.
    for (const rdf_di_prova& file : {rdf_di_prova{}, rdf_di_prova{.scarto = 1},
                                     rdf_di_prova{.scarto = -1}, rdf_di_prova{.record = 0}}) {
        const auto byte = file.byte();
        SCOPED_TRACE(byte.size());
        const auto percorso = cartella.scrivi("prova.rdf", byte);
        const auto letto = carica_rdf(percorso, principale);
        const bool giusta = byte.size() == 197 + 150 * 381;
        ASSERT_EQ(static_cast<bool>(letto), giusta);
        EXPECT_EQ(prova::contenuto_file(percorso), byte);
        EXPECT_TRUE(giusta || letto.errore().motivo == M::dimensione_errata);
        EXPECT_TRUE(file.scarto != 1 ||
                    letto.errore().dettaglio == "size 57348 bytes is not 197 + 150 x 381.");
    }
    std::filesystem::create_directory(cartella.percorso() / "cartella.rdf");
    for (const auto& [nome, motivo] : {std::pair{"mancante.rdf", M::file_mancante},
                                       std::pair{"cartella.rdf", M::cartella}})
        EXPECT_EQ(carica_rdf(cartella.percorso() / nome, principale).errore().motivo, motivo);
}

TEST(LettoreRdf, RunTimeErrorsNameTheFile) {
    prova::cartella_temporanea cartella;
    const struct { rdf_di_prova file; intestazione_corta variante; motivo_errore motivo; } casi[] = {
        {{.campi = "01.000 20.000 0.000"}, principale, M::passo_nullo},
        {{.a_capo_197 = false}, principale, M::intestazione_non_trovata},
        {{.a_capo_50 = true, .a_capo_197 = false}, compagna, M::intestazione_non_trovata},
        {{.campi = "99.E99 20.000 0.050"}, principale, M::intestazione_non_trovata}, // > float
        {{.campi = "01.000 20.000 1.E-9"}, principale, M::troppe_frequenze},         // nfreq > 2^31
        {{.campi = "01.000 20.000 1.E-6"}, principale, M::troppe_frequenze}, // 150 nfreq > 2^31
        {{.campi = "00.000 32.767 0.001", .record = 32768}, principale, M::troppe_frequenze},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(&caso - casi);
        const auto percorso = cartella.scrivi("prova.rdf", caso.file.byte());
        const auto letto = carica_rdf(percorso, caso.variante);
        ASSERT_FALSE(letto);
        EXPECT_EQ(letto.errore().motivo, caso.motivo);
        EXPECT_NE(letto.errore().messaggio.find(percorso.string()), std::string::npos);
    }
    // 32.766 / 0.001 + 1 = 32767 frequencies still fit the 16-bit loop.
    const rdf_di_prova ultimo{.campi = "00.000 32.766 0.001", .record = 32767};
    EXPECT_TRUE(carica_rdf(cartella.scrivi("prova.rdf", ultimo.byte()), principale));
}

TEST(LettoreRdf, ParticularCaseCodeGoesToBytes60And61Only) {
    prova::cartella_temporanea cartella;
    const auto originale = rdf_di_prova{}.byte();
    // Two characters are written as they are; any other length writes nothing.
    const std::string codici[] = {"3b", "xx", "", "011"};
    for (std::size_t k = 0; k < std::size(codici); ++k) {
        const auto percorso = cartella.scrivi("codice.rdf", originale);
        scrittura_codice_caso_particolare(percorso, codici[k]);
        auto atteso = originale;
        if (k < 2) std::copy(codici[k].begin(), codici[k].end(), atteso.begin() + 59);
        EXPECT_EQ(prova::contenuto_file(percorso), atteso) << codici[k];
    }
    // A folder, a missing file (not created) and a file without byte 61 raise.
    std::filesystem::create_directory(cartella.percorso() / "cartella.rdf");
    cartella.scrivi("corto.rdf", std::vector<unsigned char>(60, ' '));
    for (const auto& nome : {"cartella.rdf", "mancante.rdf", "corto.rdf"})
        EXPECT_THROW(scrittura_codice_caso_particolare(cartella.percorso() / nome, "xx"),
                     errore_lettura) << nome;
    EXPECT_FALSE(std::filesystem::exists(cartella.percorso() / "mancante.rdf"));
}
