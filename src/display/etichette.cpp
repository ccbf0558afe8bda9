#include "display/etichette.h"

#include "base/numeri.h"
#include "display/accesso_pixel.h"
#include "display/superficie.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QRect>
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

/// A label rendered once: its ink rectangle on the window background, and
/// where that rectangle stands relative to the label's top-left position.
struct tessera {
    QImage immagine;
    int dx;
    int dy;
};

/// One set of tiles, valid for one font, colour and surface resolution.
struct tessere_etichette {
    QString font;
    QRgb colore;
    int punti_per_metro_x;
    int punti_per_metro_y;
    std::vector<tessera> tessere;
};

QRect rettangolo_inchiostro(const QImage& immagine) {
    int sinistra = immagine.width(), destra = -1, alto = immagine.height(), basso = -1;
    for (int r = 0; r < immagine.height(); ++r) {
        const auto* riga = reinterpret_cast<const QRgb*>(immagine.constScanLine(r));
        for (int c = 0; c < immagine.width(); ++c) {
            if (riga[c] == colore_sfondo) continue;
            sinistra = std::min(sinistra, c);
            destra = std::max(destra, c);
            alto = std::min(alto, r);
            basso = std::max(basso, r);
        }
    }
    return destra < 0 ? QRect() : QRect(QPoint(sinistra, alto), QPoint(destra, basso));
}

/// Renders a label on a generous scratch piece of background and keeps only
/// the rectangle its ink reaches, whatever the font's bearings and
/// antialiasing do at the edges.
tessera rendi_etichetta(const QString& testo, const QFont& font, QRgb colore,
                        const QImage& modello) {
    QFontMetrics metriche(font, &modello);
    const int margine = 2 * metriche.height();
    QImage prova(metriche.horizontalAdvance(testo) + 2 * margine, 3 * metriche.height() + margine,
                 QImage::Format_RGB32);
    prova.setDotsPerMeterX(modello.dotsPerMeterX());
    prova.setDotsPerMeterY(modello.dotsPerMeterY());
    prova.fill(colore_sfondo);
    {
        QPainter pittore(&prova);
        pittore.setFont(font);
        pittore.setPen(QColor::fromRgb(colore));
        pittore.drawText(QPoint(margine, margine + metriche.ascent()), testo);
    }
    const QRect inchiostro = rettangolo_inchiostro(prova);
    if (inchiostro.isNull()) return {QImage(), 0, 0};
    return {prova.copy(inchiostro), inchiostro.left() - margine, inchiostro.top() - margine};
}

/// The tiles for a font, colour and resolution, made on first use. Batch
/// rendering draws from several threads, so the memory is shared under a lock
/// and a set stays alive while anyone still copies from it.
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

    QImage modello(1, 1, QImage::Format_RGB32);
    modello.setDotsPerMeterX(superficie.dotsPerMeterX());
    modello.setDotsPerMeterY(superficie.dotsPerMeterY());
    auto nuove = std::make_shared<tessere_etichette>(tessere_etichette{
        chiave, colore, superficie.dotsPerMeterX(), superficie.dotsPerMeterY(), {}});
    for (const auto& etichetta : etichette_assi())
        nuove->tessere.push_back(
            rendi_etichetta(QString::fromLatin1(etichetta.testo), font, colore, modello));
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
    const auto& etichette = etichette_assi();
    for (std::size_t n = 0; n < etichette.size(); ++n) {
        const tessera& t = insieme->tessere[n];
        if (t.immagine.isNull()) continue;
        const int x = etichette[n].x + t.dx;
        const int y_alto = etichette[n].y - t.dy;
        int prima = 0, ultima = 0;
        if (!pixel.colonne(x, x + t.immagine.width() - 1, prima, ultima)) continue;
        const int salto = prima - geometria.colonna(x); // tile columns cut off on the left
        const auto byte = static_cast<std::size_t>(ultima - prima + 1) * sizeof(QRgb);
        for (int r = 0; r < t.immagine.height(); ++r) {
            QRgb* destinazione = pixel.riga(y_alto - r);
            if (destinazione == nullptr) continue;
            const auto* sorgente = reinterpret_cast<const QRgb*>(t.immagine.constScanLine(r));
            std::memcpy(destinazione + prima, sorgente + salto, byte);
        }
    }
}

} // namespace velaris
