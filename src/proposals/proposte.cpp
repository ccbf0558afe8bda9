#include "proposals/proposte.h"

#include "proposals/coordinate.h"
#include "proposals/tracce.h"

#include <algorithm>
#include <cmath>

namespace velaris {

namespace {

using proposte_detail::altezza_cella;
using proposte_detail::eco;
using proposte_detail::punto;
using proposte_detail::tracce;

/// Echoes whose trace starts below this virtual height belong to the E
/// region (E and sporadic E), the others to the F region.
constexpr double limite_e_f = 160.0;

/// How far back along a trace its rise toward a critical frequency is looked for.
constexpr double tratto_cuspide = 0.5;
/// A trace ends at a critical frequency when its last echo reaches this far
/// above the lowest leading edge of that stretch: a sporadic-E trace, flat up
/// to its end, stays well below.
constexpr double salita_cuspide = 35.0;

/// The extraordinary trace runs about half the gyrofrequency above the
/// ordinary one; gyrofrequencies of 0.6 to 2 MHz cover the stations of the
/// world.
constexpr double separazione_x_minima = 0.3;
constexpr double separazione_x_massima = 1.0;
/// One height cell of the sounder, km.
constexpr double cella_km = 4.5;
/// Traces that start this close to the first F echo are taken for ordinary.
constexpr double inizio_ordinaria = 0.25;

/// A trace that ends where its leading edge has climbed steeply: the
/// penetration of a layer, or the top of the ionogram.
struct cuspide {
    int eco = -1;
    double frequenza = 0; ///< between the last echo and the first record without it
    double bordo = 0;     ///< leading edge of the last echo
    double minimo = 0;    ///< lowest leading edge of the stretch before it
};

/// What the rules found, in MHz and km, before it becomes plot points.
struct valori {
    std::optional<double> fmin, hE, foE, foEs, hEs, hF, foF1, foF2;
    double f_hE = 0, f_hEs = 0, f_hF = 0; ///< where the heights were read
    double h_fmin = 0, h_foE = 0, h_foEs = 0, h_foF1 = 0, h_foF2 = 0;
};

const eco& echo(const tracce& t, int k) { return t.echi[static_cast<std::size_t>(k)]; }

std::vector<cuspide> trova_cuspidi(const tracce& t) {
    std::vector<bool> continuato(t.echi.size(), false);
    for (const eco& e : t.echi)
        if (e.precedente >= 0) continuato[static_cast<std::size_t>(e.precedente)] = true;
    std::vector<cuspide> cuspidi;
    for (int k = 0; k < static_cast<int>(t.echi.size()); ++k) {
        const eco& fine = echo(t, k);
        // A trace still going at the end of the sweep has its critical
        // frequency beyond it.
        if (fine.multiplo || continuato[static_cast<std::size_t>(k)] ||
            fine.colonna == t.colonne - 1)
            continue;
        const double f = t.frequenza(fine.colonna);
        double minimo = fine.bordo;
        int lunghezza = 1;
        for (int p = fine.precedente;
             p >= 0 && t.frequenza(echo(t, p).colonna) >= f - tratto_cuspide;
             p = echo(t, p).precedente) {
            minimo = std::min(minimo, echo(t, p).bordo);
            ++lunghezza;
        }
        const double cima = altezza_cella(fine.alto);
        if (lunghezza >= 3 && cima - minimo >= salita_cuspide && fine.bordo > minimo)
            cuspidi.push_back({k, f + t.passo / 2, fine.bordo, minimo});
    }
    std::sort(cuspidi.begin(), cuspidi.end(),
              [](const cuspide& a, const cuspide& b) { return a.frequenza < b.frequenza; });
    return cuspidi;
}

/// Lowest leading edge along the whole trace that ends in echo k, and the
/// frequency where it lies.
std::pair<double, double> base_traccia(const tracce& t, int k) {
    double minimo = echo(t, k).bordo, frequenza = t.frequenza(echo(t, k).colonna);
    for (int p = k; p >= 0; p = echo(t, p).precedente)
        if (echo(t, p).bordo < minimo) {
            minimo = echo(t, p).bordo;
            frequenza = t.frequenza(echo(t, p).colonna);
        }
    return {minimo, frequenza};
}

/// The lowest first-hop echo of record c in the E region, or nullptr.
const eco* eco_e(const tracce& t, int c) {
    for (int k = t.inizio[static_cast<std::size_t>(c)];
         k < t.inizio[static_cast<std::size_t>(c) + 1]; ++k)
        if (!echo(t, k).multiplo && echo(t, k).bordo < limite_e_f) return &echo(t, k);
    return nullptr;
}

/// The first-hop echoes of the F region above the E cusp, on traces that did
/// not climb out of the E region.
bool eco_f(const tracce& t, const eco& e, double sopra_e) {
    return !e.multiplo && t.frequenza(e.colonna) > sopra_e && e.bordo >= limite_e_f &&
           e.minimo_catena >= limite_e_f && t.lunghezza_catena(e) >= 3;
}

void strato_e(const tracce& t, const std::vector<cuspide>& cuspidi, valori& v) {
    // The ordinary E cusp is the first, on the trace the E echoes begin
    // with. The extraordinary one, starting at least 0.3 MHz later, is no
    // stand-in when the ordinary cusp cannot be made out.
    double inizio = t.frequenza(t.colonne);
    for (const eco& e : t.echi)
        if (!e.multiplo && e.bordo < limite_e_f && t.lunghezza_catena(e) >= 3)
            inizio = std::min(inizio, t.frequenza(e.colonna));
    for (const cuspide& c : cuspidi) {
        if (c.minimo >= limite_e_f) continue;
        if (t.frequenza(echo(t, echo(t, c.eco).radice).colonna) >= inizio + inizio_ordinaria)
            return;
        // A cusp far weaker than the flat trace beneath it is seen through a
        // sporadic E layer, which hides the ordinary cusp: no guess then.
        const eco& fine = echo(t, c.eco);
        const eco* sotto = eco_e(t, fine.colonna);
        if (sotto && sotto != &fine && sotto->picco > 2 * fine.picco) return;
        // Above foE the ordinary wave goes through to the F layer: no F
        // trace begins below the ordinary cusp, while one does below the
        // extraordinary cusp when that alone is made out.
        for (const eco& e : t.echi)
            if (eco_f(t, e, 0.0) && t.frequenza(e.colonna) < c.frequenza - t.passo) return;
        v.foE = c.frequenza;
        v.h_foE = c.bordo;
        const auto [minimo, frequenza] = base_traccia(t, c.eco);
        v.hE = minimo;
        v.f_hE = frequenza;
        return;
    }
}

void strato_es(const tracce& t, const std::vector<cuspide>& cuspidi, valori& v) {
    // Sporadic E: an E-region trace that goes on past the E cusp (or stands
    // alone, by night) and ends flat, without climbing to a cusp.
    const int da =
        v.foE ? static_cast<int>(std::ceil((*v.foE - t.frequenza_iniziale) / t.passo)) : 0;
    int ultima = -1;
    for (int c = std::max(0, da); c < t.colonne; ++c)
        if (eco_e(t, c)) ultima = c;
    if (ultima < 0) return;
    const eco& fine = *eco_e(t, ultima);
    for (const cuspide& c : cuspidi)
        if (&echo(t, c.eco) == &fine) return;
    // Walk down in frequency while the E-region echo goes on (gaps of a
    // record allowed). Its height is the one most of it keeps: where the
    // normal E trace runs below it, that one is lower.
    std::vector<double> bordi;
    int prima = ultima;
    for (int c = ultima; c >= std::max(0, da) && prima - c <= 2; --c)
        if (const eco* e = eco_e(t, c)) {
            prima = c;
            bordi.push_back(e->bordo);
        }
    std::sort(bordi.begin(), bordi.end());
    double piu_frequente = bordi.front();
    std::size_t volte = 0;
    for (std::size_t a = 0, b = 0; a < bordi.size(); a = b) {
        while (b < bordi.size() && bordi[b] == bordi[a]) ++b;
        if (b - a > volte) {
            volte = b - a;
            piu_frequente = bordi[a];
        }
    }
    double minimo = piu_frequente, f_minimo = t.frequenza(ultima);
    for (int c = ultima; c >= prima; --c)
        if (const eco* e = eco_e(t, c); e && e->bordo == piu_frequente) f_minimo = t.frequenza(c);
    if (t.frequenza(ultima) - t.frequenza(prima) < 0.2) return;
    // A trace that climbs at its end is a cusp running into the next layer,
    // even where the two touch and no end shows.
    if (altezza_cella(fine.alto) - piu_frequente >= salita_cuspide) return;
    // Within reach of the E cusp's extraordinary twin, only a trace flat to
    // a height cell all along (its last record aside) is taken for Es: the
    // extraordinary E trace climbs on its way to its own cusp.
    if (v.foE && t.frequenza(ultima) <= *v.foE + separazione_x_massima)
        for (int c = ultima - 1; c >= prima; --c)
            if (const eco* e = eco_e(t, c); e && std::abs(e->bordo - piu_frequente) > cella_km)
                return;
    v.foEs = t.frequenza(ultima) + t.passo / 2;
    v.h_foEs = fine.bordo;
    v.hEs = minimo;
    v.f_hEs = f_minimo;
}

/// Whether a new trace starts above the cusp's last echo within the next few
/// records (the next layer, reached through the one that ended) and none
/// does in the records from `da` up to the cusp (then the ordinary cusp was
/// earlier, and this one is the extraordinary twin).
bool traccia_da_sopra(const tracce& t, const cuspide& c, int da) {
    const int colonna = echo(t, c.eco).colonna;
    bool dopo = false;
    for (int d = std::max(0, da); d <= std::min(t.colonne - 1, colonna + 3); ++d)
        for (int k = t.inizio[static_cast<std::size_t>(d)];
             k < t.inizio[static_cast<std::size_t>(d) + 1]; ++k) {
            const eco& e = echo(t, k);
            if (e.multiplo || e.precedente >= 0 || e.bordo <= c.bordo + 20.0) continue;
            if (d > colonna)
                dopo = true;
            else if (d < colonna && t.lunghezza_catena(e) >= 3)
                return false;
        }
    return dopo;
}

void strato_f(const tracce& t, const std::vector<cuspide>& cuspidi, valori& v) {
    const double sopra = v.foE ? *v.foE : 0.0;
    double f_inizio = t.frequenza(t.colonne), f_cima = -1;
    for (const eco& e : t.echi)
        if (eco_f(t, e, sopra)) {
            f_inizio = std::min(f_inizio, t.frequenza(e.colonna));
            f_cima = std::max(f_cima, t.frequenza(e.colonna));
        }
    if (f_cima < 0) return;
    // The ordinary trace is the one the F echoes begin with: the
    // extraordinary one starts at least 0.3 MHz later and, cut less by the
    // absorption, may reach lower.
    const auto ordinaria = [&](const eco& e) {
        return t.frequenza(echo(t, e.radice).colonna) < f_inizio + inizio_ordinaria;
    };

    // h'F: the lowest leading edge of the ordinary trace. When the F echoes
    // do not start at the E cusp but where an E-region trace still runs
    // below them, a sporadic E layer is screening their lower part, and
    // what is seen of the trace need not hold its lowest point.
    for (const eco& e : t.echi)
        if (eco_f(t, e, sopra) && ordinaria(e) && (!v.hF || e.bordo < *v.hF)) {
            v.hF = e.bordo;
            v.f_hF = t.frequenza(e.colonna);
        }
    const bool dalla_cuspide_e = v.foE && f_inizio <= *v.foE + separazione_x_minima;
    for (const eco& e : t.echi) {
        const double f = t.frequenza(e.colonna);
        if (!dalla_cuspide_e && !e.multiplo && e.bordo < limite_e_f &&
            f >= f_inizio - inizio_ordinaria && f <= f_inizio)
            v.hF.reset();
    }

    std::vector<cuspide> f_cuspidi;
    for (const cuspide& c : cuspidi)
        if (c.minimo >= limite_e_f && c.frequenza > sopra) f_cuspidi.push_back(c);
    if (f_cuspidi.empty()) return;

    // foF2: among the cusps near the top of the F echoes, the highest one is
    // the extraordinary trace's when an ordinary one ends 0.3 to 1 MHz
    // below it; alone, it is taken for the ordinary trace.
    const cuspide& piu_alta = f_cuspidi.back();
    if (piu_alta.frequenza < f_cima - separazione_x_massima) return;
    const cuspide* fo = &piu_alta;
    for (const cuspide& c : f_cuspidi) {
        const double distanza = piu_alta.frequenza - c.frequenza;
        if (distanza >= separazione_x_minima && distanza <= separazione_x_massima) {
            fo = &c;
            break;
        }
    }
    v.foF2 = fo->frequenza;
    v.h_foF2 = fo->bordo;

    // foF1: the first F cusp well below foF2 where the F2 trace takes over,
    // coming down from above in the next records.
    for (const cuspide& c : f_cuspidi) {
        if (c.frequenza > *v.foF2 - 2 * separazione_x_minima) break;
        const int inizio_f =
            static_cast<int>(std::lround((f_inizio - t.frequenza_iniziale) / t.passo));
        if (!traccia_da_sopra(t, c, inizio_f + 1) || !ordinaria(echo(t, c.eco))) continue;
        v.foF1 = c.frequenza;
        v.h_foF1 = c.bordo;
        break;
    }
}

valori analizza(const dati_ionogramma& dati) {
    valori v;
    if (!(dati.passo_frequenza > 0)) return v;
    const tracce t = proposte_detail::trova_tracce(dati);
    for (int c = 0; c < t.colonne && !v.fmin; ++c)
        for (int k = t.inizio[static_cast<std::size_t>(c)];
             k < t.inizio[static_cast<std::size_t>(c) + 1]; ++k)
            if (!echo(t, k).multiplo) {
                v.fmin = t.frequenza(c);
                v.h_fmin = echo(t, k).bordo;
                break;
            }
    const std::vector<cuspide> cuspidi = trova_cuspidi(t);
    strato_e(t, cuspidi, v);
    strato_es(t, cuspidi, v);
    strato_f(t, cuspidi, v);
    return v;
}

} // namespace

std::vector<proposta> proposte(const dati_ionogramma& dati) {
    const valori v = analizza(dati);
    std::vector<proposta> elenco;
    const auto aggiungi = [&](std::string_view chiave, const std::optional<double>& valore,
                              double frequenza, double altezza) {
        if (!valore) return;
        if (const auto p = punto(frequenza, altezza)) elenco.push_back({chiave, *p});
    };
    aggiungi("fmin", v.fmin, v.fmin.value_or(0), v.h_fmin);
    aggiungi("hE", v.hE, v.f_hE, v.hE.value_or(0));
    aggiungi("foE", v.foE, v.foE.value_or(0), v.h_foE);
    aggiungi("foEs", v.foEs, v.foEs.value_or(0), v.h_foEs);
    aggiungi("hEs", v.hEs, v.f_hEs, v.hEs.value_or(0));
    aggiungi("hF", v.hF, v.f_hF, v.hF.value_or(0));
    aggiungi("foF1", v.foF1, v.foF1.value_or(0), v.h_foF1);
    aggiungi("foF2", v.foF2, v.foF2.value_or(0), v.h_foF2);
    return elenco;
}

std::optional<proposta> proponi(const dati_ionogramma& dati, std::string_view chiave) {
    for (const proposta& p : proposte(dati))
        if (p.chiave == chiave) return p;
    return std::nullopt;
}

} // namespace velaris
