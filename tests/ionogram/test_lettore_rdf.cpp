// The sounder's file, a row per good or bad file: what a window gets from it
// (station, particular-case code, frequencies, every amplitude from the right
// byte) or why it gets nothing, in the sentence that names the file. The
// table runs with a decimal comma in the C locale: the header's numbers must
// never go through it. Then the code written back, and the texts that name
// an ionogram.

#include "common/locale_virgola.h"
#include "common/rdf_di_prova.h"
#include "ionogram/lettore_rdf.h"
#include "ionogram/titoli.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::rdf_di_prova;
using enum motivo_errore;

constexpr auto P = intestazione_corta::accettata; // the main window
constexpr auto C = intestazione_corta::rifiutata; // the companion window

TEST(LettoreRdf, GoodAndBadFilesAndTheCodeWrittenBack) {
    const prova::locale_con_virgola virgola;
    if (!virgola.attivo()) GTEST_SKIP() << prova::locale_con_virgola::motivo;
    prova::cartella_temporanea tmp;
    std::filesystem::create_directory(tmp.percorso() / "cartella");
    const std::string no = " is not a valid ionogram: size ";
    // An accepted file: the byte of its cell [1][1], then station, code and
    // number of frequencies (1 to 20 MHz by 0.05 are 381, whatever stands
    // between the digits). A refused one: why, and what follows the file's
    // name. A `record` of -1 names a path (in `campi`) with no file or a folder.
    // clang-format off
    const struct { rdf_di_prova file; intestazione_corta v; std::size_t primo;
                   std::optional<motivo_errore> motivo; std::string atteso; } casi[] = {
        {{.codice = "3a"}, P, 198, {}, "Ostrand|3a|381"},
        {{.campi = "01,000 20,000 0,050"}, C, 198, {}, "Ostrand|xx|381"},
        {{.campi = " 1x000/20:000;0-050", .stazione = "qx106"}, P, 198, {}, "XXXXXXXX|xx|381"},
        {{.a_capo_50 = true, .a_capo_197 = false}, P, 51, {}, "Coravento||381"},
        {{.a_capo_50 = true}, C, 198, {}, "Ostrand|xx|381"},
        {{.campi = "00.000 32.766 0.001", .record = 32767}, P, 198, {}, "Ostrand|xx|32767"},
        {{.campi = "01.000 01.000 0.050", .record = 1}, P, 198, {}, "Ostrand|xx|1"},
        {{.campi = "mancante", .record = -1}, P, 0, file_mancante, " does not exist."},
        {{.campi = "cartella", .record = -1}, P, 0, cartella, " is a folder, not a file."},
        {{.record = 0}, P, 0, dimensione_errata,
         no + "197 bytes leaves no room for amplitudes after the 197-byte header."},
        {{.scarto = 1}, P, 0, dimensione_errata, no + "57348 bytes is not 197 + 150 x 381."},
        {{.scarto = 150}, P, 0, dimensione_errata, no + "57497 bytes is not 197 + 150 x 381."},
        {{.campi = "01.000 20.000 0.000"}, P, 0, passo_nullo, " gives a frequency step of 0 MHz."},
        {{.a_capo_197 = false}, P, 0, intestazione_non_trovata,
         " has no header: neither byte 50 nor byte 197 is a line feed."},
        {{.a_capo_50 = true, .a_capo_197 = false}, C, 0, intestazione_non_trovata,
         " has no header: byte 197 is not a line feed."},
        {{.campi = "00.000 32.767 0.001", .record = 32768}, P, 0, troppe_frequenze,
         " gives 32768 sounding frequencies, more than 32767."},
    };
    // clang-format on
    for (const auto& c : casi) {
        const auto percorso = tmp.percorso() / (c.file.record < 0 ? c.file.campi : "prova.rdf");
        SCOPED_TRACE(c.file.campi + " " + std::to_string(c.file.record) + " " + c.atteso);
        const auto byte = c.file.record < 0 ? std::vector<unsigned char>() : c.file.byte();
        if (c.file.record >= 0) prova::scrivi_file(percorso, byte);
        const auto letto = carica_rdf(percorso, c.v);
        if (c.motivo) {
            ASSERT_FALSE(letto);
            EXPECT_EQ(letto.errore().motivo, *c.motivo);
            EXPECT_EQ(letto.errore().messaggio,
                      "The ionogram file \"" + percorso.string() + "\"" + c.atteso);
            continue;
        }
        ASSERT_TRUE(letto) << letto.errore().messaggio;
        const dati_ionogramma& d = letto->dati;
        const std::string n = std::to_string(d.numero_frequenze);
        EXPECT_EQ(letto->stazione + "|" + letto->codice_caso_particolare + "|" + n, c.atteso);
        // Every byte value occurs among the amplitudes; 0 .. 6 is the noise floor and reads as 0.
        ASSERT_EQ(d.ampiezze.size(), 150u * static_cast<std::size_t>(d.numero_frequenze));
        for (std::size_t k = 0; k < d.ampiezze.size(); ++k) {
            const int b = byte[c.primo - 1 + k];
            ASSERT_EQ(d.ampiezze[k], b > 6 ? b : 0) << "amplitude " << k;
        }
    }
    // The particular-case code goes to bytes 60-61 only: two characters as
    // they are, any other length not at all.
    const auto originale = rdf_di_prova{}.byte();
    for (const auto& [codice, dopo] : {std::pair{"3b", "3b"}, {"", "xx"}, {"011", "xx"}}) {
        const auto percorso = tmp.percorso() / "codice.rdf";
        prova::scrivi_file(percorso, originale);
        scrittura_codice_caso_particolare(percorso, codice);
        auto atteso = originale;
        std::copy(dopo, dopo + 2, atteso.begin() + 59);
        EXPECT_EQ(prova::testo_file(percorso), std::string(atteso.begin(), atteso.end())) << codice;
    }
    // A file without byte 61, and a missing one (never created), are refused.
    prova::scrivi_file(tmp.percorso() / "corto.rdf", std::vector<unsigned char>(60, ' '));
    for (const auto& nome : {"corto.rdf", "mancante.rdf"})
        EXPECT_THROW(scrittura_codice_caso_particolare(tmp.percorso() / nome, "xx"), errore_lettura)
            << nome;
    EXPECT_FALSE(std::filesystem::exists(tmp.percorso() / "mancante.rdf"));
}

TEST(Titoli, DateFromTheFileNameAndWindowTitle) {
    // clang-format off
    const std::pair<const char*, const char*> casi[] = {
        {"QX106_2023272101500.rdf", "2023-September-29  10:15 [UT]"},
        {"QX106_2024060120000.rdf", "2024-February-29  12:00 [UT]"}, // every fourth year is leap
        {"QX106_2023060120000.rdf", "2023-March-1  12:00 [UT]"},
        {"QX106_2023366101500.rdf", "2023-December-31  10:15 [UT]"}, // found in the leap column
        {"QX106_2023000101500.rdf", "2023--  10:15 [UT]"},
        {"QX106_20239E9101500.rdf", "2023--  10:15 [UT]"}, // beyond 16 bits
        {"QX106_2023272ab1500.rdf", "2023-September-29  AB:15 [UT]"},
        {"QX106_2023272101", "2023-September-29  10:1 [UT]"},
    };
    // clang-format on
    for (const auto& [nome, atteso] : casi) EXPECT_EQ(data_ionogramma(nome), atteso) << nome;
    // The step of an accepted file follows, with the decimal separator given.
    const std::string titolo = "VELARIS - file: QX106_2023272101500.rdf * Ostrand * 2023-Sep";
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "Ostrand", "2023-Sep", 0.05f, ','),
              titolo + "  (sounding frequency step = 0,05 MHz)");
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "Ostrand", "2023-Sep", {}, ','), titolo);
}
