#include "display/panoramica_giorno.h"

#include "base/codifiche_qt.h"
#include "ionogram/stazioni.h"
#include "results/tabulazione.h"
#include "scaling/tabella_grandezze.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
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
int riga_bassa(pannello p) {
    return g::riga_alta[static_cast<std::size_t>(indice(p))] + g::altezza_pannello;
}

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

enum class forma { disco, anello, su, giu };

/// A limit points the way the value may lie; any other letter leaves it hollow.
forma forma_di(const valore_letto& v) {
    switch (limite_di(v)) {
    case limite::almeno:
        return forma::su;
    case limite::al_piu:
        return forma::giu;
    case limite::nessuno:
        break;
    }
    return v.qualificativa.empty() ? forma::disco : forma::anello;
}

/// A mark 7 pixels across: a disc of radius 3, its ring around a background
/// centre, or a triangle with its point up or down.
void marca(QImage& immagine, QPoint c, QRgb colore, forma f) {
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const int d2 = dx * dx + dy * dy;
            const bool dentro = f == forma::su    ? std::abs(dx) <= (dy + 3) / 2
                                : f == forma::giu ? std::abs(dx) <= (3 - dy) / 2
                                                  : d2 <= 10;
            const int x = c.x() + dx, y = c.y() + dy;
            if (!dentro || x < 0 || y < 0 || x >= immagine.width() || y >= immagine.height())
                continue;
            immagine.setPixel(x, y,
                              f == forma::anello && d2 <= 4 ? colore_fondo_panoramica : colore);
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
            p.drawText(g::colonna_inizio - 6 - m.horizontalAdvance(etichetta),
                       y + m.ascent() / 2 - 1, etichetta);
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
    // The hours go under the status strip, which shares the time axis.
    const int sotto = g::riga_striscia + g::altezza_striscia;
    for (int ora = 0; ora <= 24; ora += 3) {
        const QString testo = QString("%1").arg(ora, 2, 10, QChar('0'));
        const int x = colonna_orario(ora * 60.0);
        p.drawLine(x, sotto, x, sotto + 3);
        p.drawText(x - m.horizontalAdvance(testo) / 2, sotto + 4 + m.ascent(), testo);
    }
    p.drawText(g::colonna_fine + 18, sotto + 4 + m.ascent(), "UT");
}

/// A mark of the legend, drawn with the painter at the mark's size.
void marca_legenda(QPainter& p, QPoint c, forma f) {
    p.setPen(QColor::fromRgb(colore_testo_panoramica));
    p.setBrush(f == forma::anello ? Qt::NoBrush : QBrush(QColor::fromRgb(colore_testo_panoramica)));
    if (f == forma::disco || f == forma::anello) {
        p.drawEllipse(c, 3, 3);
    } else {
        const int verso = f == forma::su ? 1 : -1;
        p.drawPolygon(QPolygon(
            {c + QPoint(0, -3 * verso), c + QPoint(3, 3 * verso), c + QPoint(-3, 3 * verso)}));
    }
    p.setBrush(Qt::NoBrush);
}

/// One cell per sounding, centred on its time like the marks above it.
void disegna_striscia(QPainter& p, const QFontMetrics& m, const giornata* giorno) {
    p.setPen(QColor::fromRgb(colore_testo_panoramica));
    p.drawText(4, g::riga_striscia + g::altezza_striscia, "status");
    const std::pair<stato_sondaggio, const char*> voci[] = {
        {stato_sondaggio::scalato, "scaled"},
        {stato_sondaggio::lettera_per_fof2, "foF2 replaced by a letter"},
        {stato_sondaggio::non_scalato, "not scaled yet"},
        {stato_sondaggio::senza_ionogramma, "no ionogram"},
    };
    int x = g::colonna_inizio;
    const int base = g::altezza - 4;
    for (const auto& [stato, testo] : voci) {
        p.fillRect(x, base - 8, 8, 8, QColor::fromRgb(colore_stato(stato)));
        p.drawText(x + 12, base, testo);
        x += 12 + m.horizontalAdvance(testo) + 18;
    }
    if (giorno == nullptr) return;
    const double mezzo = giorno->intervallo / 2.0;
    for (const auto& sd : giorno->sondaggi) {
        const int da = std::max(g::colonna_inizio, colonna_orario(sd.minuti - mezzo));
        const int a = std::min(g::colonna_fine, colonna_orario(sd.minuti + mezzo));
        const int larghezza = a - da >= 3 ? a - da - 1 : a - da; // a gap between cells
        p.fillRect(da, g::riga_striscia, larghezza, g::altezza_striscia,
                   QColor::fromRgb(colore_stato(stato_di(sd))));
    }
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
    const std::pair<forma, const char*> segni[] = {{forma::disco, "value"},
                                                   {forma::anello, "qualified"},
                                                   {forma::su, "greater than"},
                                                   {forma::giu, "less than"}};
    int larghezza = 0;
    for (const auto& [f, testo] : segni) larghezza += 12 + m.horizontalAdvance(testo) + 14;
    int xs = g::colonna_fine - larghezza + 14;
    const int y = g::riga_alta[0] - 8;
    for (const auto& [f, testo] : segni) {
        marca_legenda(p, {xs + 3, y - 4}, f);
        p.drawText(xs + 12, y, testo);
        xs += 12 + m.horizontalAdvance(testo) + 14;
    }
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
                p.drawLine(
                    punto_serie(s, prima->minuti, valore_fisico(*prima->valori[i].valore, u)),
                    punto_serie(s, sd.minuti, valore_fisico(*v, u)));
            prima = &sd;
        }
    }
    p.end(); // the marks go straight into the pixels
    const auto punto = [](const serie_panoramica& s, const sondaggio& sd) -> std::optional<QPoint> {
        const auto& v = sd.valori[*indice_chiave(s.chiave)].valore;
        if (!v) return std::nullopt;
        return punto_serie(s, sd.minuti, valore_fisico(*v, *unita_di(s.chiave)));
    };
    for (const auto& s : serie)
        for (const auto& sd : giorno.sondaggi)
            if (const auto c = punto(s, sd))
                marca(immagine, *c, s.colore, forma_di(sd.valori[*indice_chiave(s.chiave)]));
    // foEs often lies where foF2, fxI or fbEs does (blanketing Es), and their
    // marks are drawn later: put a dot of foEs back where one covers it.
    const auto es = std::find_if(serie.begin(), serie.end(),
                                 [](const serie_panoramica& s) { return s.chiave == "foEs"; });
    for (const auto& sd : giorno.sondaggi) {
        const auto c = punto(*es, sd);
        if (!c) continue;
        const bool coperto = std::any_of(es + 1, serie.end(), [&](const serie_panoramica& s) {
            const auto altro = punto(s, sd);
            return s.dove == es->dove && altro && std::abs(altro->y() - c->y()) <= 6;
        });
        if (coperto)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) immagine.setPixel(*c + QPoint(dx, dy), es->colore);
    }
}

QString titolo_di(const contenuto_panoramica& c) {
    QString titolo = testo_qt(stazione_sistema);
    if (c.giorno == nullptr) return titolo + "   Day overview";
    const data_calendario& d = c.giorno->data;
    titolo += QString("   %1   interval %2 min")
                  .arg(QString::fromStdString(data_iso(d)))
                  .arg(c.giorno->intervallo);
    if (c.corrente)
        titolo += "   scaling " +
                  QString::fromStdString(testo_orario((*c.corrente - 1) * c.giorno->intervallo));
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

stato_sondaggio stato_di(const sondaggio& s) {
    const valore_letto& fof2 = s.valori[*indice_chiave("foF2")];
    const bool valori = std::any_of(s.valori.begin(), s.valori.end(),
                                    [](const valore_letto& v) { return v.valore.has_value(); });
    const bool lettere = std::any_of(s.valori.begin(), s.valori.end(), [](const valore_letto& v) {
        return !v.qualificativa.empty() || !v.descrittiva.empty();
    });
    if (!valori && !lettere && s.tipi_es.empty()) return stato_sondaggio::non_scalato;
    if (!valori && fof2.descrittiva == "C") return stato_sondaggio::senza_ionogramma;
    if (!fof2.valore && (!fof2.qualificativa.empty() || !fof2.descrittiva.empty()))
        return stato_sondaggio::lettera_per_fof2;
    return stato_sondaggio::scalato;
}

QRgb colore_stato(stato_sondaggio stato) {
    switch (stato) {
    case stato_sondaggio::non_scalato:
        return 0xffd2d2d2;
    case stato_sondaggio::senza_ionogramma:
        return 0xff3c3c3c;
    case stato_sondaggio::lettera_per_fof2:
        return 0xffe6a000;
    case stato_sondaggio::scalato:
        break;
    }
    return 0xff46aa46;
}

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
    disegna_striscia(p, m, c.giorno);
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
