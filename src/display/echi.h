#pragma once
// The echoes of an ionogram: amplitudes rescaled to grey levels and drawn as
// blocks, one per non-zero cell, on the black plot area.

#include "display/geometria_grafico.h"
#include "ionogram/dati_ionogramma.h"

#include <QImage>

#include <optional>

namespace velaris {

/// How the cells of one frequency step are laid out on the plot.
struct disposizione_echi {
    float passo;          ///< frequency step, MHz (compared exactly)
    int celle_per_mhz;    ///< m
    int pixel_per_passo;  ///< w
    int larghezza_blocco; ///< block width in pixels
    int scarto;           ///< c: x_right = (o + i) * w + c
};

/// The layout of the first table row whose step equals `passo` exactly as a
/// 32-bit float (0.025, 0.05, 0.1, 0.2, 0.5, in that order); none for any
/// other step, which draws no echo.
std::optional<disposizione_echi> disposizione_per_passo(float passo);

/// Rescales the amplitudes in place to grey levels: every cell a becomes
/// trunc(float(a) * 254 / float(max)), so the strongest echo is 254. An
/// all-zero matrix is left as it is. Only the cells of frequencies
/// 1 .. numero_frequenze that the matrix holds are considered.
/// Throws errore_overflow, before changing anything, when a (never read from a
/// file) negative cell would fall outside 16 bits.
void normalizzazione_ampiezze(dati_ionogramma& dati);

/// The last stage of disegno_ionogramma: a block of grey RGB(g, g, g) for every
/// non-zero cell g (clamped to 0..255), written straight into the surface and
/// clipped to it. Positions are 16-bit quantities: when one would not fit, the
/// frequencies from that one on are not drawn (the blocks already drawn stay)
/// and the call returns normally, so the plot is never left half-framed.
void disegno_echi(QImage& superficie, const geometria_grafico& geometria,
                  const dati_ionogramma& dati);

} // namespace velaris
