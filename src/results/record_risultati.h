#pragma once
// The day's results file: one fixed record of 248 bytes per sounding, each
// record also a text line ending in CR LF, so that the file reads as a table.
// Here are the record as data (the sixteen fields), its bytes both ways, and
// the reading of a record from the file; the session writes them.
//
// A file shorter than the day (a foreign or damaged one) reads as blank
// beyond its end.

#include <array>
#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace velaris {

inline constexpr std::size_t lunghezza_record = 248;
/// No day has more soundings than this (interval "05").
inline constexpr int massimo_record = 288;

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

/// The keys of the sixteen fields in the order the record holds them (which
/// differs from the characteristic table's: the Es types stand between h'Es
/// and fbEs, the MUF/M(3000) pairs come last).
inline constexpr std::array<std::string_view, 16> chiavi_record = {
    "fmin", "hE",  "foE",  "foEs", "hEs",       "tipoEs",  "fbEs",      "hF",
    "foF1", "hF2", "foF2", "fxI",  "MUF3000F1", "M3000F1", "MUF3000F2", "M3000F2"};

/// One field: the value and its two letters, as the boxes hold them. The Es
/// types field has its text in `valore` and no letters.
struct campo_record {
    std::string valore;
    std::string qualificativa;
    std::string descrittiva;
    friend bool operator==(const campo_record&, const campo_record&) = default;
};

/// The sixteen fields of a record, in the order of chiavi_record.
struct record_risultati {
    std::array<campo_record, 16> campi;

    /// The field of a key of chiavi_record; an unknown key is a programming
    /// error (std::out_of_range).
    campo_record& campo(std::string_view chiave);
    const campo_record& campo(std::string_view chiave) const;
    friend bool operator==(const record_risultati&, const record_risultati&) = default;
};

/// The bytes of the record of the sounding at ora:minuti: "hh:mm", each field
/// after its ten-character label by its value rule, " " CR LF, cut or
/// blank-padded to 248 bytes. Texts go in as they stand; an empty letter is
/// one blank.
std::string codifica_record(const record_risultati& record, int ora, int minuti);

/// The fields of a record's bytes, each trimmed of its blanks; a blank record
/// gives empty fields, and so does what a short text lacks.
record_risultati decodifica_record(std::string_view record);

/// 246 blanks followed by CR LF.
std::string record_vuoto();

/// The record made of the bytes read at its place: what a short file lacks
/// reads as the blank record's bytes (blanks, CR LF at the end). At most 248
/// bytes are taken.
std::string record_da_byte(std::string_view letti);

/// Record `numero` (1-based) of the file; a blank record beyond its end.
/// Throws errore_file_risultati when the file cannot be opened or read, or
/// for a number outside 1 ... 288.
std::string lettura_record(const std::filesystem::path& file, int numero);

/// The error for a record number outside 1 ... 288, naming the file.
errore_file_risultati errore_numero_record(const std::filesystem::path& file, int numero);

} // namespace velaris
