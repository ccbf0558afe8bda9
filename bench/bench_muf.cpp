// One MUF key move as the operator makes it, holding an arrow key: the new
// MUF and M(3000) into the boxes, the ionogram redrawn and the transmission
// curve drawn over it. Beside it the curve alone, to show its share.

#include "base/caselle_memoria.h"
#include "display/curva_trasmissione.h"
#include "display/disegno.h"
#include "display/echi.h"
#include "scaling/curva_trasmissione.h"
#include "scaling/scalatura.h"

#include <benchmark/benchmark.h>

#include <map>
#include <random>

using namespace velaris;

namespace {

const geometria_grafico geometria_muf = geometria_grafico::finestra_principale();

/// The window's drawing, on an image of its size.
class vista_immagine : public vista_scalatura {
public:
    vista_immagine() : m_superficie(crea_superficie(geometria_muf)) {
        m_dati = {1.0f, 20.0f, 0.05f, 381, {}};
        m_dati.azzeramento_ampiezze();
        std::mt19937 generatore(20231);
        std::uniform_int_distribution<int> ampiezza(0, 511);
        for (auto& cella : m_dati.ampiezze) {
            const int a = ampiezza(generatore);
            cella = static_cast<std::int16_t>(a > 255 || a < 7 ? 0 : a);
        }
        normalizzazione_ampiezze(m_dati);
    }
    void ridisegna_ionogramma(bool pulisci) override {
        if (pulisci) pulisci_superficie(m_superficie);
        disegno_ionogramma(m_superficie, geometria_muf, m_dati, Qt::white);
    }
    void disegna_curva_trasmissione(const std::vector<punto_grafico>& vertici) override {
        disegno_curva_trasmissione(m_superficie, geometria_muf, vertici);
    }
    const QImage& superficie() const { return m_superficie; }

private:
    dati_ionogramma m_dati;
    QImage m_superficie;
};

void BM_SpostamentoMuf(benchmark::State& stato) {
    caselle_memoria caselle;
    messaggi_consenzienti messaggi;
    vista_immagine vista;
    scalatura s(caselle, messaggi, vista, "Ostrand");
    caselle.imposta_testo("Text13", "75");
    caselle.imposta_testo("Text15", "274");
    s.selezione_muf(strato_f2, true);
    int passo = +1;
    for (auto _ : stato) {
        s.spostamento_muf(strato_f2, passo);
        passo = -passo;
        benchmark::DoNotOptimize(vista.superficie().constBits());
    }
}
BENCHMARK(BM_SpostamentoMuf);

void BM_SoloCurva(benchmark::State& stato) {
    QImage superficie = crea_superficie(geometria_muf);
    for (auto _ : stato) {
        disegno_curva_trasmissione(superficie, geometria_muf, punti_curva_trasmissione(27.5f));
        benchmark::DoNotOptimize(superficie.constBits());
    }
}
BENCHMARK(BM_SoloCurva);

} // namespace
