#pragma once
// The main window as the loading sequence sees it, recorded in memory.
// `al_disegno` runs when a plot is drawn, so that a test can look at the
// files at that moment of a sequence.

#include "session/caricamento.h"

#include <functional>
#include <optional>
#include <string>

namespace velaris::prova {

struct vista_finta : vista_ionogramma {
    std::string titolo, caso_particolare = "unchanged", stato_file, percorsi;
    int disegni = 0, vuoti = 0;
    std::optional<bool> tutti_i_casi;
    std::function<void()> al_disegno;

    void mostra_ionogramma(dati_ionogramma&) override {
        ++disegni;
        if (al_disegno) al_disegno();
    }
    void mostra_grafico_vuoto() override {
        ++vuoti;
        if (al_disegno) al_disegno();
    }
    void imposta_titolo(const std::string& t) override { titolo = t; }
    void abilita_casi_particolari(bool tutti) override { tutti_i_casi = tutti; }
    void imposta_caso_particolare(const std::string& d) override { caso_particolare = d; }
    void imposta_stato_file(const std::string& t, const std::string& p) override {
        stato_file = t;
        percorsi = p;
    }
    char separatore_decimale() const override { return '.'; }
};

} // namespace velaris::prova
