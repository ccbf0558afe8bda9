#pragma once
// Stepping a window's time one interval within the day. The main window's
// moves and the companion window's buttons share the rule; they differ in
// what they say at the ends of the day and in what they do next.

#include <cstdint>
#include <string_view>

namespace velaris {

/// Titles of the messages at the ends of the day.
inline constexpr std::string_view titolo_primo = "FIRST IONOGRAM";
inline constexpr std::string_view titolo_ultimo = "LAST IONOGRAM";

enum class verso { precedente, successivo };

struct orario {
    std::int16_t ora = 0;
    std::int16_t minuti = 0;
    bool operator==(const orario&) const = default;
};

enum class esito_passo {
    fatto,  ///< `nuovo` is the adjacent sounding
    primo,  ///< a step back from the first hour of the day: no sounding before
    ultimo, ///< a step on from the last hour of the day: no sounding after
    fermo,  ///< the interval is none of the five: the time does not move
};

struct passo {
    esito_passo esito = esito_passo::fermo;
    orario nuovo; ///< the new time when fatto; the old one otherwise
};

/// One interval earlier or later. The minutes step by the interval; past the
/// hour they continue in the next hour at 0 (on), or in the hour before at
/// 60 - interval (back). The day has no sounding before 00:00 nor after the
/// last one of 23:xx: there is no step across midnight.
passo passo_orario(orario da, verso v, std::string_view incremento);

/// The interval in minutes for one of "05", "10", "15", "30", "60"; 0 for
/// any other text.
int minuti_intervallo(std::string_view incremento);

} // namespace velaris
