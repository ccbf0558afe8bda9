#pragma once
// The naming rules the whole program relies on: the ionogram file of a time,
// the number of an ionogram within the day, and the day of the year. The
// results file's name is results/nomi_risultati.h.

#include "results/nomi_risultati.h"
#include "session/parametri_sessione.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velaris {

/// File name (no folder) of the session day's ionogram at ora:minuti:
/// prefix, year, day of the year, hour, minutes, "00" and ".rdf"
/// (05-03-2023 07:45 -> "QX106_2023064074500.rdf"). Total: an hour outside
/// 0 ... 23 is written as its decimal text ("24", "-1"), never an error.
std::string nome_file_ionogramma(const parametri_sessione& sessione, int ora, int minuti);

/// Day of the year of a DD-MM-YYYY text, normally three characters ("064").
/// Every fourth year is a leap year (no century rule). Month "01" gives "0"
/// followed by the day's two characters as they stand; "02" and "03" always
/// get a leading "0", "04" only when shorter than three characters; an
/// unknown month gives the empty text. Throws errore_overflow for a year that
/// does not fit 32 bits.
std::string calcolo_giorno_anno(std::string_view data);

/// Number (1-based) of the ionogram at h:m within the day for an interval:
/// h + 1 for "60", else k*h + 1 + m/interval with k soundings per hour, the
/// quotient read back from its printed text and the sum rounded half to even
/// into 16 bits. nullopt for an interval text other than the five: the number
/// stays as it was. Throws errore_overflow when the sum does not fit.
std::optional<std::int16_t> numero_ionogramma_per(std::string_view incremento, int h, int m);

} // namespace velaris
