// The proposals for one sounding, as the main window will ask for them on
// every move: from the rescaled echo matrix to the points of every
// characteristic. Measured over the whole demo day, so that quiet night
// soundings and busy daytime ones with sporadic E are averaged as they come.

#include "display/echi.h"
#include "giornata.h"
#include "ionogram/lettore_rdf.h"
#include "proposals/proposte.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace velaris;

namespace {

std::vector<dati_ionogramma> giornata_demo() {
    const demo::opzioni_giornata opzioni;
    std::vector<dati_ionogramma> giornata;
    for (const demo::voce_giornata& v : demo::piano_giornata(opzioni)) {
        if (v.stato != demo::stato_file::presente) continue;
        const std::vector<std::uint8_t> byte = demo::file_ionogramma(opzioni, v);
        lettura_rdf letto = leggi_rdf_da_byte(byte, intestazione_corta::accettata, v.nome);
        normalizzazione_ampiezze(letto->dati);
        giornata.push_back(std::move(letto->dati));
    }
    return giornata;
}

void BM_ProposteSondaggio(benchmark::State& stato) {
    static const std::vector<dati_ionogramma> giornata = giornata_demo();
    std::size_t k = 0;
    for (auto _ : stato) {
        benchmark::DoNotOptimize(proposte(giornata[k]));
        k = (k + 1) % giornata.size();
    }
    stato.SetItemsProcessed(stato.iterations());
}
BENCHMARK(BM_ProposteSondaggio)->Unit(benchmark::kMicrosecond);

} // namespace
