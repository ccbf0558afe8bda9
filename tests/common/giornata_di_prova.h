#pragma once
// A day to move through: the session of sessione_di_prova (05-03-2023,
// interval 15, at 07:45) with "setting.txt" written, ionogram files for the
// soundings a test asks for, and a view that records what the loading showed.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "session/caricamento.h"
#include "session/stato_programma.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velaris::prova {

/// Records what a load did to the window; `al_disegno` runs when a plot is
/// drawn, so a test can look at the files at that moment of a sequence.
struct vista_finta : vista_ionogramma {
    std::string titolo;
    std::string caso_particolare = "unchanged";
    std::string stato_file;
    std::string percorsi;
    int disegni = 0;
    int vuoti = 0;
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

/// Path of the session day's ionogram file at ora:minuti.
std::filesystem::path file_ionogramma(const stato_programma& stato, int ora, int minuti);

/// Writes a valid ionogram file (rdf_di_prova) for ora:minuti.
void scrivi_ionogramma(const stato_programma& stato, int ora, int minuti,
                       const rdf_di_prova& rdf = {});

/// The whole content of a file as text ("" when missing).
std::string testo_file(const std::filesystem::path& file);

/// "setting.txt" of the session's working folder.
std::filesystem::path file_impostazioni(const stato_programma& stato);

/// The five lines a settings file must hold for a time of the "15" day
/// of 05-03-2023, CR LF each.
std::string impostazioni_attese(int ora, int minuti, int numero);

} // namespace velaris::prova
