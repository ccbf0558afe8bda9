#pragma once
// The day's results file: one fixed record of 248 bytes per sounding, each
// record also a text line ending in CR LF, so that the file reads as a table.
//
// Records are written in place at (k - 1) * 248, one positioned write each:
// no other byte of the file ever changes. A file shorter than the day (a
// foreign or damaged one) reads as blank beyond its end and is extended with
// blank records when a later record is written; it is never truncated.

#include "base/porte.h"

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace velaris {

inline constexpr std::size_t lunghezza_record = 248;

/// A failure to read or write the results file; what() names the file (full
/// path) and the reason in words the operator can act on. `dettaglio`, where
/// given, is the reason alone, to follow the file's name ("cannot be opened
/// (Permission denied)").
class errore_file_risultati : public std::runtime_error {
public:
    explicit errore_file_risultati(const std::string& messaggio, std::string dettaglio = {})
        : std::runtime_error(messaggio), dettaglio(std::move(dettaglio)) {}
    std::string dettaglio;
};

/// 246 blanks followed by CR LF.
std::string record_vuoto();

/// Composes the record of the ionogram shown at hour:minutes from the boxes
/// (the field texts by their value rules, the labels, the line end), cut or
/// blank-padded to 248 characters.
std::string composizione_record(const caselle_testo& caselle, int ora, int minuti);

/// The record made of the bytes read at its place: what a short file lacks
/// reads as the blank record's bytes (blanks, CR LF at the end). At most 248
/// bytes are taken.
std::string record_da_byte(std::string_view letti);

/// Record `numero` (1-based) of the file; a blank record beyond its end.
/// Throws errore_file_risultati when the file cannot be opened or read, or
/// for a number outside 1 ... 288 (no day has more soundings).
std::string lettura_record(const std::filesystem::path& file, int numero);

/// Writes `record` (cut or blank-padded to 248 bytes) as record `numero`, in
/// one positioned write of the existing file, which is then flushed to the
/// disk; a short file is extended with blank records in the same write. The
/// file is never created nor cut. Throws errore_file_risultati when it
/// cannot, or for a number outside 1 ... 288: a write that stopped halfway
/// (full disk) is undone first, so on failure the file holds what it held
/// before.
void scrittura_record(const std::filesystem::path& file, int numero, const std::string& record);

/// Fills the value and letter boxes (and the Es types) from a record.
void riempimento_caselle_testo_ionogramma_corrente(caselle_testo& caselle,
                                                   const std::string& record);

/// Fills the sixteen previous-ionogram boxes from a record: value and
/// letters joined ("52D").
void riempimento_caselle_testo_ionogramma_precedente(caselle_testo& caselle,
                                                     const std::string& record);

/// Empties the sixteen previous-ionogram boxes (there is none before the
/// first sounding of the day).
void svuotamento_caselle_precedenti(caselle_testo& caselle);

} // namespace velaris
