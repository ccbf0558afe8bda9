#include "ore_piene.h"

#include "base/numeri.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace velaris {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 15> codici = {{
    {"foF2", "00"},
    {"M3000F2", "03"},
    {"hF2", "04"},
    {"MUF3000F2", "07"},
    {"foF1", "10"},
    {"M3000F1", "13"},
    {"hF", "16"},
    {"MUF3000F1", "17"},
    {"foE", "20"},
    {"hE", "24"},
    {"foEs", "30"},
    {"fbEs", "32"},
    {"hEs", "34"},
    {"fmin", "42"},
    {"fxI", "51"},
}};

std::string lettera(const std::string& l) { return l.empty() ? " " : l.substr(0, 1); }

std::string tre_cifre(int valore) {
    std::string t = std::to_string(valore);
    return std::string(t.size() < 3 ? 3 - t.size() : 0, '0') + t;
}

/// The lines of a text, without their line ends (CR LF, LF or CR).
std::vector<std::string> righe_di(std::string_view testo) {
    std::vector<std::string> righe;
    std::string riga;
    for (std::size_t n = 0; n < testo.size(); ++n) {
        const char c = testo[n];
        if (c == '\r' || c == '\n') {
            righe.push_back(riga);
            riga.clear();
            if (c == '\r' && n + 1 < testo.size() && testo[n + 1] == '\n') ++n;
        } else {
            riga.push_back(c);
        }
    }
    if (!riga.empty()) righe.push_back(riga);
    return righe;
}

} // namespace

std::optional<std::string_view> codice_ursi(std::string_view chiave) {
    for (const auto& [k, c] : codici)
        if (k == chiave) return c;
    return std::nullopt;
}

std::vector<std::string_view> chiavi_con_codice() {
    std::vector<std::string_view> chiavi;
    for (const auto chiave : chiavi_numeriche)
        if (codice_ursi(chiave)) chiavi.push_back(chiave);
    return chiavi;
}

std::string riga_oraria(std::string_view stazione, const giornata& g, std::string_view chiave) {
    const std::size_t i = indice_chiave(chiave).value();
    std::string riga(stazione);
    riga += codice_ursi(chiave).value();
    riga += due_cifre(g.data.anno % 100) + due_cifre(g.data.mese) + due_cifre(g.data.giorno);
    for (int ora = 0; ora < 24; ++ora) {
        const sondaggio* s = g.ora_piena(ora);
        if (s == nullptr) {
            riga += "     ";
            continue;
        }
        const valore_letto& v = s->valori[i];
        riga += lettera(v.qualificativa);
        riga += v.valore ? tre_cifre(*v.valore) : "   ";
        riga += lettera(v.descrittiva);
    }
    return riga;
}

std::string nome_file_orario(std::string_view stazione, std::string_view codice, int anno) {
    return std::string(stazione) + std::string(codice) + "." + due_cifre(anno % 100);
}

std::optional<std::string> unione_righe_orarie(std::string_view esistente,
                                               const std::vector<std::string>& righe,
                                               std::string& errore) {
    std::map<std::string, std::string> per_data; // YYMMDD -> line
    const auto chiave_riga = [](const std::string& r) { return r.substr(6, 6); };
    const std::vector<std::string> vecchie = righe_di(esistente);
    for (std::size_t n = 0; n < vecchie.size(); ++n) {
        const std::string& r = vecchie[n];
        // A blank line (an editor's last line, a paste) holds no day.
        if (r.find_first_not_of(" \t") == std::string::npos) continue;
        const bool stessa_serie = !righe.empty() && r.size() == lunghezza_riga_oraria &&
                                  r.compare(0, 6, righe[0], 0, 6) == 0;
        if (!stessa_serie) {
            errore = "line " + std::to_string(n + 1) +
                     " is not a day record of this station and characteristic";
            return std::nullopt;
        }
        per_data[chiave_riga(r)] = r;
    }
    for (const auto& r : righe) per_data[chiave_riga(r)] = r;
    std::string contenuto;
    for (const auto& [data, r] : per_data) contenuto += r + "\r\n";
    return contenuto;
}

} // namespace velaris
