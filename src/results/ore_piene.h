#pragma once
// The hourly values in the yearly SSSSPP.YY format of the Australian World
// Data Centre: one file per characteristic and year (the four-digit station
// number the data centre gives the station, URSI parameter code, two-digit
// year), one line of 132 characters per day:
//
//   1-4    station number
//   5-6    URSI parameter code
//   7-12   YYMMDD
//   13-132 twenty-four fields QVVVD for 00 ... 23 UT: qualifying letter or
//          blank, the value in the characteristic's own unit as three digits
//          with leading zeros (three blanks when there is none), descriptive
//          letter or blank
//
// Each field comes from the sounding at the full hour. Lines end in CR LF.

#include "results/giornata.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velaris {

inline constexpr std::size_t lunghezza_riga_oraria = 132;

/// The URSI parameter code of a characteristic ("foF2" -> "00",
/// "M3000F2" -> "03"); none for a key without one.
std::optional<std::string_view> codice_ursi(std::string_view chiave);

/// The keys that have a URSI code, in table order.
std::vector<std::string_view> chiavi_con_codice();

/// The day line of one characteristic (132 characters, no line end).
/// `stazione` is the four-character station number.
std::string riga_oraria(std::string_view stazione, const giornata& g, std::string_view chiave);

/// "NNNNPP.YY" for a station number, a URSI code and a year.
std::string nome_file_orario(std::string_view stazione, std::string_view codice, int anno);

/// The content of a year file with `righe` put in: a line of an existing day
/// is replaced, the other lines are kept, blank lines dropped, and the file
/// is sorted by date (positions 7-12). `esistente` is the file as it is
/// (empty for a new one).
/// An existing line that is not a day line of this station and code (not 132
/// characters, another station or code) is an error: nullopt, and `errore`
/// says which line.
std::optional<std::string> unione_righe_orarie(std::string_view esistente,
                                               const std::vector<std::string>& righe,
                                               std::string& errore);

} // namespace velaris
