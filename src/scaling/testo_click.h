#pragma once
// A click's number as text, and its rounding by digits into the unit of a
// value box. The rounding works on the printed text, digit by digit, so that
// the value in the box is exactly what the operator saw under the pointer:
// whole kilometres for the heights, hundredths of a megahertz for foE and
// foF1, tenths for the other frequencies.

#include <optional>
#include <string>
#include <string_view>

namespace velaris {

/// `testo_click` of a height click at plot row y: the round label of a height
/// grid row ("400" on row 280, where the mapping gives 400.5 km), otherwise
/// h = 1.125 y + 85.5 printed (" 399.375").
std::string testo_click_altezza(float y);

/// `testo_click` of a frequency click at plot column x: "1" for x = 1, 2, 3
/// (as the read-out shows them), otherwise f = 0.025 x + 0.9 printed.
std::string testo_click_frequenza(float x);

/// `posizione_punto`: 1-based position of "." in the text, 0 when there is none.
int posizione_punto(std::string_view testo_click);

/// Whole kilometres: the first decimal decides (5 or more raises the integer
/// part by one). " 399.375" -> "399", " 400.5" -> "401", "400" -> "400".
std::string valore_chilometri(std::string_view testo_click);

/// Hundredths of a megahertz: "1" -> "100", " 3.4" -> "340", " 3.45" -> "345",
/// " 3.425" -> "343". nullopt for more than three decimals (the box is then
/// left as it is).
std::optional<std::string> valore_centesimi(std::string_view testo_click);

/// Tenths of a megahertz: " 3" -> "30", " 5.4" -> "54", " 5.45" -> "55",
/// " 5.425" -> "54", " 5.95" -> "60". nullopt for more than three decimals.
std::optional<std::string> valore_decimi(std::string_view testo_click);

} // namespace velaris
