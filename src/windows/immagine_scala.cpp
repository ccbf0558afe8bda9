// The main window's side of scaling on the plot: mouse buttons to
// Form_MouseDown, the MUF selections and key moves, and the drawing the
// scaling logic asks for.

#include "windows/immagine.h"

#include "base/numeri.h"
#include "display/curva_trasmissione.h"
#include "display/superficie.h"
#include "windows/superficie_grafico.h"

namespace velaris {

namespace {

std::int16_t codice_pulsante(Qt::MouseButton pulsante) {
    switch (pulsante) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

void immagine::premuto_sul_grafico(Qt::MouseButton pulsante, int x, int y) {
    const std::int16_t codice = codice_pulsante(pulsante);
    if (codice != 0) Form_MouseDown(codice, 0, static_cast<float>(x), static_cast<float>(y));
}

void immagine::Form_MouseDown(std::int16_t pulsante, std::int16_t /*shift*/, float x, float y) {
    try {
        m_scalatura.clic(pulsante, x, y, m_grandezza_corrente, m_stato.ionogramma_presente,
                         m_dati.frequenza_iniziale);
    } catch (const errore_overflow&) {
        // A box holding a number no variable can take (only a damaged results
        // record can put one there): the click ends as a run-time error ends
        // any handler, keeping what it had written.
    }
}

void immagine::seleziona_muf(std::string_view chiave) {
    const strato_muf* strato = strato_muf_di(chiave);
    if (strato == nullptr) return;
    try {
        m_scalatura.selezione_muf(*strato, m_stato.ionogramma_presente);
    } catch (const errore_overflow&) {
    }
}

void immagine::tasto_muf(int passo_decimi) {
    if (!m_stato.ionogramma_presente) return;
    const strato_muf* strato = strato_muf_di(m_grandezza_corrente);
    if (strato == nullptr) {
        m_grafico->update();
        return;
    }
    try {
        m_scalatura.spostamento_muf(*strato, passo_decimi);
    } catch (const errore_overflow&) {
    }
}

void immagine::ridisegna_ionogramma(bool pulisci) {
    if (pulisci) pulisci_superficie(m_grafico->immagine());
    ridisegna(ridisegno::ionogramma);
}

void immagine::disegna_curva_trasmissione(const std::vector<punto_grafico>& vertici) {
    disegno_curva_trasmissione(m_grafico->immagine(), m_grafico->geometria(), vertici);
    m_grafico->update();
}

void immagine::caso_es_mancante_da_clic() {
    clic_destro_mancanza_es();
}

} // namespace velaris
