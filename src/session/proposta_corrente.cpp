// The proposals in the main window: computed once per load, the one for the
// current characteristic shown on the plot and in the status line, accepted
// by Enter as a click at its point, and switched off and on from the View
// menu. Nothing here writes a box but through the click.

#include "proposta_corrente.h"

#include "base/numeri.h"
#include "results/giornata.h"
#include "scaling/tabella_grandezze.h"
#include "scaling/testo_click.h"
#include "scaling/unita_grandezze.h"
#include "session/sessione_principale.h"

namespace velaris {

namespace {

constexpr std::int16_t pulsante_sinistro = 1;

/// The value box's text that a click at the proposal's point writes.
std::optional<std::string> valore_del_clic(const proposta& p, unita_valore unita) {
    switch (unita) {
    case unita_valore::chilometri:
        return valore_chilometri(testo_click_altezza(static_cast<float>(p.punto.y)));
    case unita_valore::centesimi_mhz:
        return valore_centesimi(testo_click_frequenza(static_cast<float>(p.punto.x)));
    case unita_valore::decimi_mhz:
        return valore_decimi(testo_click_frequenza(static_cast<float>(p.punto.x)));
    case unita_valore::centesimi_fattore:
        break;
    }
    return std::nullopt;
}

} // namespace

std::string testo_proposta(const proposta& p) {
    const grandezza* g = trova_grandezza(p.chiave);
    const std::optional<unita_valore> unita = unita_di(p.chiave);
    if (g == nullptr || !unita) return {};
    const std::optional<std::string> valore = valore_del_clic(p, *unita);
    if (!valore) return {};
    return "proposed: " + std::string(g->didascalia) + " " +
           testo_fisico(intero16_da_testo(*valore), *unita) + " " +
           std::string(simbolo_unita(*unita));
}

void sessione_principale::calcola_proposte() {
    m_proposte.clear();
    if (m_stato.ionogramma_presente) m_proposte = proposte(m_dati);
}

std::optional<proposta> sessione_principale::proposta_corrente() const {
    if (!m_proposte_attive || !m_stato.ionogramma_presente) return std::nullopt;
    for (const proposta& p : m_proposte)
        if (p.chiave == m_grandezza_corrente) return p;
    return std::nullopt;
}

void sessione_principale::mostra_proposta() {
    const std::optional<proposta> p = proposta_corrente();
    if (p)
        m_vista.mostra_proposta(p->punto, testo_proposta(*p));
    else
        m_vista.mostra_proposta(std::nullopt, {});
}

esito_comando sessione_principale::accetta_proposta() {
    const std::optional<proposta> p = proposta_corrente();
    if (!p) return {};
    return clic(pulsante_sinistro, static_cast<float>(p->punto.x), static_cast<float>(p->punto.y));
}

esito_comando sessione_principale::mostra_proposte(bool attive) {
    if (attive == m_proposte_attive) return {};
    // The marker is drawn into the plot: only drawing the plot again takes it
    // away. Where none is shown (a MUF curve may be) the plot stays as it is.
    if (!attive && proposta_corrente()) m_vista.ridisegna_ionogramma(false);
    m_proposte_attive = attive;
    mostra_proposta();
    return {};
}

} // namespace velaris
