// Writes that survive a full disk or a crash. A full disk is a child process
// whose files may not grow past a limit (RLIMIT_FSIZE, with SIGXFSZ ignored a
// write past it fails as on a full disk); a crash is a child killed while it
// writes. Afterwards every file holds its old bytes, or the new ones whole.

#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "session/avvio_sessione.h"
#include "session/file_risultati.h"
#include "session/impostazioni.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velaris;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t record = 248;
constexpr std::size_t record_32 = 31 * record;
constexpr std::string_view marzo = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";

std::string leggi(const fs::path& file) {
    std::ifstream flusso(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(flusso), {}};
}

void scrivi(const fs::path& file, std::string_view byte) {
    std::ofstream(file, std::ios::binary)
        .write(byte.data(), static_cast<std::streamsize>(byte.size()));
}

/// Runs `azione` in a child process whose files cannot grow past `limite`
/// bytes, and returns the error it reported ("" when it wrote).
std::string con_disco_pieno(rlim_t limite, const std::function<void()>& azione) {
    int tubo[2];
    if (::pipe(tubo) != 0) throw std::runtime_error("pipe");
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::close(tubo[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limiti{limite, limite};
        std::string esito;
        if (::setrlimit(RLIMIT_FSIZE, &limiti) != 0)
            esito = "setrlimit failed";
        else
            try {
                azione();
            } catch (const std::exception& e) {
                esito = e.what();
                if (esito.empty()) esito = "(an error without words)";
            }
        const ssize_t scritti = ::write(tubo[1], esito.data(), esito.size());
        ::_exit(scritti == static_cast<ssize_t>(esito.size()) ? 0 : 1);
    }
    ::close(tubo[1]);
    std::string esito;
    char pezzo[256];
    for (ssize_t n; (n = ::read(tubo[0], pezzo, sizeof pezzo)) > 0;)
        esito.append(pezzo, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "the writer crashed";
    return esito;
}

std::string giorno(std::size_t quanti) {
    std::string testo;
    for (std::size_t k = 0; k < quanti; ++k) {
        std::string r(246, static_cast<char>('a' + k % 26)); // every record told apart
        testo += r + "\r\n";
    }
    return testo;
}

std::string record_di(char c) {
    return std::string(246, c) + "\r\n";
}

} // namespace

// However far the settings write gets before the disk is full, the old file
// stays as it was and no temporary file is left; with room, the new file is
// whole.
TEST(ScrittureSicure, SettingsOnAFullDiskKeepTheOldFile) {
    prova::cartella_temporanea cartella;
    const fs::path file = cartella.percorso() / "setting.txt";
    const impostazioni nuove{"06-03-2023", "00", "00", "15", "1"};
    const std::string nuovo = "06-03-2023\r\n00\r\n00\r\n15\r\n1\r\n";
    for (rlim_t limite = 0; limite < nuovo.size(); ++limite) {
        scrivi(file, marzo);
        const std::string errore =
            con_disco_pieno(limite, [&] { scrivi_impostazioni(file, nuove); });
        EXPECT_EQ(errore, "Cannot write setting.txt in " + cartella.percorso().string() +
                              ": File too large")
            << "limit " << limite;
        EXPECT_EQ(leggi(file), marzo) << "limit " << limite;
        EXPECT_FALSE(fs::exists(file.string() + ".tmp")) << "limit " << limite;
    }
    EXPECT_EQ(con_disco_pieno(nuovo.size(), [&] { scrivi_impostazioni(file, nuove); }), "");
    EXPECT_EQ(leggi(file), nuovo);
}

// A record write that cannot be done whole is undone: stopped before its
// first byte, halfway through, or while extending a short file.
TEST(ScrittureSicure, ARecordOnAFullDiskChangesNothing) {
    prova::cartella_temporanea cartella;
    const fs::path file = cartella.percorso() / "QX106_05032023_15.txt";
    const std::string nuovo = record_di('N');
    const std::string intero = giorno(96), corto = giorno(10) + "07:45 fm";
    const struct {
        const std::string* contenuto;
        rlim_t limite;
    } casi[] = {
        {&intero, record_32},          // the record starts past the limit
        {&intero, record_32 + 100},    // the limit falls inside the record
        {&corto, corto.size() + 1000}, // the blank records before it do not all fit
        {&corto, record_32 + record - 1},
    };
    for (const auto& c : casi) {
        scrivi(file, *c.contenuto);
        const std::string errore =
            con_disco_pieno(c.limite, [&] { scrittura_record(file, 32, nuovo); });
        EXPECT_EQ(errore, "The record 32 of the results file " + file.string() +
                              " could not be written: File too large; the file is as it was.")
            << "limit " << c.limite;
        EXPECT_TRUE(leggi(file) == *c.contenuto) << "limit " << c.limite;
    }
    scrivi(file, intero);
    EXPECT_EQ(con_disco_pieno(record_32 + record, [&] { scrittura_record(file, 32, nuovo); }), "");
    EXPECT_TRUE(leggi(file) == std::string(intero).replace(record_32, record, nuovo));
}

// A new day whose results file does not fit: the start says so, leaves no
// results file, and the settings (written last) stay as they were.
TEST(ScrittureSicure, AStartOnAFullDiskWritesNothing) {
    prova::cartella_temporanea cartella;
    scrivi(cartella.percorso() / "setting.txt", marzo);
    fs::create_directory(cartella.percorso() / "ionograms");
    prova::messaggi_finti messaggi;
    stato_programma stato;
    stato.sessione.cartella_lavoro = cartella.percorso();
    const std::string errore = con_disco_pieno(1000, [&] {
        if (!avvio_sessione({"06-03-2023", "00", "00", "15", "05-03-2023"}, stato, messaggi)
                 .apri_finestra_principale)
            throw std::runtime_error(messaggi.mostrati.at(0).testo);
    });
    EXPECT_EQ(errore, "Cannot write QX106_06032023_15.txt in " +
                          (cartella.percorso() / "ionograms").string() + ": File too large!!");
    EXPECT_EQ(leggi(cartella.percorso() / "setting.txt"), marzo);
    EXPECT_TRUE(fs::is_empty(cartella.percorso() / "ionograms"));
}

// A writer killed at random instants while it rewrites the settings and a
// record over and over: each time, the settings are one version or the other,
// whole, and the results file differs from the old one only in record 32,
// which holds one record or the other.
TEST(ScrittureSicure, AWriterKilledAtAnyInstantLeavesWholeFiles) {
    prova::cartella_temporanea cartella;
    const fs::path impostazioni_file = cartella.percorso() / "setting.txt";
    const fs::path risultati = cartella.percorso() / "QX106_05032023_15.txt";
    const impostazioni versioni[] = {{"05-03-2023", "07", "45", "15", "32"},
                                     {"06-03-2023", "00", "00", "60", "1"}};
    const std::string testi[] = {std::string(marzo), "06-03-2023\r\n00\r\n00\r\n60\r\n1\r\n"};
    const std::string record_versioni[] = {record_di('A'), record_di('B')};
    const std::string intero = giorno(96);
    scrivi(impostazioni_file, testi[0]);
    scrivi(risultati, intero);

    std::mt19937 caso(7);
    for (int volta = 0; volta < 20; ++volta) {
        const pid_t figlio = ::fork();
        if (figlio == 0) {
            for (unsigned k = 0;; ++k) {
                try {
                    scrivi_impostazioni(impostazioni_file, versioni[k % 2]);
                    scrittura_record(risultati, 32, record_versioni[k % 2]);
                } catch (...) {
                    ::_exit(1);
                }
            }
        }
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20000)(caso)));
        ::kill(figlio, SIGKILL);
        int stato = 0;
        ::waitpid(figlio, &stato, 0);
        ASSERT_TRUE(WIFSIGNALED(stato)) << "the writer stopped by itself";

        const std::string impostazioni_ora = leggi(impostazioni_file);
        EXPECT_TRUE(impostazioni_ora == testi[0] || impostazioni_ora == testi[1])
            << "kill " << volta << ": " << impostazioni_ora;
        const std::string risultati_ora = leggi(risultati);
        ASSERT_EQ(risultati_ora.size(), intero.size());
        const std::string r = risultati_ora.substr(record_32, record);
        EXPECT_TRUE(r == intero.substr(record_32, record) || r == record_versioni[0] ||
                    r == record_versioni[1])
            << "kill " << volta;
        EXPECT_TRUE(risultati_ora.substr(0, record_32) == intero.substr(0, record_32) &&
                    risultati_ora.substr(record_32 + record) == intero.substr(record_32 + record))
            << "kill " << volta;
        // The temporary file of an interrupted write is the next write's to replace.
    }
}
