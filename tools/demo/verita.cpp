#include "verita.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace velaris::demo {

namespace {

/// A local maximum of the density profile that a rising frequency gets
/// through: its height and fp^2.
struct picco {
    double altezza, fp2;
};

/// The maxima the ordinary wave penetrates one after another, walking up the
/// profile: each one denser than all below it, the last one the densest.
std::vector<picco> picchi_penetrati(const ionosfera& io) {
    std::vector<picco> picchi;
    constexpr double passo = 0.25;
    double massimo = 0.0;
    double precedente = io.plasma2(60.0);
    bool in_salita = true;
    for (double h = 60.0 + passo; h <= 700.0; h += passo) {
        const double v = io.plasma2(h);
        if (in_salita && v < precedente && precedente > massimo) {
            picchi.push_back({h - passo, precedente});
            massimo = precedente;
        }
        in_salita = v >= precedente;
        precedente = v;
    }
    return picchi;
}

std::optional<double> minimo(std::optional<double> a, double b) { return a ? std::min(*a, b) : b; }

std::string decimali(const std::optional<double>& v, int cifre) {
    if (!v) return {};
    char testo[32];
    const auto fine =
        std::to_chars(testo, testo + sizeof testo, *v, std::chars_format::fixed, cifre);
    return std::string(testo, fine.ptr);
}

} // namespace

valori_veri verita(const sondaggio_sintetico& s) {
    const ionosfera& io = s.io;
    valori_veri v;
    v.fmin = io.fmin;
    const std::vector<picco> picchi = picchi_penetrati(io);
    if (picchi.empty()) return v;
    const auto visibile = [&](double fp2) -> std::optional<double> {
        const double f = std::sqrt(fp2);
        if (f > io.fmin) return f;
        return std::nullopt;
    };
    v.foF2 = visibile(picchi.back().fp2);
    if (picchi.size() > 1 && picchi.front().altezza < 150.0) v.foE = visibile(picchi.front().fp2);
    const std::size_t primo_f = v.foE || picchi.front().altezza < 150.0 ? 1 : 0;
    if (picchi.size() >= primo_f + 2) v.foF1 = visibile(picchi[picchi.size() - 2].fp2);

    // Virtual heights on the sounder's own frequencies, as the echoes were drawn.
    const profilo p(io);
    const double sopra_e = v.foE ? *v.foE : 0.0;
    for (int i = 1; i <= numero_frequenze; ++i) {
        const double f = frequenza_record(i);
        if (f <= io.fmin) continue;
        const auto h = p.altezza_virtuale(f, modo::ordinario);
        if (h && v.foE && f < *v.foE) v.hE = minimo(v.hE, *h);
        if (h && v.foF2 && f > sopra_e && f < *v.foF2) v.hF = minimo(v.hF, *h);
        if (s.es && s.es->foEs > io.fmin && f < s.es->foEs) {
            if (const auto sotto = p.percorso_fino_a(f, modo::ordinario, s.es->hEs))
                v.hEs = minimo(
                    v.hEs,
                    *sotto + std::min(15.0, 1.5 / std::sqrt(1.0 - std::pow(f / s.es->foEs, 2))));
        }
    }
    if (v.hEs) v.foEs = s.es->foEs;
    return v;
}

std::string tabella_verita(const opzioni_giornata& o) {
    std::string tabella = "file,fmin,hE,foE,foEs,hEs,hF,foF1,foF2\n";
    for (const voce_giornata& voce : piano_giornata(o)) {
        if (voce.stato != stato_file::presente) continue;
        const valori_veri v = verita(sondaggio_di(o, voce));
        tabella += voce.nome;
        for (const auto& [valore, cifre] : {std::pair{v.fmin, 3},
                                            {v.hE, 1},
                                            {v.foE, 3},
                                            {v.foEs, 3},
                                            {v.hEs, 1},
                                            {v.hF, 1},
                                            {v.foF1, 3},
                                            {v.foF2, 3}}) {
            tabella += ',';
            tabella += decimali(valore, cifre);
        }
        tabella += '\n';
    }
    return tabella;
}

} // namespace velaris::demo
