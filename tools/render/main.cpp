// velaris-render [--plot-only] [--jobs N] [-o DIR] FILE_OR_FOLDER...
//
// Draws ionogram files as the main window shows them and writes one PNG per
// file, for reports, for checking a day's soundings at a glance and for
// comparing the drawing against known pictures. A file that is not an
// ionogram costs one line on stderr and no picture; the others are still
// drawn, and the exit status tells that something was left out. The files
// are drawn on several threads at once; the pictures and the messages are the
// same as one after the other.

#include "lotto.h"

#include <QGuiApplication>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* testo_uso =
    "Usage: velaris-render [--plot-only] [--jobs N] [-o DIR] FILE_OR_FOLDER...\n"
    "Draws ionogram files (.rdf) as the main window shows them and writes\n"
    "DIR/NAME.png for each NAME.rdf.\n"
    "\n"
    "  --plot-only  only the plot rectangle with its frame (766 x 602 pixels)\n"
    "               instead of the main window's whole drawing surface (1015 x 721)\n"
    "  -o DIR       folder for the pictures (default: the current folder;\n"
    "               created when missing)\n"
    "  --jobs N     draw N files at a time (default: one per processor core)\n"
    "  --help       show this text\n"
    "\n"
    "A folder renders every .rdf file in it, in name order; on a terminal a\n"
    "progress line counts the files done. A file that is not\n"
    "an ionogram is reported on stderr and gets no picture; the exit status is\n"
    "then 1. Usage errors exit with 2.\n";

struct opzioni {
    bool solo_grafico = false;
    int lavori = 0; // 0: one per core
    fs::path cartella_uscita = ".";
    std::vector<fs::path> argomenti;
};

void segnala(const std::string& riga) {
    std::fprintf(stderr, "velaris-render: %s\n", riga.c_str());
}

/// Parses the command line; returns false (after saying why) on a usage error.
bool leggi_opzioni(int argc, char** argv, opzioni& o, bool& aiuto) {
    bool solo_file = false;
    for (int n = 1; n < argc; ++n) {
        const std::string_view a = argv[n];
        if (!solo_file && a == "--help") {
            aiuto = true;
        } else if (!solo_file && a == "--plot-only") {
            o.solo_grafico = true;
        } else if (!solo_file && a == "-o") {
            if (n + 1 >= argc) {
                segnala("-o needs a folder");
                return false;
            }
            o.cartella_uscita = argv[++n];
        } else if (!solo_file && a == "--jobs") {
            const char* valore = n + 1 < argc ? argv[++n] : "";
            const std::string_view v = valore;
            const auto [fine, ec] = std::from_chars(v.data(), v.data() + v.size(), o.lavori);
            if (v.empty() || ec != std::errc() || fine != v.data() + v.size() || o.lavori < 1) {
                segnala("--jobs needs a whole number of at least 1");
                return false;
            }
        } else if (!solo_file && a == "--") {
            solo_file = true;
        } else if (!solo_file && a.size() > 1 && a[0] == '-') {
            segnala("unknown option " + std::string(a));
            return false;
        } else {
            o.argomenti.emplace_back(a);
        }
    }
    if (!aiuto && o.argomenti.empty()) {
        segnala("no ionogram file or folder given");
        return false;
    }
    return true;
}

bool estensione_rdf(const fs::path& p) {
    std::string e = p.extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return std::tolower(c); });
    return e == ".rdf";
}

/// The .rdf files of a folder, sorted by name; false when it cannot be listed.
bool file_della_cartella(const fs::path& cartella, std::vector<fs::path>& file) {
    std::error_code ec;
    std::vector<fs::path> trovati;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec))
        if (estensione_rdf(it->path()) && it->is_regular_file()) trovati.push_back(it->path());
    if (ec) {
        segnala(cartella.string() + ": the folder cannot be read (" + ec.message() + ")");
        return false;
    }
    std::sort(trovati.begin(), trovati.end());
    if (trovati.empty()) {
        segnala(cartella.string() + ": no .rdf files in this folder");
        return false;
    }
    file.insert(file.end(), trovati.begin(), trovati.end());
    return true;
}

/// "\rvelaris-render: 37/96 files" on a terminal; nothing otherwise.
class avanzamento {
public:
    explicit avanzamento(std::size_t totale)
        : m_totale(totale), m_attivo(totale > 1 && isatty(STDERR_FILENO) == 1) {}
    void operator()(int fatti) const {
        if (m_attivo) std::fprintf(stderr, "\rvelaris-render: %d/%zu files", fatti, m_totale);
    }
    /// Clears the line so that the messages that follow start clean.
    void fine() const {
        if (m_attivo) std::fputs("\r\033[K", stderr);
    }

private:
    std::size_t m_totale;
    bool m_attivo;
};

} // namespace

int main(int argc, char** argv) {
    opzioni o;
    bool aiuto = false;
    if (!leggi_opzioni(argc, argv, o, aiuto)) {
        std::fputs(testo_uso, stderr);
        return 2;
    }
    if (aiuto) {
        std::fputs(testo_uso, stdout);
        return 0;
    }

    // The labels need fonts, and fonts need a GUI application; without a
    // display the offscreen platform does.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc_qt = 1;
    QGuiApplication applicazione(argc_qt, argv);

    std::error_code ec;
    fs::create_directories(o.cartella_uscita, ec);
    if (ec || !fs::is_directory(o.cartella_uscita)) {
        segnala(o.cartella_uscita.string() + ": the output folder cannot be made" +
                (ec ? " (" + ec.message() + ")" : std::string()));
        return 1;
    }

    bool tutto_bene = true;
    std::vector<fs::path> file;
    for (const auto& argomento : o.argomenti) {
        if (fs::is_directory(argomento, ec))
            tutto_bene &= file_della_cartella(argomento, file);
        else
            file.push_back(argomento);
    }

    const unsigned nuclei = std::thread::hardware_concurrency();
    const velaris::opzioni_lotto lotto{o.cartella_uscita, o.solo_grafico,
                                       o.lavori > 0 ? o.lavori
                                                    : static_cast<int>(std::max(nuclei, 1u))};
    const avanzamento riga(file.size());
    const std::vector<std::string> errori = velaris::rendi_lotto(file, lotto, riga);
    riga.fine();
    for (const auto& errore : errori) {
        if (errore.empty()) continue;
        segnala(errore);
        tutto_bene = false;
    }
    return tutto_bene ? 0 : 1;
}
