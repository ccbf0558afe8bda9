// velaris-demo run into a temporary folder: the files it leaves and their
// bytes, the program's reader on them, the seed, and a folder in use refused.
// The day is generated once per test process and shared by its checks.

#include "ionogram/lettore_rdf.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path radice =
    fs::temp_directory_path() / ("velaris-demo-test-" + std::to_string(::getpid()));

/// Runs the tool with `opzioni` into `cartella`; its exit code.
int esegui(const std::string& opzioni, const fs::path& cartella) {
    std::ostringstream comando;
    comando << std::quoted(VELARIS_DEMO) << ' ' << opzioni << ' ' << cartella << " >/dev/null 2>&1";
    const int r = std::system(comando.str().c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

std::string leggi(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::ptrdiff_t quanti(const fs::path& cartella) {
    return std::distance(fs::directory_iterator(cartella), fs::directory_iterator());
}

fs::path file(const fs::path& cartella, const std::string& ora_minuti) {
    return cartella / "ionograms" / ("QX106_2023064" + ora_minuti + "00.rdf");
}

} // namespace

class GiornataDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fs::remove_all(radice);
        esito = esegui("", giorno);
    }
    static void TearDownTestSuite() { fs::remove_all(radice); }
    void SetUp() override { ASSERT_EQ(esito, 0); }

    static inline const fs::path giorno = radice / "giorno";
    static inline int esito = -1;
};

TEST_F(GiornataDemo, TheFolderHoldsTheDayAsTheProgramReadsIt) {
    EXPECT_EQ(leggi(giorno / "setting.txt"), "05-03-2023\r\n00\r\n00\r\n15\r\n1\r\n");
    // 96 soundings, 3 of them without a file, and only 09:15 one byte short.
    EXPECT_EQ(quanti(giorno / "ionograms"), 93);
    EXPECT_FALSE(fs::exists(file(giorno, "0630")));
    for (const auto& voce : fs::directory_iterator(giorno / "ionograms"))
        EXPECT_EQ(voce.file_size(), voce.path() == file(giorno, "0915") ? 57346u : 57347u) << voce.path();

    // The header's fields at their bytes: frequencies 1-19, code 60-61, station 123-127, line feed 197.
    const std::string testa = leggi(file(giorno, "1200")).substr(0, 197);
    EXPECT_EQ(testa.substr(0, 19) + "|" + testa.substr(59, 2) + "|" + testa.substr(122, 5),
              "01.000 20.000 0.050|xx|QX106");
    EXPECT_EQ(testa.find('\n'), 196u);

    const auto principale = velaris::intestazione_corta::accettata;
    const auto buono = velaris::carica_rdf(file(giorno, "1200"), principale);
    ASSERT_TRUE(buono);
    EXPECT_EQ(buono->dati.numero_frequenze, 381);
    EXPECT_EQ(velaris::carica_rdf(file(giorno, "0915"), principale).errore().motivo,
              velaris::motivo_errore::dimensione_errata);
}

TEST_F(GiornataDemo, TheSeedAloneGivesTheBytes) {
    // Each sounding has its own stream: an hourly run with the same seed
    // repeats the noon file; another seed changes its amplitudes.
    ASSERT_EQ(esegui("--interval 60", radice / "stesso"), 0);
    ASSERT_EQ(esegui("--seed 7 --interval 60", radice / "altro"), 0);
    const std::string noon = leggi(file(giorno, "1200"));
    EXPECT_EQ(leggi(file(radice / "stesso", "1200")), noon);
    const std::string altro = leggi(file(radice / "altro", "1200"));
    ASSERT_EQ(altro.size(), noon.size());
    EXPECT_NE(altro.substr(197), noon.substr(197));
}

TEST_F(GiornataDemo, AFolderInUseIsRefusedAndLeftAlone) {
    // One still holding its day, one holding results but no setting.txt.
    const fs::path risultati = radice / "risultati";
    fs::create_directories(risultati / "ionograms");
    std::ofstream(risultati / "ionograms" / "QX106_05032023_60.txt") << "results";
    const auto ora_impostazioni = fs::last_write_time(giorno / "setting.txt");
    for (const fs::path& cartella : {giorno, risultati})
        EXPECT_EQ(esegui("--interval 60", cartella), 1) << cartella;
    EXPECT_EQ(fs::last_write_time(giorno / "setting.txt"), ora_impostazioni);
    EXPECT_EQ(quanti(giorno / "ionograms"), 93);
    EXPECT_FALSE(fs::exists(risultati / "setting.txt"));
    EXPECT_EQ(quanti(risultati / "ionograms"), 1);
}
