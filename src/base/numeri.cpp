#include "numeri.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace velaris {

namespace {

// A carriage return is not skipped: it ends the number, so a header field
// "\r1.000" reads 0. Settings lines never hold one (their reader strips the
// line ends).
bool spazio_ignorato(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool cifra(char c) { return c >= '0' && c <= '9'; }

template <typename Intero> Intero converti_intero(double valore) {
    const double r = arrotonda_pari(valore);
    // The comparison is false for NaN too, which is just as much an overflow.
    if (!(r >= static_cast<double>(std::numeric_limits<Intero>::min()) &&
          r <= static_cast<double>(std::numeric_limits<Intero>::max())))
        throw errore_overflow("overflow");
    return static_cast<Intero>(r);
}

} // namespace

double valore_numerico(std::string_view testo) {
    // Collect the characters that form the number, dropping the blanks that may
    // stand anywhere inside it, then let from_chars (locale independent) read it.
    std::string pulito;
    pulito.reserve(testo.size());
    bool cifre_mantissa = false, punto = false, esponente = false;
    std::size_t inizio_esponente = 0;
    bool cifre_esponente = false;
    for (char c : testo) {
        if (spazio_ignorato(c)) continue;
        if (!esponente) {
            if ((c == '+' || c == '-') && pulito.empty()) {
                pulito.push_back(c);
            } else if (cifra(c)) {
                pulito.push_back(c);
                cifre_mantissa = true;
            } else if (c == '.' && !punto) {
                pulito.push_back(c);
                punto = true;
            } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && cifre_mantissa) {
                inizio_esponente = pulito.size();
                pulito.push_back('e');
                esponente = true;
            } else {
                break;
            }
        } else {
            const bool subito_dopo_e = pulito.size() == inizio_esponente + 1;
            if ((c == '+' || c == '-') && subito_dopo_e) {
                pulito.push_back(c);
            } else if (cifra(c)) {
                pulito.push_back(c);
                cifre_esponente = true;
            } else {
                break;
            }
        }
    }
    if (!cifre_mantissa) return 0.0;
    if (esponente && !cifre_esponente) pulito.resize(inizio_esponente);

    const char* primo = pulito.data();
    bool negativo = false;
    if (*primo == '+' || *primo == '-') {
        negativo = *primo == '-';
        ++primo;
    }
    double valore = 0.0;
    const auto [fine, errore] = std::from_chars(primo, pulito.data() + pulito.size(), valore);
    (void)fine;
    if (errore == std::errc::result_out_of_range) {
        // A huge exponent overflows; a tiny one is simply 0.
        const auto e = pulito.find('e');
        if (e != std::string::npos && pulito.find('-', e) == std::string::npos)
            throw errore_overflow("overflow");
        valore = 0.0;
    }
    return negativo ? -valore : valore;
}

double arrotonda_pari(double valore) {
    const double giu = std::floor(valore);
    const double frazione = valore - giu;
    if (frazione < 0.5) return giu;
    if (frazione > 0.5) return giu + 1.0;
    return std::fmod(giu, 2.0) == 0.0 ? giu : giu + 1.0;
}

std::int16_t a_intero16(double valore) { return converti_intero<std::int16_t>(valore); }

std::int32_t a_intero32(double valore) { return converti_intero<std::int32_t>(valore); }

std::int16_t intero16_da_testo(std::string_view testo) {
    return a_intero16(valore_numerico(testo));
}

namespace {

/// The printed form with `cifre` significant digits: the general format as
/// printf's "%.<cifre>G", but never with the locale's decimal separator.
std::string stampato(double valore, int cifre) {
    std::array<char, 40> buffer{};
    const auto risultato = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore,
                                         std::chars_format::general, cifre);
    std::string testo(buffer.data(), risultato.ptr);
    for (char& c : testo)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A'); // 1E+15, INF, NAN
    if (testo.rfind("0.", 0) == 0)
        testo.erase(0, 1);
    else if (testo.rfind("-0.", 0) == 0)
        testo.erase(1, 1);
    if (testo == "-0") testo = "0";
    if (testo[0] != '-') testo.insert(testo.begin(), ' ');
    return testo;
}

} // namespace

std::string numero_stampato(double valore) { return stampato(valore, 15); }

std::string numero_stampato_singolo(float valore) {
    return stampato(static_cast<double>(valore), 7);
}

float passo_singolo(float valore, double passo) {
    return static_cast<float>(static_cast<double>(valore) + passo);
}

std::string testo_breve_float(float valore, char separatore) {
    std::array<char, 48> buffer{};
    const auto risultato = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore);
    std::string testo(buffer.data(), risultato.ptr);
    for (char& c : testo)
        if (c == '.') c = separatore;
    return testo;
}

std::string due_cifre(int valore) {
    std::array<char, 16> buffer{};
    const auto risultato = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore);
    std::string testo(buffer.data(), risultato.ptr);
    if (testo.size() == 1) testo.insert(testo.begin(), '0');
    return testo;
}

std::string_view caratteri(std::string_view testo, std::size_t primo, std::size_t quanti) {
    if (primo == 0 || primo > testo.size()) return {};
    return testo.substr(primo - 1, quanti);
}

std::string_view senza_spazi(std::string_view testo) {
    const auto inizio = testo.find_first_not_of(' ');
    if (inizio == std::string_view::npos) return {};
    const auto fine = testo.find_last_not_of(' ');
    return testo.substr(inizio, fine - inizio + 1);
}

} // namespace velaris
