#pragma once
// Records what the scaling logic asked the window to draw or apply, in order.

#include "scaling/vista_scalatura.h"

#include <string>
#include <vector>

namespace velaris::prova {

class vista_scalatura_finta : public vista_scalatura {
public:
    /// "ionogramma+pulisci", "ionogramma", "curva", "es mancante".
    std::vector<std::string> chiamate;
    std::vector<punto_grafico> ultima_curva;

    void ridisegna_ionogramma(bool pulisci) override {
        chiamate.push_back(pulisci ? "ionogramma+pulisci" : "ionogramma");
    }
    void disegna_curva_trasmissione(const std::vector<punto_grafico>& vertici) override {
        chiamate.push_back("curva");
        ultima_curva = vertici;
    }
    void caso_es_mancante_da_clic() override { chiamate.push_back("es mancante"); }
};

} // namespace velaris::prova
