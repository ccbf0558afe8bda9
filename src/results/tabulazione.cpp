#include "tabulazione.h"

#include "base/numeri.h"
#include "ionogram/stazioni.h"
#include "results/ore_piene.h"
#include "scaling/tabella_grandezze.h"

#include <algorithm>
#include <array>

namespace velaris {

namespace {

std::optional<double> mediana_di(const std::vector<int>& ordinati, std::size_t da, std::size_t n) {
    if (n == 0) return std::nullopt;
    const std::size_t mezzo = da + n / 2;
    if (n % 2 == 1) return ordinati[mezzo];
    return (ordinati[mezzo - 1] + ordinati[mezzo]) / 2.0;
}

/// One cell of six characters: a blank, the text right-aligned in three,
/// then two more (the letters, or blanks).
std::string cella(const std::string& valore, std::string_view dopo = "  ") {
    std::string c(1 + (valore.size() < 3 ? 3 - valore.size() : 0), ' ');
    c += valore;
    c += dopo;
    return c;
}

std::string cella_numero(const std::optional<double>& v) {
    if (!v) return std::string(6, ' ');
    return cella(std::to_string(static_cast<long long>(arrotonda_pari(*v))));
}

std::string lettera(const std::string& l) { return l.empty() ? std::string(" ") : l.substr(0, 1); }

std::string etichetta_riga(std::string_view testo) {
    std::string e(testo);
    e.resize(3, ' ');
    return e;
}

} // namespace

statistiche_ora statistiche(std::vector<int> valori) {
    std::sort(valori.begin(), valori.end());
    const std::size_t n = valori.size();
    statistiche_ora s;
    s.conteggio = static_cast<int>(n);
    s.mediana = mediana_di(valori, 0, n);
    if (n >= 2) {
        s.quartile_inferiore = mediana_di(valori, 0, n / 2);
        s.quartile_superiore = mediana_di(valori, n - n / 2, n / 2);
    }
    return s;
}

std::string tabulazione_mensile(std::string_view chiave, int anno, int mese,
                                const std::vector<const giornata*>& giorni) {
    const std::size_t i = indice_chiave(chiave).value();
    const grandezza& g = *trova_grandezza(chiave);
    const auto codice = codice_ursi(chiave);

    std::string testo = std::string(stazione_sistema) + "   " + std::string(g.didascalia) +
                        "   URSI code " + std::string(codice.value_or("--")) + "   unit " +
                        std::string(nome_unita(*unita_di(chiave))) + "   " +
                        std::to_string(anno) + "-" + due_cifre(mese) + "\r\n\r\n";
    testo += "DD ";
    for (int ora = 0; ora < 24; ++ora) testo += cella(due_cifre(ora));
    testo += "\r\n";

    std::array<std::vector<int>, 24> per_ora;
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
            if (v.valore) per_ora[static_cast<std::size_t>(ora)].push_back(*v.valore);
            testo += cella(v.valore ? std::to_string(*v.valore) : std::string(),
                           lettera(v.qualificativa) + lettera(v.descrittiva));
        }
        testo += "\r\n";
    }

    std::array<statistiche_ora, 24> st;
    for (std::size_t ora = 0; ora < 24; ++ora) st[ora] = statistiche(per_ora[ora]);
    testo += "\r\n";
    testo += etichetta_riga("CNT");
    for (const auto& s : st) testo += cella_numero(static_cast<double>(s.conteggio));
    testo += "\r\n";
    testo += etichetta_riga("MED");
    for (const auto& s : st) testo += cella_numero(s.mediana);
    testo += "\r\n";
    testo += etichetta_riga("UQ");
    for (const auto& s : st) testo += cella_numero(s.quartile_superiore);
    testo += "\r\n";
    testo += etichetta_riga("LQ");
    for (const auto& s : st) testo += cella_numero(s.quartile_inferiore);
    testo += "\r\n";
    return testo;
}

} // namespace velaris
