#include "uscita.h"

#include "rules/controllo_coerenza.h"
#include "rules/tipi_es.h"
#include "scaling/tabella_grandezze.h"
#include "session/caricamento.h"

#include <exception>
#include <string>

namespace velaris {

bool controlli_prima_di_lasciare(const stato_programma& stato, const caselle_testo& caselle,
                                 messaggi& messaggi, bool controllo,
                                 std::string_view testo_tipi_es,
                                 std::vector<std::string_view>* caselle_controllo) {
    if (!formato_tipi_es_corretto(caselle.testo(caselle_tipi_es.valore))) {
        messaggi.avviso(titolo_tipi_es, testo_tipi_es);
        return false;
    }
    if (!controllo) return true;
    esito_controllo esito = controllo_coerenza(caselle, stato.codice_caso_particolare, messaggi);
    if (!esito.fermare) return true;
    if (caselle_controllo) *caselle_controllo = std::move(esito.caselle);
    return false;
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
        return messaggi.domanda(titolo_salvataggio, std::string(e.what()) + "\r\n" +
                                                        std::string(domanda));
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
        esito.prosegue = messaggi.domanda(titolo_salvataggio, prima + e.what() + "\r\n" +
                                                                  std::string(domanda_senza_record(via)));
        return esito;
    }
    esito.prosegue =
        codice_rifiutato.empty() ||
        messaggi.domanda(titolo_salvataggio,
                         codice_rifiutato + "\r\n" +
                             domanda_senza_codice(via, stato.codice_caso_particolare));
    return esito;
}

esito_uscita chiusura_principale(const stato_programma& stato, const caselle_testo& caselle,
                                 messaggi& messaggi, bool controllo,
                                 std::vector<std::string_view>* caselle_controllo) {
    if (!controlli_prima_di_lasciare(stato, caselle, messaggi, controllo, testo_tipi_es_chiusura,
                                     caselle_controllo))
        return {};
    return salvataggio_in_uscita(stato, caselle, messaggi, via_uscita::chiusura);
}

esito_uscita salvataggio_per_uscita(const stato_programma& stato, const caselle_testo& caselle,
                                    messaggi& messaggi, bool controllo,
                                    std::vector<std::string_view>* caselle_controllo) {
    if (!controlli_prima_di_lasciare(stato, caselle, messaggi, controllo,
                                     testo_tipi_es_spostamento, caselle_controllo))
        return {};
    return salvataggio_in_uscita(stato, caselle, messaggi, via_uscita::esc);
}

} // namespace velaris
