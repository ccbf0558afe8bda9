#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "common/sessione_di_prova.h"
#include "session/caricamento.h"
#include "session/file_risultati.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::caselle_finte;

namespace {

struct vista_finta : vista_ionogramma {
    std::string titolo, caso_particolare = "unchanged", stato_file;
    int disegni = 0, vuoti = 0;
    std::optional<bool> tutti_i_casi;

    void mostra_ionogramma(dati_ionogramma&) override { ++disegni; }
    void mostra_grafico_vuoto() override { ++vuoti; }
    void imposta_titolo(const std::string& t) override { titolo = t; }
    void abilita_casi_particolari(bool tutti) override { tutti_i_casi = tutti; }
    void imposta_caso_particolare(const std::string& d) override { caso_particolare = d; }
    void imposta_stato_file(const std::string& t) override { stato_file = t; }
    char separatore_decimale() const override { return ','; }
};

class Caricamento : public ::testing::Test {
protected:
    void SetUp() override { prova::prepara_sessione(stato, cartella.percorso()); }
    void scrivi(const prova::rdf_di_prova& rdf) {
        prova::scrivi_file(prova::file_ionogramma_0745(stato), rdf.byte());
    }

    prova::cartella_temporanea cartella;
    stato_programma stato;
    dati_ionogramma dati;
    vista_finta vista;
};

} // namespace

TEST_F(Caricamento, AnAcceptedFileIsDrawnWithTheStepInTheTitle) {
    prova::rdf_di_prova rdf;
    rdf.codice = "05";
    scrivi(rdf);
    ASSERT_TRUE(caricamento_file_ionogramma(stato, dati, vista));
    EXPECT_TRUE(stato.ionogramma_presente);
    EXPECT_EQ(vista.titolo, "VELARIS - file: QX106_2023064074500.rdf * Ostrand * "
                            "2023-March-5  07:45 [UT]  (sounding frequency step = 0,05 MHz)");
    EXPECT_EQ(vista.disegni, 1);
    EXPECT_EQ(vista.tutti_i_casi, true);
    EXPECT_EQ(stato.codice_caso_particolare, "05");
    EXPECT_EQ(vista.caso_particolare, "Particular Case: Partial absorption");
    EXPECT_EQ(dati.numero_frequenze, 381);
}

TEST_F(Caricamento, MissingOrWrongSizeGivesTheNoIonogramStateAndLeavesTheFile) {
    const auto file = prova::file_ionogramma_0745(stato);
    for (int scarto : {0, -1, 1}) {
        std::filesystem::remove(file);
        prova::rdf_di_prova rdf;
        rdf.scarto = scarto;
        if (scarto != 0) scrivi(rdf);
        stato.stazione = "Ardel"; // the last station read stays in the title
        stato.codice_caso_particolare = "02";
        vista = vista_finta{};
        ASSERT_TRUE(caricamento_file_ionogramma(stato, dati, vista));
        EXPECT_FALSE(stato.ionogramma_presente);
        EXPECT_EQ(vista.titolo,
                  "VELARIS - file: QX106_2023064074500.rdf * Ardel * 2023-March-5  07:45 [UT]");
        EXPECT_EQ(vista.vuoti, 1);
        EXPECT_EQ(vista.tutti_i_casi, false);
        EXPECT_EQ(stato.codice_caso_particolare, "xx");
        EXPECT_EQ(vista.caso_particolare, "");
        EXPECT_FALSE(vista.stato_file.empty());
        if (scarto != 0) {
            const auto byte = rdf.byte();
            EXPECT_EQ(prova::contenuto_file(file), std::vector<unsigned char>(byte.begin(), byte.end()));
        }
    }
}

TEST_F(Caricamento, ADamagedHeaderStopsTheLoadWithItsReason) {
    prova::rdf_di_prova rdf;
    rdf.campi = "01.000 20.000 0.000";
    scrivi(rdf);
    EXPECT_FALSE(caricamento_file_ionogramma(stato, dati, vista));
    EXPECT_FALSE(vista.stato_file.empty());
}

TEST_F(Caricamento, ResultsFillTheBoxesAndThePreviousRecordTheRow) {
    caselle_finte caselle;
    caselle.imposta_testo("Text13", "52");
    caselle.imposta_testo("lettera_qualificativa_fof2", "D");
    scrittura_record(stato.sessione.file_risultati, 31, composizione_record(caselle, 7, 30));
    caselle.imposta_testo("Text13", "61");
    scrittura_record(stato.sessione.file_risultati, 32, composizione_record(caselle, 7, 45));

    caselle_finte finestra;
    caricamento_risultati(stato, finestra);
    EXPECT_EQ(finestra.testo("Text13"), "61");
    EXPECT_EQ(finestra.testo("Text47"), "52D");
    stato.sessione.numero_ionogramma = 1; // nothing before the first sounding
    caricamento_risultati(stato, finestra);
    EXPECT_EQ(finestra.testo("Text47"), "");
}

TEST_F(Caricamento, SavingWritesTheRecordAndTheCodeOnlyOfAShownIonogram) {
    scrivi(prova::rdf_di_prova{});
    ASSERT_TRUE(caricamento_file_ionogramma(stato, dati, vista));
    stato.codice_caso_particolare = "3b";
    caselle_finte caselle;
    caselle.imposta_testo("Text13", "52");
    salvataggio_ionogramma(stato, caselle);
    EXPECT_EQ(lettura_record(stato.sessione.file_risultati, 32),
              composizione_record(caselle, 7, 45));
    const auto file = prova::file_ionogramma_0745(stato);
    EXPECT_EQ(prova::contenuto_file(file)[59], '3');
    EXPECT_EQ(prova::contenuto_file(file)[60], 'b');
    // No ionogram ("06") never reaches a header, nor does an unknown code.
    for (const char* codice : {"06", "3A"}) {
        stato.codice_caso_particolare = codice;
        salvataggio_ionogramma(stato, caselle);
        EXPECT_EQ(prova::contenuto_file(file)[60], 'b') << codice;
    }
    stato.codice_caso_particolare = "xx";
    salvataggio_ionogramma(stato, caselle);
    EXPECT_EQ(prova::contenuto_file(file)[59], 'x');
    stato.ionogramma_presente = false;
    stato.codice_caso_particolare = "01";
    salvataggio_ionogramma(stato, caselle);
    EXPECT_EQ(prova::contenuto_file(file)[59], 'x');
}
