// Closing the main window and Esc: their checks and their saving; and the
// companion's load, which must leave the main window's state alone.

#include "common/banco_sessione.h"
#include "common/giornata_di_prova.h"
#include "common/sessione_di_prova.h"
#include "session/file_risultati.h"
#include "session/sessione_principale.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::testo_file;

namespace {

class Uscita : public ::testing::Test, protected prova::banco_sessione {
protected:
    void SetUp() override {
        prova::prepara_sessione(stato, cartella.percorso());
        prova::scrivi_ionogramma(stato, 7, 45);
        sessione.carica();
        caselle.imposta_testo("Text13", "52");
        stato.codice_caso_particolare = "4b";
    }
    std::string risultati() const { return testo_file(stato.sessione.file_risultati); }
    std::string ionogramma() const { return testo_file(prova::file_ionogramma(stato, 7, 45)); }
    bool salvato() const {
        return lettura_record(stato.sessione.file_risultati, 32).substr(165, 3) == " 52" &&
               ionogramma().substr(59, 2) == "4b";
    }

    /// Closing (true) or Esc; true when the way out goes on.
    bool esci(bool chiusura) {
        const seguito poi = (chiusura ? sessione.chiusura() : sessione.esc()).poi;
        return poi == seguito::chiude || poi == seguito::entrata;
    }

};

} // namespace

// The two ways out check the Es types alike but say it in their own words.
TEST_F(Uscita, WrongEsTypesRefuseWithEachWaysOwnMessage) {
    for (auto [chiusura, testo] : {std::pair{true, "The format Es Types is not correct!!"},
                                   {false, "The format of Es Types is not correct!!"}}) {
        messaggi = prova::messaggi_finti{};
        caselle.imposta_testo("Text7", "C1F");
        const std::string file = risultati(), rdf = ionogramma();
        EXPECT_FALSE(esci(chiusura));
        ASSERT_EQ(messaggi.mostrati.size(), 1u);
        EXPECT_EQ(messaggi.mostrati[0].titolo, "Be careful!!");
        EXPECT_EQ(messaggi.mostrati[0].testo, testo);
        EXPECT_EQ(risultati(), file);
        EXPECT_EQ(ionogramma(), rdf);
        caselle.imposta_testo("Text7", "");
        EXPECT_TRUE(esci(chiusura));
        EXPECT_TRUE(salvato());
    }
}

// Esc that goes through leaves no characteristic current and asks for the
// start window; the closing that follows (its load) checks and writes nothing
// again, once.
TEST_F(Uscita, EscGoesToTheStartWindowWhoseClosingAsksNothing) {
    const esito_comando esc = sessione.esc();
    EXPECT_TRUE(esc.poi == seguito::entrata && esc.record_salvato && salvato());
    EXPECT_EQ(sessione.grandezza_corrente(), "");
    EXPECT_EQ(vista.corrente, "");
    caselle.imposta_testo("Text7", "C1F");
    std::filesystem::remove(stato.sessione.file_risultati);
    const esito_comando chiusura = sessione.chiusura();
    EXPECT_TRUE(chiusura.poi == seguito::chiude && !chiusura.record_salvato);
    EXPECT_TRUE(messaggi.mostrati.empty());
    EXPECT_EQ(sessione.chiusura().poi, seguito::resta);
}

// A write that fails asks about what it really loses: "without saving" only
// for a record that could not be written; a refused code alone names the
// code, and the record is on disk whatever the answer. Closing and Esc
// follow the same rule in their own words.
TEST_F(Uscita, AFailedWriteAsksAboutWhatItLoses) {
    struct caso {
        bool chiusura, perde_record, risposta;
        const char* domanda;
    };
    // The ionogram file is cut short first: from then on its code fails.
    const caso casi[] = {
        {false, false, false,
         "only the particular-case code \"4b\" is missing from the "
         "ionogram file.\r\nDo you want to leave this ionogram anyway?"},
        {true, false, true,
         "only the particular-case code \"4b\" is missing from the "
         "ionogram file.\r\nDo you want to close anyway?"},
        {true, true, false, "Do you want to close without saving?"},
        {true, true, true, "Do you want to close without saving?"},
        {false, true, true, "Do you want to leave this ionogram without saving?"},
    };
    prova::scrivi_file(prova::file_ionogramma(stato, 7, 45), std::vector<unsigned char>(40, ' '));
    for (const caso& c : casi) {
        if (c.perde_record) std::filesystem::remove(stato.sessione.file_risultati);
        messaggi = prova::messaggi_finti{};
        messaggi.risposte = {c.risposta};
        const esito_comando esito = c.chiusura ? sessione.chiusura() : sessione.esc();
        EXPECT_EQ(esito.poi != seguito::resta && esito.poi != seguito::nessuno, c.risposta)
            << c.domanda;
        EXPECT_EQ(esito.record_salvato, !c.perde_record) << c.domanda;
        ASSERT_EQ(messaggi.mostrati.size(), 1u);
        EXPECT_TRUE(messaggi.mostrati[0].domanda);
        EXPECT_NE(messaggi.mostrati[0].testo.find(c.domanda), std::string::npos)
            << messaggi.mostrati[0].testo;
        if (!c.perde_record) {
            EXPECT_EQ(lettura_record(stato.sessione.file_risultati, 32).substr(165, 3), " 52");
            EXPECT_EQ(messaggi.mostrati[0].testo.find("without saving"), std::string::npos);
        }
    }
}

// The companion reads its own time's file into its own data and view; the
// main window's flag, code, file name and title stay as they were, whatever
// the companion's file is.
TEST_F(Uscita, TheCompanionsLoadLeavesTheMainWindowAlone) {
    prova::rdf_di_prova corto;
    corto.scarto = 1;
    prova::scrivi_ionogramma(stato, 8, 0);
    prova::scrivi_ionogramma(stato, 8, 30, corto);
    const std::string titolo_principale = vista.titolo;
    const std::pair<int, const char*> casi[] = {{0, "QX106_2023064080000.rdf"},
                                                {15, "QX106_2023064081500.rdf"},
                                                {30, "QX106_2023064083000.rdf"}};
    for (auto [minuti, nome] : casi) {
        stato.sessione.ora_successivo = 8;
        stato.sessione.minuti_successivo = static_cast<std::int16_t>(minuti);
        dati_ionogramma dati_compagna;
        prova::vista_finta compagna;
        caricamento_file_ionogramma(stato, finestra_compagna(stato, dati_compagna, compagna));
        const std::string inizio =
            "VELARIS - file: " + std::string(nome) + " * Ostrand * 2023-March-5  08:";
        EXPECT_EQ(compagna.titolo.find(inizio), 0u) << compagna.titolo;
        EXPECT_EQ(stato.sessione.nome_file_successivo, nome);
        const bool valido = minuti == 0;
        EXPECT_EQ(stato.successivo_presente, valido);
        EXPECT_EQ(compagna.titolo.find("sounding frequency step") != std::string::npos, valido);
        EXPECT_EQ(compagna.disegni, valido ? 1 : 0);
        EXPECT_EQ(compagna.vuoti, valido ? 0 : 1);
        EXPECT_EQ(compagna.stato_file.empty(), valido);
        EXPECT_FALSE(compagna.tutti_i_casi.has_value());
        EXPECT_EQ(compagna.caso_particolare, "unchanged");

        EXPECT_TRUE(stato.ionogramma_presente);
        EXPECT_EQ(stato.codice_caso_particolare, "4b");
        EXPECT_EQ(stato.sessione.nome_file_ionogramma, "QX106_2023064074500.rdf");
        EXPECT_EQ(vista.titolo, titolo_principale);
        EXPECT_EQ(sessione.dati().numero_frequenze, 381);
    }
}
