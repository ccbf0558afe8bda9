#pragma once
// One ionogram in memory, one per window that shows ionograms.

#include <cstdint>
#include <vector>

namespace velaris {

struct dati_ionogramma {
    /// Heights per frequency: fixed by the sounder, never read from the file.
    static constexpr int numero_altezze = 150;

    float frequenza_iniziale = 0.0f; ///< first sounding frequency, MHz
    float frequenza_finale = 0.0f;   ///< last sounding frequency, MHz
    float passo_frequenza = 0.0f;    ///< frequency step, MHz
    std::int32_t numero_frequenze = 0;

    /// Amplitudes, frequency-major: cell [i][j] (1-based) is at
    /// (i - 1) * numero_altezze + (j - 1). 0 means no echo. As read a cell
    /// holds 0 or 7..255; after normalizzazione_ampiezze, a grey level 0..254.
    std::vector<std::int16_t> ampiezze;

    std::int16_t& cella(int i, int j) { return ampiezze[indice(i, j)]; }
    std::int16_t cella(int i, int j) const { return ampiezze[indice(i, j)]; }

    /// azzeramento_ampiezze: a cleared matrix of numero_frequenze x 150 cells.
    void azzeramento_ampiezze() {
        ampiezze.assign(static_cast<std::size_t>(numero_frequenze) * numero_altezze, 0);
    }

private:
    static std::size_t indice(int i, int j) {
        return static_cast<std::size_t>(i - 1) * numero_altezze + static_cast<std::size_t>(j - 1);
    }
};

} // namespace velaris
