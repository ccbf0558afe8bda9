#pragma once
// The physics of the demo day: a layered ionosphere over a mid-latitude
// station, changing with the sun, and the group path of a vertically sounded
// wave through it. Heights in km, frequencies in MHz, plasma frequencies
// handled squared (fp^2 is proportional to the electron density).

#include <functional>
#include <optional>
#include <vector>

namespace velaris::demo {

/// Geographic latitude of the demo station, degrees north.
inline constexpr double latitudine_stazione = 45.0;
/// Electron gyrofrequency over the station, MHz.
inline constexpr double girofrequenza = 1.3;
/// Smoothed sunspot number that sets the level of the E and F1 layers.
inline constexpr double numero_macchie = 70.0;

/// Magneto-ionic mode of an echo.
enum class modo { ordinario, straordinario };

/// Cosine of the solar zenith angle at `latitudine` (degrees) on day
/// `giorno_anno` (1..366) at local solar time `ora` (hours).
double coseno_zenitale(int giorno_anno, double ora, double latitudine = latitudine_stazione);

/// Normalised Chapman layer shape exp((1 - z - e^-z) / 2): 1 at z = 0.
double chapman(double z);

/// The layers of the ionosphere at one moment. A critical frequency of 0
/// means the layer is absent.
struct ionosfera {
    double foE = 0, hmE = 110, hE = 9;     ///< E: critical frequency, peak, scale height
    double foF1 = 0, hmF1 = 180, hF1 = 25; ///< F1: a ledge, flat above its peak
    double foF2 = 0, hmF2 = 300, hF2 = 50; ///< F2
    double fmin = 1.0;                     ///< no echo below this frequency (D-region absorption)

    /// Plasma frequency squared at height `h`, MHz^2.
    double plasma2(double h) const;
};

/// foF2 over the day at local solar time `ora`: a smooth curve from about
/// 3 MHz before dawn to about 9 MHz in the early afternoon.
double fof2_del_giorno(double ora);

/// The ionosphere over the station on day `giorno_anno` at local solar time `ora`.
ionosfera ionosfera_del_momento(int giorno_anno, double ora);

/// A sporadic-E patch: a thin dense layer that reflects up to `foEs` and lets
/// through part of the waves below `foEs`, all of those above `fbEs`.
struct strato_es {
    double foEs = 0; ///< top frequency of the Es trace
    double fbEs = 0; ///< blanketing frequency: F echoes below it are much weaker
    double hEs = 0;  ///< true height of the patch
};

/// The Es patch at local time `ora`, if the day has one then: a few hours in
/// the afternoon and one episode in the evening.
std::optional<strato_es> es_del_momento(double ora);

/// fp^2 at which a wave of frequency `f` reflects in mode `m`: f^2 for the
/// ordinary wave, f (f - fH) for the extraordinary one (no reflection, 0,
/// when f <= fH).
double livello_riflessione(double f, modo m, double fH = girofrequenza);

/// fp^2 sampled on a uniform height grid from the base of the ionosphere up.
/// Between two samples fp^2 is taken as linear, so the group integral over
/// each step has a closed form and the singularity at reflection is exact.
class profilo {
public:
    profilo(const std::function<double(double)>& plasma2, double h_base, double h_cima,
            double passo);
    explicit profilo(const ionosfera& io, double h_base = 60.0, double h_cima = 700.0,
                     double passo = 0.25);

    double h_base() const { return m_h_base; }
    double passo() const { return m_passo; }
    /// Largest fp^2 of the profile (foF2^2 for a normal ionosphere).
    double massimo() const { return m_massimo; }

    /// Lowest height where fp^2 reaches `livello`; none if the wave goes through.
    std::optional<double> altezza_riflessione(double livello) const;

    /// Virtual height of the echo of frequency `f` in mode `m`: the base
    /// height plus the integral of the group index from the base up to the
    /// reflection. None when the wave goes through.
    std::optional<double> altezza_virtuale(double f, modo m) const;

    /// Group path of frequency `f` in mode `m` from the base up to height
    /// `h` (km), as a virtual height; none if the wave reflects below `h`.
    std::optional<double> percorso_fino_a(double f, modo m, double h) const;

private:
    double integrale(double livello, double h_fine) const;

    double m_h_base, m_passo, m_massimo = 0;
    std::vector<double> m_fp2;
};

} // namespace velaris::demo
