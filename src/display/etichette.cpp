#include "display/etichette.h"

#include "base/codifiche_qt.h"
#include "base/numeri.h"
#include "display/accesso_pixel.h"
#include "display/superficie.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <utility>

namespace velaris {

namespace {

/// A run of label pixels on one plot row: what printing every label on the
/// window background leaves there, `lunghezza` pixels from column x on.
struct tratto {
    int x;
    int y;
    std::size_t inizio; ///< first pixel in tessere_etichette::pixel
    int lunghezza;
};

/// The labels rendered once for one font, colour and surface resolution.
struct tessere_etichette {
    QString font;
    QRgb colore;
    int punti_per_metro_x;
    int punti_per_metro_y;
    std::vector<tratto> tratti;
    std::vector<QRgb> pixel;
};

/// The labels printed on a scratch image covering all of them, whose pixel
/// (0, 0) is plot position (x0, y0). `sfondo` is what the image starts as.
QImage stampa_etichette(const QFont& font, QRgb colore, QImage::Format formato, QRgb sfondo,
                        const QImage& modello, int x0, int y0, QSize dimensione) {
    QImage immagine(dimensione, formato);
    immagine.setDotsPerMeterX(modello.dotsPerMeterX());
    immagine.setDotsPerMeterY(modello.dotsPerMeterY());
    immagine.fill(sfondo);
    QPainter pittore(&immagine);
    pittore.setFont(font);
    pittore.setPen(QColor::fromRgba(colore));
    const int ascesa = QFontMetrics(font, &immagine).ascent();
    for (const auto& e : etichette_assi())
        pittore.drawText(QPoint(e.x - x0, y0 - e.y + ascesa), testo_qt(e.testo));
    return immagine;
}

tessere_etichette rendi_etichette(const QFont& font, QRgb colore, const QImage& superficie) {
    tessere_etichette nuove{
        font.key(), colore, superficie.dotsPerMeterX(), superficie.dotsPerMeterY(), {}, {}};
    QImage modello(1, 1, QImage::Format_RGB32);
    modello.setDotsPerMeterX(superficie.dotsPerMeterX());
    modello.setDotsPerMeterY(superficie.dotsPerMeterY());
    const QFontMetrics metriche(font, &modello);
    // Generous margins: bearings and antialiasing may reach beyond the
    // advance and the line height.
    const int margine = 2 * metriche.height();
    int x_min = 0, x_max = 0, y_min = 0, y_max = 0;
    for (const auto& e : etichette_assi()) {
        x_min = std::min(x_min, e.x);
        x_max = std::max(x_max, e.x + metriche.horizontalAdvance(testo_qt(e.testo)));
        y_min = std::min(y_min, e.y - metriche.height());
        y_max = std::max(y_max, e.y);
    }
    const int x0 = x_min - margine, y0 = y_max + margine;
    const QSize dimensione(x_max + margine - x0 + 1, y0 - (y_min - margine) + 1);

    // The texts printed together on the background, so that where two labels
    // meet the second is blended over the first as QPainter does; and a
    // coverage mask, so that the pixels written are the same for every colour
    // and a redraw in another colour leaves none of the old one.
    const QImage stampa = stampa_etichette(font, colore | 0xff000000u, QImage::Format_RGB32,
                                           colore_sfondo, modello, x0, y0, dimensione);
    const QImage copertura = stampa_etichette(
        font, 0xffffffffu, QImage::Format_ARGB32_Premultiplied, 0u, modello, x0, y0, dimensione);
    for (int r = 0; r < dimensione.height(); ++r) {
        const auto* colori = reinterpret_cast<const QRgb*>(stampa.constScanLine(r));
        const auto* alfa = reinterpret_cast<const QRgb*>(copertura.constScanLine(r));
        for (int c = 0; c < dimensione.width();) {
            const auto inchiostro = [&](int i) {
                return qAlpha(alfa[i]) != 0 || colori[i] != colore_sfondo;
            };
            if (!inchiostro(c)) {
                ++c;
                continue;
            }
            const int inizio = c;
            while (c < dimensione.width() && inchiostro(c)) ++c;
            nuove.tratti.push_back({x0 + inizio, y0 - r, nuove.pixel.size(), c - inizio});
            nuove.pixel.insert(nuove.pixel.end(), colori + inizio, colori + c);
        }
    }
    return nuove;
}

/// The label pixels for a font, colour and resolution, made on first use.
/// Batch rendering draws from several threads, so the memory is shared under a
/// lock and a set stays alive while anyone still copies from it.
std::shared_ptr<const tessere_etichette> tessere_per(const QFont& font, QRgb colore,
                                                     const QImage& superficie) {
    // A window keeps one font and colour, so a handful of entries covers both
    // windows and the renderer; the oldest set goes when a new one is made.
    static std::mutex guardia;
    static std::deque<std::shared_ptr<const tessere_etichette>> memoria;
    const std::lock_guard<std::mutex> chiusura(guardia);
    const QString chiave = font.key();
    for (const auto& voce : memoria)
        if (voce->colore == colore && voce->font == chiave &&
            voce->punti_per_metro_x == superficie.dotsPerMeterX() &&
            voce->punti_per_metro_y == superficie.dotsPerMeterY())
            return voce;
    if (memoria.size() >= 4) memoria.pop_front();
    auto nuove =
        std::make_shared<const tessere_etichette>(rendi_etichette(font, colore, superficie));
    memoria.push_back(nuove);
    return nuove;
}

} // namespace

const std::vector<frequenza_asse>& frequenze_intere_asse() {
    static const std::vector<frequenza_asse> frequenze = [] {
        std::vector<frequenza_asse> intere;
        for (int k = 1; k <= 191; ++k) {
            const auto f = static_cast<float>(1.0 + 0.1 * (k - 1));
            if (std::trunc(f) == f) intere.push_back({k, f});
        }
        return intere;
    }();
    return frequenze;
}

const std::vector<etichetta_asse>& etichette_assi() {
    static const std::vector<etichetta_asse> etichette = [] {
        std::vector<etichetta_asse> tutte;
        for (const auto& [k, f] : frequenze_intere_asse())
            tutte.push_back({numero_stampato(f), f < 10.0f ? 4 * k - 7 : 4 * k - 10, -4});
        tutte.push_back({"MHz", 4 * 191 - 32, -10});
        for (const auto& riga : righe_griglia_altezze)
            tutte.push_back({std::to_string(riga.km), 770, riga.y + 4});
        tutte.push_back({"km", 770, 580});
        return tutte;
    }();
    return etichette;
}

void disegno_etichette(QImage& superficie, const geometria_grafico& geometria,
                       const QColor& colore_testo) {
    const accesso_pixel pixel(superficie, geometria);
    const auto insieme = tessere_per(QGuiApplication::font(), colore_testo.rgb(), superficie);
    for (const tratto& t : insieme->tratti) {
        QRgb* destinazione = pixel.riga(t.y);
        int prima = 0, ultima = 0;
        if (destinazione == nullptr || !pixel.colonne(t.x, t.x + t.lunghezza - 1, prima, ultima))
            continue;
        const int salto = prima - geometria.colonna(t.x); // pixels cut off on the left
        std::memcpy(destinazione + prima, insieme->pixel.data() + t.inizio + salto,
                    static_cast<std::size_t>(ultima - prima + 1) * sizeof(QRgb));
    }
}

} // namespace velaris
