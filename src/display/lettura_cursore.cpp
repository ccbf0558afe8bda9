#include "display/lettura_cursore.h"

#include "plot/coordinate_grafico.h"

#include <array>
#include <charconv>
#include <cstdlib>

namespace velaris {

namespace {

constexpr std::array<std::string_view, 5> grandezze_senza_lettura = {
    "MUF3000F1", "MUF3000F2", "M3000F1", "M3000F2", "tipoEs"};

/// "##.000": three decimals, no zero before the separator for values below 1.
std::string tre_decimali(double valore, char separatore) {
    std::array<char, 64> buffer{};
    const auto fine = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valore,
                                    std::chars_format::fixed, 3);
    std::string testo(buffer.data(), fine.ptr);
    if (testo.rfind("0.", 0) == 0) testo.erase(0, 1);
    for (char& c : testo)
        if (c == '.') c = separatore;
    return testo;
}

} // namespace

lettura_cursore calcola_lettura_cursore(int x, int y, std::string_view grandezza_corrente,
                                        bool ionogramma_presente, char separatore_decimale) {
    if (!coordinate_grafico::sul_grafico(x, y)) return {lettura_cursore::azione::svuota, {}, {}};
    for (const auto chiave : grandezze_senza_lettura)
        if (grandezza_corrente == chiave) return {lettura_cursore::azione::svuota, {}, {}};
    if (!ionogramma_presente) return {lettura_cursore::azione::invariata, {}, {}};

    lettura_cursore lettura{lettura_cursore::azione::mostra,
                            tre_decimali(coordinate_grafico::frequenza(x), separatore_decimale),
                            tre_decimali(coordinate_grafico::altezza(y), separatore_decimale)};
    if (x >= 1 && x <= 3) lettura.frequenza = "1,000";
    // The round heights of the grid rows keep the comma they were written with.
    for (const auto& riga : righe_griglia_altezze)
        if (y == riga.y) lettura.altezza = std::to_string(riga.km) + ",000";
    return lettura;
}

QImage immagine_puntatore_croce() {
    constexpr int lato = 32, centro = 16;
    QImage immagine(lato, lato, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    const QRgb nero = qRgba(0, 0, 0, 255);
    for (int d = -13; d <= 13; ++d) {
        if (std::abs(d) <= 3) continue; // the arms stop short of the centre
        immagine.setPixel(centro + d, centro, nero);
        immagine.setPixel(centro, centro + d, nero);
    }
    // Diamond with its corners on the arms, four pixels from the centre.
    for (int dx = -4; dx <= 4; ++dx) {
        const int dy = 4 - std::abs(dx);
        immagine.setPixel(centro + dx, centro + dy, nero);
        immagine.setPixel(centro + dx, centro - dy, nero);
    }
    return immagine;
}

} // namespace velaris
