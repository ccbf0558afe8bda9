#pragma once
// What the main window shows while the pointer moves over the plot: the
// frequency and height under it, and the pointer's shape. The rule is pure so
// that the window only applies its outcome.

#include <QImage>

#include <string>
#include <string_view>

namespace velaris {

struct lettura_cursore {
    enum class azione {
        svuota,    ///< default arrow, both read-outs empty
        invariata, ///< leave read-outs and pointer as they are
        mostra,    ///< custom pointer, read-outs `frequenza` and `altezza`
    };
    azione cosa;
    std::string frequenza; ///< text of the frequency read-out (mostra only)
    std::string altezza;   ///< text of the height read-out (mostra only)
};

/// The read-out for plot position (x, y) in whole pixels.
/// Off the plot (x outside 1 .. 764 or y outside 1 .. 600), or while the
/// current characteristic is one of "MUF3000F1", "MUF3000F2", "M3000F1",
/// "M3000F2", "tipoEs": svuota. Otherwise, without an accepted ionogram:
/// invariata. Otherwise mostra, with f = 0.025 x + 0.9 as "##.000" and
/// h = 1.125 y + 85.5 as "###.000" (no leading zeros, three decimals,
/// `separatore_decimale` between them); x = 1 .. 3 reads "1,000" and the height
/// grid rows read "100,000" .. "700,000", with a comma whatever the separator.
lettura_cursore calcola_lettura_cursore(int x, int y, std::string_view grandezza_corrente,
                                        bool ionogramma_presente, char separatore_decimale);

/// The window's custom pointer: 32 x 32, ARGB32, transparent except for a
/// black cross and diamond around the centre (16, 16), which stays
/// transparent; the hot spot at the centre is the window's to set.
QImage immagine_puntatore_croce();

} // namespace velaris
