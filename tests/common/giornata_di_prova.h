#pragma once
// A day to move through: a session on 05-03-2023 at 07:45, interval 15
// (ionogram 32), in a folder of its own with a blank results file of the day,
// and ionogram files and results records for the soundings a test asks for.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "common/vista_finta.h"
#include "session/stato_programma.h"

#include <filesystem>
#include <map>
#include <string>

namespace velaris::prova {

/// Fills `stato` for that session with `cartella` as working folder, creates
/// its ionograms folder and the 96 blank records of the day.
void prepara_sessione(stato_programma& stato, const std::filesystem::path& cartella);

/// Path of the session day's ionogram file at ora:minuti.
std::filesystem::path file_ionogramma(const stato_programma& stato, int ora, int minuti);

/// Writes a valid ionogram file (rdf_di_prova) for ora:minuti.
void scrivi_ionogramma(const stato_programma& stato, int ora, int minuti,
                       const rdf_di_prova& rdf = {});

/// Writes record k (the sounding (k - 1) x 15 minutes after 00:00) of the
/// session's results file as boxes holding `caselle` (control name -> text) leave it.
void scrivi_record(const stato_programma& stato, int k,
                   const std::map<std::string, std::string>& caselle);

/// "setting.txt" of the session's working folder.
std::filesystem::path file_impostazioni(const stato_programma& stato);

/// The five lines a settings file must hold for a time of 05-03-2023 with
/// the interval `incremento`, CR LF each.
std::string impostazioni_attese(int ora, int minuti, int numero,
                                const std::string& incremento = "15");

} // namespace velaris::prova
