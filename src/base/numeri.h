#pragma once
// The number conventions every part of VELARIS shares: how a number is read
// from a text, how floating point values become 16- and 32-bit integers, and
// how numbers are printed. They decide values that end up in the results
// file, so nothing re-implements them inline: call these.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velaris {

/// Raised when a conversion to a 16- or 32-bit integer does not fit. The
/// program treats it like any other run-time error of the operation that
/// caused it: the operation stops, nothing is wrapped around.
class errore_overflow : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

/// The leading decimal number of a text, with "." as the only decimal
/// separator whatever the locale. Blanks, tabs and line feeds are skipped
/// anywhere in the text ("1 2.5" reads 12.5); a carriage return is not, so it
/// ends the number ("\r1.000" reads 0); an optional
/// sign, digits, a point and an exponent ("E" or "D", with a sign) are
/// understood; reading stops at the first character that cannot continue the
/// number. A text without a number gives 0.
double valore_numerico(std::string_view testo);

/// Rounds to the nearest whole number, halves to the even neighbour
/// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double arrotonda_pari(double valore);

/// Rounds half to even and converts to a 16-bit signed integer.
/// Throws errore_overflow when the rounded value is outside -32768 .. 32767.
std::int16_t a_intero16(double valore);

/// Rounds half to even and converts to a 32-bit signed integer.
/// Throws errore_overflow when the rounded value does not fit.
std::int32_t a_intero32(double valore);

/// Leading number of a text rounded half to even into 16 bits: the numeric
/// value of a settings line or a box.
std::int16_t intero16_da_testo(std::string_view testo);

/// The printed form of a number: plain decimal text with "." whatever the
/// locale, up to 15 significant digits, no trailing zeros, no zero before the
/// point, one leading blank for a number >= 0 and "-" for a negative one.
/// 0.95 -> " .95", 5 -> " 5", -0.5 -> "-.5", 12.25 -> " 12.25". Magnitudes of
/// 1E+15 and above, or below 1E-4, use the exponent form " 1E+15".
std::string numero_stampato(double valore);

/// The printed form of a 32-bit float: as numero_stampato, but to the float's
/// own precision of 7 significant digits, as a float is printed. 27.4f gives
/// " 27.4" (not the 15 digits of its binary value), 9.5f " 9.5", 15.0f " 15".
/// Magnitudes of 1E+07 and above, or below 1E-4, use the exponent form.
std::string numero_stampato_singolo(float valore);

/// One step of a 32-bit float variable: `valore` + `passo` computed in double
/// and stored back as a 32-bit float (rounded to nearest). Repeated steps of
/// 0.1 therefore drift exactly as such a variable does.
float passo_singolo(float valore, double passo);

/// The shortest decimal text that reads back as the same 32-bit float,
/// with a zero before the point and no leading blank: 0.05f -> "0.05",
/// 5.0f -> "5". `separatore` replaces the "." (the system's decimal separator
/// where a title must show it).
std::string testo_breve_float(float valore, char separatore = '.');

/// Decimal text of a small non-negative value with a "0" put before a
/// one-digit value: 7 -> "07", 45 -> "45", 123 -> "123".
std::string due_cifre(int valore);

/// `quanti` characters of a text from the 1-based position `primo`, as file
/// and date layouts count them. What the text does not have is missing, so a
/// damaged name or date yields a wrong value rather than an out-of-range read.
std::string_view caratteri(std::string_view testo, std::size_t primo, std::size_t quanti);

/// The text without its leading and trailing blanks (spaces only, as the
/// results file pads with spaces).
std::string_view senza_spazi(std::string_view testo);

} // namespace velaris
