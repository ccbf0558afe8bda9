// The files the operator depends on: the record of the boxes byte for byte,
// its write in place into the day's results file, and writes that survive a
// full disk (a soft RLIMIT_FSIZE with SIGXFSZ ignored: a write past it fails
// as on a full disk). Whatever happens, every file holds its old bytes or the
// new ones whole, and the error says why. A crash at any instant is
// test_interruzione's.

#include "common/fakes.h"
#include "common/giornata_di_prova.h"
#include "session/file_risultati.h"
#include "session/impostazioni.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>

#include <sys/resource.h>

using namespace velaris;
namespace fs = std::filesystem;

namespace {

const std::string vuoto = std::string(246, ' ') + "\r\n", nuovo = std::string(246, 'N') + "\r\n";

/// What `azione` reported ("" nothing) while no file may grow past `limite` bytes.
std::string con_disco_pieno(rlim_t limite, const std::function<void()>& azione) {
    rlimit prima{};
    ::getrlimit(RLIMIT_FSIZE, &prima);
    const rlimit pieno{limite, prima.rlim_max};
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &pieno);
    std::string esito;
    try {
        azione();
    } catch (const std::exception& e) {
        esito = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, segnale);
    return esito;
}

} // namespace

// Rule A right-aligns a value of two characters (h'E, foF2), rule B keeps it
// (foE); an empty letter is a blank; Es types are left-aligned in five.
TEST(Record, EveryFieldStandsAtItsPositions) {
    prova::caselle_finte caselle;
    // clang-format off
    for (auto [nome, testo] : {std::pair{"Text13", "52"}, {"Text3", "310"}, {"Text2", "95"}, {"Text18", "E"},
                               {"Text33", "S"}, {"Text7", "C1"}, {"lettera_descrittiva_m3000f2", "L"}, {"Text16", "367"}})
        caselle.imposta_testo(nome, testo);
    // clang-format on
    EXPECT_EQ(composizione_record(caselle, 7, 5),
              "07:05 fmin    =      h'E     = 95ES foE     =310   foEs    =      h'Es    =     "
              " Es Type =C1    fbEs    =      h'F     =      foF1    =      h'F2    =     "
              " foF2    = 52   fxI     =      MUF F1  =      M3000 F1=      MUF F2  =     "
              " M3000 F2=367 L \r\n");
    caselle.imposta_testo("Text7", "C2H1");
    EXPECT_EQ(composizione_record(caselle, 0, 0).substr(90, 5), "C2H1 ");
}

// A number outside the day is refused and changes nothing; a short file is
// extended with blank records up to the one written, never cut. (That a write
// changes nothing else, and a file gone since the load, are the tables'.)
TEST(FileRisultati, ARecordIsWrittenInPlaceAndNothingElse) {
    const prova::cartella_temporanea cartella;
    const auto file = cartella.percorso() / "giorno.txt";
    std::ofstream(file, std::ios::binary) << vuoto << "07:";
    for (int numero : {0, -1, 289})
        EXPECT_THROW(scrittura_record(file, numero, nuovo), errore_file_risultati) << numero;
    EXPECT_EQ(prova::testo_file(file), vuoto + "07:");
    scrittura_record(file, 4, nuovo);
    EXPECT_EQ(prova::testo_file(file), vuoto + "07:" + vuoto.substr(3) + vuoto + nuovo);
}

// A write that cannot be done whole is undone, however far it got: the
// settings (written beside, then renamed) at any length, a record stopped
// before its first byte, halfway through, or while extending a short file.
// With room, the new settings are whole and keep the old file's permissions.
TEST(ScrittureSicure, OnAFullDiskEveryFileKeepsItsOldBytes) {
    const prova::cartella_temporanea cartella;
    const fs::path setting = cartella.percorso() / "setting.txt",
                   giorno = cartella.percorso() / "g.txt";
    const std::string marzo = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n",
                      nuove = "06-03-2023\r\n00\r\n00\r\n15\r\n1\r\n", pieno = ": File too large";
    std::string intero;
    for (char c = 0; c < 96; ++c) intero += std::string(246, char('a' + c % 26)) + "\r\n";
    const std::string corto = intero.substr(0, 10 * 248) + "07:45 fm",
                      disfatto = pieno + "; the file is as it was.";
    const impostazioni sei_marzo{"06-03-2023", "00", "00", "15", "1"};
    const std::function<void()> imposta = [&] { scrivi_impostazioni(setting, sei_marzo); };
    const std::function<void()> registra = [&] { scrittura_record(giorno, 32, nuovo); };
    // clang-format off
    const struct { fs::path file; std::string prima; rlim_t limite; std::function<void()> scrivi; std::string detto; }
    casi[] = {
        {setting, marzo, 0, imposta, pieno}, {setting, marzo, 12, imposta, pieno}, {setting, marzo, 25, imposta, pieno},
        {giorno, intero, 31 * 248, registra, disfatto}, {giorno, intero, 31 * 248 + 100, registra, disfatto},
        {giorno, corto, 12 * 248, registra, disfatto}, {giorno, corto, 32 * 248 - 1, registra, disfatto},
    };
    // clang-format on
    for (const auto& c : casi) {
        std::ofstream(c.file, std::ios::binary) << c.prima;
        const std::string detto = con_disco_pieno(c.limite, c.scrivi);
        EXPECT_TRUE(detto.ends_with(c.detto)) << detto;
        EXPECT_NE(detto.find(c.file.filename().string()), std::string::npos) << detto;
        EXPECT_TRUE(prova::testo_file(c.file) == c.prima) << c.limite;
        EXPECT_FALSE(fs::exists(c.file.string() + ".tmp")) << c.limite;
    }
    fs::permissions(setting, fs::perms(0600));
    EXPECT_EQ(con_disco_pieno(nuove.size(), imposta), "");
    EXPECT_EQ(prova::testo_file(setting), nuove);
    EXPECT_EQ(fs::status(setting).permissions(), fs::perms(0600));
}
