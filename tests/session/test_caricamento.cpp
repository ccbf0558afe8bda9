#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "common/sessione_di_prova.h"
#include "common/vista_finta.h"
#include "session/caricamento.h"
#include "session/file_risultati.h"

#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

using namespace velaris;
using prova::caselle_finte;

namespace {

namespace fs = std::filesystem;

const std::string titolo_senza_passo =
    "VELARIS - file: QX106_2023064074500.rdf * Ardel * 2023-March-5  07:45 [UT]";

// Record 31 holds foF2 52 D, record 32 foF2 61 and foE 305 A: the previous
// record and the current one of the session at 07:45.
class Caricamento : public ::testing::Test {
protected:
    void SetUp() override {
        prova::prepara_sessione(stato, cartella.percorso());
        stato.stazione = "Ardel"; // the last station read stays in a title without ionogram
        caselle_finte scritte;
        scritte.imposta_testo("Text13", "52");
        scritte.imposta_testo("lettera_qualificativa_fof2", "D");
        scrittura_record(risultati(), 31, composizione_record(scritte, 7, 30));
        scritte.imposta_testo("Text13", "61");
        scritte.imposta_testo("lettera_qualificativa_fof2", "");
        scritte.imposta_testo("Text3", "305");
        scritte.imposta_testo("Text19", "A");
        scrittura_record(risultati(), 32, composizione_record(scritte, 7, 45));
        contenuto_risultati = prova::contenuto_file(risultati());
    }
    const fs::path& risultati() const { return stato.sessione.file_risultati; }
    fs::path file() const { return prova::file_ionogramma_0745(stato); }
    void scrivi(const prova::rdf_di_prova& rdf) { prova::scrivi_file(file(), rdf.byte()); }
    void carica() {
        vista = prova::vista_finta{};
        vista.separatore = ','; // the system's, for the title
        vista.stato_file = "unchanged";
        caricamento_ionogramma(stato, dati, vista, vista, caselle, messaggi);
    }
    void si_mostra_il_record() {
        EXPECT_EQ(caselle.testo("Text13"), "61");
        EXPECT_EQ(caselle.testo("Text3"), "305");
        EXPECT_EQ(caselle.testo("Text19"), "A");
        EXPECT_EQ(caselle.testo("Text47"), "52D");
        EXPECT_TRUE(stato.record_caricato);
    }

    prova::cartella_temporanea cartella;
    stato_programma stato;
    dati_ionogramma dati;
    prova::vista_finta vista;
    caselle_finte caselle;
    prova::messaggi_finti messaggi;
    std::vector<unsigned char> contenuto_risultati;
};

} // namespace

TEST_F(Caricamento, AnAcceptedFileIsDrawnWithItsRecords) {
    prova::rdf_di_prova rdf;
    rdf.codice = "05";
    scrivi(rdf);
    carica();
    EXPECT_TRUE(stato.ionogramma_presente);
    EXPECT_EQ(vista.titolo, "VELARIS - file: QX106_2023064074500.rdf * Ostrand * "
                            "2023-March-5  07:45 [UT]  (sounding frequency step = 0,05 MHz)");
    EXPECT_EQ(vista.disegni, 1);
    EXPECT_EQ(vista.tutti_i_casi, true);
    EXPECT_EQ(stato.codice_caso_particolare, "05");
    EXPECT_EQ(vista.caso_particolare, "Particular Case: Partial absorption");
    EXPECT_EQ(vista.stato_file, "");
    EXPECT_EQ(dati.numero_frequenze, 381);
    si_mostra_il_record();
    stato.sessione.numero_ionogramma = 1; // nothing before the first sounding
    carica();
    EXPECT_EQ(caselle.testo("Text47"), "");
}

// Missing, wrong size, or there but unreadable: the same no-ionogram state,
// the reason by the file's name, the stored records in the boxes, and the
// file (or folder) as it was. Saving then writes back exactly the stored record.
TEST_F(Caricamento, AFileThatCannotBeShownStillShowsItsRecords) {
    const auto con = [](std::function<void(prova::rdf_di_prova&)> cambia) {
        prova::rdf_di_prova rdf;
        cambia(rdf);
        return std::optional(rdf);
    };
    const struct {
        const char* caso;
        std::optional<prova::rdf_di_prova> rdf; // nullopt: no file
        const char* motivo;
    } casi[] = {
        {"missing", std::nullopt, "No ionogram for this time: QX106_2023064074500.rdf is not in"},
        {"folder", std::nullopt, "QX106_2023064074500.rdf is a folder, not a file."},
        {"one byte short", con([](auto& r) { r.scarto = -1; }), "is not a valid ionogram: size"},
        {"one byte long", con([](auto& r) { r.scarto = 1; }), "is not a valid ionogram: size"},
        {"no header", con([](auto& r) { r.a_capo_197 = false; }),
         "QX106_2023064074500.rdf has no header: neither byte 50 nor byte 197 is a line feed. "
         "The file is left as it is."},
        {"zero step", con([](auto& r) { r.campi = "01.000 20.000 0.000"; }),
         "gives a frequency step of 0 MHz"},
        // A carriage return is not a blank in the header: start 0, 401 frequencies.
        {"CR in header", con([](auto& r) { r.campi = "\r1.000 20.000 0.050"; }),
         "is not 197 + 150 x 401"},
        {"no permission", con([](auto&) {}), "cannot be opened (Permission denied)"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        fs::remove_all(file());
        const bool cartella_al_posto = std::string_view(c.caso) == "folder";
        if (cartella_al_posto) fs::create_directories(file());
        std::vector<unsigned char> prima;
        if (c.rdf) {
            scrivi(*c.rdf);
            prima = prova::contenuto_file(file());
        }
        const bool permessi = std::string_view(c.caso) == "no permission";
        if (permessi) {
            if (::geteuid() == 0) continue; // root reads whatever the permissions say
            fs::permissions(file(), fs::perms::none);
        }
        stato.codice_caso_particolare = "02";
        caselle = caselle_finte{};
        carica();
        EXPECT_FALSE(stato.ionogramma_presente);
        EXPECT_EQ(vista.titolo, titolo_senza_passo);
        EXPECT_EQ(vista.vuoti, 1);
        EXPECT_EQ(vista.tutti_i_casi, false);
        EXPECT_EQ(stato.codice_caso_particolare, "xx");
        EXPECT_EQ(vista.caso_particolare, "");
        EXPECT_NE(vista.stato_file.find(c.motivo), std::string::npos) << vista.stato_file;
        EXPECT_EQ(vista.stato_file.find(cartella.percorso().string()), std::string::npos);
        EXPECT_EQ(vista.percorsi, file().string());
        si_mostra_il_record();
        EXPECT_TRUE(messaggi.mostrati.empty());

        EXPECT_TRUE(salvataggio_ionogramma(stato, caselle));
        if (permessi) fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(prova::contenuto_file(risultati()), contenuto_risultati);
        if (c.rdf) {
            EXPECT_EQ(prova::contenuto_file(file()), prima);
        }
        EXPECT_EQ(fs::is_directory(file()), cartella_al_posto);
    }
}

// An unreadable results file empties the boxes, says so once, and its record
// is never written, even when the file can be written again by then.
TEST_F(Caricamento, UnreadableResultsAreToldOnceAndNeverWrittenOver) {
    scrivi(prova::rdf_di_prova{});
    fs::rename(risultati(), cartella.percorso() / "salvati.txt");
    fs::create_directories(risultati()); // cannot be read, whoever runs the test
    caselle.imposta_testo("Text13", "99");
    caselle.imposta_testo("Text47", "99");
    carica();
    EXPECT_TRUE(stato.ionogramma_presente);
    EXPECT_FALSE(stato.record_caricato);
    EXPECT_EQ(caselle.testo("Text13"), "");
    EXPECT_EQ(caselle.testo("Text47"), "");
    ASSERT_EQ(messaggi.mostrati.size(), 1u);
    EXPECT_NE(messaggi.mostrati[0].testo.find(risultati().string()), std::string::npos);
    EXPECT_NE(vista.stato_file.find("QX106_05032023_15.txt cannot be read"), std::string::npos)
        << vista.stato_file;
    EXPECT_EQ(vista.percorsi, risultati().string());

    fs::remove(risultati());
    fs::rename(cartella.percorso() / "salvati.txt", risultati());
    const auto intestazione = prova::contenuto_file(file());
    caselle.imposta_testo("Text13", "45");
    stato.codice_caso_particolare = "05";
    EXPECT_FALSE(salvataggio_ionogramma(stato, caselle));
    EXPECT_EQ(prova::contenuto_file(risultati()), contenuto_risultati);
    EXPECT_EQ(prova::contenuto_file(file()), intestazione);
    EXPECT_EQ(messaggi.mostrati.size(), 1u);
}

TEST_F(Caricamento, SavingWritesTheRecordAndTheCodeOnlyOfAShownIonogram) {
    scrivi(prova::rdf_di_prova{});
    carica();
    stato.codice_caso_particolare = "3b";
    caselle.imposta_testo("Text13", "52");
    EXPECT_TRUE(salvataggio_ionogramma(stato, caselle));
    EXPECT_EQ(lettura_record(risultati(), 32), composizione_record(caselle, 7, 45));
    EXPECT_EQ(prova::contenuto_file(file())[59], '3');
    EXPECT_EQ(prova::contenuto_file(file())[60], 'b');
    // No ionogram ("06") never reaches a header, nor does an unknown code.
    for (const char* codice : {"06", "3A"}) {
        stato.codice_caso_particolare = codice;
        salvataggio_ionogramma(stato, caselle);
        EXPECT_EQ(prova::contenuto_file(file())[60], 'b') << codice;
    }
    stato.codice_caso_particolare = "xx";
    salvataggio_ionogramma(stato, caselle);
    EXPECT_EQ(prova::contenuto_file(file())[59], 'x');
    stato.ionogramma_presente = false;
    stato.codice_caso_particolare = "01";
    salvataggio_ionogramma(stato, caselle);
    EXPECT_EQ(prova::contenuto_file(file())[59], 'x');
}
