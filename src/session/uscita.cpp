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

esito_chiusura chiusura_principale(const stato_programma& stato, const caselle_testo& caselle,
                                   messaggi& messaggi, bool controllo,
                                   std::vector<std::string_view>* caselle_controllo) {
    if (!controlli_prima_di_lasciare(stato, caselle, messaggi, controllo, testo_tipi_es_chiusura,
                                     caselle_controllo))
        return esito_chiusura::rifiutata;
    bool salvata = false;
    if (!salva_o_chiedi(messaggi, "Do you want to close without saving?",
                        [&] { salvata = salvataggio_ionogramma(stato, caselle); }))
        return esito_chiusura::rifiutata;
    return salvata ? esito_chiusura::salvata : esito_chiusura::senza_salvare;
}

esito_chiusura salvataggio_per_uscita(const stato_programma& stato,
                                      const caselle_testo& caselle, messaggi& messaggi,
                                      bool controllo,
                                      std::vector<std::string_view>* caselle_controllo) {
    if (!controlli_prima_di_lasciare(stato, caselle, messaggi, controllo,
                                     testo_tipi_es_spostamento, caselle_controllo))
        return esito_chiusura::rifiutata;
    try {
        return salvataggio_ionogramma(stato, caselle) ? esito_chiusura::salvata
                                                      : esito_chiusura::senza_salvare;
    } catch (const std::exception& e) {
        // Going on would only lead to the closing, which would fail the same
        // way: the operator stays and can close the window to decide there.
        messaggi.avviso(titolo_salvataggio, e.what());
        return esito_chiusura::rifiutata;
    }
}

} // namespace velaris
