// velaris-demo: writes a working folder with one synthetic day of soundings,
// so that the program can be tried and shown without a sounder.

#include "base/file_sistema.h"
#include "giornata.h"
#include "verita.h"

#include <charconv>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>

using namespace velaris::demo;

namespace {

constexpr std::string_view uso = R"(Usage: velaris-demo [options] DIR
       velaris-demo [options] --truth FILE [DIR]

Writes a working folder for VELARIS into DIR (created if needed): setting.txt,
which opens the day at its first sounding, and one synthetic day of soundings
of the station Ostrand in DIR/ionograms/. A few soundings of the day are left
without a file and one file is one byte short, as after a cut transfer.

Options:
  --seed N           seed of the noise, the fading and the small variations of
                     the layers (default 20230305); the same seed gives the
                     same bytes
  --date DD-MM-YYYY  day of the soundings (default 05-03-2023)
  --interval M       minutes between soundings: 5, 10, 15, 30 or 60 (default 15)
  --truth FILE       write the model's own characteristics of every sounding
                     that has a good file to FILE as CSV (columns
                     file,fmin,hE,foE,foEs,hEs,hF,foF1,foF2; MHz and km; empty
                     where the model has no such echo); "-" writes them to
                     the standard output; DIR is then optional
  --force            write even if DIR already has a setting.txt or ionogram
                     files (files of the day are overwritten, others are kept)
  --help             show this text
  --version          show the version
)";

struct errore_uso {
    std::string messaggio;
};

template <typename Intero> Intero numero_intero(std::string_view testo, std::string_view opzione) {
    Intero v{};
    const auto [fine, ec] = std::from_chars(testo.data(), testo.data() + testo.size(), v);
    if (testo.empty() || ec != std::errc() || fine != testo.data() + testo.size())
        throw errore_uso{std::string(opzione) + " needs a whole number, not \"" +
                         std::string(testo) + "\""};
    return v;
}

/// What the command line asks for.
struct richiesta {
    opzioni_giornata opzioni;
    bool forza = false;
    bool aiuto = false;
    bool versione = false;
    std::string cartella;
    std::string verita; ///< where --truth writes, "-" for the standard output
};

/// One option of the command line, `argomento` being argv[k] without any
/// "=value"; takes its value from `valore` or from the next argument.
void leggi_opzione(richiesta& r, std::string_view argomento,
                   const std::function<std::string_view()>& prendi_valore) {
    if (argomento == "--help" || argomento == "-h") {
        r.aiuto = true;
    } else if (argomento == "--version") {
        r.versione = true;
    } else if (argomento == "--truth") {
        r.verita = prendi_valore();
        if (r.verita.empty()) throw errore_uso{"--truth needs a file name"};
    } else if (argomento == "--force") {
        r.forza = true;
    } else if (argomento == "--seed") {
        r.opzioni.seme = numero_intero<std::uint64_t>(prendi_valore(), argomento);
    } else if (argomento == "--date") {
        const std::string_view testo = prendi_valore();
        const auto d = leggi_data(testo);
        if (!d)
            throw errore_uso{"--date needs a valid date DD-MM-YYYY, not \"" + std::string(testo) +
                             "\""};
        r.opzioni.giorno = *d;
    } else if (argomento == "--interval") {
        const int m = numero_intero<int>(prendi_valore(), argomento);
        if (!intervallo_valido(m))
            throw errore_uso{"--interval must be 5, 10, 15, 30 or 60, not " + std::to_string(m)};
        r.opzioni.intervallo = m;
    } else if (argomento.starts_with("-") && argomento.size() > 1) {
        throw errore_uso{"unknown option " + std::string(argomento)};
    } else if (r.cartella.empty()) {
        r.cartella = argomento;
    } else {
        throw errore_uso{"only one folder, please (\"" + r.cartella + "\" and \"" +
                         std::string(argomento) + "\" given)"};
    }
}

/// The command line, up to a --help; throws errore_uso.
richiesta leggi_argomenti(int argc, char** argv) {
    richiesta r;
    for (int k = 1; k < argc && !r.aiuto && !r.versione; ++k) {
        std::string_view argomento = argv[k];
        std::string_view valore;
        bool ha_valore = false;
        if (argomento.starts_with("--")) {
            if (const auto uguale = argomento.find('='); uguale != std::string_view::npos) {
                valore = argomento.substr(uguale + 1);
                argomento = argomento.substr(0, uguale);
                ha_valore = true;
            }
        }
        leggi_opzione(r, argomento, [&]() {
            if (ha_valore) return valore;
            if (k + 1 >= argc) throw errore_uso{std::string(argomento) + " needs a value"};
            return std::string_view(argv[++k]);
        });
    }
    if (!r.aiuto && !r.versione && r.cartella.empty() && r.verita.empty())
        throw errore_uso{"no folder given"};
    return r;
}

} // namespace

int main(int argc, char** argv) {
    richiesta r;
    try {
        r = leggi_argomenti(argc, argv);
    } catch (const errore_uso& e) {
        std::cerr << "velaris-demo: " << e.messaggio << "\n(velaris-demo --help shows the usage)\n";
        return 2;
    }
    if (r.aiuto) {
        std::cout << uso;
        return 0;
    }
    if (r.versione) {
        std::cout << "velaris-demo " VELARIS_VERSION "\n";
        return 0;
    }

    try {
        if (!r.verita.empty()) {
            const std::string tabella = tabella_verita(r.opzioni);
            if (r.verita == "-")
                std::cout << tabella;
            else
                velaris::scrivi_file_sicuro(r.verita, tabella);
        }
        if (r.cartella.empty()) return 0;
        const resoconto esito = scrivi_giornata(r.cartella, r.opzioni, r.forza);
        std::cout << "velaris-demo: " << esito.scritti << " ionograms of "
                  << testo_data(r.opzioni.giorno) << " written to " << r.cartella
                  << "/ionograms, setting.txt opens the day at 00:00\n";
        std::cout << "  no file for:";
        for (const std::string& ora : esito.mancanti) std::cout << ' ' << ora;
        std::cout << "\n  one byte short: " << esito.troncato << '\n';
    } catch (const std::exception& e) {
        std::cerr << "velaris-demo: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
