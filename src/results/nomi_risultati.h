#pragma once
// The intervals between soundings and the name of a day's results file,
// which tells the date and the interval.

#include <optional>
#include <string>
#include <string_view>

namespace velaris {

/// One of the five intervals: its text, its minutes, and the records of a
/// day's results file (one per sounding).
struct intervallo_sondaggi {
    std::string_view testo;
    int minuti;
    int record;
};

/// The interval of a text "05", "10", "15", "30" or "60"; nullptr for any other.
const intervallo_sondaggi* intervallo_di(std::string_view testo);

/// File name (no folder) of the results of a day and interval:
/// "QX106_05032023_15.txt" for "05-03-2023" and "15"; nullopt for an interval
/// other than "05", "10", "15", "30", "60".
std::optional<std::string> nome_file_risultati(std::string_view data, std::string_view incremento);

/// Records of a results file, one per sounding of the day: 24, 48, 96, 144 or
/// 288 for "60", "30", "15", "10", "05"; 0 for any other text.
int numero_record(std::string_view incremento);

} // namespace velaris
