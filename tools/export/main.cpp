// velaris-export: the scaled values of the results files out to the tables
// that others read: a CSV table, the yearly files of hourly values of the
// Australian World Data Centre and the monthly tabulation of the station's
// bulletin. See docs/export.md.

#include "comandi.h"

#include "results/giornata.h"
#include "results/ore_piene.h"
#include "scaling/tabella_grandezze.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

using namespace velaris;
using namespace velaris::esportazione;

namespace {

constexpr const char* testo_uso =
    "Usage: velaris-export csv [-o FILE] RESULTS...\n"
    "       velaris-export hourly --station NNNN [-o DIR] RESULTS...\n"
    "       velaris-export month KEY YYYY-MM [-o FILE] [RESULTS...]\n"
    "\n"
    "Exports the scaled values of results files (QX106_DDMMYYYY_II.txt, any\n"
    "interval; the name gives the date). RESULTS are results files or folders,\n"
    "a folder standing for every results file in it.\n"
    "\n"
    "  csv     one CSV row per record (RFC 4180) to FILE or standard output\n"
    "  hourly  the yearly SSSSPP.YY files of the Australian World Data Centre\n"
    "          (station SSSS = NNNN, URSI code PP, year YY), a day per line,\n"
    "          into DIR (default: the current folder); days already in a file\n"
    "          are replaced, the others kept; none is written unless all can be\n"
    "  month   the monthly tabulation of one characteristic (KEY: fmin, hE,\n"
    "          foE, foEs, hEs, fbEs, hF, foF1, MUF3000F1, M3000F1, hF2, foF2,\n"
    "          fxI, MUF3000F2, M3000F2) with CNT, MED, UQ and LQ per hour (UT),\n"
    "          limits and doubtful medians lettered, to FILE or standard\n"
    "          output; RESULTS default to the folder ionograms\n"
    "  --station NNNN  the station's four-digit number in the data centre's\n"
    "          list of stations\n"
    "  --help  show this text\n"
    "\n"
    "A file that cannot be used is named on standard error and the rest is\n"
    "still exported; the exit status is then 1. Where two files hold the same\n"
    "day, one is used and the other named. Usage errors exit with 2.\n";

/// One line: the whole usage would bury the one thing that was wrong.
int errore_uso(const std::string& messaggio) {
    segnala(messaggio + "; see --help");
    return 2;
}

bool minuscole_uguali(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

/// The key of a characteristic named by its key or its caption, in any case.
std::optional<std::string> chiave_da(std::string_view nome) {
    for (const auto chiave : chiavi_numeriche) {
        const grandezza& g = *trova_grandezza(chiave);
        if (minuscole_uguali(nome, g.chiave) || minuscole_uguali(nome, g.didascalia))
            return std::string(g.chiave);
    }
    return std::nullopt;
}

bool leggi_mese(std::string_view t, int& anno, int& mese) {
    if (t.size() != 7 || t[4] != '-') return false;
    const auto a = std::from_chars(t.data(), t.data() + 4, anno);
    const auto m = std::from_chars(t.data() + 5, t.data() + 7, mese);
    return a.ec == std::errc() && a.ptr == t.data() + 4 && m.ec == std::errc() &&
           m.ptr == t.data() + 7 && mese >= 1 && mese <= 12;
}

bool quattro_cifre(std::string_view t) {
    return t.size() == 4 &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return errore_uso("no command given");
    const std::string_view comando = argv[1];
    if (comando == "--help" || comando == "-h") {
        std::fputs(testo_uso, stdout);
        return 0;
    }
    if (comando != "csv" && comando != "hourly" && comando != "month")
        return errore_uso("unknown command " + std::string(comando));

    opzioni o;
    std::vector<std::string_view> posizionali;
    bool solo_file = false;
    for (int n = 2; n < argc; ++n) {
        const std::string_view a = argv[n];
        if (!solo_file && a == "--help") {
            std::fputs(testo_uso, stdout);
            return 0;
        } else if (!solo_file && (a == "-o" || a == "--station")) {
            if (n + 1 >= argc) return errore_uso(std::string(a) + " needs a value");
            if (a == "-o")
                o.uscita = argv[++n];
            else
                o.stazione = argv[++n];
        } else if (!solo_file && a == "--") {
            solo_file = true;
        } else if (!solo_file && a.size() > 1 && a[0] == '-') {
            return errore_uso("unknown option " + std::string(a));
        } else {
            posizionali.push_back(a);
        }
    }

    if (comando == "month") {
        if (posizionali.size() < 2) return errore_uso("month needs a KEY and a month YYYY-MM");
        const auto chiave = chiave_da(posizionali[0]);
        if (!chiave) return errore_uso("unknown characteristic " + std::string(posizionali[0]));
        if (!leggi_mese(posizionali[1], o.anno, o.mese))
            return errore_uso("the month must be written YYYY-MM, not " +
                              std::string(posizionali[1]));
        o.chiave = *chiave;
        posizionali.erase(posizionali.begin(), posizionali.begin() + 2);
    }
    for (const auto p : posizionali) o.argomenti.emplace_back(p);
    if (comando != "month" && o.argomenti.empty()) return errore_uso("no results file given");
    if (comando == "hourly" && !quattro_cifre(o.stazione))
        return errore_uso("hourly needs --station with the four-digit station number");

    if (comando == "csv") return comando_csv(o);
    if (comando == "hourly") return comando_orario(o);
    return comando_mese(o);
}
