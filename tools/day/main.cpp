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
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

using namespace velaris;

namespace {

constexpr const char* testo_uso =
    "Usage: velaris-day [--at HH:MM] RESULTS_FILE -o PNG\n"
    "Draws the day overview of a results file (QX106_DDMMYYYY_II.txt): the\n"
    "frequencies, the heights, and MUF(3000)F2 with M(3000)F2 against time,\n"
    "00-24 UT: limits as triangles (up: greater than, down: less than), other\n"
    "qualified values hollow, and a status strip with a cell per sounding.\n"
    "Writes a PNG picture of 1000 x 760 pixels.\n"
    "\n"
    "  -o PNG       the picture to write (required)\n"
    "  --at HH:MM   mark the sounding at that time, as the window marks the one\n"
    "               being scaled\n"
    "  --help       show this text\n"
    "\n"
    "A results file that is missing or cannot be used gets a message and no\n"
    "picture; records that cannot be read are named and left out. The exit\n"
    "status is then 1; usage errors exit with 2.\n";

void segnala(const std::string& riga) { std::fprintf(stderr, "velaris-day: %s\n", riga.c_str()); }

/// One line: the whole usage would bury the one thing that was wrong.
int errore_uso(const std::string& messaggio) {
    segnala(messaggio + "; see --help");
    return 2;
}

QtMessageHandler gestore_qt_precedente = nullptr;

/// Qt looks for a runtime folder while it starts, and says so on every run
/// where the session has none (a cron job, a shell over ssh). The picture
/// needs no such folder, so that one warning is dropped; all others pass.
void filtra_messaggi_qt(QtMsgType tipo, const QMessageLogContext& contesto,
                        const QString& messaggio) {
    if (messaggio.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
    if (gestore_qt_precedente) gestore_qt_precedente(tipo, contesto, messaggio);
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

    std::error_code e;
    if (!std::filesystem::exists(*file, e)) {
        segnala(*file + ": no such file");
        return 1;
    }
    const lettura_giornata letta = leggi_giornata(*file);
    for (const auto& avviso : letta.avvisi) segnala(avviso);
    if (!letta.giorno) return 1;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    gestore_qt_precedente = qInstallMessageHandler(filtra_messaggi_qt);
    int argc_qt = 1;
    QGuiApplication applicazione(argc_qt, argv);

    contenuto_panoramica contenuto{&*letta.giorno, std::nullopt, {}};
    if (orario) contenuto.corrente = *orario / letta.giorno->intervallo + 1;
    if (!letta.avvisi.empty())
        contenuto.avviso = letta.avvisi.size() == 1
                               ? letta.avvisi.front()
                               : letta.avvisi.front() + " (and " +
                                     std::to_string(letta.avvisi.size() - 1) + " more)";
    const std::string errore = salva_png(disegno_panoramica(contenuto), percorso_qt(*uscita));
    if (!errore.empty()) {
        segnala(errore);
        return 1;
    }
    return letta.avvisi.empty() ? 0 : 1;
}
