// velaris-day [--at HH:MM] RESULTS_FILE -o PNG
//
// Draws the day overview of a results file as the window shows it, for the
// station's web page and for a look at a day without opening the program.
// Records that cannot be read are named on stderr (and on the picture) and
// the rest is drawn; the exit status then says that something was left out.

#include "base/codifiche_qt.h"
#include "display/panoramica_giorno.h"
#include "resa_ionogramma.h"
#include "results/giornata.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

using namespace velaris;

namespace {

constexpr const char* testo_uso =
    "Usage: velaris-day [--at HH:MM] RESULTS_FILE -o PNG\n"
    "Draws the day overview of a results file (QX106_DDMMYYYY_II.txt): the\n"
    "frequencies, the heights, and MUF(3000)F2 with M(3000)F2 against time,\n"
    "00-24 UT, values with a qualifying letter hollow. Writes a PNG picture of\n"
    "1000 x 760 pixels.\n"
    "\n"
    "  -o PNG       the picture to write (required)\n"
    "  --at HH:MM   mark the sounding at that time, as the window marks the one\n"
    "               being scaled\n"
    "  --help       show this text\n"
    "\n"
    "A results file that cannot be used gets a message and no picture; records\n"
    "that cannot be read are named and left out. The exit status is then 1;\n"
    "usage errors exit with 2.\n";

void segnala(const std::string& riga) { std::fprintf(stderr, "velaris-day: %s\n", riga.c_str()); }

int errore_uso(const std::string& messaggio) {
    segnala(messaggio);
    std::fputs(testo_uso, stderr);
    return 2;
}

/// Minutes after 00:00 of "HH:MM".
std::optional<int> leggi_orario(std::string_view t) {
    int ore = 0, minuti = 0;
    if (t.size() != 5 || t[2] != ':') return std::nullopt;
    const auto a = std::from_chars(t.data(), t.data() + 2, ore);
    const auto b = std::from_chars(t.data() + 3, t.data() + 5, minuti);
    if (a.ec != std::errc() || a.ptr != t.data() + 2 || b.ec != std::errc() ||
        b.ptr != t.data() + 5 || ore > 23 || minuti > 59)
        return std::nullopt;
    return ore * 60 + minuti;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<std::string> uscita, file;
    std::optional<int> orario;
    for (int n = 1; n < argc; ++n) {
        const std::string_view a = argv[n];
        if (a == "--help") {
            std::fputs(testo_uso, stdout);
            return 0;
        } else if (a == "-o" || a == "--at") {
            if (n + 1 >= argc) return errore_uso(std::string(a) + " needs a value");
            const std::string_view valore = argv[++n];
            if (a == "-o") {
                uscita = std::string(valore);
            } else if (!(orario = leggi_orario(valore))) {
                return errore_uso("--at needs a time HH:MM, not " + std::string(valore));
            }
        } else if (a.size() > 1 && a[0] == '-') {
            return errore_uso("unknown option " + std::string(a));
        } else if (file) {
            return errore_uso("one results file at a time");
        } else {
            file = std::string(a);
        }
    }
    if (!file) return errore_uso("no results file given");
    if (!uscita) return errore_uso("no picture given: -o PNG");

    const lettura_giornata letta = leggi_giornata(*file);
    for (const auto& avviso : letta.avvisi) segnala(avviso);
    if (!letta.giorno) return 1;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc_qt = 1;
    QGuiApplication applicazione(argc_qt, argv);

    contenuto_panoramica contenuto{&*letta.giorno, std::nullopt, {}};
    if (orario) contenuto.corrente = *orario / letta.giorno->intervallo + 1;
    if (!letta.avvisi.empty())
        contenuto.avviso = letta.avvisi.size() == 1
                               ? letta.avvisi.front()
                               : letta.avvisi.front() + " (and " +
                                     std::to_string(letta.avvisi.size() - 1) + " more)";
    const std::string errore = salva_png(disegno_panoramica(contenuto),
                                         percorso_qt(*uscita));
    if (!errore.empty()) {
        segnala(errore);
        return 1;
    }
    return letta.avvisi.empty() ? 0 : 1;
}
