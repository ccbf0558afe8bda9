#pragma once
// The main window as its session sees it (and the plot a load draws in),
// recorded in memory. `al_disegno` runs when a plot is drawn, so that a test
// can look at the files at that moment of a sequence; `al_cambio_fuoco` runs
// with the box the focus leaves, as the window's filter would.

#include "session/vista_principale.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velaris::prova {

struct vista_finta : vista_principale, vista_ionogramma {
    std::string titolo, caso_particolare = "unchanged", stato_file;
    int disegni = 0;
    std::optional<bool> tutti_i_casi;
    std::function<void()> al_disegno;
    /// "ionogramma+pulisci", "ionogramma", "vuoto", "curva", in order.
    std::vector<std::string> chiamate;
    std::vector<punto_grafico> ultima_curva;
    std::string corrente, fuoco;
    bool controllo = false;
    std::vector<std::string> evidenziate;
    std::function<void(const std::string& lasciata)> al_cambio_fuoco;
    char separatore = '.';
    std::optional<punto_grafico> marcatore; ///< where the proposal shown stands
    std::string proposta;                   ///< and what the status line says of it

    void mostra_ionogramma(dati_ionogramma&) override {
        ++disegni;
        if (al_disegno) al_disegno();
    }
    void mostra_grafico_vuoto() override {
        if (al_disegno) al_disegno();
    }
    void imposta_titolo(const std::string& t) override { titolo = t; }
    void abilita_casi_particolari(bool tutti) override { tutti_i_casi = tutti; }
    void imposta_caso_particolare(const std::string& d) override { caso_particolare = d; }
    void imposta_stato_file(const std::string& t, const std::string&) override { stato_file = t; }
    char separatore_decimale() const override { return separatore; }

    vista_ionogramma& grafico() override { return *this; }
    void ridisegna_ionogramma(bool pulisci) override {
        chiamate.push_back(pulisci ? "ionogramma+pulisci" : "ionogramma");
    }
    void disegna_curva_trasmissione(const std::vector<punto_grafico>& vertici) override {
        chiamate.push_back("curva");
        ultima_curva = vertici;
    }
    void ridisegna_grafico_vuoto() override { chiamate.push_back("vuoto"); }
    void mostra_corrente(std::string_view chiave) override { corrente = chiave; }
    void apri_casella(std::string_view, bool) override {}
    void mostra_pulsanti_es(bool) override {}
    void mostra_proposta(const std::optional<punto_grafico>& p, const std::string& t) override {
        marcatore = p;
        proposta = t;
    }
    bool controllo_attivo() const override { return controllo; }
    void evidenzia(const std::vector<std::string_view>& caselle) override {
        evidenziate.assign(caselle.begin(), caselle.end());
    }
    std::string casella_con_fuoco() const override { return fuoco; }
    void metti_fuoco(std::string_view casella) override {
        const std::string lasciata = std::exchange(fuoco, std::string(casella));
        if (al_cambio_fuoco && lasciata != fuoco) al_cambio_fuoco(lasciata);
    }
};

} // namespace velaris::prova
