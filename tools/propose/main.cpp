// velaris-propose FILE_OR_FOLDER...
//
// The proposals for ionogram files as a CSV table on standard output, one row
// per file, valued as the boxes would show them after accepting each
// proposal. A file that is not a valid ionogram is named on standard error
// and left out; the others are still written, and the exit status tells that
// something was left out.

#include "accettazione.h"
#include "ionogram/lettore_rdf.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* testo_uso =
    "Usage: velaris-propose FILE_OR_FOLDER...\n"
    "Writes the proposals for ionogram files (.rdf) as CSV to standard output:\n"
    "file,fmin,hE,foE,foEs,hEs,hF,foF1,foF2, values in MHz and km as the boxes\n"
    "would show them after accepting, empty where there is no proposal.\n"
    "A folder stands for every .rdf file in it, in name order. A file that is\n"
    "not a valid ionogram is named on standard error and the exit status is 1;\n"
    "the other rows are still written. Usage errors exit with 2.\n";

void segnala(const std::string& riga) {
    std::fprintf(stderr, "velaris-propose: %s\n", riga.c_str());
}

bool estensione_rdf(const fs::path& p) {
    std::string e = p.extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return std::tolower(c); });
    return e == ".rdf";
}

/// The files an argument stands for; false (after saying why) when a folder
/// cannot be listed.
bool file_di(const fs::path& argomento, std::vector<fs::path>& file) {
    std::error_code ec;
    if (!fs::is_directory(argomento, ec)) {
        file.push_back(argomento);
        return true;
    }
    std::vector<fs::path> trovati;
    for (fs::directory_iterator it(argomento, ec), fine; !ec && it != fine; it.increment(ec))
        if (estensione_rdf(it->path()) && it->is_regular_file()) trovati.push_back(it->path());
    if (ec) {
        segnala(argomento.string() + ": the folder cannot be read (" + ec.message() + ")");
        return false;
    }
    std::sort(trovati.begin(), trovati.end());
    if (trovati.empty()) {
        segnala(argomento.string() + ": no .rdf files in this folder");
        return false;
    }
    file.insert(file.end(), trovati.begin(), trovati.end());
    return true;
}

/// One row, or none (after naming the file on stderr) for a bad file.
bool riga(const fs::path& percorso, std::string& uscita) {
    try {
        const velaris::lettura_rdf letto =
            velaris::carica_rdf(percorso, velaris::intestazione_corta::accettata);
        if (!letto) {
            const velaris::errore_rdf& e = letto.errore();
            segnala(
                percorso.string() + ": " +
                (e.motivo == velaris::motivo_errore::file_mancante ? "no such file" : e.dettaglio));
            return false;
        }
        uscita = percorso.filename().string();
        for (const std::string& valore : velaris::valori_accettati(letto->dati))
            uscita += "," + valore;
        uscita += '\n';
        return true;
    } catch (const std::exception& e) {
        segnala(e.what());
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> argomenti;
    bool solo_file = false;
    for (int n = 1; n < argc; ++n) {
        const std::string_view a = argv[n];
        if (!solo_file && a == "--help") {
            std::fputs(testo_uso, stdout);
            return 0;
        }
        if (!solo_file && a == "--") {
            solo_file = true;
        } else if (!solo_file && a.size() > 1 && a[0] == '-') {
            segnala("unknown option " + std::string(a));
            return 2;
        } else {
            argomenti.emplace_back(a);
        }
    }
    if (argomenti.empty()) {
        std::fputs(testo_uso, stderr);
        return 2;
    }

    bool tutti_buoni = true;
    std::vector<fs::path> file;
    for (const fs::path& a : argomenti) tutti_buoni = file_di(a, file) && tutti_buoni;
    std::fputs("file,fmin,hE,foE,foEs,hEs,hF,foF1,foF2\n", stdout);
    std::string uscita;
    for (const fs::path& f : file) {
        if (riga(f, uscita))
            std::fputs(uscita.c_str(), stdout);
        else
            tutti_buoni = false;
    }
    return tutti_buoni ? 0 : 1;
}
