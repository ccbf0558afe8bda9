#include "comandi.h"

#include "base/file_sistema.h"
#include "base/numeri.h"
#include "results/csv.h"
#include "results/giornata.h"
#include "results/ore_piene.h"
#include "results/tabulazione.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace velaris::esportazione {

namespace {

/// Reads every results file named by the arguments, reporting what cannot be
/// used; the days come back sorted by date, then interval.
std::vector<giornata> leggi_tutto(const std::vector<fs::path>& argomenti, bool& tutto_bene) {
    std::vector<std::string> avvisi;
    std::vector<giornata> giorni;
    for (const auto& file : file_risultati_da(argomenti, avvisi)) {
        lettura_giornata letta = leggi_giornata(file);
        avvisi.insert(avvisi.end(), letta.avvisi.begin(), letta.avvisi.end());
        if (letta.giorno) giorni.push_back(std::move(*letta.giorno));
    }
    for (const auto& a : avvisi) segnala(a);
    tutto_bene &= avvisi.empty();
    std::stable_sort(giorni.begin(), giorni.end(), [](const giornata& a, const giornata& b) {
        return a.data != b.data ? a.data < b.data : a.intervallo > b.intervallo;
    });
    return giorni;
}

/// One day per date, each file left out named (see una_per_giorno).
std::vector<const giornata*> una_per_giorno_segnalata(const std::vector<giornata>& giorni,
                                                      bool& tutto_bene) {
    std::vector<std::string> avvisi;
    std::vector<const giornata*> scelti = una_per_giorno(giorni, avvisi);
    for (const auto& a : avvisi) segnala(a);
    tutto_bene &= avvisi.empty();
    return scelti;
}

/// Writes `contenuto` to the -o file (whole or not at all) or to stdout.
bool scrivi_uscita(const std::optional<fs::path>& uscita, const std::string& contenuto) {
    if (!uscita) {
        std::fwrite(contenuto.data(), 1, contenuto.size(), stdout);
        return std::fflush(stdout) == 0;
    }
    try {
        scrivi_file_sicuro(*uscita, contenuto);
        return true;
    } catch (const std::exception& e) {
        segnala(e.what());
        return false;
    }
}

std::string testo_mese(int anno, int mese) { return std::to_string(anno) + "-" + due_cifre(mese); }

std::string leggi_file(const fs::path& file, bool& letto) {
    std::ifstream in(file, std::ios::binary);
    letto = static_cast<bool>(in);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

void segnala(const std::string& riga) {
    std::fprintf(stderr, "velaris-export: %s\n", riga.c_str());
}

int comando_csv(const opzioni& o) {
    bool tutto_bene = true;
    const std::vector<giornata> giorni = leggi_tutto(o.argomenti, tutto_bene);
    const std::vector<const giornata*> scelti = una_per_giorno_segnalata(giorni, tutto_bene);
    if (scelti.empty()) {
        segnala("nothing to export: no results file could be read");
        return 1;
    }
    return scrivi_uscita(o.uscita, tabella_csv(scelti)) && tutto_bene ? 0 : 1;
}

int comando_orario(const opzioni& o) {
    bool tutto_bene = true;
    const std::vector<giornata> giorni = leggi_tutto(o.argomenti, tutto_bene);
    const std::vector<const giornata*> scelti = una_per_giorno_segnalata(giorni, tutto_bene);
    if (scelti.empty()) {
        segnala("nothing to export: no results file could be read");
        return 1;
    }
    const fs::path cartella = o.uscita.value_or(".");
    std::error_code ec;
    fs::create_directories(cartella, ec);
    if (!fs::is_directory(cartella, ec)) {
        segnala(cartella.string() + ": the output folder cannot be made");
        return 1;
    }
    // Lines grouped by file: one file per characteristic and year.
    std::map<std::string, std::vector<std::string>> per_file;
    for (const giornata* g : scelti)
        for (const auto chiave : chiavi_con_codice())
            per_file[nome_file_orario(o.stazione, *codice_ursi(chiave), g->data.anno)].push_back(
                riga_oraria(o.stazione, *g, chiave));
    // Every year file is checked before any is written: the files go to the
    // data centre as a set, and one left behind would no longer match the others.
    std::map<fs::path, std::string> contenuti;
    bool tutti_uniti = true;
    for (const auto& [nome, righe] : per_file) {
        const fs::path file = cartella / nome;
        const bool esiste = fs::exists(file, ec);
        bool letto = false;
        const std::string esistente = esiste ? leggi_file(file, letto) : std::string();
        std::string errore = "cannot be read";
        const auto contenuto =
            esiste && !letto ? std::nullopt : unione_righe_orarie(esistente, righe, errore);
        if (contenuto)
            contenuti[file] = *contenuto;
        else
            segnala(file.string() + ": " + errore);
        tutti_uniti &= contenuto.has_value();
    }
    if (!tutti_uniti) {
        segnala("no hourly file is written, so that the year files stay one set");
        return 1;
    }
    for (const auto& [file, contenuto] : contenuti) tutto_bene &= scrivi_uscita(file, contenuto);
    return tutto_bene ? 0 : 1;
}

int comando_mese(const opzioni& o) {
    // Files of other months are skipped quietly in a folder, reported when named.
    std::vector<fs::path> argomenti;
    bool tutto_bene = true;
    for (const auto& a : o.argomenti.empty() ? std::vector<fs::path>{"ionograms"} : o.argomenti) {
        std::error_code ec;
        if (fs::is_directory(a, ec)) {
            std::vector<std::string> avvisi;
            for (const auto& f : file_risultati_da({a}, avvisi)) {
                const auto nome = leggi_nome_risultati(f.filename().string());
                if (nome && nome->data.anno == o.anno && nome->data.mese == o.mese)
                    argomenti.push_back(f);
            }
            for (const auto& av : avvisi) segnala(av);
            tutto_bene &= avvisi.empty();
            continue;
        }
        const auto nome = leggi_nome_risultati(a.filename().string());
        if (nome && (nome->data.anno != o.anno || nome->data.mese != o.mese)) {
            segnala(a.string() + ": the day " + data_iso(nome->data) + " is not in the month " +
                    testo_mese(o.anno, o.mese) + "; it is left out");
            tutto_bene = false;
            continue;
        }
        argomenti.push_back(a);
    }
    const std::vector<giornata> giorni = leggi_tutto(argomenti, tutto_bene);
    const std::vector<const giornata*> scelti = una_per_giorno_segnalata(giorni, tutto_bene);
    // An empty table written over a good one would lose the month.
    if (scelti.empty()) {
        segnala("nothing to export: no results file of " + testo_mese(o.anno, o.mese) +
                " could be read");
        return 1;
    }
    const bool scritto =
        scrivi_uscita(o.uscita, tabulazione_mensile(o.chiave, o.anno, o.mese, scelti));
    return scritto && tutto_bene ? 0 : 1;
}

} // namespace velaris::esportazione
