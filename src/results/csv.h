#pragma once
// The day's results as one CSV table (RFC 4180): a header row, then one row
// per record of every day given, blank values as empty fields, so that a day
// always has all its soundings.

#include "results/giornata.h"

#include <string>
#include <vector>

namespace velaris {

/// The header row: date, time, then <key>, <key>_q, <key>_d for each of the
/// fifteen numeric characteristics in table order, then es_types.
std::vector<std::string> intestazione_csv();

/// The fields of one sounding's row, in the order of intestazione_csv():
/// YYYY-MM-DD, HH:MM, values in MHz (one decimal for tenths, two for
/// hundredths), km or the M factor (two decimals), letters and Es types as
/// stored; empty where the record has nothing.
std::vector<std::string> campi_csv(const giornata& g, const sondaggio& s);

/// One field as RFC 4180 wants it: quoted (with quotes doubled) when it holds
/// a comma, a quote, CR or LF; single-byte (Latin-1) text becomes UTF-8.
std::string campo_csv(std::string_view campo);

/// The whole table for the days in the order given, every line ending in
/// CR LF. One day per date (see una_per_giorno): two rows of the same time
/// would break every time-series load.
std::string tabella_csv(const std::vector<const giornata*>& giorni);

} // namespace velaris
