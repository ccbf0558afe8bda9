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
    /// The main window's boxes were filled from the results record of
    /// numero_ionogramma when the sounding was loaded, so saving them writes
    /// back what the file held plus the operator's changes. False until a load
    /// reads it, and after a load that could not read it: the saving then
    /// refuses to write that record.
    bool record_caricato = false;
};

} // namespace velaris
