// One whole Next move as the operator makes it with F3, in the real main
// window (offscreen): the record of the sounding left, its particular-case
// code, the next sounding's file read, rescaled and drawn, "setting.txt"
// rewritten, the boxes of the new and the previous record filled, foF2 made
// current. The window steps back and forth between two soundings of 381
// frequencies, so every iteration is one complete move.

#include "base/caselle_memoria.h"
#include "display/disegno.h"
#include "display/echi.h"
#include "display/superficie.h"
#include "session/file_risultati.h"
#include "session/impostazioni.h"
#include "session/sessione_principale.h"
#include "session/spostamento.h"
#include "session/stato_programma.h"
#include "vista_muta.h"
#include "windows/immagine.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace velaris;

namespace {

/// A sounding file as dense in echoes as the drawing benchmark's.
void scrivi_ionogramma(const fs::path& percorso, unsigned seme) {
    std::string byte(197, ' ');
    byte.replace(0, 19, "01.000 20.000 0.050");
    byte.replace(59, 2, "xx");
    byte.replace(122, 5, "QX106");
    byte[196] = '\n';
    std::mt19937 generatore(seme);
    std::uniform_int_distribution<int> ampiezza(0, 511);
    for (int n = 0; n < 381 * 150; ++n) {
        const int a = ampiezza(generatore);
        byte.push_back(static_cast<char>(a > 255 ? 0 : a));
    }
    std::ofstream(percorso, std::ios::binary).write(byte.data(), static_cast<long>(byte.size()));
}

/// A working folder with the day of 05-03-2023 (interval 15) at 07:45.
struct giornata {
    fs::path cartella;
    stato_programma stato;

    giornata() {
        cartella = fs::temp_directory_path() / ("velaris-bench-day-" + std::to_string(getpid()));
        parametri_sessione& s = stato.sessione;
        s.cartella_lavoro = cartella;
        s.cartella_ionogrammi = cartella / "ionograms";
        fs::create_directories(s.cartella_ionogrammi);
        s.data_sessione = "05-03-2023";
        s.anno_sessione = "2023";
        s.giorno_anno = "064";
        s.incremento_minuti = "15";
        s.ora_corrente = 7;
        s.minuti_correnti = 45;
        s.numero_ionogramma = 32;
        s.file_risultati = s.cartella_ionogrammi / "QX106_05032023_15.txt";
        std::ofstream risultati(s.file_risultati, std::ios::binary);
        for (int k = 0; k < 96; ++k) risultati << record_vuoto();
        risultati.close();
        scrivi_impostazioni(cartella / nome_file_impostazioni,
                            {"05-03-2023", "07", "45", "15", "32"});
        scrivi_ionogramma(s.cartella_ionogrammi / "QX106_2023064074500.rdf", 1);
        scrivi_ionogramma(s.cartella_ionogrammi / "QX106_2023064080000.rdf", 2);
    }
    ~giornata() {
        std::error_code ec;
        fs::remove_all(cartella, ec);
    }
};

void BM_SpostamentoSuccessivo(benchmark::State& stato_bench) {
    giornata g;
    messaggi_consenzienti messaggi;
    immagine finestra(g.stato, messaggi);
    finestra.show();
    finestra.caricamento_ionogramma();
    // The consistency check has its own cost and its own rules: off here.
    finestra.findChild<QRadioButton*>("Option2")->setChecked(true);
    finestra.caselle().imposta_testo("Text13", "52");
    finestra.caselle().imposta_testo("Text7", "C1");
    bool avanti = true;
    for (auto _ : stato_bench) {
        finestra.applica(
            finestra.sessione().sposta(avanti ? verso::successivo : verso::precedente));
        avanti = !avanti;
        benchmark::DoNotOptimize(finestra.superficie().constBits());
    }
    if (g.stato.sessione.numero_ionogramma != (avanti ? 32 : 33))
        stato_bench.SkipWithError("a move did not complete");
}
BENCHMARK(BM_SpostamentoSuccessivo)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// The parts of a move that touch files besides the ionogram, one by one.

void BM_ScritturaImpostazioni(benchmark::State& stato_bench) {
    giornata g;
    const fs::path file = g.cartella / nome_file_impostazioni;
    for (auto _ : stato_bench) scrivi_impostazioni(file, {"05-03-2023", "07", "45", "15", "32"});
}
BENCHMARK(BM_ScritturaImpostazioni)->Unit(benchmark::kMicrosecond);

void BM_ScritturaRecord(benchmark::State& stato_bench) {
    giornata g;
    const std::string record = record_vuoto();
    for (auto _ : stato_bench) scrittura_record(g.stato.sessione.file_risultati, 32, record);
}
BENCHMARK(BM_ScritturaRecord)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

/// The main window's drawing without the window; the rest of its port does nothing.
class vista_immagine : public vista_muta {
public:
    QImage superficie = crea_superficie(geometria_grafico::finestra_principale());
    void mostra_ionogramma(dati_ionogramma& dati) override {
        normalizzazione_ampiezze(dati);
        pulisci_superficie(superficie);
        disegno_ionogramma(superficie, geometria_grafico::finestra_principale(), dati, Qt::white);
    }
    void mostra_grafico_vuoto() override {
        pulisci_superficie(superficie);
        disegno_grafico_vuoto(superficie, geometria_grafico::finestra_principale(), Qt::white);
    }
};

// The same move without widgets: what the sequence itself costs.
void BM_SpostamentoSenzaFinestra(benchmark::State& stato_bench) {
    giornata g;
    messaggi_consenzienti messaggi;
    caselle_memoria caselle;
    vista_immagine vista;
    sessione_principale sessione(g.stato, caselle, messaggi, vista);
    sessione.carica();
    caselle.imposta_testo("Text13", "52");
    bool avanti = true;
    for (auto _ : stato_bench) {
        const int numero = g.stato.sessione.numero_ionogramma;
        sessione.sposta(avanti ? verso::successivo : verso::precedente);
        if (g.stato.sessione.numero_ionogramma == numero) {
            stato_bench.SkipWithError("a move did not complete");
            break;
        }
        avanti = !avanti;
        benchmark::DoNotOptimize(vista.superficie.constBits());
    }
}
BENCHMARK(BM_SpostamentoSenzaFinestra)->Unit(benchmark::kMicrosecond);

} // namespace
