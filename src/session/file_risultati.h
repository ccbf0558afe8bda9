#pragma once
// The main window's side of the day's results file: a record written in
// place, and the record's fields to and from the boxes. The record itself
// (its fields, bytes and reading) is results/record_risultati.h.
//
// Records are written in place at (k - 1) * 248, one positioned write each:
// no other byte of the file ever changes. A file shorter than the day is
// extended with blank records when a later record is written; it is never
// truncated.

#include "base/porte.h"
#include "results/record_risultati.h"

#include <filesystem>
#include <string>

namespace velaris {

/// Writes `record` (cut or blank-padded to 248 bytes) as record `numero`, in
/// one positioned write of the existing file, which is then flushed to the
/// disk; a short file is extended with blank records in the same write. The
/// file is never created nor cut. Throws errore_file_risultati when it
/// cannot, or for a number outside 1 ... 288: a write that stopped halfway
/// (full disk) is undone first, so on failure the file holds what it held
/// before.
void scrittura_record(const std::filesystem::path& file, int numero, const std::string& record);

/// The record the boxes hold: each field's value and letters from the boxes
/// the characteristic table names for its key, as they stand.
record_risultati record_da_caselle(const caselle_testo& caselle);

/// The bytes of the record of the ionogram shown at ora:minuti, from the boxes.
std::string composizione_record(const caselle_testo& caselle, int ora, int minuti);

/// Fills the value and letter boxes (and the Es types) from a record, in the
/// record's order.
void riempimento_caselle_testo_ionogramma_corrente(caselle_testo& caselle,
                                                   const record_risultati& record);

/// Fills the sixteen previous-ionogram boxes from a record: value and
/// letters joined ("52D").
void riempimento_caselle_testo_ionogramma_precedente(caselle_testo& caselle,
                                                     const record_risultati& record);

/// Empties the sixteen previous-ionogram boxes (there is none before the
/// first sounding of the day).
void svuotamento_caselle_precedenti(caselle_testo& caselle);

} // namespace velaris
