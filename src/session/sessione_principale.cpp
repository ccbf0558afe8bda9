// The main window's session: the load, the selection, the clicks and keys on
// the plot, the particular cases, the Es types and the boxes. The moves are
// in spostamento.cpp, Esc and the closing in uscita.cpp, the proposals in
// proposta_corrente.cpp.

#include "sessione_principale.h"

#include "base/numeri.h"
#include "ionogram/stazioni.h"
#include "rules/casi_particolari.h"
#include "rules/tipi_es.h"
#include "scaling/comandi_tastiera.h"
#include "scaling/tabella_grandezze.h"
#include "session/caricamento.h"

#include <algorithm>

namespace velaris {

namespace {

constexpr std::int16_t pulsante_destro = 2;

} // namespace

sessione_principale::sessione_principale(stato_programma& stato, caselle_testo& caselle,
                                         messaggi& messaggi, vista_principale& vista)
    : m_stato(stato), m_caselle(caselle), m_messaggi(messaggi), m_vista(vista),
      m_scalatura(caselle, messaggi, vista, stazione_sistema) {}

esito_comando sessione_principale::carica() {
    carica_sondaggio();
    fof2_corrente();
    return {};
}

void sessione_principale::carica_sondaggio() {
    // The frames of a failed check are about the sounding they were drawn
    // on: they go with it, whatever the next sounding's boxes hold.
    m_vista.evidenzia({});
    caricamento_ionogramma(m_stato, m_dati, m_vista.grafico(), m_vista, m_caselle, m_messaggi);
    calcola_proposte();
}

void sessione_principale::fof2_corrente() {
    applica_selezione(selezione_fof2());
    m_vista.metti_fuoco(caselle_fof2.descrittiva);
}

esito_comando sessione_principale::seleziona(std::string_view chiave) {
    const std::string scelta(chiave); // may view the current key, which changes below
    applica_selezione(
        seleziona_grandezza(scelta, m_caselle, m_giorno_notte, m_stato.ionogramma_presente));
    if (scelta == chiave_tipi_es) selezione_tipi_es();
    seleziona_muf(scelta);
    return {};
}

void sessione_principale::applica_selezione(const esito_selezione& esito) {
    if (esito.grandezza_corrente.empty()) return;
    m_grandezza_corrente = esito.grandezza_corrente;
    m_vista.mostra_pulsanti_es(false); // shown again only by the Es types selection
    m_vista.mostra_corrente(m_grandezza_corrente);
    for (std::string_view nome : caselle_lettera())
        m_vista.apri_casella(nome, std::find(esito.sbloccate.begin(), esito.sbloccate.end(),
                                             nome) != esito.sbloccate.end());
    if (!esito.fuoco.empty()) m_vista.metti_fuoco(esito.fuoco);
    switch (esito.plot) {
    case ridisegno::ionogramma:
        m_vista.ridisegna_ionogramma(false);
        break;
    case ridisegno::grafico_vuoto:
        m_vista.ridisegna_grafico_vuoto();
        break;
    case ridisegno::nessuno:
        break;
    }
    mostra_proposta();
}

void sessione_principale::selezione_tipi_es() {
    if (!m_stato.ionogramma_presente) return;
    proposta_selezione_tipi_es(m_caselle);
    m_vista.mostra_pulsanti_es(true);
}

// The overflow handlers below: a box holding a number no variable can take
// (only a damaged results record can put one there) ends the command as a
// run-time error ends any handler, keeping what it had written; the operator
// goes on with the next click or key.

void sessione_principale::seleziona_muf(std::string_view chiave) {
    const strato_muf* strato = strato_muf_di(chiave);
    if (strato == nullptr) return;
    try {
        m_scalatura.selezione_muf(*strato, m_stato.ionogramma_presente);
    } catch (const errore_overflow&) {
        // See above: the selection stands, the curve stops where it was.
    }
}

void sessione_principale::tasto_muf(int passo_decimi) {
    if (!m_stato.ionogramma_presente) return;
    const strato_muf* strato = strato_muf_di(m_grandezza_corrente);
    if (strato == nullptr) return;
    try {
        m_scalatura.spostamento_muf(*strato, passo_decimi);
    } catch (const errore_overflow&) {
        // See above: the curve stays where the last whole step left it.
    }
}

esito_comando sessione_principale::clic(std::int16_t pulsante, float x, float y) {
    if (pulsante == pulsante_destro) {
        mostra_esito_caso(
            mancanza_es_clic_destro(m_caselle, m_stato.codice_caso_particolare, m_messaggi));
        return {};
    }
    try {
        m_scalatura.clic(x, y, m_grandezza_corrente, m_stato.ionogramma_presente,
                         m_dati.frequenza_iniziale);
    } catch (const errore_overflow&) {
        // See above: the click keeps what it had written.
    }
    return {};
}

esito_comando sessione_principale::tasto(tasto_tabella tasto, bool solo_ctrl, bool tastierino) {
    // Digits count only on the main keyboard, never on the numeric keypad;
    // the arrows count on both.
    const int decimo = solo_ctrl ? 20 : 1;
    switch (tasto) {
    case tasto_tabella::su:
        tasto_muf(-decimo);
        break;
    case tasto_tabella::giu:
        tasto_muf(+decimo);
        break;
    case tasto_tabella::tre:
        if (!tastierino) tasto_muf(-decimo);
        break;
    case tasto_tabella::quattro:
        if (!tastierino) tasto_muf(+decimo);
        break;
    case tasto_tabella::uno:
        if (!tastierino) tasto_muf(-20);
        break;
    case tasto_tabella::due:
        if (!tastierino) tasto_muf(+20);
        break;
    case tasto_tabella::f12:
    case tasto_tabella::ctrl:
        cancellazione_grandezza(m_grandezza_corrente, m_caselle);
        break;
    case tasto_tabella::f1:
        return seleziona(grandezza_successiva(m_grandezza_corrente, m_caselle, m_giorno_notte));
    case tasto_tabella::f2:
        return seleziona(grandezza_precedente(m_grandezza_corrente));
    case tasto_tabella::spazio:
        return seleziona(grandezza_dopo_spazio(m_grandezza_corrente));
    case tasto_tabella::f3:
        return sposta(verso::successivo);
    case tasto_tabella::f4:
        return sposta(verso::precedente);
    case tasto_tabella::backslash: // the key where a US keyboard has it: no F1 layer
        nessuno_strato_f1(m_caselle);
        return seleziona("foF2");
    case tasto_tabella::esc:
        return esc();
    case tasto_tabella::invio:
        return accetta_proposta();
    case tasto_tabella::altro:
        break;
    }
    return {};
}

esito_comando sessione_principale::caso_particolare(std::string_view codice) {
    mostra_esito_caso(applicazione_caso_particolare(codice, m_caselle,
                                                    m_stato.codice_caso_particolare, m_messaggi));
    return {};
}

esito_comando sessione_principale::annulla_caso_particolare() {
    mostra_esito_caso(annullamento_caso_particolare(m_caselle, m_stato.codice_caso_particolare));
    return {};
}

void sessione_principale::mostra_esito_caso(const esito_caso_particolare& esito) {
    if (!esito.applicato) return;
    if (esito.seleziona_hf) seleziona("hF");
    if (esito.didascalia) m_vista.imposta_caso_particolare(*esito.didascalia);
}

esito_comando sessione_principale::es_su() {
    aumento_riflessioni_es(m_caselle, m_messaggi);
    return {};
}

esito_comando sessione_principale::es_giu() {
    diminuzione_riflessioni_es(m_caselle, m_messaggi);
    return {};
}

sessione_principale::lasciando_sondaggio::lasciando_sondaggio(sessione_principale& sessione)
    : m_sessione(sessione) {
    // The focus-leave work of the box being typed in belongs to this
    // sounding: it is done now, before anything is checked or saved, and the
    // focus changes the way out makes later (the load puts the focus into
    // foF2's box) derive nothing.
    uscita_da_casella_lettera(sessione.m_vista.casella_con_fuoco(), sessione.m_caselle);
    sessione.m_lasciando = true;
}

sessione_principale::lasciando_sondaggio::~lasciando_sondaggio() { m_sessione.m_lasciando = false; }

esito_comando sessione_principale::lascia_casella(std::string_view casella) {
    // While a way out runs (and once Esc has gone through) the focus moves
    // it makes are no leaving by the operator: see lasciando_sondaggio.
    if (!m_lasciando && !m_salvata_da_esc) uscita_da_casella_lettera(casella, m_caselle);
    return {};
}

esito_comando sessione_principale::clic_in_casella(std::string_view casella) {
    const clic_casella azione = velaris::clic_in_casella(casella);
    if (azione.chiave.empty()) return {};
    seleziona(azione.chiave);
    if (!azione.fuoco.empty()) m_vista.metti_fuoco(azione.fuoco);
    return {};
}

esito_tasto sessione_principale::carattere_in_casella(std::string_view casella,
                                                      std::string_view testo, int carattere) {
    if (casella == caselle_tipi_es.valore) return {filtro_tasto_tipi_es(testo, carattere), {}};
    return filtro_tasto_lettera(casella, carattere, m_grandezza_corrente, m_messaggi);
}

} // namespace velaris
