#pragma once
// A session on 05-03-2023 at 07:45, interval 15 (ionogram 32), in a folder of
// its own with a blank results file of the day.

#include "session/stato_programma.h"

#include <filesystem>

namespace velaris::prova {

/// Fills `stato` for that session with `cartella` as working folder, creates
/// its ionograms folder and the 96 blank records of the day.
void prepara_sessione(stato_programma& stato, const std::filesystem::path& cartella);

/// Path of the session's ionogram file at 07:45 (not created).
std::filesystem::path file_ionogramma_0745(const stato_programma& stato);

} // namespace velaris::prova
