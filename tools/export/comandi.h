#pragma once
// The three commands of velaris-export, once the command line is read. Each
// reports what it could not use on stderr, exports the rest, and returns the
// exit status: 0 when everything given was exported, 1 when something was
// left out or could not be written.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velaris::esportazione {

struct opzioni {
    std::optional<std::filesystem::path> uscita; ///< -o
    std::string stazione;                        ///< --station (hourly)
    std::string chiave;                          ///< KEY (month)
    int anno = 0, mese = 0;                      ///< YYYY-MM (month)
    std::vector<std::filesystem::path> argomenti;
};

/// One line on stderr, prefixed with the program's name.
void segnala(const std::string& riga);

int comando_csv(const opzioni& o);
int comando_orario(const opzioni& o);
int comando_mese(const opzioni& o);

} // namespace velaris::esportazione
