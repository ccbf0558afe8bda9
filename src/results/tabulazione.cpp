#include "tabulazione.h"

#include "base/numeri.h"
#include "ionogram/stazioni.h"
#include "results/ore_piene.h"
#include "scaling/tabella_grandezze.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace velaris {

namespace {

constexpr double infinito = std::numeric_limits<double>::infinity();

/// One value that counts: where it stands at face value, and the lowest and
/// highest values its letters allow.
struct voce {
    double faccia, basso, alto;
    const valore_letto* cella;
};

std::optional<voce> voce_di(const valore_letto& v) {
    if (!v.valore) {
        // A descriptive letter alone for "below" or "above the range" still
        // counts, at that end of every ranking.
        if (v.descrittiva == "E") return voce{-infinito, -infinito, -infinito, &v};
        if (v.descrittiva == "D") return voce{infinito, infinito, infinito, &v};
        return std::nullopt;
    }
    const double x = *v.valore;
    switch (limite_di(v)) {
    case limite::almeno:
        return voce{x, x, infinito, &v};
    case limite::al_piu:
        return voce{x, -infinito, x, &v};
    case limite::nessuno:
        break;
    }
    return voce{x, x, x, &v};
}

/// The median of n ordered values from `da`; plain arithmetic keeps the ends
/// right: a mean with an infinity is that infinity, of both infinities NaN.
double mediana_di(const std::vector<double>& ordinati, std::size_t da, std::size_t n) {
    const std::size_t mezzo = da + n / 2;
    if (n % 2 == 1) return ordinati[mezzo];
    return (ordinati[mezzo - 1] + ordinati[mezzo]) / 2.0;
}

/// A statistic at face value, at its lowest and at its highest: a limit
/// where only one end moves, rounded outward so that the bound stays true.
std::optional<statistica> giudizio(double faccia, double basso, double alto) {
    if (std::isnan(faccia)) return std::nullopt;
    const bool scende = !(basso == faccia), sale = !(alto == faccia);
    if (!std::isfinite(faccia)) {
        if (scende || sale) return std::nullopt;
        return statistica{std::nullopt, ' ', faccia < 0 ? 'E' : 'D'};
    }
    const auto intero = [](double v) { return static_cast<int>(v); };
    if (scende && sale) return statistica{intero(arrotonda_pari(faccia)), 'U', ' '};
    if (scende) return statistica{intero(std::ceil(faccia)), 'E', ' '};
    if (sale) return statistica{intero(std::floor(faccia)), 'D', ' '};
    return statistica{intero(arrotonda_pari(faccia)), ' ', ' '};
}

/// One cell of six characters: a blank, the text right-aligned in three,
/// then two more (the letters, or blanks).
std::string cella(const std::string& valore, std::string_view dopo = "  ") {
    std::string c(1 + (valore.size() < 3 ? 3 - valore.size() : 0), ' ');
    c += valore;
    c += dopo;
    return c;
}

std::string cella_statistica(const std::optional<statistica>& s) {
    if (!s) return std::string(6, ' ');
    return cella(s->valore ? std::to_string(*s->valore) : std::string(),
                 std::string{s->qualificativa, s->descrittiva});
}

std::string lettera(const std::string& l) { return l.empty() ? std::string(" ") : l.substr(0, 1); }

std::string etichetta_riga(std::string_view testo) {
    std::string e(testo);
    e.resize(3, ' ');
    return e;
}

} // namespace

limite limite_di(const valore_letto& v) {
    if (v.qualificativa == "D") return limite::almeno;
    if (v.qualificativa == "E" || v.qualificativa == "A") return limite::al_piu;
    if (v.descrittiva == "D") return limite::almeno;
    if (v.descrittiva == "E") return limite::al_piu;
    return limite::nessuno;
}

statistiche_ora statistiche(const std::vector<valore_letto>& celle) {
    std::vector<voce> voci;
    for (const auto& c : celle)
        if (const auto v = voce_di(c)) voci.push_back(*v);
    std::stable_sort(voci.begin(), voci.end(),
                     [](const voce& a, const voce& b) { return a.faccia < b.faccia; });
    std::vector<double> faccia, basso, alto;
    for (const auto& v : voci) {
        faccia.push_back(v.faccia);
        basso.push_back(v.basso);
        alto.push_back(v.alto);
    }
    std::sort(basso.begin(), basso.end());
    std::sort(alto.begin(), alto.end());
    const std::size_t n = voci.size();
    const auto stima = [&](std::size_t da, std::size_t quanti) {
        return giudizio(mediana_di(faccia, da, quanti), mediana_di(basso, da, quanti),
                        mediana_di(alto, da, quanti));
    };

    statistiche_ora s;
    s.conteggio = static_cast<int>(n);
    if (n == 0) return s;
    s.mediana = stima(0, n);
    if (n >= conteggio_minimo_quartili) {
        s.quartile_inferiore = stima(0, n / 2);
        s.quartile_superiore = stima(n - n / 2, n / 2);
    }
    if (!s.mediana || !s.mediana->valore) return s;
    // The median's letters: U when a value it rests on is doubtful or when
    // the values are too few (a limit letter keeps the place), and the
    // descriptive letter of most of the values.
    statistica& m = *s.mediana;
    const bool dubbia = voci[n / 2].cella->qualificativa == "U" ||
                        (n % 2 == 0 && voci[n / 2 - 1].cella->qualificativa == "U");
    if (m.qualificativa == ' ' && (dubbia || s.conteggio < conteggio_mediana_sicura))
        m.qualificativa = 'U';
    std::map<std::string, std::size_t> descrittive;
    for (const auto& v : voci)
        if (!v.cella->descrittiva.empty()) ++descrittive[v.cella->descrittiva];
    for (const auto& [lettera_d, quante] : descrittive)
        if (2 * quante > n) m.descrittiva = lettera_d[0];
    return s;
}

std::string tabulazione_mensile(std::string_view chiave, int anno, int mese,
                                const std::vector<const giornata*>& giorni) {
    const std::size_t i = indice_chiave(chiave).value();
    const grandezza& g = *trova_grandezza(chiave);
    const auto codice = codice_ursi(chiave);

    std::string testo = std::string(stazione_sistema) + "   " + std::string(g.didascalia) +
                        "   URSI code " + std::string(codice.value_or("--")) + "   unit " +
                        std::string(nome_unita(*unita_di(chiave))) + "   " + std::to_string(anno) +
                        "-" + due_cifre(mese) + "   hours UT\r\n\r\n";
    testo += "DD ";
    for (int ora = 0; ora < 24; ++ora) testo += cella(due_cifre(ora));
    testo += "\r\n";

    std::array<std::vector<valore_letto>, 24> per_ora;
    for (int giorno = 1; giorno <= giorni_del_mese(anno, mese); ++giorno) {
        testo += etichetta_riga(due_cifre(giorno));
        const auto trovato = std::find_if(giorni.begin(), giorni.end(), [&](const giornata* d) {
            return d->data == data_calendario{anno, mese, giorno};
        });
        for (int ora = 0; ora < 24; ++ora) {
            const sondaggio* s = trovato == giorni.end() ? nullptr : (*trovato)->ora_piena(ora);
            if (s == nullptr) {
                testo += "      ";
                continue;
            }
            const valore_letto& v = s->valori[i];
            per_ora[static_cast<std::size_t>(ora)].push_back(v);
            testo += cella(v.valore ? std::to_string(*v.valore) : std::string(),
                           lettera(v.qualificativa) + lettera(v.descrittiva));
        }
        testo += "\r\n";
    }

    std::array<statistiche_ora, 24> st;
    for (std::size_t ora = 0; ora < 24; ++ora) st[ora] = statistiche(per_ora[ora]);
    testo += "\r\n";
    testo += etichetta_riga("CNT");
    for (const auto& s : st) testo += cella(std::to_string(s.conteggio));
    testo += "\r\n";
    const std::pair<const char*, std::optional<statistica> statistiche_ora::*> righe[] = {
        {"MED", &statistiche_ora::mediana},
        {"UQ", &statistiche_ora::quartile_superiore},
        {"LQ", &statistiche_ora::quartile_inferiore},
    };
    for (const auto& [etichetta, membro] : righe) {
        testo += etichetta_riga(etichetta);
        for (const auto& s : st) testo += cella_statistica(s.*membro);
        testo += "\r\n";
    }
    return testo;
}

} // namespace velaris
