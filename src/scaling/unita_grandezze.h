#pragma once
// The unit in which each characteristic's value box holds its whole number:
// the fourth column of the characteristic table, kept beside it so that
// whatever turns stored values into physical ones (exports, the day overview)
// reads the unit from one place.

#include <optional>
#include <string_view>

namespace velaris {

enum class unita_valore {
    decimi_mhz,       ///< 0.1 MHz: "54" is 5.4 MHz
    centesimi_mhz,    ///< 0.01 MHz: "345" is 3.45 MHz
    chilometri,       ///< km: "105"
    centesimi_fattore ///< the M factor times 100: "327" is 3.27
};

/// The unit of a characteristic's value by its key ("foE" -> centesimi_mhz);
/// none for the Es types, which hold codes, and for an unknown key.
std::optional<unita_valore> unita_di(std::string_view chiave);

/// How many units make one MHz, one km or one M factor: 10, 100, 1 or 100.
int divisore_unita(unita_valore unita);

/// The physical quantity of a unit: "MHz", "km" or "" (the M factor has none).
std::string_view simbolo_unita(unita_valore unita);

/// The unit in words, for table titles: "0.1 MHz", "0.01 MHz", "km",
/// "M x 100".
std::string_view nome_unita(unita_valore unita);

} // namespace velaris
