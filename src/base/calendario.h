#pragma once
// The one calendar of the program: the leap-year rule and the lengths and
// names of the months. File names, the start window's date check, the window
// titles and the day of results all count days here.

#include <string_view>

namespace velaris {

/// Every fourth year is a leap year, 2100 too: the program has never known
/// the century rule, and its files are named by this count. `anno` is a
/// whole number, given as a double so that a year read from a damaged text
/// of any size still gets an answer.
bool anno_bisestile(double anno);

/// Day of the year of the last day of month `mese` (1 ... 12) in a common or
/// a leap year: 31 for January, 59 or 60 for February; 0 for `mese` 0, and
/// for any other month.
int ultimo_giorno_del_mese(int mese, bool bisestile);

/// Days of month `mese` (1 ... 12) of `anno`; 0 for another month.
int giorni_del_mese(int anno, int mese);

/// English name of month `mese` (1 ... 12): "January"; empty for another.
std::string_view nome_mese(int mese);

} // namespace velaris
