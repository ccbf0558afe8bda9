#pragma once
// The monthly tabulation of one characteristic that stations publish in
// their bulletins: a row per day and a column per hour (the soundings at the
// full hours), each cell the value in the characteristic's unit followed by
// its two letters, then per hour the count of numeric values, the median and
// the upper and lower quartiles.

#include "results/giornata.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velaris {

/// The statistics of one hour of the month, in the characteristic's unit.
struct statistiche_ora {
    int conteggio = 0;
    std::optional<double> mediana;            ///< from one value on
    std::optional<double> quartile_superiore; ///< from two values on
    std::optional<double> quartile_inferiore;
};

/// Median and quartiles of the values: with the n values in ascending order,
/// the median is the middle one (n odd) or the mean of the two middle ones
/// (n even); the lower quartile is the median of the lowest n / 2 values and
/// the upper quartile the median of the highest n / 2 (n / 2 rounded down, so
/// the middle value of an odd n belongs to neither half).
statistiche_ora statistiche(std::vector<int> valori);

/// The tabulation of `chiave` for the month: a title line (station,
/// characteristic, URSI code, unit, month), a heading row of hours, a row per
/// day of the month (blank cells where no file or no value), then the rows
/// CNT, MED, UQ and LQ. Every cell that holds a number counts, whatever its
/// letters; a cell with letters only does not. Statistics are rounded to the
/// unit, halves to even. Lines end in CR LF.
/// `giorni` are the days of that month, one per date (see una_per_giorno).
std::string tabulazione_mensile(std::string_view chiave, int anno, int mese,
                                const std::vector<const giornata*>& giorni);

} // namespace velaris
