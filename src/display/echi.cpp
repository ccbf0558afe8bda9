#include "display/echi.h"

#include "base/numeri.h"
#include "display/accesso_pixel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace velaris {

namespace {

constexpr std::array<disposizione_echi, 5> tabella_passi{{
    {0.025f, 40, 1, 1, 3},
    {0.05f, 20, 2, 2, 2},
    {0.1f, 10, 4, 4, 0},
    {0.2f, 5, 8, 4, -4},
    {0.5f, 2, 20, 4, -16},
}};

constexpr int minimo16 = std::numeric_limits<std::int16_t>::min();
constexpr int massimo16 = std::numeric_limits<std::int16_t>::max();

bool entra_in_16_bit(std::int32_t valore) { return valore >= minimo16 && valore <= massimo16; }

/// Frequencies whose cells the matrix really holds.
int frequenze_presenti(const dati_ionogramma& dati) {
    const auto disponibili = dati.ampiezze.size() / dati_ionogramma::numero_altezze;
    return static_cast<int>(
        std::clamp<std::int64_t>(dati.numero_frequenze, 0, static_cast<std::int64_t>(disponibili)));
}

/// Where one frequency's blocks stand on the image: the first column and how
/// many of the block's columns are on it (0 when none is).
struct colonne_blocco {
    int prima;
    int quante;
};

QRgb grigio_di(std::int16_t g) {
    return 0xff000000u | static_cast<QRgb>(std::clamp<int>(g, 0, 255)) * 0x010101u;
}

/// One height sample spread over the image columns that blocks cover: the
/// opaque grey of each pixel where a block is drawn, 0 where the pixel keeps
/// what it has (a zero cell, a gap between blocks). Echoes and gaps alternate
/// unpredictably along a row, so the rows are then written with a select per
/// pixel instead of a branch per cell, which the compiler turns into vector code.
struct campione_espanso {
    int prima_colonna = 0; ///< image column of element 0
    std::vector<QRgb> grigi;
};

/// Spreads the cells of one sample (`celle` points at cell [1][j]); false
/// when the sample has no echo at all.
template <int larghezza>
bool espandi(campione_espanso& e, const std::int16_t* celle,
             const std::vector<colonne_blocco>& colonne) {
    QRgb qualcuno = 0;
    const auto n = colonne.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::int16_t g = celle[i * dati_ionogramma::numero_altezze];
        const QRgb grigio = grigio_di(g) & (0u - static_cast<QRgb>(g != 0));
        qualcuno |= grigio;
        const colonne_blocco b = colonne[i];
        QRgb* destinazione = e.grigi.data() + (b.prima - e.prima_colonna);
        if (b.quante == larghezza) {
            for (int c = 0; c < larghezza; ++c) destinazione[c] = grigio;
        } else { // cut by the image's edge
            for (int c = 0; c < b.quante; ++c) destinazione[c] = grigio;
        }
    }
    return qualcuno != 0;
}

void fondi(QRgb* riga, const campione_espanso& e) {
    QRgb* p = riga + e.prima_colonna;
    const QRgb* grigi = e.grigi.data();
    const std::size_t n = e.grigi.size();
    for (std::size_t k = 0; k < n; ++k) p[k] = grigi[k] != 0 ? grigi[k] : p[k];
}

} // namespace

std::optional<disposizione_echi> disposizione_per_passo(float passo) {
    for (const auto& riga : tabella_passi)
        if (riga.passo == passo) return riga;
    return std::nullopt;
}

void normalizzazione_ampiezze(dati_ionogramma& dati) {
    const std::size_t celle =
        static_cast<std::size_t>(frequenze_presenti(dati)) * dati_ionogramma::numero_altezze;
    std::int16_t massimo = 0, minimo = 0;
    for (std::size_t k = 0; k < celle; ++k) {
        massimo = std::max(massimo, dati.ampiezze[k]);
        minimo = std::min(minimo, dati.ampiezze[k]);
    }
    if (massimo == 0) return;

    // 32-bit float throughout, as the grey levels have always been computed:
    // a * 254 is exact in a float, the quotient is rounded to float once.
    const float divisore = static_cast<float>(massimo);
    const auto livello = [divisore](std::int16_t a) {
        return std::trunc(static_cast<float>(a) * 254.0f / divisore);
    };
    if (livello(minimo) < static_cast<float>(minimo16))
        throw errore_overflow("amplitude out of range while rescaling the ionogram");
    // Every cell goes through the same formula, so the levels of 0 .. max are
    // worked out once and looked up.
    std::vector<std::int16_t> livelli(static_cast<std::size_t>(massimo) + 1);
    for (int a = 0; a <= massimo; ++a)
        livelli[static_cast<std::size_t>(a)] =
            static_cast<std::int16_t>(livello(static_cast<std::int16_t>(a)));
    for (std::size_t k = 0; k < celle; ++k) {
        const std::int16_t a = dati.ampiezze[k];
        dati.ampiezze[k] =
            a >= 0 ? livelli[static_cast<std::size_t>(a)] : static_cast<std::int16_t>(livello(a));
    }
}

void disegno_echi(QImage& superficie, const geometria_grafico& geometria,
                  const dati_ionogramma& dati) {
    const auto disposizione = disposizione_per_passo(dati.passo_frequenza);
    if (!disposizione) return;

    // o = (start - 1) * m: the float start minus 1 and the product by m are
    // exact in double, so only the final half-to-even rounding decides.
    std::int32_t o = 0;
    try {
        o = a_intero16((static_cast<double>(dati.frequenza_iniziale) - 1.0) *
                       disposizione->celle_per_mhz);
    } catch (const errore_overflow&) {
        return;
    }

    // Columns of every frequency first, so that the blocks can then be written
    // row by row along the image's scanlines. Blocks of different frequencies
    // never overlap, so the order changes nothing.
    const accesso_pixel pixel(superficie, geometria);
    const int w = disposizione->pixel_per_passo;
    const int ultima_colonna_blocco = disposizione->larghezza_blocco - 1;
    std::vector<colonne_blocco> colonne;
    const int nfreq = frequenze_presenti(dati);
    colonne.reserve(static_cast<std::size_t>(nfreq));
    for (std::int32_t i = 1; i <= nfreq; ++i) {
        const std::int32_t indice = o + i;
        if (!entra_in_16_bit(i) || !entra_in_16_bit(indice)) break;
        const std::int32_t prodotto = indice * w;
        const std::int32_t x_destra = prodotto + disposizione->scarto;
        const std::int32_t x_sinistra = x_destra - ultima_colonna_blocco;
        if (!entra_in_16_bit(prodotto) || !entra_in_16_bit(x_destra) ||
            !entra_in_16_bit(x_sinistra))
            break; // 16-bit overflow: this frequency and the ones after it are not drawn
        int prima = 0, ultima = -1;
        pixel.colonne(x_sinistra, x_destra, prima, ultima);
        colonne.push_back({prima, std::max(ultima - prima + 1, 0)});
    }
    int prima = std::numeric_limits<int>::max(), ultima = -1;
    for (const auto& b : colonne)
        if (b.quante > 0) {
            prima = std::min(prima, b.prima);
            ultima = std::max(ultima, b.prima + b.quante - 1);
        }
    if (ultima < 0) return; // no block falls on the image
    for (auto& b : colonne)
        if (b.quante == 0) b.prima = prima; // nothing to write, but keep the index in range

    campione_espanso e{prima, std::vector<QRgb>(static_cast<std::size_t>(ultima - prima + 1), 0u)};
    for (int j = 1; j <= dati_ionogramma::numero_altezze; ++j) {
        const std::int16_t* celle = dati.ampiezze.data() + (j - 1); // cell [1][j]
        bool eco = false;
        switch (disposizione->larghezza_blocco) {
        case 1:
            eco = espandi<1>(e, celle, colonne);
            break;
        case 2:
            eco = espandi<2>(e, celle, colonne);
            break;
        default:
            eco = espandi<4>(e, celle, colonne);
            break;
        }
        if (!eco) continue;
        // Rows 4j (the block's top) down to 4j - 3, those that are on the image.
        for (int y = 4 * j; y >= 4 * j - 3; --y)
            if (QRgb* r = pixel.riga(y)) fondi(r, e);
    }
}

} // namespace velaris
