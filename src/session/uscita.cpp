// Leaving a sounding: the checks every way out runs first, the saving of Esc
// and the closing, and those two ways out of the main window's session.

#include "uscita.h"

#include "rules/controllo_coerenza.h"
#include "rules/tipi_es.h"
#include "scaling/tabella_grandezze.h"
#include "session/caricamento.h"
#include "session/sessione_principale.h"

#include <exception>
#include <string>
#include <utility>

namespace velaris {

/// The checks before a sounding is left: the Es types must have 0, 2 or 4
/// characters (otherwise `testo_tipi_es` is shown), then, while `Option1` is
/// selected, the consistency check over the boxes and the particular-case
/// code, whose failed rule frames the boxes it is about once its message is
/// closed. false: the operator stays and nothing may be saved.
bool sessione_principale::controlli_prima_di_lasciare(std::string_view testo_tipi_es) {
    if (!formato_tipi_es_corretto(m_caselle.testo(caselle_tipi_es.valore))) {
        m_messaggi.avviso(titolo_tipi_es, testo_tipi_es);
        return false;
    }
    if (!m_vista.controllo_attivo()) return true;
    const esito_controllo esito =
        controllo_coerenza(m_caselle, m_stato.codice_caso_particolare, m_messaggi);
    if (!esito.fermare) return true;
    if (!esito.caselle.empty()) m_vista.evidenzia(esito.caselle);
    return false;
}

esito_comando sessione_principale::esc() {
    m_salvata_da_esc = false;
    const lasciando_sondaggio guardia(*this);
    if (!controlli_prima_di_lasciare(testo_tipi_es_spostamento)) return {};
    const esito_uscita esito =
        salvataggio_in_uscita(m_stato, m_caselle, m_messaggi, via_uscita::esc);
    if (!esito.prosegue) return {esito.record_salvato, seguito::nessuno};
    // No characteristic is current until the operator picks one again.
    m_grandezza_corrente.clear();
    m_vista.mostra_corrente({});
    // The start window's load closes this window at once: Esc has just
    // checked and saved it, and nothing can change in between, so that
    // closing asks nothing again.
    m_salvata_da_esc = true;
    return {esito.record_salvato, seguito::entrata};
}

esito_comando sessione_principale::chiusura() {
    if (std::exchange(m_salvata_da_esc, false)) return {false, seguito::chiude};
    const lasciando_sondaggio guardia(*this);
    if (!controlli_prima_di_lasciare(testo_tipi_es_chiusura)) return {false, seguito::resta};
    const esito_uscita esito =
        salvataggio_in_uscita(m_stato, m_caselle, m_messaggi, via_uscita::chiusura);
    return {esito.record_salvato, esito.prosegue ? seguito::chiude : seguito::resta};
}

std::string_view domanda_senza_record(via_uscita via) {
    return via == via_uscita::chiusura ? "Do you want to close without saving?"
                                       : "Do you want to leave this ionogram without saving?";
}

std::string domanda_senza_codice(via_uscita via, std::string_view codice) {
    return "The scaled values are saved; only the particular-case code \"" + std::string(codice) +
           "\" is missing from the ionogram file.\r\n" +
           (via == via_uscita::chiusura ? "Do you want to close anyway?"
                                        : "Do you want to leave this ionogram anyway?");
}

bool salva_o_chiedi(messaggi& messaggi, std::string_view domanda,
                    const std::function<void()>& salva) {
    try {
        salva();
        return true;
    } catch (const std::exception& e) {
        // The values stay in the boxes; the operator decides whether they may go.
        return messaggi.domanda(titolo_salvataggio,
                                std::string(e.what()) + "\r\n" + std::string(domanda));
    }
}

esito_uscita salvataggio_in_uscita(const stato_programma& stato, const caselle_testo& caselle,
                                   messaggi& messaggi, via_uscita via) {
    // A code the ionogram file refuses must not stop the record: the scaled
    // values are what the operator cannot redo.
    std::string codice_rifiutato;
    try {
        salvataggio_codice(stato);
    } catch (const std::exception& e) {
        codice_rifiutato = e.what();
    }
    esito_uscita esito;
    try {
        esito.record_salvato = salvataggio_record(stato, caselle);
    } catch (const std::exception& e) {
        const std::string prima = codice_rifiutato.empty() ? "" : codice_rifiutato + "\r\n";
        esito.prosegue = messaggi.domanda(
            titolo_salvataggio, prima + e.what() + "\r\n" + std::string(domanda_senza_record(via)));
        return esito;
    }
    esito.prosegue = codice_rifiutato.empty() ||
                     messaggi.domanda(titolo_salvataggio,
                                      codice_rifiutato + "\r\n" +
                                          domanda_senza_codice(via, stato.codice_caso_particolare));
    return esito;
}

} // namespace velaris
