// One 1-20 MHz ionogram of 381 frequencies, written once to a temporary file,
// timed at three depths: reading its bytes, filling the plot rectangle, and
// the whole read + rescale + draw that a window does on every move. The
// stages in between show where the time of the whole goes.

#include "display/disegno.h"
#include "display/echi.h"
#include "display/etichette.h"
#include "ionogram/lettore_rdf.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace velaris;

namespace {

fs::path file_prova;
const geometria_grafico geometria = geometria_grafico::finestra_principale();

/// A station file with an echo in about every second cell: denser than any
/// real sounding, so the echo loop is not flattered.
void scrivi_file_prova(const fs::path& percorso) {
    std::string byte(197, ' ');
    byte.replace(0, 19, "01.000 20.000 0.050");
    byte.replace(59, 2, "xx");
    byte.replace(122, 5, "QX106");
    byte[196] = '\n';
    std::mt19937 generatore(20231);
    std::uniform_int_distribution<int> ampiezza(0, 511);
    for (int n = 0; n < 381 * 150; ++n) {
        const int a = ampiezza(generatore);
        byte.push_back(static_cast<char>(a > 255 ? 0 : a));
    }
    std::ofstream(percorso, std::ios::binary).write(byte.data(), static_cast<long>(byte.size()));
}

void BM_LetturaByte(benchmark::State& stato) {
    std::vector<char> contenuto(197 + 381 * 150);
    for (auto _ : stato) {
        std::FILE* f = std::fopen(file_prova.c_str(), "rb");
        const std::size_t letti = std::fread(contenuto.data(), 1, contenuto.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(letti);
    }
}
BENCHMARK(BM_LetturaByte);

void BM_RiempimentoGrafico(benchmark::State& stato) {
    QImage superficie = crea_superficie(geometria);
    for (auto _ : stato) {
        rettangolo_pieno(superficie, geometria, 0, 601, 765, 0, colore_grafico);
        benchmark::DoNotOptimize(superficie.constBits());
    }
}
BENCHMARK(BM_RiempimentoGrafico);

void BM_LetturaNormalizzazioneDisegno(benchmark::State& stato) {
    QImage superficie = crea_superficie(geometria);
    for (auto _ : stato) {
        auto letto = carica_rdf(file_prova, intestazione_corta::accettata);
        normalizzazione_ampiezze(letto->dati);
        disegno_ionogramma(superficie, geometria, letto->dati, Qt::white);
        benchmark::DoNotOptimize(superficie.constBits());
    }
}
BENCHMARK(BM_LetturaNormalizzazioneDisegno);

// The stages of the whole, one by one.

void BM_SoloLettura(benchmark::State& stato) {
    for (auto _ : stato)
        benchmark::DoNotOptimize(carica_rdf(file_prova, intestazione_corta::accettata));
}
BENCHMARK(BM_SoloLettura);

void BM_SoloNormalizzazione(benchmark::State& stato) {
    const auto letto = carica_rdf(file_prova, intestazione_corta::accettata)->dati;
    for (auto _ : stato) {
        auto dati = letto;
        normalizzazione_ampiezze(dati);
        benchmark::DoNotOptimize(dati.ampiezze.data());
    }
}
BENCHMARK(BM_SoloNormalizzazione);

void BM_SoloDisegno(benchmark::State& stato) {
    auto dati = carica_rdf(file_prova, intestazione_corta::accettata)->dati;
    normalizzazione_ampiezze(dati);
    QImage superficie = crea_superficie(geometria);
    for (auto _ : stato) {
        disegno_ionogramma(superficie, geometria, dati, Qt::white);
        benchmark::DoNotOptimize(superficie.constBits());
    }
}
BENCHMARK(BM_SoloDisegno);

void BM_GraficoVuoto(benchmark::State& stato) {
    QImage superficie = crea_superficie(geometria);
    for (auto _ : stato) {
        disegno_grafico_vuoto(superficie, geometria, Qt::white);
        benchmark::DoNotOptimize(superficie.constBits());
    }
}
BENCHMARK(BM_GraficoVuoto);

// What the labels would cost without their cache: the same 29 texts printed
// with QPainter on every draw.
void BM_EtichetteConQPainter(benchmark::State& stato) {
    QImage superficie = crea_superficie(geometria);
    const QFontMetrics metriche(QGuiApplication::font(), &superficie);
    for (auto _ : stato) {
        QPainter pittore(&superficie);
        pittore.setFont(QGuiApplication::font());
        pittore.setPen(Qt::white);
        for (const auto& e : etichette_assi())
            pittore.drawText(
                QPoint(geometria.colonna(e.x), geometria.riga(e.y) + metriche.ascent()),
                QString::fromLatin1(e.testo));
    }
}
BENCHMARK(BM_EtichetteConQPainter);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc_qt = 1;
    QApplication applicazione(argc_qt, argv); // the main window is measured too
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    file_prova = fs::temp_directory_path() / ("velaris-bench-" + std::to_string(getpid()) + ".rdf");
    scrivi_file_prova(file_prova);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove(file_prova, ec);
    return 0;
}
