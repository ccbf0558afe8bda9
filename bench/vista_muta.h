#pragma once
// The main window's port with nothing behind it, for the programs of bench/
// that run the session without a window: each overrides only what it
// measures or looks at.

#include "session/vista_principale.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velaris {

class vista_muta : public vista_principale, public vista_ionogramma {
public:
    void mostra_ionogramma(dati_ionogramma&) override {}
    void mostra_grafico_vuoto() override {}
    void imposta_titolo(const std::string&) override {}
    void imposta_stato_file(const std::string&, const std::string&) override {}
    char separatore_decimale() const override { return '.'; }
    vista_ionogramma& grafico() override { return *this; }
    void abilita_casi_particolari(bool) override {}
    void imposta_caso_particolare(const std::string&) override {}
    void ridisegna_ionogramma(bool) override {}
    void disegna_curva_trasmissione(const std::vector<punto_grafico>&) override {}
    void ridisegna_grafico_vuoto() override {}
    void mostra_corrente(std::string_view) override {}
    void apri_casella(std::string_view, bool) override {}
    void mostra_pulsanti_es(bool) override {}
    void mostra_proposta(const std::optional<punto_grafico>&, const std::string&) override {}
    bool controllo_attivo() const override { return false; }
    void evidenzia(const std::vector<std::string_view>&) override {}
    std::string casella_con_fuoco() const override { return {}; }
    void metti_fuoco(std::string_view) override {}
};

} // namespace velaris
