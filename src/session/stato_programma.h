#pragma once
// The values that live for the whole run and are shared by the windows.

#include "session/parametri_sessione.h"

#include <cstdint>
#include <string>

namespace velaris {

struct stato_programma {
    parametri_sessione sessione;
    /// The main window shows a valid ionogram read from its file.
    bool ionogramma_presente = false;
    /// The companion window shows a valid ionogram.
    bool successivo_presente = false;
    /// Station name of the last file either window read (empty before any).
    std::string stazione;
    /// Particular-case code: "xx" for none, else "01", "02", "3a" ... "06".
    std::string codice_caso_particolare = "xx";
};

} // namespace velaris
