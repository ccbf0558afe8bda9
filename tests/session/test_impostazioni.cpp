#include "session/impostazioni.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace velaris;
namespace fs = std::filesystem;

namespace {

class Impostazioni : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_cartella); }
    void TearDown() override { fs::remove_all(m_cartella); }

    void scrivi_byte(const std::string& byte) const {
        std::ofstream(m_file, std::ios::binary) << byte;
    }
    std::string byte() const {
        std::ifstream flusso(m_file, std::ios::binary);
        return {std::istreambuf_iterator<char>(flusso), {}};
    }

    const fs::path m_cartella = fs::temp_directory_path() /
                                ("velaris_impostazioni_" + std::to_string(std::random_device{}()));
    const fs::path m_file = m_cartella / "setting.txt";
    const fs::path m_temporaneo = m_cartella / "setting.txt.tmp";
};

const impostazioni marzo{"05-03-2023", "07", "45", "15", "32"};

} // namespace

TEST_F(Impostazioni, ReadsFiveLinesAsTheyStand) {
    for (const char* testo :
         {"05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n", "05-03-2023\n07\n45\n15\n32\n",
          "05-03-2023\r07\r45\r15\r32", "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\nmore\r\n"}) {
        scrivi_byte(testo);
        EXPECT_EQ(leggi_impostazioni(m_file), marzo) << testo;
    }
    scrivi_byte(" 05-03-2023 \r\n\r\n4 5\r\n15\r\n\r\n");
    EXPECT_EQ(leggi_impostazioni(m_file), (impostazioni{" 05-03-2023 ", "", "4 5", "15", ""}));
}

TEST_F(Impostazioni, MissingShortOrUnreadableIsNoSettings) {
    EXPECT_EQ(leggi_impostazioni(m_file), std::nullopt);
    for (const char* corto : {"", "05-03-2023\r\n07\r\n45\r\n15\r\n", "05-03-2023\r\n07"}) {
        scrivi_byte(corto);
        EXPECT_EQ(leggi_impostazioni(m_file), std::nullopt) << corto;
    }
    fs::remove(m_file);
    fs::create_directory(m_file);
    EXPECT_EQ(leggi_impostazioni(m_file), std::nullopt);
}

TEST_F(Impostazioni, WritesFiveCrLfLinesAndNothingElse) {
    scrivi_byte("an older and longer content\r\n\r\n\r\n\r\n\r\n\r\n");
    scrivi_impostazioni(m_file, marzo);
    EXPECT_EQ(byte(), "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_cartella), fs::directory_iterator()), 1);
}

TEST_F(Impostazioni, FailedWriteKeepsTheOldFileAndSaysWhy) {
    scrivi_byte("old");
    // Tests run as root, where permissions stop nothing: a folder where the
    // temporary file must go makes the write fail before it starts.
    fs::create_directory(m_temporaneo);
    try {
        scrivi_impostazioni(m_file, marzo);
        ADD_FAILURE() << "the write should have failed";
    } catch (const std::runtime_error& errore) {
        EXPECT_EQ(std::string(errore.what()),
                  "Cannot write setting.txt in " + m_cartella.string() + ": Is a directory");
    }
    EXPECT_EQ(byte(), "old");

    // A rename that fails (the target is a folder) leaves no temporary file.
    fs::remove(m_temporaneo);
    fs::remove(m_file);
    fs::create_directories(m_file / "inside");
    EXPECT_THROW(scrivi_impostazioni(m_file, marzo), std::runtime_error);
    EXPECT_FALSE(fs::exists(m_temporaneo));
    EXPECT_THROW(scrivi_impostazioni(m_cartella / "nowhere" / "setting.txt", marzo),
                 std::runtime_error);
}

TEST(ImpostazioniDaSessione, TwoDigitTimeAndIntervalDecimalNumber) {
    parametri_sessione sessione;
    sessione.data_sessione = "05-03-2023";
    sessione.ora_corrente = 7;
    sessione.minuti_correnti = 5;
    sessione.incremento_minuti = "5";
    sessione.numero_ionogramma = 86;
    EXPECT_EQ(impostazioni_da_sessione(sessione),
              (impostazioni{"05-03-2023", "07", "05", "05", "86"}));

    using namespace std::chrono;
    EXPECT_EQ(impostazioni_prima_esecuzione(year{2023} / March / 5),
              (impostazioni{"05-03-2023", "00", "00", "15", "1"}));
}
