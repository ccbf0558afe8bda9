// velaris-demo: writes a working folder with one synthetic day of soundings,
// so that the program can be tried and shown without a sounder.

#include "giornata.h"
#include "session/impostazioni.h"
#include "verita.h"

#include <charconv>
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

} // namespace

int main(int argc, char** argv) {
    opzioni_giornata opzioni;
    bool forza = false;
    std::string cartella;
    std::string verita_in;
    try {
        for (int k = 1; k < argc; ++k) {
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
            auto prendi_valore = [&]() {
                if (ha_valore) return valore;
                if (k + 1 >= argc) throw errore_uso{std::string(argomento) + " needs a value"};
                return std::string_view(argv[++k]);
            };
            if (argomento == "--help" || argomento == "-h") {
                std::cout << uso;
                return 0;
            } else if (argomento == "--version") {
                std::cout << "velaris-demo " VELARIS_VERSION "\n";
                return 0;
            } else if (argomento == "--force") {
                forza = true;
            } else if (argomento == "--truth") {
                verita_in = prendi_valore();
                if (verita_in.empty()) throw errore_uso{"--truth needs a file name"};
            } else if (argomento == "--seed") {
                opzioni.seme = numero_intero<std::uint64_t>(prendi_valore(), argomento);
            } else if (argomento == "--date") {
                const std::string_view testo = prendi_valore();
                const auto d = leggi_data(testo);
                if (!d)
                    throw errore_uso{"--date needs a valid date DD-MM-YYYY, not \"" +
                                     std::string(testo) + "\""};
                opzioni.giorno = *d;
            } else if (argomento == "--interval") {
                const int m = numero_intero<int>(prendi_valore(), argomento);
                if (!intervallo_valido(m))
                    throw errore_uso{"--interval must be 5, 10, 15, 30 or 60, not " +
                                     std::to_string(m)};
                opzioni.intervallo = m;
            } else if (argomento.starts_with("-") && argomento.size() > 1) {
                throw errore_uso{"unknown option " + std::string(argomento)};
            } else if (cartella.empty()) {
                cartella = argomento;
            } else {
                throw errore_uso{"only one folder, please (\"" + cartella + "\" and \"" +
                                 std::string(argomento) + "\" given)"};
            }
        }
        if (cartella.empty() && verita_in.empty()) throw errore_uso{"no folder given"};
    } catch (const errore_uso& e) {
        std::cerr << "velaris-demo: " << e.messaggio << "\n(velaris-demo --help shows the usage)\n";
        return 2;
    }

    try {
        if (!verita_in.empty()) {
            const std::string tabella = tabella_verita(opzioni);
            if (verita_in == "-")
                std::cout << tabella;
            else
                velaris::scrivi_file_sicuro(verita_in, tabella);
        }
        if (cartella.empty()) return 0;
        const resoconto r = scrivi_giornata(cartella, opzioni, forza);
        std::cout << "velaris-demo: " << r.scritti << " ionograms of " << testo_data(opzioni.giorno)
                  << " written to " << cartella
                  << "/ionograms, setting.txt opens the day at 00:00\n";
        std::cout << "  no file for:";
        for (const std::string& ora : r.mancanti)
            std::cout << ' ' << ora;
        std::cout << "\n  one byte short: " << r.troncato << '\n';
    } catch (const std::exception& e) {
        std::cerr << "velaris-demo: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
