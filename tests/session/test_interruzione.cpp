// A process that moves through the day is killed (SIGKILL) at random
// instants, many times: whatever the instant, "setting.txt" holds five valid
// lines naming a sounding of the day, the results file keeps its length and
// every record holds either its old or its new content, never a mix; the
// ionogram headers hold the old or the new particular-case code.

#include "base/numeri.h"
#include "common/giornata_di_prova.h"
#include "common/sessione_di_prova.h"
#include "scaling/tabella_grandezze.h"
#include "session/file_risultati.h"
#include "session/impostazioni.h"
#include "session/nomi_file.h"
#include "session/sessione_principale.h"
#include "session/spostamento.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace velaris;

namespace {

constexpr int record_giorno = 96;

/// What the boxes hold when sounding k is left: before the test (old) and
/// as the moving process types it (new). Each differs at every sounding.
void contenuto(prova::caselle_finte& caselle, int k, bool nuovo) {
    for (const grandezza& g : tabella_grandezze)
        for (std::string_view nome : {g.valore, g.qualificativa, g.descrittiva})
            if (!nome.empty()) caselle.imposta_testo(nome, "");
    if (nuovo) {
        caselle.imposta_testo("Text13", std::to_string(100 + k));
        caselle.imposta_testo("lettera_descrittiva_fof2", "S");
    } else {
        caselle.imposta_testo("Text1", std::to_string(10 + k));
    }
}

std::string record_di(int k, bool nuovo) {
    prova::caselle_finte caselle;
    contenuto(caselle, k, nuovo);
    const int minuti = (k - 1) * 15;
    return composizione_record(caselle, minuti / 60, minuti % 60);
}

/// The moving process: from where "setting.txt" says, to the end of the day
/// and back, typing each sounding's new content and a code before leaving it.
/// After each whole move it writes one byte into `avanzamento`.
[[noreturn]] void muovi_per_sempre(stato_programma stato, int avanzamento) {
    const auto letti = leggi_impostazioni(prova::file_impostazioni(stato)).valori;
    if (!letti) _exit(3);
    stato.sessione.ora_corrente = intero16_da_testo(letti->ora);
    stato.sessione.minuti_correnti = intero16_da_testo(letti->minuti);
    stato.sessione.numero_ionogramma = intero16_da_testo(letti->numero);
    prova::vista_finta vista;
    prova::caselle_finte caselle;
    prova::messaggi_finti messaggi;
    sessione_principale sessione(stato, caselle, messaggi, vista);
    sessione.carica();
    verso v = stato.sessione.numero_ionogramma % 2 ? verso::successivo : verso::precedente;
    for (int mosse = 0; mosse < 1000000; ++mosse) {
        const int numero = stato.sessione.numero_ionogramma;
        contenuto(caselle, numero, true);
        if (stato.ionogramma_presente) stato.codice_caso_particolare = "05";
        vista.fuoco.clear(); // typed from outside the boxes: no letters derived on leaving
        sessione.sposta(v);
        const bool fine = numero == 1 || numero == record_giorno;
        if (stato.sessione.numero_ionogramma == numero && fine) // an end of the day
            v = v == verso::successivo ? verso::precedente : verso::successivo;
        else if (std::abs(stato.sessione.numero_ionogramma - numero) != 1)
            _exit(4);
        messaggi.mostrati.clear();
        const char fatto = 1;
        if (write(avanzamento, &fatto, 1) != 1) _exit(5);
    }
    _exit(0);
}

/// Five lines naming a sounding of the day, its number agreeing with its time.
void controlla_impostazioni(const stato_programma& stato) {
    const std::string testo = prova::testo_file(prova::file_impostazioni(stato));
    const auto letti = leggi_impostazioni(prova::file_impostazioni(stato)).valori;
    ASSERT_TRUE(letti.has_value()) << testo;
    const int ora = std::stoi(letti->ora), minuti = std::stoi(letti->minuti);
    ASSERT_TRUE(ora >= 0 && ora < 24 && minuti % 15 == 0 && minuti < 60) << testo;
    EXPECT_EQ(testo, prova::impostazioni_attese(ora, minuti, ora * 4 + minuti / 15 + 1));
}

} // namespace

TEST(Interruzione, KilledAtAnyInstantTheFilesAreWhole) {
    prova::cartella_temporanea cartella;
    stato_programma stato;
    prova::prepara_sessione(stato, cartella.percorso());
    for (int k = 1; k <= record_giorno; ++k)
        scrittura_record(stato.sessione.file_risultati, k, record_di(k, false));
    // Ionograms on every other sounding from 06:00 to 09:45.
    std::vector<std::filesystem::path> ionogrammi;
    for (int k = 25; k <= 40; k += 2) {
        const int minuti = (k - 1) * 15;
        prova::scrivi_ionogramma(stato, minuti / 60, minuti % 60);
        ionogrammi.push_back(prova::file_ionogramma(stato, minuti / 60, minuti % 60));
    }
    const std::vector<unsigned char> originale = prova::rdf_di_prova{}.byte();
    scrittura_impostazioni_correnti(stato.sessione);

    const unsigned seme = 20230305;
    std::mt19937 caso(seme);
    // The kill comes a random number of whole moves after the start, then a
    // random while later: anywhere in a move, however fast the machine is.
    std::uniform_int_distribution<int> mosse(0, 5);
    std::uniform_int_distribution<int> attesa_us(0, 1500);
    int nuovi = 0;
    for (int giro = 0; giro < 80; ++giro) {
        SCOPED_TRACE("seed " + std::to_string(seme) + ", kill " + std::to_string(giro));
        int tubo[2];
        ASSERT_EQ(pipe(tubo), 0);
        const pid_t figlio = fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            close(tubo[0]);
            muovi_per_sempre(stato, tubo[1]);
        }
        close(tubo[1]);
        char fatto;
        for (int n = mosse(caso); n > 0 && read(tubo[0], &fatto, 1) == 1; --n) {
        }
        usleep(static_cast<useconds_t>(attesa_us(caso)));
        kill(figlio, SIGKILL);
        close(tubo[0]);
        int esito = 0;
        ASSERT_EQ(waitpid(figlio, &esito, 0), figlio);
        ASSERT_TRUE(WIFSIGNALED(esito))
            << "the moving process stopped by itself: " << WEXITSTATUS(esito);

        controlla_impostazioni(stato);
        ASSERT_EQ(std::filesystem::file_size(stato.sessione.file_risultati),
                  std::uintmax_t{record_giorno * lunghezza_record});
        nuovi = 0;
        for (int k = 1; k <= record_giorno; ++k) {
            const std::string r = lettura_record(stato.sessione.file_risultati, k);
            const bool nuovo = r == record_di(k, true);
            ASSERT_TRUE(nuovo || r == record_di(k, false)) << "record " << k << ": " << r;
            nuovi += nuovo;
        }
        for (const auto& file : ionogrammi) {
            auto byte = prova::contenuto_file(file);
            ASSERT_EQ(byte.size(), originale.size());
            const std::string codice(byte.begin() + 59, byte.begin() + 61);
            ASSERT_TRUE(codice == "xx" || codice == "05") << file << ": " << codice;
            byte[59] = byte[60] = 'x';
            ASSERT_TRUE(byte == originale) << file;
        }
    }
    // The processes got far enough to rewrite a good part of the day.
    EXPECT_GT(nuovi, 20);
}
