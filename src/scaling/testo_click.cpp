#include "scaling/testo_click.h"

#include "base/numeri.h"
#include "plot/coordinate_grafico.h"

namespace velaris {

namespace {

/// The parts of a click text around its point: I (before it, leading blank
/// kept) and the decimals after it.
struct parti_numero {
    std::string_view intera;
    std::string_view decimali;
};

parti_numero dividi(std::string_view testo, int punto) {
    const auto p = static_cast<std::size_t>(punto);
    return {testo.substr(0, p - 1), testo.substr(p)};
}

int cifra(std::string_view decimali, std::size_t indice) { return decimali[indice] - '0'; }

std::string rifilato(std::string_view testo) { return std::string(senza_spazi(testo)); }

/// The integer part raised by one, printed and trimmed ("9" -> "10").
std::string intera_piu_uno(std::string_view intera) {
    return rifilato(numero_stampato(valore_numerico(intera) + 1.0));
}

} // namespace

std::string testo_click_altezza(float y) {
    for (const auto& riga : righe_griglia_altezze)
        if (y == static_cast<float>(riga.y)) return rifilato(numero_stampato(riga.km));
    return numero_stampato(coordinate_grafico::altezza(y));
}

std::string testo_click_frequenza(float x) {
    if (x == 1.0f || x == 2.0f || x == 3.0f) return "1";
    return numero_stampato(coordinate_grafico::frequenza(x));
}

int posizione_punto(std::string_view testo_click) {
    const auto p = testo_click.find('.');
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string valore_chilometri(std::string_view testo_click) {
    const int p = posizione_punto(testo_click);
    if (p == 0) return rifilato(testo_click);
    const auto [intera, decimali] = dividi(testo_click, p);
    if (!decimali.empty() && cifra(decimali, 0) >= 5) return intera_piu_uno(intera);
    return rifilato(intera);
}

std::optional<std::string> valore_centesimi(std::string_view testo_click) {
    const int p = posizione_punto(testo_click);
    if (p == 0) return rifilato(std::string(testo_click) + "00");
    const auto [intera, d] = dividi(testo_click, p);
    const std::string i(intera);
    switch (d.size()) {
    case 1:
        return rifilato(i + d[0] + "0");
    case 2:
        return rifilato(i + d[0] + d[1]);
    case 3:
        // With whole-pixel clicks the third decimal is always 5: half up.
        return rifilato(i + d[0] + rifilato(numero_stampato(cifra(d, 1) + 1)));
    default:
        return std::nullopt;
    }
}

std::optional<std::string> valore_decimi(std::string_view testo_click) {
    const int p = posizione_punto(testo_click);
    if (p == 0) return rifilato(std::string(testo_click) + "0");
    const auto [intera, d] = dividi(testo_click, p);
    const std::string i(intera);
    switch (d.size()) {
    case 1:
        return rifilato(i + d[0]);
    case 2:
    case 3: {
        if (cifra(d, 1) < 5) return rifilato(i + d[0]);
        const int alzata = cifra(d, 0) + 1;
        if (alzata == 10) return intera_piu_uno(intera) + "0";
        return rifilato(i + static_cast<char>('0' + alzata));
    }
    default:
        return std::nullopt;
    }
}

} // namespace velaris
