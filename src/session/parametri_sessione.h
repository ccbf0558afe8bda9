#pragma once
// The session record shared by the three windows for the whole run.

#include "base/numeri.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace velaris {

struct parametri_sessione {
    std::filesystem::path cartella_lavoro;     ///< working folder
    std::filesystem::path cartella_ionogrammi; ///< ionogram and results files
    std::array<std::string, 24> tabella_ore;   ///< "00" ... "23"
    std::string data_sessione;                 ///< DD-MM-YYYY as typed
    std::string anno_sessione;                 ///< characters 7-10 of the date
    std::string giorno_anno;                   ///< day of the year, "064"
    std::string incremento_minuti;             ///< "05", "10", "15", "30" or "60"
    std::int16_t ora_corrente = 0;
    std::int16_t minuti_correnti = 0;
    std::int16_t numero_ionogramma = 1; ///< 1-based; also the results record
    std::int16_t numero_precedente = 0;
    std::string nome_file_ionogramma; ///< file name, no folder
    std::int16_t ora_successivo = 0;  ///< companion window's time
    std::int16_t minuti_successivo = 0;
    std::string nome_file_successivo;
    std::filesystem::path file_risultati; ///< full path of the day's results
    std::string testo_data;               ///< date text shown in titles

    parametri_sessione() {
        for (int h = 0; h < 24; ++h) tabella_ore[static_cast<std::size_t>(h)] = due_cifre(h);
    }
};

} // namespace velaris
