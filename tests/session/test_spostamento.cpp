// The moves of the main window's session over real files, with the window
// faked: the order of their effects, the checks that stop them, the ends of
// the day and the steps that can fail.

#include "common/banco_sessione.h"
#include "common/giornata_di_prova.h"
#include "common/sessione_di_prova.h"
#include "session/file_risultati.h"
#include "session/sessione_principale.h"
#include "session/spostamento.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace velaris;
using prova::testo_file;

namespace {

/// 1-based positions of the record layout.
std::string campo(const std::string& record, int da, int a) {
    return record.substr(static_cast<std::size_t>(da - 1), static_cast<std::size_t>(a - da + 1));
}

class Spostamento : public ::testing::Test, protected prova::banco_sessione {
protected:
    void SetUp() override {
        prova::prepara_sessione(stato, cartella.percorso());
        for (auto [h, m] : {std::pair{7, 30}, {7, 45}, {8, 0}, {0, 0}, {23, 0}})
            prova::scrivi_ionogramma(stato, h, m);
        scrittura_impostazioni_correnti(stato.sessione);
        carica();
    }

    /// The window's load at the session's time.
    void carica() { sessione.carica(); }

    /// A move; true when it wrote the record of the sounding left.
    bool muovi(verso v) { return sessione.sposta(v).record_salvato; }

    void vai(const char* incremento, int ora, int minuti, int numero) {
        stato.sessione.incremento_minuti = incremento;
        stato.sessione.ora_corrente = static_cast<std::int16_t>(ora);
        stato.sessione.minuti_correnti = static_cast<std::int16_t>(minuti);
        stato.sessione.numero_ionogramma = static_cast<std::int16_t>(numero);
        carica();
    }

    void scrivi_record(int k, int ora, int minuti, const std::string& fof2) {
        prova::caselle_finte c;
        c.imposta_testo("Text13", fof2);
        scrittura_record(stato.sessione.file_risultati, k, composizione_record(c, ora, minuti));
    }

    std::string record(int k) const { return lettura_record(stato.sessione.file_risultati, k); }
    std::string impostazioni() const { return testo_file(prova::file_impostazioni(stato)); }
    std::string risultati() const { return testo_file(stato.sessione.file_risultati); }
    std::string codice_in(int ora, int minuti) const {
        return testo_file(prova::file_ionogramma(stato, ora, minuti)).substr(59, 2);
    }
    std::pair<int, int> tempo() const {
        return {stato.sessione.ora_corrente, stato.sessione.minuti_correnti};
    }
    /// The day/night marker, as F1 from fmin reads it: foEs at night.
    std::string giorno_notte() {
        sessione.seleziona("fmin");
        sessione.tasto(tasto_tabella::f1, false, false);
        return sessione.grandezza_corrente() == "foEs" ? "n" : "d";
    }

};

} // namespace

// Next from 07:45: what the files hold at the moment the new plot is drawn
// shows the order of the effects; afterwards the window shows 08:00.
TEST_F(Spostamento, NextSavesStepsWritesTheCodeLoadsThenRemembersAndFills) {
    scrivi_record(33, 8, 0, "61");
    caselle.imposta_testo("Text13", "52");
    caselle.imposta_testo("lettera_qualificativa_fof2", "D");
    stato.codice_caso_particolare = "3a";
    const std::string prima = impostazioni();
    bool disegnato = false;
    vista.al_disegno = [&] {
        disegnato = true;
        const std::string r = record(32);
        EXPECT_EQ(campo(r, 1, 5), "07:45");
        EXPECT_EQ(campo(r, 166, 170), " 52D ");
        EXPECT_EQ(codice_in(7, 45), "3a");
        EXPECT_EQ(impostazioni(), prima) << "settings rewritten before the load";
        EXPECT_EQ(caselle.testo("Text13"), "52") << "boxes filled before the load";
    };

    EXPECT_TRUE(muovi(verso::successivo));
    EXPECT_TRUE(disegnato);
    EXPECT_EQ(tempo(), (std::pair{8, 0}));
    EXPECT_EQ(stato.sessione.numero_ionogramma, 33);
    EXPECT_EQ(stato.sessione.nome_file_ionogramma, "QX106_2023064080000.rdf");
    EXPECT_EQ(impostazioni(), prova::impostazioni_attese(8, 0, 33));
    EXPECT_EQ(caselle.testo("Text13"), "61");
    EXPECT_EQ(caselle.testo("Text47"), "52D");
    EXPECT_EQ(vista.titolo.find("VELARIS - file: QX106_2023064080000.rdf"), 0u);
    EXPECT_TRUE(messaggi.mostrati.empty());
    EXPECT_EQ(sessione.grandezza_corrente(), "foF2");
    EXPECT_EQ(vista.fuoco, "lettera_descrittiva_fof2");
    EXPECT_EQ(giorno_notte(), "n"); // h'E and foE were empty
}

TEST_F(Spostamento, PreviousGoesBackAndLeavesTheDayNightMarker) {
    scrivi_record(31, 7, 30, "48");
    caselle.imposta_testo("Text13", "52");
    EXPECT_TRUE(muovi(verso::precedente));
    EXPECT_EQ(tempo(), (std::pair{7, 30}));
    EXPECT_EQ(stato.sessione.numero_ionogramma, 31);
    EXPECT_EQ(impostazioni(), prova::impostazioni_attese(7, 30, 31));
    EXPECT_EQ(caselle.testo("Text13"), "48");
    EXPECT_EQ(campo(record(32), 166, 168), " 52");
    EXPECT_EQ(giorno_notte(), "d");
}

// Es types of a wrong length stop the move before anything is written.
TEST_F(Spostamento, WrongEsTypesStopTheMoveBeforeAnyWrite) {
    for (const char* tipi : {"E", "C1F"}) {
        for (verso v : {verso::precedente, verso::successivo}) {
            messaggi = prova::messaggi_finti{};
            caselle.imposta_testo("Text7", tipi);
            caselle.imposta_testo("Text13", "52");
            const std::string file = risultati(), setting = impostazioni();
            const int disegni = vista.disegni;
            EXPECT_FALSE(muovi(v)) << tipi;
            ASSERT_EQ(messaggi.mostrati.size(), 1u);
            EXPECT_EQ(messaggi.mostrati[0].titolo, "Be careful!!");
            EXPECT_EQ(messaggi.mostrati[0].testo, "The format of Es Types is not correct!!");
            EXPECT_EQ(risultati(), file);
            EXPECT_EQ(impostazioni(), setting);
            EXPECT_EQ(tempo(), (std::pair{7, 45}));
            EXPECT_EQ(vista.disegni, disegni);
        }
    }
    for (const char* tipi : {"", "C2H1"}) {
        vai("15", 7, 45, 32);
        caselle.imposta_testo("Text7", tipi);
        EXPECT_TRUE(muovi(verso::successivo)) << tipi;
        EXPECT_EQ(campo(record(32), 91, 95), (std::string(tipi) + "     ").substr(0, 5));
    }
}

// At the ends of the day the record is saved; the window, the ionogram file
// and "setting.txt" stay as they were.
TEST_F(Spostamento, AtTheEndsOfTheDayTheRecordIsSavedAndNothingElse) {
    struct caso {
        const char* incremento;
        int ora, minuti, numero;
        verso v;
        const char* titolo;
        const char* testo;
    };
    const caso casi[] = {
        {"05", 0, 0, 1, verso::precedente, "FIRST IONOGRAM",
         "This is the first ionogram you can scale"},
        {"60", 23, 0, 24, verso::successivo, "LAST IONOGRAM",
         "This is the last ionogram you can scale"},
    };
    for (const caso& c : casi) {
        vai(c.incremento, c.ora, c.minuti, c.numero);
        scrittura_impostazioni_correnti(stato.sessione);
        const std::string setting = impostazioni();
        messaggi = prova::messaggi_finti{};
        caselle.imposta_testo("Text13", "77");
        stato.codice_caso_particolare = "01";
        const int disegni = vista.disegni;

        EXPECT_TRUE(muovi(c.v));
        ASSERT_EQ(messaggi.mostrati.size(), 1u);
        EXPECT_EQ(messaggi.mostrati[0].titolo, c.titolo);
        EXPECT_EQ(messaggi.mostrati[0].testo, c.testo);
        EXPECT_EQ(campo(record(c.numero), 166, 168), " 77");
        EXPECT_EQ(tempo(), (std::pair{c.ora, c.minuti}));
        EXPECT_EQ(stato.sessione.numero_ionogramma, c.numero);
        EXPECT_EQ(codice_in(c.ora, c.minuti), "xx");
        EXPECT_EQ(impostazioni(), setting);
        EXPECT_EQ(vista.disegni, disegni);
    }
}

// A sounding without a file, or with a file of the wrong size, is shown
// empty with its record; leaving it saves the record and touches no file.
TEST_F(Spostamento, SoundingsWithoutAnIonogramKeepTheirRecords) {
    prova::rdf_di_prova corto;
    corto.scarto = -1;
    prova::scrivi_ionogramma(stato, 8, 30, corto);
    const std::string rifiutato = testo_file(prova::file_ionogramma(stato, 8, 30));
    scrivi_record(34, 8, 15, "66");
    scrivi_record(35, 8, 30, "67");

    muovi(verso::successivo); // 08:00
    muovi(verso::successivo); // 08:15, no file
    EXPECT_FALSE(stato.ionogramma_presente);
    EXPECT_EQ(stato.codice_caso_particolare, "xx");
    EXPECT_EQ(vista.tutti_i_casi, false);
    EXPECT_EQ(caselle.testo("Text13"), "66");
    caselle.imposta_testo("lettera_descrittiva_fof2", "S");
    muovi(verso::successivo); // 08:30, wrong size
    EXPECT_FALSE(stato.ionogramma_presente);
    EXPECT_EQ(caselle.testo("Text13"), "67");
    muovi(verso::successivo); // 08:45
    EXPECT_EQ(campo(record(34), 166, 170), " 66 S");
    EXPECT_EQ(campo(record(35), 166, 170), " 67  ");
    EXPECT_EQ(testo_file(prova::file_ionogramma(stato, 8, 30)), rifiutato);
    EXPECT_FALSE(std::filesystem::exists(prova::file_ionogramma(stato, 8, 15)));
}

// The record cannot be written: the operator is asked; No keeps everything.
TEST_F(Spostamento, ARecordThatCannotBeWrittenAsksAndNoStays) {
    std::filesystem::remove(stato.sessione.file_risultati);
    messaggi.risposte = {false};
    const std::string setting = impostazioni();
    EXPECT_FALSE(muovi(verso::successivo));
    ASSERT_EQ(messaggi.mostrati.size(), 1u);
    EXPECT_TRUE(messaggi.mostrati[0].domanda);
    EXPECT_NE(messaggi.mostrati[0].testo.find("Do you want to leave this ionogram without saving?"),
              std::string::npos);
    EXPECT_EQ(tempo(), (std::pair{7, 45}));
    EXPECT_EQ(impostazioni(), setting);
}

// The code cannot go into the file being left (here: a file cut short since
// it was read). No: the window stays on the sounding its boxes hold, named as
// before, with its record saved; Yes: the move goes on.
TEST_F(Spostamento, ACodeThatCannotBeWrittenAsksAndNoStaysOnTheSoundingShown) {
    const auto file = prova::file_ionogramma(stato, 7, 45);
    prova::scrivi_file(file, std::vector<unsigned char>(40, ' '));
    caselle.imposta_testo("Text13", "52");
    const std::string setting = impostazioni();
    messaggi.risposte = {false};
    EXPECT_TRUE(muovi(verso::successivo));
    ASSERT_EQ(messaggi.mostrati.size(), 1u);
    EXPECT_NE(messaggi.mostrati[0].testo.find("Do you want to leave this ionogram anyway?"),
              std::string::npos);
    EXPECT_EQ(messaggi.mostrati[0].testo.find("without saving"), std::string::npos);
    EXPECT_EQ(tempo(), (std::pair{7, 45}));
    EXPECT_EQ(stato.sessione.numero_ionogramma, 32);
    EXPECT_EQ(stato.sessione.nome_file_ionogramma, "QX106_2023064074500.rdf");
    EXPECT_EQ(campo(record(32), 166, 168), " 52");
    EXPECT_EQ(impostazioni(), setting);
    EXPECT_EQ(caselle.testo("Text13"), "52");

    messaggi.risposte = {true};
    muovi(verso::successivo);
    EXPECT_EQ(tempo(), (std::pair{8, 0}));
    EXPECT_EQ(testo_file(file), std::string(40, ' '));
}

// Only the place to resume from is lost when "setting.txt" cannot be
// written: the operator reads why, and the move completes.
TEST_F(Spostamento, ASettingsFileThatCannotBeWrittenIsToldAndTheMoveCompletes) {
    const auto setting = prova::file_impostazioni(stato);
    std::filesystem::remove(setting);
    std::filesystem::create_directory(setting);
    scrivi_record(33, 8, 0, "61");
    muovi(verso::successivo);
    ASSERT_EQ(messaggi.mostrati.size(), 1u);
    EXPECT_EQ(messaggi.mostrati[0].testo.find("Cannot write setting.txt in "), 0u);
    EXPECT_EQ(caselle.testo("Text13"), "61");
    EXPECT_EQ(stato.sessione.numero_ionogramma, 33);
}

// A sounding picked elsewhere (the day overview) is reached by the same
// steps; a number outside the day does nothing.
TEST_F(Spostamento, ToAPickedSoundingByTheSameSteps) {
    scrivi_record(37, 9, 0, "70");
    caselle.imposta_testo("Text13", "52");
    for (int fuori : {0, 97, -3}) {
        const std::string file = risultati();
        EXPECT_FALSE(sessione.vai_a(fuori).record_salvato);
        EXPECT_EQ(risultati(), file);
    }
    EXPECT_TRUE(messaggi.mostrati.empty());
    EXPECT_TRUE(sessione.vai_a(37).record_salvato);
    EXPECT_EQ(tempo(), (std::pair{9, 0}));
    EXPECT_EQ(stato.sessione.numero_ionogramma, 37);
    EXPECT_EQ(impostazioni(), prova::impostazioni_attese(9, 0, 37));
    EXPECT_EQ(campo(record(32), 166, 168), " 52");
    EXPECT_EQ(caselle.testo("Text13"), "70");
    caselle.imposta_testo("Text2", "100"); // an E layer: day, were an earlier jump to mark it
    sessione.vai_a(1);
    EXPECT_EQ(tempo(), (std::pair{0, 0}));
    EXPECT_EQ(giorno_notte(), "n"); // marked by the later jump, as Next marks it
    caselle.imposta_testo("Text7", "C");
    EXPECT_FALSE(sessione.vai_a(2).record_salvato);
    EXPECT_EQ(tempo(), (std::pair{0, 0}));
}

// The consistency check, when switched on, stops the move before anything is
// written and frames the boxes of its failed rule; filled in, the move goes,
// and the frames go with the sounding they were about.
TEST_F(Spostamento, TheConsistencyCheckStopsTheMoveWhenSwitchedOn) {
    caselle.imposta_testo("Text13", "52");
    const std::string file = risultati(), setting = impostazioni();
    vista.controllo = true;
    EXPECT_FALSE(muovi(verso::successivo));
    EXPECT_EQ(messaggi.testi(), std::vector<std::string>{"fmin missing!!"});
    EXPECT_EQ(vista.evidenziate, (std::vector<std::string>{"Text1", "Text23"}));
    EXPECT_EQ(risultati(), file);
    EXPECT_EQ(impostazioni(), setting);
    EXPECT_EQ(tempo(), (std::pair{7, 45}));

    for (auto [casella, valore] : {std::pair{"Text1", "15"},
                                   {"Text6", "30"},
                                   {"Text8", "220"},
                                   {"Text15", "150"},
                                   {"Text14", "60"}})
        caselle.imposta_testo(casella, valore);
    EXPECT_TRUE(muovi(verso::successivo));
    EXPECT_TRUE(vista.evidenziate.empty());
    EXPECT_EQ(tempo(), (std::pair{8, 0}));
}

// Leaving a sounding finishes the focus-leave work of the box typed in on
// that sounding, before its record is written; the focus the move then puts
// into foF2's box derives nothing on the new sounding.
TEST_F(Spostamento, DerivedLettersGoWithTheSoundingLeft) {
    prova::caselle_finte seguente;
    seguente.imposta_testo("Text16", "410");
    seguente.imposta_testo("lettera_descrittiva_fof2", "S");
    scrittura_record(stato.sessione.file_risultati, 33, composizione_record(seguente, 8, 0));
    caselle.imposta_testo("Text16", "367");
    caselle.imposta_testo("lettera_descrittiva_muf3000f2", "B");
    vista.fuoco = "lettera_descrittiva_muf3000f2";
    vista.al_cambio_fuoco = [&](const std::string& lasciata) { sessione.lascia_casella(lasciata); };
    muovi(verso::successivo);
    EXPECT_EQ(campo(record(32), 244, 245), " B"); // the letters of M(3000)F2
    EXPECT_EQ(caselle.testo("lettera_descrittiva_m3000f2"), "");
}

// A record the load could not read is never written: the move leaves the
// sounding without a word more (the operator was told at its load) and goes on.
TEST_F(Spostamento, ARecordNotReadAtLoadIsNotWrittenByTheMove) {
    const auto risultati_file = stato.sessione.file_risultati;
    std::filesystem::remove(risultati_file);
    std::filesystem::create_directory(risultati_file);
    vai("15", 7, 45, 32);
    ASSERT_FALSE(stato.record_caricato);
    ASSERT_EQ(messaggi.mostrati.size(), 1u); // told once, at the load
    caselle.imposta_testo("Text13", "52");
    stato.codice_caso_particolare = "05";
    EXPECT_FALSE(muovi(verso::successivo));
    EXPECT_TRUE(std::filesystem::is_empty(risultati_file));
    EXPECT_EQ(codice_in(7, 45), "xx");
    EXPECT_EQ(tempo(), (std::pair{8, 0}));
    EXPECT_EQ(impostazioni(), prova::impostazioni_attese(8, 0, 33));
    EXPECT_EQ(messaggi.mostrati.size(), 2u); // and once at the new sounding's load
    EXPECT_EQ(caselle.testo("Text13"), "");
}

// Anything else that fails while the new sounding is loading (here the
// drawing) puts the window back on the sounding its boxes hold: time, number
// and file name as before, its plot drawn again, "setting.txt" untouched.
TEST_F(Spostamento, AFailedLoadGoesBackToTheSoundingTheBoxesHold) {
    caselle.imposta_testo("Text13", "52");
    const std::string setting = impostazioni();
    int disegni = 0;
    vista.al_disegno = [&] {
        if (disegni++ == 0) throw std::runtime_error("out of memory");
    };
    EXPECT_TRUE(muovi(verso::successivo));
    EXPECT_EQ(tempo(), (std::pair{7, 45}));
    EXPECT_EQ(stato.sessione.numero_ionogramma, 32);
    EXPECT_EQ(stato.sessione.nome_file_ionogramma, "QX106_2023064074500.rdf");
    EXPECT_TRUE(stato.record_caricato);
    EXPECT_EQ(disegni, 2); // 08:00 failed, 07:45 drawn again
    EXPECT_EQ(vista.titolo.find("VELARIS - file: QX106_2023064074500.rdf"), 0u);
    EXPECT_EQ(caselle.testo("Text13"), "52");
    EXPECT_EQ(impostazioni(), setting);
    ASSERT_EQ(messaggi.testi().size(), 1u);
    EXPECT_EQ(messaggi.testi()[0],
              "The ionogram of 08:00 cannot be shown: out of memory\r\nThe window stays on 07:45.");
    // A later move saves into 07:45's record and goes on.
    vista.al_disegno = nullptr;
    caselle.imposta_testo("Text13", "53");
    muovi(verso::successivo);
    EXPECT_EQ(campo(record(32), 166, 168), " 53");
}
