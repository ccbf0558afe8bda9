#pragma once
// The day at a glance: the scaled characteristics of one results file against
// time, 00-24 UT, in three panels sharing the time axis: the frequencies in
// MHz, the virtual heights in km, and MUF(3000)F2 with M(3000)F2. A limit is a
// triangle pointing the way it may lie, another value with a qualifying
// letter is drawn hollow; the sounding being scaled is marked by a band across
// the panels, and a strip under them tells what each sounding's record holds.
//
// The picture has a fixed size and fixed axis ranges, so that one day looks
// like the next and a pixel always means the same time and value: the
// mapping below is the whole geometry, for the drawing, the window's clicks
// and the tests alike.

#include "results/giornata.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velaris {

enum class pannello { frequenze = 0, altezze = 1, muf = 2 };

/// The geometry of the overview picture, in pixels (column 0 at the left,
/// row 0 at the top).
struct geometria_panoramica {
    static constexpr int larghezza = 1000;
    static constexpr int altezza = 760;
    static constexpr int colonna_inizio = 64; ///< 00:00 UT
    static constexpr int pixel_per_ora = 36;  ///< 24:00 UT at column 928
    static constexpr int colonna_fine = colonna_inizio + 24 * pixel_per_ora;
    static constexpr int altezza_pannello = 180;
    /// Top row of each panel; the value range runs from its bottom row
    /// (top + 180) up to its top row.
    static constexpr std::array<int, 3> riga_alta = {72, 304, 536};
    /// The status strip, under the last panel: its top row and height.
    static constexpr int riga_striscia = 720;
    static constexpr int altezza_striscia = 8;
};

/// The value axis of a panel: [minimo, massimo] in the panel's unit (MHz, km,
/// MHz). M(3000)F2 shares the MUF panel as M x 10 (its serie_panoramica's
/// fattore_asse), and the right-hand axis of that panel shows M (6.0 at 60).
struct scala_pannello {
    double minimo;
    double massimo;
};
scala_pannello scala_di(pannello p);

/// One characteristic in the overview: its panel, its colour, and the factor
/// that puts its physical value on the panel's axis.
struct serie_panoramica {
    std::string_view chiave;
    pannello dove;
    QRgb colore;
    double fattore_asse;
};
const std::array<serie_panoramica, 13>& serie_della_panoramica();

/// Pixel column of a time of day (minutes after 00:00 UT), rounded to the
/// nearest column.
int colonna_orario(double minuti);

/// Pixel of a value already on the panel's axis (MHz, km, or M x 10 on the
/// MUF panel) at a time of day. A value beyond the axis is held at the
/// panel's edge, so that it still shows.
QPoint punto_panoramica(pannello p, double minuti, double valore_asse);

/// Pixel of a characteristic's physical value (MHz, km, M factor) at a time.
QPoint punto_serie(const serie_panoramica& s, double minuti, double valore_fisico);

/// The sounding (1-based record number) nearest to a pixel column for a day
/// of `record` soundings; none left of 00:00 or right of 24:00 by more than
/// half an interval.
std::optional<int> sondaggio_da_colonna(int colonna, int record);

/// Colours of the picture.
inline constexpr QRgb colore_fondo_panoramica = 0xffffffff;
inline constexpr QRgb colore_sondaggio_corrente = 0xffffdc96; ///< RGB(255, 220, 150)

/// What a sounding's record holds, for the status strip: the gaps of the
/// series look alike, the reasons for them do not.
enum class stato_sondaggio {
    non_scalato,      ///< the record is blank: not scaled yet
    senza_ionogramma, ///< no value and foF2's descriptive letter C (No ionogram)
    lettera_per_fof2, ///< foF2 has letters in place of a value
    scalato,          ///< anything else
};
stato_sondaggio stato_di(const sondaggio& s);
QRgb colore_stato(stato_sondaggio stato);

/// What to draw: a day (or none, for empty panels), the sounding being scaled
/// (1-based, or none), and a line telling what was wrong with the file.
struct contenuto_panoramica {
    const giornata* giorno = nullptr;
    std::optional<int> corrente;
    std::string avviso;
};

/// The overview picture, larghezza x altezza, RGB32. Each value is a disc of
/// radius 3 around its pixel in the series' colour; a limit (see limite_di)
/// is a triangle of that size pointing up (greater than) or down (less than);
/// another value with a qualifying letter is a ring around a background
/// centre. Neighbouring soundings of a series are joined by a thin line drawn
/// under the marks. Where a later series' mark covers a foEs mark, a dot of
/// foEs's colour is put back at its centre. Needs a QGuiApplication for the text.
QImage disegno_panoramica(const contenuto_panoramica& contenuto);

} // namespace velaris
