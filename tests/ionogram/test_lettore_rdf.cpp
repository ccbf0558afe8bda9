#include "ionogram/lettore_rdf.h"
#include "common/rdf_di_prova.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using namespace velaris;
using prova::rdf_di_prova;
using M = motivo_errore;

namespace {

constexpr auto principale = variante_finestra::principale;
constexpr auto compagna = variante_finestra::compagna;

class LettoreRdf : public ::testing::Test {
protected:
    prova::cartella_temporanea m_cartella;

    std::filesystem::path scrivi(const rdf_di_prova& file) {
        return m_cartella.scrivi("prova.rdf", file.byte());
    }
};

template <typename Azione> std::optional<errore_lettura> errore_di(Azione azione) {
    try {
        azione();
    } catch (const errore_lettura& e) {
        return e;
    }
    return std::nullopt;
}

} // namespace

TEST_F(LettoreRdf, AcceptedFilesAreReadFromTheRightByte) {
    const struct {
        const char* nome;
        rdf_di_prova file;
        variante_finestra variante;
        std::size_t primo_byte; // 1-based position of cell (1,1)
        const char* stazione;
        const char* codice;
    } casi[] = {
        {"standard", {}, principale, 198, "Ostrand", "xx"},
        {"commas", {.campi = "01,000 20,000 0,050"}, principale, 198, "Ostrand", "xx"},
        {"any separator", {.campi = "01x000/20:000;0-050"}, principale, 198, "Ostrand", "xx"},
        {"blank padding", {.campi = " 1.000 20.000 0.050"}, principale, 198, "Ostrand", "xx"},
        {"code", {.codice = "3a"}, principale, 198, "Ostrand", "3a"},
        {"companion: no code", {.codice = "3a"}, compagna, 198, "Ostrand", ""},
        {"other station", {.stazione = "QX101"}, principale, 198, "Ardel", "xx"},
        {"lower-case station", {.stazione = "qx106"}, principale, 198, "XXXXXXXX", "xx"},
        {"short header", {.a_capo_50 = true}, principale, 51, "Coravento", ""},
        {"companion: no short header", {.a_capo_50 = true}, compagna, 198, "Ostrand", ""},
        {"LF at 50 only",
         {.a_capo_50 = true, .a_capo_197 = false},
         principale,
         51,
         "Coravento",
         ""},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const auto byte = caso.file.byte();
        const auto letto = carica_rdf(scrivi(caso.file), caso.variante);
        ASSERT_EQ(letto.esito, esito_caricamento::accettato) << letto.motivo;
        EXPECT_EQ(letto.dimensione, 197 + 150 * 381);
        const dati_ionogramma& dati = letto.ionogramma.dati;
        EXPECT_EQ(dati.frequenza_iniziale, 1.0f);
        EXPECT_EQ(dati.frequenza_finale, 20.0f);
        EXPECT_EQ(dati.passo_frequenza, 0.05f);
        ASSERT_EQ(dati.numero_frequenze, 381);
        EXPECT_EQ(letto.ionogramma.stazione, caso.stazione);
        EXPECT_EQ(letto.ionogramma.codice_caso_particolare, caso.codice);
        for (int i = 1; i <= 381; ++i)
            for (int j = 1; j <= 150; ++j)
                ASSERT_EQ(dati.cella(i, j),
                          prova::cella_attesa(byte[caso.primo_byte - 1 + 150 * (i - 1) + (j - 1)]))
                    << "cell " << i << "," << j;
    }
}

TEST_F(LettoreRdf, NoiseBytesBecomeZero) {
    auto byte = rdf_di_prova{}.byte();
    const unsigned char valori[] = {0, 6, 7, 255};
    std::copy(std::begin(valori), std::end(valori), byte.begin() + 197);
    const auto dati = carica_rdf(m_cartella.scrivi("a.rdf", byte), principale).ionogramma.dati;
    ASSERT_EQ(dati.numero_frequenze, 381);
    EXPECT_EQ(dati.cella(1, 1), 0);
    EXPECT_EQ(dati.cella(1, 2), 0);
    EXPECT_EQ(dati.cella(1, 3), 7);
    EXPECT_EQ(dati.cella(1, 4), 255);
}

TEST_F(LettoreRdf, WrongSizesAreRejectedAndTheFileIsLeftAlone) {
    const struct {
        const char* nome;
        rdf_di_prova file;
        const char* motivo;
    } casi[] = {
        {"one byte more", {.scarto = 1}, "size 57348 bytes is not 197 + 150 x 381."},
        {"one byte less", {.scarto = -1}, "size 57346 bytes is not 197 + 150 x 381."},
        {"one record less", {.record = 380}, "size 57197 bytes is not 197 + 150 x 381."},
        {"header only", {.record = 0}, nullptr},
        {"shorter than a header", {.record = 0, .scarto = -100}, nullptr},
        {"end below start", {.campi = "20.000 01.000 0.050", .record = 3}, nullptr},
        {"many frequencies, small file", {.campi = "00.000 99.999 0.001", .record = 1}, nullptr},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const auto byte = caso.file.byte();
        const auto percorso = scrivi(caso.file);
        const auto letto = carica_rdf(percorso, principale);
        EXPECT_EQ(letto.esito, esito_caricamento::rifiutato);
        EXPECT_EQ(letto.dimensione, static_cast<std::int32_t>(byte.size()));
        EXPECT_EQ(letto.motivo, caso.motivo ? caso.motivo : letto.motivo);
        EXPECT_FALSE(letto.motivo.empty());
        EXPECT_EQ(prova::contenuto_file(percorso), byte);
    }
}

TEST_F(LettoreRdf, RunTimeErrorsNameTheFile) {
    enum chiamata { carica, intestazione, ionogramma };
    const struct {
        const char* nome;
        rdf_di_prova file;
        variante_finestra variante;
        chiamata funzione;
        motivo_errore motivo;
    } casi[] = {
        // clang-format off
        {"zero step", {.campi = "01.000 20.000 0.000"}, principale, carica, M::passo_nullo},
        {"blank step", {.campi = "01.000 20.000      "}, principale, intestazione, M::passo_nullo},
        {"no line feed", {.a_capo_197 = false}, principale, carica, M::intestazione_non_trovata},
        {"companion: LF at 50 only", {.a_capo_50 = true, .a_capo_197 = false}, compagna, carica,
         M::intestazione_non_trovata},
        {"beyond float", {.campi = "99.E99 20.000 0.050"}, principale, carica,
         M::intestazione_non_trovata},
        {"count beyond 32 bits", {.campi = "01.000 20.000 1.E-9"}, principale, carica,
         M::troppe_frequenze},
        {"150 x count beyond 32 bits", {.campi = "01.000 20.000 1.E-6"}, principale, carica,
         M::troppe_frequenze},
        {"truncated", {.record = 380}, principale, ionogramma, M::troncato},
        {"no frequency", {.campi = "20.000 01.000 0.050"}, compagna, ionogramma,
         M::intestazione_non_trovata},
        {"three bytes", {.a_capo_197 = false, .record = 0, .scarto = -194}, principale,
         intestazione, M::intestazione_non_trovata},
        // clang-format on
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const auto percorso = scrivi(caso.file);
        const auto errore = errore_di([&] {
            if (caso.funzione == carica) carica_rdf(percorso, caso.variante);
            if (caso.funzione == intestazione) lettura_intestazione(percorso, caso.variante);
            if (caso.funzione == ionogramma) lettura_ionogramma(percorso, caso.variante);
        });
        ASSERT_TRUE(errore.has_value());
        EXPECT_EQ(errore->motivo, caso.motivo);
        EXPECT_NE(std::string(errore->what()).find(percorso.string()), std::string::npos);
    }
}

TEST(LettoreRdfMemoria, SixteenBitFrequencyLimit) {
    // 32.766 / 0.001 + 1 = 32767 frequencies still fit the loop; one more does not.
    const auto ultimo = rdf_di_prova{.campi = "00.000 32.766 0.001", .record = 32767}.byte();
    const auto letto = leggi_rdf_da_byte(ultimo, principale);
    ASSERT_EQ(letto.ionogramma.dati.numero_frequenze, 32767);
    EXPECT_EQ(letto.ionogramma.dati.cella(32767, 150), prova::cella_attesa(ultimo.back()));

    const auto troppi = rdf_di_prova{.campi = "00.000 32.767 0.001", .record = 32768}.byte();
    EXPECT_EQ(errore_di([&] { leggi_rdf_da_byte(troppi, principale); })->motivo,
              M::troppe_frequenze);
}

TEST_F(LettoreRdf, MissingFileOrFolder) {
    const auto mancante = m_cartella.percorso() / "QX106_2023272101500.rdf";
    EXPECT_EQ(carica_rdf(mancante, principale).esito, esito_caricamento::mancante);
    EXPECT_EQ(errore_di([&] { dimensione_file(mancante); })->motivo, M::file_mancante);
    EXPECT_EQ(errore_di([&] { lettura_ionogramma(mancante, compagna); })->motivo, M::file_mancante);
    // A folder where the file should be is no file for this time.
    const auto cartella = m_cartella.percorso() / "cartella.rdf";
    std::filesystem::create_directory(cartella);
    EXPECT_EQ(carica_rdf(cartella, compagna).esito, esito_caricamento::mancante);
    EXPECT_EQ(errore_di([&] { lettura_ionogramma(cartella, principale); })->motivo,
              M::non_leggibile);
}

TEST_F(LettoreRdf, HeaderOnly) {
    const auto lunga = lettura_intestazione(scrivi({.codice = "4b", .record = 0}), principale);
    EXPECT_EQ(lunga.lunghezza, 197u);
    EXPECT_EQ(lunga.numero_frequenze, 381);
    EXPECT_EQ(lunga.codice_caso_particolare, "4b");
    EXPECT_EQ(lunga.codice_stazione, "QX106");
    EXPECT_EQ(lettura_intestazione(scrivi({.codice = "4b"}), compagna).codice_caso_particolare, "");

    const auto corta =
        lettura_intestazione(scrivi({.codice = "4b", .a_capo_50 = true}), principale);
    EXPECT_TRUE(corta.corta);
    EXPECT_EQ(corta.lunghezza, 50u);
    EXPECT_EQ(corta.codice_caso_particolare + corta.codice_stazione, "");

    const rdf_di_prova una{.campi = "02.500 02.500 0.100", .record = 0};
    EXPECT_EQ(lettura_intestazione(scrivi(una), principale).numero_frequenze, 1);
}

TEST(Accettazione, SizeMustBeHeaderPlusWholeRecords) {
    constexpr std::int32_t massimo = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::int32_t dimensione, frequenze;
        bool atteso;
    } casi[] = {
        {57347, 381, true},
        {57348, 381, false},
        {57346, 381, false},
        {57347, 380, false},
        {197, 0, false},
        {347, 1, true},
        {47, -1, false},
        {0, 0, false},
        {massimo, massimo, false},
        {massimo, -massimo - 1, false},
        {197 + 150 * 14316556, 14316556, true},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(accettato(caso.dimensione, caso.frequenze), caso.atteso)
            << caso.dimensione << " / " << caso.frequenze;
}

TEST_F(LettoreRdf, ParticularCaseCodeGoesToBytes60And61Only) {
    const auto originale = rdf_di_prova{}.byte();
    for (const char* codice : {"01", "02", "3a", "3b", "3c", "4a", "4b", "4c", "05", "xx"}) {
        SCOPED_TRACE(codice);
        const auto percorso = m_cartella.scrivi("codice.rdf", originale);
        scrittura_codice_caso_particolare(percorso, codice);
        auto atteso = originale;
        atteso[59] = static_cast<unsigned char>(codice[0]);
        atteso[60] = static_cast<unsigned char>(codice[1]);
        EXPECT_EQ(prova::contenuto_file(percorso), atteso);
        EXPECT_EQ(carica_rdf(percorso, principale).ionogramma.codice_caso_particolare, codice);
    }
    for (const char* codice : {"06", "3A", "XX", "", "x", "01 "}) {
        SCOPED_TRACE(codice);
        const auto percorso = m_cartella.scrivi("codice.rdf", originale);
        scrittura_codice_caso_particolare(percorso, codice);
        EXPECT_EQ(prova::contenuto_file(percorso), originale);
    }
}

TEST_F(LettoreRdf, UnwritableFilesRaiseAndAreNotCreated) {
    const auto cartella = m_cartella.percorso() / "cartella.rdf";
    std::filesystem::create_directory(cartella);
    const auto mancante = m_cartella.percorso() / "mancante.rdf";
    const std::vector<unsigned char> corto(40, ' ');
    const auto breve = m_cartella.scrivi("corto.rdf", corto);
    for (const auto& percorso : {cartella, mancante, breve}) {
        SCOPED_TRACE(percorso.string());
        const auto errore = errore_di([&] { scrittura_codice_caso_particolare(percorso, "xx"); });
        ASSERT_TRUE(errore.has_value());
        EXPECT_EQ(errore->motivo, M::scrittura_fallita);
    }
    EXPECT_FALSE(std::filesystem::exists(mancante));
    EXPECT_EQ(prova::contenuto_file(breve), corto);
}
