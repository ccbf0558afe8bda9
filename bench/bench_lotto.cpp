// A day of 96 ionograms (the demo day at interval 15, every sounding present)
// rendered to PNG as velaris-render does it, on one thread and on two: wall
// time, since the point of the threads is the time the operator waits, and
// the CPU time of all threads together, which shows what the machine gave.

#include "giornata.h"
#include "lotto.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct giorno_di_prova {
    fs::path cartella;
    std::vector<fs::path> file;

    giorno_di_prova() {
        cartella = fs::temp_directory_path() / ("velaris-bench-lotto-" + std::to_string(getpid()));
        fs::create_directories(cartella / "png");
        velaris::demo::opzioni_giornata o;
        for (auto voce : velaris::demo::piano_giornata(o)) {
            voce.stato = velaris::demo::stato_file::presente;
            const auto byte = velaris::demo::file_ionogramma(o, voce);
            file.push_back(cartella / voce.nome);
            std::ofstream(file.back(), std::ios::binary)
                .write(reinterpret_cast<const char*>(byte.data()), static_cast<long>(byte.size()));
        }
    }
    ~giorno_di_prova() {
        std::error_code ec;
        fs::remove_all(cartella, ec);
    }
};

void BM_GiornataInPng(benchmark::State& stato) {
    static const giorno_di_prova giorno;
    const velaris::opzioni_lotto opzioni{giorno.cartella / "png", false,
                                         static_cast<int>(stato.range(0))};
    for (auto _ : stato) {
        const auto errori = velaris::rendi_lotto(giorno.file, opzioni);
        benchmark::DoNotOptimize(errori.data());
    }
    stato.counters["files"] = static_cast<double>(giorno.file.size());
}
// Wall time, and the CPU time of the whole process (all threads).
BENCHMARK(BM_GiornataInPng)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

} // namespace
