#pragma once
// The monthly tabulation of one characteristic that stations publish in
// their bulletins: a row per day and a column per hour (the soundings at the
// full hours), each cell the value in the characteristic's unit followed by
// its two letters, then per hour the count of values, the median and the
// upper and lower quartiles, each with the letters that say how far it holds.

#include "results/giornata.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velaris {

/// Which side of its number a value may lie on.
enum class limite {
    nessuno, ///< the number is the value
    almeno,  ///< greater than: qualifying D, or descriptive D
    al_piu,  ///< less than: qualifying E, A (fbEs equal to foEs), or descriptive E
};

/// How a value's letters bound it. The qualifying letter decides before the
/// descriptive one; letters that bound nothing give nessuno.
limite limite_di(const valore_letto& v);

/// Below this count a median is qualified U (doubtful) unless a limit letter
/// takes its place: URSI practice does not let so few values stand for the month.
inline constexpr int conteggio_mediana_sicura = 5;
/// Below this count no quartile is given: each half would hold one value.
inline constexpr int conteggio_minimo_quartili = 4;

/// A statistic as the table prints it: the value in the characteristic's
/// unit (none when the statistic lies beyond the sounder's range, shown by
/// the descriptive letter alone) and its two letters, blank when none.
struct statistica {
    std::optional<int> valore;
    char qualificativa = ' ';
    char descrittiva = ' ';
    friend bool operator==(const statistica&, const statistica&) = default;
};

/// The statistics of one hour of the month.
struct statistiche_ora {
    int conteggio = 0; ///< the values that count, limits included
    std::optional<statistica> mediana;
    std::optional<statistica> quartile_superiore;
    std::optional<statistica> quartile_inferiore;
};

/// Median and quartiles of one hour's cells. A cell counts when it holds a
/// number, or a descriptive E or D alone (below or above the sounder's
/// range). With the n values in ascending order, the median is the middle one
/// (n odd) or the mean of the two middle ones (n even); the lower quartile is
/// the median of the lowest n / 2 values, the upper quartile that of the
/// highest n / 2. Each statistic is computed with every limit at its face
/// value and again with the limits at the far ends they allow: where it moves
/// down only, it is printed with E (rounded up); up only, D (rounded down);
/// both ways, U; otherwise it is exact (rounded half to even). The median
/// also takes U from a doubtful middle value or a count below
/// conteggio_mediana_sicura, and the descriptive letter held by more than half
/// of the values.
statistiche_ora statistiche(const std::vector<valore_letto>& celle);

/// The tabulation of `chiave` for the month: a title line (station,
/// characteristic, URSI code, unit, month, UT), a heading row of hours, a row
/// per day of the month (blank cells where no file or no value), then the
/// rows CNT, MED, UQ and LQ (see statistiche). Lines end in CR LF.
/// `giorni` are the days of that month, one per date (see una_per_giorno).
std::string tabulazione_mensile(std::string_view chiave, int anno, int mese,
                                const std::vector<const giornata*>& giorni);

} // namespace velaris
