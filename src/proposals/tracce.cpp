#include "proposals/tracce.h"

#include "proposals/coordinate.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velaris::proposte_detail {

namespace {

constexpr int altezze = dati_ionogramma::numero_altezze;

/// Amplitudes are 0..255 as read and 0..254 after normalisation: a histogram
/// of 256 bins gives medians without sorting.
using istogramma = std::array<int, 256>;

int livello(std::int16_t a) { return std::clamp<int>(a, 0, 255); }

int quantile(const istogramma& h, int totale, double q) {
    const int soglia = static_cast<int>(std::ceil(q * totale));
    int somma = 0;
    for (int v = 0; v < 256; ++v) {
        somma += h[static_cast<std::size_t>(v)];
        if (somma >= std::max(soglia, 1)) return v;
    }
    return 255;
}

/// Median plus three median absolute deviations: the level above which a
/// cell stands out from the rest of its record or of its height. A record
/// crossed by a broadcast carrier, or a height with clutter at every
/// frequency, raises its own floor and nothing else.
int sopra_il_rumore(const istogramma& h, int totale) {
    const int mediana = quantile(h, totale, 0.5);
    // Half the cells or more at the median itself: no deviation to add.
    if (2 * h[static_cast<std::size_t>(mediana)] >= totale) return mediana;
    istogramma scarti{};
    for (int v = 0; v < 256; ++v)
        scarti[static_cast<std::size_t>(std::abs(v - mediana))] += h[static_cast<std::size_t>(v)];
    return mediana + 3 * quantile(scarti, totale, 0.5);
}

/// Groups of touching cells (corners included) smaller than this, or spanning
/// fewer records, are specks of noise or a carrier, not a trace.
constexpr int celle_minime = 6;
constexpr int colonne_minime = 3;

void togli_macchie(std::vector<std::uint8_t>& maschera, int colonne) {
    std::vector<int> gruppo;
    std::vector<int> da_visitare;
    // 1: above the noise; 3: above it and already reached.
    for (std::size_t inizio = 0; inizio < maschera.size(); ++inizio) {
        if (maschera[inizio] != 1) continue;
        gruppo.clear();
        da_visitare.assign(1, static_cast<int>(inizio));
        maschera[inizio] = 3;
        int prima = colonne, ultima = -1;
        while (!da_visitare.empty()) {
            const int k = da_visitare.back();
            da_visitare.pop_back();
            gruppo.push_back(k);
            const int c = k / altezze, j = k % altezze;
            prima = std::min(prima, c);
            ultima = std::max(ultima, c);
            for (int dc = -1; dc <= 1; ++dc)
                for (int dj = -1; dj <= 1; ++dj) {
                    const int cc = c + dc, jj = j + dj;
                    if (cc < 0 || cc >= colonne || jj < 0 || jj >= altezze) continue;
                    const auto v = static_cast<std::size_t>(cc * altezze + jj);
                    if (maschera[v] == 1) {
                        maschera[v] = 3;
                        da_visitare.push_back(static_cast<int>(v));
                    }
                }
        }
        if (static_cast<int>(gruppo.size()) < celle_minime || ultima - prima + 1 < colonne_minime)
            for (const int k : gruppo) maschera[static_cast<std::size_t>(k)] = 0;
    }
}

/// One height cell of the sounder, km.
constexpr double cella_km = 4.5;
/// Where a trace climbs steeply toward a critical frequency, its runs in two
/// records need not touch: up to this many empty cells below a run still
/// continue it, when no run overlaps. Only upward: a trace that starts just
/// below another (the extraordinary one) is not its continuation.
constexpr int vuoto_massimo = 3;
/// A trace that starts this far above the one it touches, and comes down
/// after, is the next layer's, not a continuation.
constexpr double salto_strato = 30.0;
/// Half a height cell plus the rounding of the leading edge, per hop.
constexpr double tolleranza_multiplo = cella_km;

/// A run two, three or four times as high as a stronger run below it in the
/// same record is taken for a multiple hop of that echo.
void segna_multipli(tracce& t) {
    for (int c = 0; c < t.colonne; ++c)
        for (int a = t.inizio[static_cast<std::size_t>(c)];
             a < t.inizio[static_cast<std::size_t>(c) + 1]; ++a) {
            eco& alto = t.echi[static_cast<std::size_t>(a)];
            for (int b = t.inizio[static_cast<std::size_t>(c)]; b < a; ++b) {
                const eco& basso = t.echi[static_cast<std::size_t>(b)];
                if (basso.picco < alto.picco) continue;
                // Where the ordinary and extraordinary traces run together
                // the lower run is thick: its multiple may come from any of it.
                const double cima = altezza_cella(basso.alto);
                for (const int k : {2, 3})
                    if (alto.bordo >= k * basso.bordo - tolleranza_multiplo * k &&
                        alto.bordo <= k * cima + tolleranza_multiplo * k)
                        alto.multiplo = true;
            }
        }
}

/// Links every first-hop run to the one it continues in the record before
/// (or the one before that, across a record lost to interference): the run
/// it overlaps most or, where none overlaps, the nearest. Where a layer is penetrated its trace and
/// the next layer's may touch at the top of the cusp; a run that starts far above the one it
/// touches and is followed by lower ones is the next layer's trace coming down, and starts a chain
/// of its own.
void collega(tracce& t) {
    const auto n = t.echi.size();
    for (int c = 0; c < t.colonne; ++c)
        for (int a = t.inizio[static_cast<std::size_t>(c)];
             a < t.inizio[static_cast<std::size_t>(c) + 1]; ++a) {
            eco& e = t.echi[static_cast<std::size_t>(a)];
            if (e.multiplo) continue;
            for (int indietro = 1; indietro <= 2 && e.precedente < 0 && c - indietro >= 0;
                 ++indietro) {
                int sovrapposte = -2 - vuoto_massimo;
                const auto cp = static_cast<std::size_t>(c - indietro);
                for (int b = t.inizio[cp]; b < t.inizio[cp + 1]; ++b) {
                    const eco& p = t.echi[static_cast<std::size_t>(b)];
                    const int comune = std::min(e.alto, p.alto) - std::max(e.basso, p.basso);
                    const bool sopra = e.basso > p.alto;
                    if (p.multiplo || comune < (sopra ? -1 - vuoto_massimo : 0)) continue;
                    if (comune > sovrapposte) {
                        sovrapposte = comune;
                        e.precedente = b;
                    }
                }
            }
        }
    std::vector<bool> scende(n, false);
    for (const eco& e : t.echi)
        if (e.precedente >= 0 && e.bordo < t.echi[static_cast<std::size_t>(e.precedente)].bordo)
            scende[static_cast<std::size_t>(e.precedente)] = true;
    for (std::size_t k = 0; k < n; ++k) {
        eco& e = t.echi[k];
        if (e.precedente >= 0 && scende[k] &&
            e.bordo > t.echi[static_cast<std::size_t>(e.precedente)].bordo + salto_strato)
            e.precedente = -1;
        // Earlier records come first, so the chain before is already done.
        const eco* p =
            e.precedente >= 0 ? &t.echi[static_cast<std::size_t>(e.precedente)] : nullptr;
        e.radice = p ? p->radice : static_cast<int>(k);
        e.minimo_catena = p ? std::min(e.bordo, p->minimo_catena) : e.bordo;
    }
}

} // namespace

tracce trova_tracce(const dati_ionogramma& dati) {
    tracce t;
    t.frequenza_iniziale = dati.frequenza_iniziale;
    t.passo = dati.passo_frequenza;
    t.colonne = std::max(0, dati.numero_frequenze);
    if (static_cast<std::size_t>(t.colonne) * altezze > dati.ampiezze.size()) t.colonne = 0;
    const int n = t.colonne;
    const auto cella = [&](int c, int j) {
        return livello(
            dati.ampiezze[static_cast<std::size_t>(c) * altezze + static_cast<std::size_t>(j)]);
    };

    // One pass over the matrix gathers the amplitudes of every record, of
    // every height and of the whole ionogram.
    istogramma tutte{};
    std::vector<istogramma> righe(altezze, istogramma{});
    std::vector<int> soglia_colonna(static_cast<std::size_t>(n));
    // Most cells hold no echo: they are counted as the rest.
    int non_nulle = 0;
    for (int c = 0; c < n; ++c) {
        istogramma colonna{};
        for (int j = 0; j < altezze; ++j) {
            const auto v = static_cast<std::size_t>(cella(c, j));
            if (v == 0) continue;
            ++colonna[v];
            ++righe[static_cast<std::size_t>(j)][v];
            ++tutte[v];
        }
        int nella_colonna = 0;
        for (const int k : colonna) nella_colonna += k;
        colonna[0] = altezze - nella_colonna;
        non_nulle += nella_colonna;
        soglia_colonna[static_cast<std::size_t>(c)] = sopra_il_rumore(colonna, altezze);
    }
    std::array<int, altezze> soglia_riga{};
    for (int j = 0; j < altezze; ++j) {
        istogramma& riga = righe[static_cast<std::size_t>(j)];
        int nella_riga = 0;
        for (const int k : riga) nella_riga += k;
        riga[0] = n - nella_riga;
        soglia_riga[static_cast<std::size_t>(j)] = sopra_il_rumore(riga, n);
    }
    // The floor of the whole ionogram: a tenth of its strong echoes, so that
    // the scale of the amplitudes (as read or normalised) does not matter.
    const int minima = std::max(1, quantile(tutte, non_nulle, 0.995) / 10);

    const auto soglia = [&](int c, int j) {
        return std::max({minima, soglia_colonna[static_cast<std::size_t>(c)],
                         soglia_riga[static_cast<std::size_t>(j)]});
    };
    std::vector<std::uint8_t> maschera(static_cast<std::size_t>(n) * altezze, 0);
    for (int c = 0; c < n; ++c)
        for (int j = 0; j < altezze; ++j)
            if (const int v = cella(c, j); v > 0)
                maschera[static_cast<std::size_t>(c * altezze + j)] = v > soglia(c, j);
    togli_macchie(maschera, n);

    t.inizio.reserve(static_cast<std::size_t>(n) + 1);
    for (int c = 0; c < n; ++c) {
        t.inizio.push_back(static_cast<int>(t.echi.size()));
        for (int j = 0; j < altezze;) {
            if (!maschera[static_cast<std::size_t>(c * altezze + j)]) {
                ++j;
                continue;
            }
            eco e;
            e.colonna = c;
            e.basso = j;
            while (j < altezze && maschera[static_cast<std::size_t>(c * altezze + j)])
                e.picco = std::max(e.picco, cella(c, j++));
            e.alto = j - 1;
            // A lone weak cell touching a trace by a corner would pass for
            // its continuation.
            if (e.alto == e.basso && e.picco < 2 * soglia(c, e.basso)) continue;
            int bordo = e.basso;
            while (2 * cella(c, bordo) < e.picco) ++bordo;
            e.bordo = altezza_cella(bordo);
            t.echi.push_back(e);
        }
    }
    t.inizio.push_back(static_cast<int>(t.echi.size()));
    segna_multipli(t);
    collega(t);
    t.echi_radice.assign(t.echi.size(), 0);
    for (const eco& e : t.echi)
        if (e.radice >= 0) ++t.echi_radice[static_cast<std::size_t>(e.radice)];
    return t;
}

} // namespace velaris::proposte_detail
