// A process that moves through the day from a random sounding is killed
// (SIGKILL) at random instants, many times: whatever the instant, "setting.txt" holds five valid
// lines naming a sounding of the day, the results file keeps its length and
// every record holds either its old or its new content, never a mix; the
// ionogram headers hold the old or the new particular-case code.

#include "common/banco_sessione.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

using namespace velaris;

namespace {

/// The boxes when sounding k is left: before the test (old, fmin 10 + k) and
/// as the moving process types them (new, foF2 100 + k with a letter).
std::map<std::string, std::string> contenuto(int k, bool nuovo) {
    if (nuovo) return {{"Text13", std::to_string(100 + k)}, {"lettera_descrittiva_fof2", "S"}};
    return {{"Text1", std::to_string(10 + k)}};
}

/// The moving process: from sounding `inizio` to an end of the day and back,
/// typing each sounding's new content and a code before leaving it (from
/// outside the boxes: no letters are derived on leaving). After each whole
/// move it writes one byte into `avanzamento`.
[[noreturn]] void muovi_per_sempre(prova::banco_sessione& b, int inizio, int avanzamento) {
    parametri_sessione& s = b.stato.sessione;
    s.numero_ionogramma = inizio, s.ora_corrente = (inizio - 1) / 4,
    s.minuti_correnti = (inizio - 1) % 4 * 15;
    b.sessione.carica();
    verso v = s.numero_ionogramma % 2 ? verso::successivo : verso::precedente;
    for (;;) {
        const int numero = s.numero_ionogramma;
        const auto nuovo = contenuto(numero, true);
        b.caselle.testi = {nuovo.begin(), nuovo.end()};
        if (b.stato.ionogramma_presente) b.stato.codice_caso_particolare = "05";
        b.vista.fuoco.clear();
        b.sessione.sposta(v);
        if (s.numero_ionogramma == numero) // an end of the day
            v = v == verso::successivo ? verso::precedente : verso::successivo;
        if (std::abs(s.numero_ionogramma - numero) > 1 || write(avanzamento, "", 1) != 1) _exit(4);
    }
}

} // namespace

TEST(Interruzione, KilledAtAnyInstantTheFilesAreWhole) {
    prova::banco_sessione b;
    std::map<int, std::string> vecchi, nuovi;
    for (int k = 1; k <= 96; ++k) {
        prova::scrivi_record(b.stato, k, contenuto(k, true));
        nuovi[k] = b.campo(k, 1, 248);
        prova::scrivi_record(b.stato, k, contenuto(k, false));
        vecchi[k] = b.campo(k, 1, 248);
    }
    // Ionograms on every other sounding from 06:00 to 09:30.
    for (int ora = 6; ora < 10; ++ora)
        prova::scrivi_ionogramma(b.stato, ora, 0), prova::scrivi_ionogramma(b.stato, ora, 30);
    const std::string originale = prova::testo_file(prova::file_ionogramma(b.stato, 6, 0));

    std::mt19937 caso(20230305);
    // The kill comes a random number of whole moves after the start, then a
    // random while later: anywhere in a move, however fast the machine is.
    std::uniform_int_distribution<int> mosse(0, 5), attesa_us(0, 1500), inizio(1, 96);
    int rifatti = 0;
    for (int giro = 0; giro < 80; ++giro) {
        SCOPED_TRACE("kill " + std::to_string(giro));
        int tubo[2];
        ASSERT_EQ(pipe(tubo), 0);
        const int da = inizio(caso);
        const pid_t figlio = fork();
        if (figlio == 0) close(tubo[0]), muovi_per_sempre(b, da, tubo[1]);
        close(tubo[1]);
        char fatto;
        for (int n = mosse(caso); n > 0 && read(tubo[0], &fatto, 1) == 1; --n) {
        }
        usleep(static_cast<useconds_t>(attesa_us(caso)));
        kill(figlio, SIGKILL);
        close(tubo[0]);
        int esito = 0;
        ASSERT_EQ(waitpid(figlio, &esito, 0), figlio);
        ASSERT_TRUE(WIFSIGNALED(esito)) << "the mover stopped by itself: " << WEXITSTATUS(esito);

        bool valide = false; // five lines naming a sounding of the day
        for (int k = 1; k <= 96; ++k)
            valide |=
                b.impostazioni() == prova::impostazioni_attese((k - 1) / 4, (k - 1) % 4 * 15, k);
        ASSERT_TRUE(valide) << b.impostazioni();
        ASSERT_EQ(prova::testo_file(b.stato.sessione.file_risultati).size(), 96u * 248u);
        rifatti = 0;
        for (int k = 1; k <= 96; ++k) {
            ASSERT_TRUE(b.campo(k, 1, 248) == vecchi[k] || b.campo(k, 1, 248) == nuovi[k]) << k;
            rifatti += b.campo(k, 1, 248) == nuovi[k];
        }
        for (int ora = 6; ora < 10; ++ora)
            for (int minuti : {0, 30}) {
                std::string rdf = prova::testo_file(prova::file_ionogramma(b.stato, ora, minuti));
                ASSERT_TRUE(b.codice_in(ora, minuti) == "xx" || b.codice_in(ora, minuti) == "05");
                ASSERT_TRUE(rdf.replace(59, 2, "xx") == originale) << ora << ":" << minuti;
            }
    }
    EXPECT_GT(rifatti, 20) << "the movers got far enough to rewrite a good part of the day";
}
