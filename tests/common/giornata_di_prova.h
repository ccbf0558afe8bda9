#pragma once
// A day to move through: the session of sessione_di_prova (05-03-2023,
// interval 15, at 07:45) with "setting.txt" written and ionogram files for the
// soundings a test asks for.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "common/vista_finta.h"
#include "session/stato_programma.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velaris::prova {

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
