// Closing the main window and Esc: their checks and their saving; and the
// companion's load, which must leave the main window's state alone.

#include "common/giornata_di_prova.h"
#include "common/sessione_di_prova.h"
#include "session/file_risultati.h"
#include "session/uscita.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::testo_file;

namespace {

class Uscita : public ::testing::Test {
protected:
    void SetUp() override {
        prova::prepara_sessione(stato, cartella.percorso());
        prova::scrivi_ionogramma(stato, 7, 45);
        caricamento_ionogramma(stato, dati, vista, caselle, messaggi);
        caselle.imposta_testo("Text13", "52");
        stato.codice_caso_particolare = "4b";
    }
    std::string risultati() const { return testo_file(stato.sessione.file_risultati); }
    std::string ionogramma() const { return testo_file(prova::file_ionogramma(stato, 7, 45)); }
    bool salvato() const {
        return lettura_record(stato.sessione.file_risultati, 32).substr(165, 3) == " 52" &&
               ionogramma().substr(59, 2) == "4b";
    }

    prova::cartella_temporanea cartella;
    stato_programma stato;
    dati_ionogramma dati;
    prova::vista_finta vista;
    prova::caselle_finte caselle;
    prova::messaggi_finti messaggi;
};

} // namespace

// The two ways out check the Es types alike but say it in their own words.
TEST_F(Uscita, WrongEsTypesRefuseWithEachWaysOwnMessage) {
    using F = esito_uscita (*)(const stato_programma&, const caselle_testo&, velaris::messaggi&,
                               bool, std::vector<std::string_view>*);
    const std::pair<F, const char*> vie[] = {
        {chiusura_principale, "The format Es Types is not correct!!"},
        {salvataggio_per_uscita, "The format of Es Types is not correct!!"},
    };
    for (auto [via, testo] : vie) {
        messaggi = prova::messaggi_finti{};
        caselle.imposta_testo("Text7", "C1F");
        const std::string file = risultati(), rdf = ionogramma();
        EXPECT_FALSE(via(stato, caselle, messaggi, false, nullptr).prosegue);
        ASSERT_EQ(messaggi.mostrati.size(), 1u);
        EXPECT_EQ(messaggi.mostrati[0].titolo, "Be careful!!");
        EXPECT_EQ(messaggi.mostrati[0].testo, testo);
        EXPECT_EQ(risultati(), file);
        EXPECT_EQ(ionogramma(), rdf);
        caselle.imposta_testo("Text7", "");
        const esito_uscita esito = via(stato, caselle, messaggi, false, nullptr);
        EXPECT_TRUE(esito.prosegue && esito.record_salvato);
        EXPECT_TRUE(salvato());
    }
}

// With the check on, a sounding that fails it stays, the boxes of the failed
// rule are named, nothing is written; with the check off the same boxes go.
TEST_F(Uscita, TheConsistencyCheckStopsBothWaysOutWhenSwitchedOn) {
    using F = esito_uscita (*)(const stato_programma&, const caselle_testo&, velaris::messaggi&,
                               bool, std::vector<std::string_view>*);
    for (F via : {F{chiusura_principale}, F{salvataggio_per_uscita}}) {
        messaggi = prova::messaggi_finti{};
        const std::string file = risultati();
        std::vector<std::string_view> evidenziate;
        EXPECT_FALSE(via(stato, caselle, messaggi, true, &evidenziate).prosegue);
        EXPECT_EQ(messaggi.testi(), std::vector<std::string>{"fmin missing!!"});
        EXPECT_EQ(evidenziate, (std::vector<std::string_view>{"Text1", "Text23"}));
        EXPECT_EQ(risultati(), file);
        EXPECT_TRUE(via(stato, caselle, messaggi, false, &evidenziate).prosegue);
        EXPECT_TRUE(salvato());
    }
}

// Without an ionogram the record is saved and no ionogram file is touched.
TEST_F(Uscita, NoIonogramSavesTheRecordOnly) {
    const std::string rdf = ionogramma();
    stato.ionogramma_presente = false;
    EXPECT_TRUE(salvataggio_per_uscita(stato, caselle, messaggi, false).record_salvato);
    EXPECT_EQ(lettura_record(stato.sessione.file_risultati, 32).substr(165, 3), " 52");
    EXPECT_EQ(ionogramma(), rdf);
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
        {true, false, false, "only the particular-case code \"4b\" is missing from the "
                              "ionogram file.\r\nDo you want to close anyway?"},
        {false, false, true, "only the particular-case code \"4b\" is missing from the "
                             "ionogram file.\r\nDo you want to leave this ionogram anyway?"},
        {true, true, false, "Do you want to close without saving?"},
        {true, true, true, "Do you want to close without saving?"},
        {false, true, true, "Do you want to leave this ionogram without saving?"},
    };
    prova::scrivi_file(prova::file_ionogramma(stato, 7, 45), std::vector<unsigned char>(40, ' '));
    for (const caso& c : casi) {
        if (c.perde_record) std::filesystem::remove(stato.sessione.file_risultati);
        messaggi = prova::messaggi_finti{};
        messaggi.risposte = {c.risposta};
        const esito_uscita esito =
            c.chiusura ? chiusura_principale(stato, caselle, messaggi, false)
                       : salvataggio_per_uscita(stato, caselle, messaggi, false);
        EXPECT_EQ(esito.prosegue, c.risposta) << c.domanda;
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
    const std::pair<int, const char*> casi[] = {
        {0, "QX106_2023064080000.rdf"}, {15, "QX106_2023064081500.rdf"},
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
        EXPECT_EQ(dati.numero_frequenze, 381);
    }
}
