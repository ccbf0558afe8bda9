#include "display/panoramica_giorno.h"

#include "base/codifiche_qt.h"
#include "ionogram/stazioni.h"
#include "scaling/tabella_grandezze.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace velaris {

namespace {

using g = geometria_panoramica;

constexpr QRgb colore_cornice_panoramica = 0xff000000;
constexpr QRgb colore_griglia_panoramica = 0xffdcdcdc;
constexpr QRgb colore_testo_panoramica = 0xff202020;

constexpr std::array<serie_panoramica, 13> serie = {{
    {"fmin", pannello::frequenze, 0xff5a5a5a, 1},
    {"foE", pannello::frequenze, 0xff008c00, 1},
    {"foEs", pannello::frequenze, 0xff0000dc, 1},
    {"fbEs", pannello::frequenze, 0xff00a0c8, 1},
    {"foF1", pannello::frequenze, 0xff8c4600, 1},
    {"foF2", pannello::frequenze, 0xffc80000, 1},
    {"fxI", pannello::frequenze, 0xffe67800, 1},
    {"hE", pannello::altezze, 0xff008c00, 1},
    {"hEs", pannello::altezze, 0xff0000dc, 1},
    {"hF", pannello::altezze, 0xff8c4600, 1},
    {"hF2", pannello::altezze, 0xffc80000, 1},
    {"MUF3000F2", pannello::muf, 0xffc80000, 1},
    {"M3000F2", pannello::muf, 0xff7800a0, 10},
}};

int indice(pannello p) { return static_cast<int>(p); }
int riga_bassa(pannello p) { return g::riga_alta[static_cast<std::size_t>(indice(p))] + g::altezza_pannello; }

/// Grid steps of each value axis, and which of them get a label.
struct tacche {
    double passo;
    int ogni; ///< label every n-th line
};
tacche tacche_di(pannello p) {
    switch (p) {
    case pannello::frequenze:
        return {2, 2};
    case pannello::altezze:
        return {100, 2};
    case pannello::muf:
        return {10, 1};
    }
    return {1, 1};
}

/// A disc of radius 3 (filled) or its ring around a background centre.
void marca(QImage& immagine, QPoint c, QRgb colore, bool vuoto) {
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const int d2 = dx * dx + dy * dy;
            if (d2 > 10) continue;
            const int x = c.x() + dx, y = c.y() + dy;
            if (x < 0 || y < 0 || x >= immagine.width() || y >= immagine.height()) continue;
            immagine.setPixel(x, y, vuoto && d2 <= 4 ? colore_fondo_panoramica : colore);
        }
}

QColor attenuato(QRgb colore) {
    // The joining lines stay lighter than the discs, so the values stand out.
    return QColor::fromRgb(qRgb((qRed(colore) + 2 * 255) / 3, (qGreen(colore) + 2 * 255) / 3,
                                (qBlue(colore) + 2 * 255) / 3));
}

QString testo_numero(double v) { return QString::number(v, 'f', 0); }

void disegna_assi(QPainter& p, const QFontMetrics& m) {
    for (const pannello pan : {pannello::frequenze, pannello::altezze, pannello::muf}) {
        const int alto = g::riga_alta[static_cast<std::size_t>(indice(pan))];
        const int basso = riga_bassa(pan);
        const scala_pannello s = scala_di(pan);
        const tacche t = tacche_di(pan);
        p.setPen(QColor::fromRgb(colore_griglia_panoramica));
        for (int ora = 1; ora < 24; ++ora) {
            const int x = colonna_orario(ora * 60.0);
            if (ora % 3 == 0) p.drawLine(x, alto, x, basso);
        }
        int n = 0;
        for (double v = s.minimo; v <= s.massimo + 1e-9; v += t.passo, ++n) {
            const int y = punto_panoramica(pan, 0, v).y();
            p.setPen(QColor::fromRgb(colore_griglia_panoramica));
            if (v > s.minimo && v < s.massimo) p.drawLine(g::colonna_inizio, y, g::colonna_fine, y);
            if (n % t.ogni != 0) continue;
            p.setPen(QColor::fromRgb(colore_testo_panoramica));
            const QString etichetta = testo_numero(v);
            p.drawText(g::colonna_inizio - 6 - m.horizontalAdvance(etichetta), y + m.ascent() / 2 - 1,
                       etichetta);
            if (pan == pannello::muf) // the M factor on the right: M x 10 on the MUF axis
                p.drawText(g::colonna_fine + 6, y + m.ascent() / 2 - 1, testo_numero(v / 10));
        }
        p.setPen(QColor::fromRgb(colore_cornice_panoramica));
        p.drawRect(g::colonna_inizio, alto, g::colonna_fine - g::colonna_inizio, basso - alto);
        p.setPen(QColor::fromRgb(colore_testo_panoramica));
        const char* unita = pan == pannello::altezze ? "km" : "MHz";
        p.drawText(4, alto + m.ascent(), unita);
        if (pan == pannello::muf)
            p.drawText(g::larghezza - 4 - m.horizontalAdvance("M(3000)"), alto - 8, "M(3000)");
    }
    const int basso = riga_bassa(pannello::muf);
    for (int ora = 0; ora <= 24; ora += 3) {
        const QString testo = QString("%1").arg(ora, 2, 10, QChar('0'));
        const int x = colonna_orario(ora * 60.0);
        p.drawLine(x, basso, x, basso + 4);
        p.drawText(x - m.horizontalAdvance(testo) / 2, basso + 6 + m.ascent(), testo);
    }
    p.drawText(g::colonna_fine + 18, basso + 6 + m.ascent(), "UT");
}

void disegna_legende(QPainter& p, const QFontMetrics& m) {
    std::array<int, 3> x{};
    x.fill(g::colonna_inizio);
    for (const auto& s : serie) {
        const std::size_t i = static_cast<std::size_t>(indice(s.dove));
        const int y = g::riga_alta[i] - 8;
        p.fillRect(x[i], y - 7, 8, 8, QColor::fromRgb(s.colore));
        p.setPen(QColor::fromRgb(colore_testo_panoramica));
        const QString nome = testo_qt(trova_grandezza(s.chiave)->didascalia);
        p.drawText(x[i] + 12, y, nome);
        x[i] += 12 + m.horizontalAdvance(nome) + 18;
    }
    p.drawText(g::colonna_fine - m.horizontalAdvance("filled: value   hollow: qualified value"),
               g::riga_alta[0] - 8, "filled: value   hollow: qualified value");
}

void disegna_serie(QImage& immagine, QPainter& p, const giornata& giorno) {
    for (const auto& s : serie) {
        const std::size_t i = *indice_chiave(s.chiave);
        const unita_valore u = *unita_di(s.chiave);
        p.setPen(attenuato(s.colore));
        const sondaggio* prima = nullptr;
        for (const auto& sd : giorno.sondaggi) {
            const auto& v = sd.valori[i].valore;
            if (v && prima && prima->valori[i].valore)
                p.drawLine(punto_serie(s, prima->minuti, valore_fisico(*prima->valori[i].valore, u)),
                           punto_serie(s, sd.minuti, valore_fisico(*v, u)));
            prima = &sd;
        }
    }
    p.end(); // the discs go straight into the pixels
    for (const auto& s : serie) {
        const std::size_t i = *indice_chiave(s.chiave);
        const unita_valore u = *unita_di(s.chiave);
        for (const auto& sd : giorno.sondaggi)
            if (const auto& v = sd.valori[i].valore)
                marca(immagine, punto_serie(s, sd.minuti, valore_fisico(*v, u)), s.colore,
                      !sd.valori[i].qualificativa.empty());
    }
}

QString titolo_di(const contenuto_panoramica& c) {
    QString titolo = testo_qt(stazione_sistema);
    if (c.giorno == nullptr) return titolo + "   Day overview";
    const data_calendario& d = c.giorno->data;
    titolo += QString("   %1-%2-%3   interval %4 min")
                  .arg(d.giorno, 2, 10, QChar('0'))
                  .arg(d.mese, 2, 10, QChar('0'))
                  .arg(d.anno, 4, 10, QChar('0'))
                  .arg(c.giorno->intervallo);
    if (c.corrente)
        titolo += "   scaling " + QString::fromStdString(
                                       testo_orario((*c.corrente - 1) * c.giorno->intervallo));
    return titolo;
}

} // namespace

scala_pannello scala_di(pannello p) {
    switch (p) {
    case pannello::frequenze:
        return {0, 20};
    case pannello::altezze:
        return {0, 800};
    case pannello::muf:
        return {0, 60};
    }
    return {0, 1};
}

const std::array<serie_panoramica, 13>& serie_della_panoramica() { return serie; }

int colonna_orario(double minuti) {
    return g::colonna_inizio + static_cast<int>(std::lround(minuti * g::pixel_per_ora / 60.0));
}

QPoint punto_panoramica(pannello p, double minuti, double valore_asse) {
    const scala_pannello s = scala_di(p);
    const double v = std::clamp(valore_asse, s.minimo, s.massimo);
    const double frazione = (v - s.minimo) / (s.massimo - s.minimo);
    return {colonna_orario(minuti),
            riga_bassa(p) - static_cast<int>(std::lround(frazione * g::altezza_pannello))};
}

QPoint punto_serie(const serie_panoramica& s, double minuti, double valore_fisico) {
    return punto_panoramica(s.dove, minuti, valore_fisico * s.fattore_asse);
}

std::optional<int> sondaggio_da_colonna(int colonna, int record) {
    if (record <= 0) return std::nullopt;
    const double intervallo = 24.0 * 60.0 / record;
    const double minuti = (colonna - g::colonna_inizio) * 60.0 / g::pixel_per_ora;
    const long k = std::lround(minuti / intervallo);
    if (k < 0 || k > record) return std::nullopt;
    return static_cast<int>(std::min<long>(k, record - 1)) + 1;
}

QImage disegno_panoramica(const contenuto_panoramica& c) {
    QImage immagine(g::larghezza, g::altezza, QImage::Format_RGB32);
    immagine.fill(colore_fondo_panoramica);
    QPainter p(&immagine);
    QFont carattere = p.font();
    carattere.setPixelSize(12);
    p.setFont(carattere);
    const QFontMetrics m(carattere, &immagine);

    disegna_assi(p, m);
    if (c.giorno && c.corrente) {
        // Over the grid, under the values: inside each panel's frame.
        const int x = colonna_orario((*c.corrente - 1) * c.giorno->intervallo);
        for (const int alto : g::riga_alta)
            p.fillRect(x - 1, alto + 1, 3, g::altezza_pannello - 1,
                       QColor::fromRgb(colore_sondaggio_corrente));
    }
    disegna_legende(p, m);
    QFont grassetto = carattere;
    grassetto.setBold(true);
    grassetto.setPixelSize(14);
    p.setFont(grassetto);
    p.setPen(QColor::fromRgb(colore_testo_panoramica));
    p.drawText(g::colonna_inizio, 22, titolo_di(c));
    p.setFont(carattere);
    if (!c.avviso.empty()) {
        p.setPen(QColor(200, 0, 0));
        p.drawText(g::colonna_inizio, 42, QString::fromStdString(c.avviso));
    }
    if (c.giorno) {
        disegna_serie(immagine, p, *c.giorno);
        return immagine;
    }
    p.end();
    return immagine;
}

} // namespace velaris
