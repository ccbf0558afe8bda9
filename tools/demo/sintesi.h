#pragma once
// One synthetic sounding: the echoes the model ionosphere sends back, as the
// amplitude records of an ionogram file, and the header of that file.

#include "modello.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velaris::demo {

/// The sounder's sweep and range gates, the same in every file of the day.
inline constexpr double frequenza_iniziale = 1.0;
inline constexpr double frequenza_finale = 20.0;
inline constexpr double passo_frequenza = 0.05;
inline constexpr int numero_frequenze = 381;
inline constexpr int numero_altezze = 150;
inline constexpr std::size_t lunghezza_intestazione = 197;
inline constexpr std::size_t dimensione_ionogramma =
    lunghezza_intestazione + static_cast<std::size_t>(numero_frequenze) * numero_altezze;

/// Frequency of record i (1-based), MHz.
constexpr double frequenza_record(int i) { return frequenza_iniziale + (i - 1) * passo_frequenza; }
/// Virtual height of sample j (1-based) of a record, km.
constexpr double altezza_campione(int j) { return 85.5 + 4.5 * j; }

/// Amplitudes below this are read as "no echo" by the program; the noise
/// floor starts here.
inline constexpr int ampiezza_minima = 7;

/// Small deterministic generator (splitmix64). The standard distributions
/// may differ between library versions; this one gives the same day from the
/// same seed everywhere.
class generatore {
public:
    explicit generatore(std::uint64_t seme) : m_stato(seme) {}
    std::uint64_t prossimo();
    /// Uniform in [0, 1).
    double uniforme();
    /// Uniform whole number in [minimo, massimo].
    int intero(int minimo, int massimo);

private:
    std::uint64_t m_stato;
};

/// Mixes two values into one well-spread seed.
std::uint64_t mescola(std::uint64_t a, std::uint64_t b);

/// A sounding as synthesised: the ionosphere it saw (with the small
/// variation drawn from the seed) and its amplitude records, record-major,
/// numero_frequenze x numero_altezze bytes.
struct sondaggio_sintetico {
    ionosfera io;
    std::optional<strato_es> es;
    std::vector<std::uint8_t> ampiezze;

    std::uint8_t cella(int i, int j) const {
        return ampiezze[static_cast<std::size_t>(i - 1) * numero_altezze +
                        static_cast<std::size_t>(j - 1)];
    }
};

/// The sounding of day `giorno_anno` at local time `ora` (hours); `seme`
/// drives the noise, the fading and the small variation of the layers.
sondaggio_sintetico sintetizza(int giorno_anno, double ora, std::uint64_t seme);

/// The 197-byte header of a file: the sweep at bytes 1-19, a readable
/// description (`descrizione`, cut to 39 characters) at 21-59, "xx" at 60-61,
/// the sounder settings and `seme` at 62-122, the station code at 123-127, a
/// note at 128-196 and a line feed at 197.
std::string intestazione(const std::string& descrizione, std::uint64_t seme);

} // namespace velaris::demo
