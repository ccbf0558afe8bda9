#include "giornata.h"

#include "base/numeri.h"
#include "ionogram/stazioni.h"
#include "results/nomi_risultati.h"
#include "results/record_risultati.h"
#include "scaling/tabella_grandezze.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace velaris {

namespace {

bool solo_cifre(std::string_view t) {
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// The record of one sounding; adds to `avvisi` what had to be left out.
sondaggio leggi_sondaggio(const std::filesystem::path& file, int numero, int minuti,
                          std::vector<std::string>& avvisi) {
    sondaggio s;
    s.minuti = minuti;
    const std::string record = lettura_record(file, numero);
    const std::string dove =
        file.string() + ": record " + std::to_string(numero) + " (" + testo_orario(minuti) + ")";
    if (!record.ends_with("\r\n")) {
        avvisi.push_back(dove + " does not end with a line end where a record ends; "
                                "it is left out");
        return s;
    }
    const record_risultati campi = decodifica_record(record);
    for (std::size_t i = 0; i < chiavi_numeriche.size(); ++i) {
        const campo_record& c = campi.campo(chiavi_numeriche[i]);
        valore_letto& v = s.valori[i];
        v.qualificativa = c.qualificativa;
        v.descrittiva = c.descrittiva;
        const std::string& testo = c.valore;
        if (testo.empty()) continue;
        int numero_letto = 0;
        if (testo.size() <= 3 && solo_cifre(testo)) {
            std::from_chars(testo.data(), testo.data() + testo.size(), numero_letto);
            v.valore = numero_letto;
        } else {
            avvisi.push_back(dove + ": the " +
                             std::string(trova_grandezza(chiavi_numeriche[i])->didascalia) +
                             " value \"" + testo + "\" is not a whole number; it is left out");
        }
    }
    s.tipi_es = campi.campo(chiave_tipi_es).valore;
    return s;
}

} // namespace

const std::array<std::string_view, 15> chiavi_numeriche = [] {
    std::array<std::string_view, 15> chiavi{};
    std::size_t n = 0;
    for (const auto& g : tabella_grandezze)
        if (g.chiave != chiave_tipi_es) chiavi.at(n++) = g.chiave;
    return chiavi;
}();

std::optional<std::size_t> indice_chiave(std::string_view chiave) {
    const auto it = std::find(chiavi_numeriche.begin(), chiavi_numeriche.end(), chiave);
    if (it == chiavi_numeriche.end()) return std::nullopt;
    return static_cast<std::size_t>(it - chiavi_numeriche.begin());
}

std::string data_iso(const data_calendario& d) {
    return std::to_string(d.anno) + "-" + due_cifre(d.mese) + "-" + due_cifre(d.giorno);
}

std::string testo_orario(int minuti) {
    return due_cifre(minuti / 60) + ":" + due_cifre(minuti % 60);
}

const sondaggio* giornata::ora_piena(int ora) const {
    for (const auto& s : sondaggi)
        if (s.minuti == ora * 60) return &s;
    return nullptr;
}

std::optional<nome_risultati> leggi_nome_risultati(std::string_view nome) {
    // prefix, DDMMYYYY, "_", the interval, ".txt"
    const std::size_t lunghezza = prefisso_file.size() + 8 + 1 + 2 + 4;
    if (nome.size() != lunghezza || !nome.starts_with(prefisso_file)) return std::nullopt;
    const std::string_view cifre = nome.substr(prefisso_file.size(), 8);
    if (!solo_cifre(cifre)) return std::nullopt;
    const std::string testo_data = std::string(cifre.substr(0, 2)) + "-" +
                                   std::string(cifre.substr(2, 2)) + "-" +
                                   std::string(cifre.substr(4, 4));
    const std::string incremento(nome.substr(prefisso_file.size() + 9, 2));
    if (nome_file_risultati(testo_data, incremento) != std::string(nome)) return std::nullopt;
    const auto numero = [&](std::size_t da, std::size_t quanti) {
        int v = 0;
        std::from_chars(cifre.data() + da, cifre.data() + da + quanti, v);
        return v;
    };
    nome_risultati letto{{numero(4, 4), numero(2, 2), numero(0, 2)}, incremento};
    const data_calendario& d = letto.data;
    if (d.giorno < 1 || d.giorno > giorni_del_mese(d.anno, d.mese)) return std::nullopt;
    return letto;
}

lettura_giornata leggi_giornata(const std::filesystem::path& file) {
    lettura_giornata esito;
    const auto nome = leggi_nome_risultati(file.filename().string());
    if (!nome) {
        esito.avvisi.push_back(file.string() +
                               ": not a results file name (QX106_DDMMYYYY_II.txt with a "
                               "calendar date and an interval of 05, 10, 15, 30 or 60)");
        return esito;
    }
    const int record = numero_record(nome->incremento);
    std::error_code e;
    const std::uintmax_t dimensione = std::filesystem::file_size(file, e);
    if (e) {
        esito.avvisi.push_back(file.string() + ": cannot be read (" + e.message() + ")");
        return esito;
    }
    const std::uintmax_t attesa = static_cast<std::uintmax_t>(record) * lunghezza_record;
    if (dimensione != attesa) {
        esito.avvisi.push_back(file.string() + ": holds " + std::to_string(dimensione) +
                               " bytes, but a results file of interval " + nome->incremento +
                               " holds " + std::to_string(record) + " records of " +
                               std::to_string(lunghezza_record) + " bytes (" +
                               std::to_string(attesa) + " bytes); it is not used");
        return esito;
    }
    giornata g{file, nome->data, nome->incremento, 24 * 60 / record, {}};
    try {
        for (int k = 1; k <= record; ++k)
            g.sondaggi.push_back(leggi_sondaggio(file, k, (k - 1) * g.intervallo, esito.avvisi));
    } catch (const errore_file_risultati& errore) {
        esito.avvisi.push_back(std::string(errore.what()) + " It is not used.");
        return esito;
    }
    esito.giorno = std::move(g);
    return esito;
}

std::vector<std::filesystem::path>
file_risultati_da(const std::vector<std::filesystem::path>& argomenti,
                  std::vector<std::string>& avvisi) {
    std::vector<std::filesystem::path> file;
    for (const auto& a : argomenti) {
        std::error_code e;
        if (std::filesystem::is_directory(a, e)) {
            std::vector<std::filesystem::path> trovati;
            for (std::filesystem::directory_iterator it(a, e), fine; !e && it != fine;
                 it.increment(e))
                if (leggi_nome_risultati(it->path().filename().string()) && it->is_regular_file())
                    trovati.push_back(it->path());
            if (e) {
                avvisi.push_back(a.string() + ": the folder cannot be read (" + e.message() + ")");
                continue;
            }
            if (trovati.empty()) avvisi.push_back(a.string() + ": no results files in this folder");
            std::sort(trovati.begin(), trovati.end());
            file.insert(file.end(), trovati.begin(), trovati.end());
        } else if (std::filesystem::exists(a, e)) {
            file.push_back(a);
        } else {
            avvisi.push_back(a.string() + ": no such file");
        }
    }
    return file;
}

namespace {

int valori_alle_ore_piene(const giornata& g) {
    int n = 0;
    for (int ora = 0; ora < 24; ++ora)
        if (const sondaggio* s = g.ora_piena(ora))
            for (const auto& v : s->valori) n += v.valore ? 1 : 0;
    return n;
}

} // namespace

std::vector<const giornata*> una_per_giorno(const std::vector<giornata>& giorni,
                                            std::vector<std::string>& avvisi) {
    std::vector<const giornata*> scelti;
    for (const auto& g : giorni) {
        const auto uguale = std::find_if(scelti.begin(), scelti.end(),
                                         [&](const giornata* s) { return s->data == g.data; });
        if (uguale == scelti.end()) {
            scelti.push_back(&g);
            continue;
        }
        const giornata* tenuto = *uguale;
        const giornata* lasciato = &g;
        const int nuovi = valori_alle_ore_piene(g), vecchi = valori_alle_ore_piene(*tenuto);
        if (nuovi > vecchi) std::swap(tenuto, lasciato);
        *uguale = tenuto;
        avvisi.push_back(lasciato->file.string() + ": the day " + data_iso(g.data) +
                         " is also in " + tenuto->file.string() + ", which " +
                         (nuovi == vecchi ? "comes first" : "has more values at the full hours") +
                         "; this file is not used");
    }
    std::stable_sort(scelti.begin(), scelti.end(),
                     [](const giornata* a, const giornata* b) { return a->data < b->data; });
    return scelti;
}

double valore_fisico(int valore, unita_valore unita) {
    return static_cast<double>(valore) / divisore_unita(unita);
}

std::string testo_fisico(int valore, unita_valore unita) {
    const int divisore = divisore_unita(unita);
    if (divisore == 1) return std::to_string(valore);
    const int decimali = divisore == 10 ? 1 : 2;
    std::string frazione = std::to_string(valore % divisore);
    frazione.insert(0, static_cast<std::size_t>(decimali) - frazione.size(), '0');
    return std::to_string(valore / divisore) + "." + frazione;
}

} // namespace velaris
