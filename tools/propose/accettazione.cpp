#include "accettazione.h"

#include "base/caselle_memoria.h"
#include "base/numeri.h"
#include "ionogram/stazioni.h"
#include "proposals/proposte.h"
#include "results/giornata.h"
#include "scaling/scalatura.h"
#include "scaling/tabella_grandezze.h"
#include "scaling/unita_grandezze.h"

#include <map>

namespace velaris {

namespace {

class vista_assente : public vista_scalatura {
public:
    void ridisegna_ionogramma(bool) override {}
    void disegna_curva_trasmissione(const std::vector<punto_grafico>&) override {}
};

} // namespace

std::array<std::string, 8> valori_accettati(const dati_ionogramma& dati) {
    caselle_memoria caselle;
    messaggi_consenzienti domande;
    vista_assente vista;
    scalatura clic(caselle, domande, vista, stazione_sistema);
    for (const proposta& p : proposte(dati))
        clic.clic(static_cast<float>(p.punto.x), static_cast<float>(p.punto.y), p.chiave, true,
                  dati.frequenza_iniziale);

    std::array<std::string, 8> valori;
    for (std::size_t k = 0; k < chiavi_proposte.size(); ++k) {
        const std::string testo = caselle.testo(trova_grandezza(chiavi_proposte[k])->valore);
        if (senza_spazi(testo).empty()) continue;
        valori[k] =
            testo_fisico(static_cast<int>(valore_numerico(testo)), *unita_di(chiavi_proposte[k]));
    }
    return valori;
}

} // namespace velaris
