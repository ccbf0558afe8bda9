// velaris-render [--plot-only] [-o DIR] FILE_OR_FOLDER...
//
// Draws ionogram files as the main window shows them and writes one PNG per
// file, for reports, for checking a day's soundings at a glance and for
// comparing the drawing against known pictures. A file that is not an
// ionogram costs one line on stderr and no picture; the others are still
// drawn, and the exit status tells that something was left out.

#include "resa_ionogramma.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* testo_uso =
    "Usage: velaris-render [--plot-only] [-o DIR] FILE_OR_FOLDER...\n"
    "Draws ionogram files (.rdf) as the main window shows them and writes\n"
    "DIR/NAME.png for each NAME.rdf.\n"
    "\n"
    "  --plot-only  only the plot rectangle with its frame (766 x 602 pixels)\n"
    "               instead of the main window's whole drawing surface (1015 x 721)\n"
    "  -o DIR       folder for the pictures (default: the current folder;\n"
    "               created when missing)\n"
    "  --help       show this text\n"
    "\n"
    "A folder renders every .rdf file in it, in name order. A file that is not\n"
    "an ionogram is reported on stderr and gets no picture; the exit status is\n"
    "then 1. Usage errors exit with 2.\n";

struct opzioni {
    bool solo_grafico = false;
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

QString nome_qt(const fs::path& p) {
    return QFile::decodeName(QByteArray::fromStdString(p.string()));
}

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

    for (const auto& f : file) {
        const velaris::resa_ionogramma resa = velaris::rendi_ionogramma(f, o.solo_grafico);
        if (resa.immagine.isNull()) {
            segnala(resa.errore);
            tutto_bene = false;
            continue;
        }
        const fs::path uscita = o.cartella_uscita / f.filename().replace_extension(".png");
        const std::string errore = velaris::salva_png(resa.immagine, nome_qt(uscita));
        if (!errore.empty()) {
            segnala(errore);
            tutto_bene = false;
        }
    }
    return tutto_bene ? 0 : 1;
}
