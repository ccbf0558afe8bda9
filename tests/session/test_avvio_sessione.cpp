#include "common/fakes.h"
#include "session/avvio_sessione.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace velaris;
namespace fs = std::filesystem;

namespace {

std::string byte_di(const fs::path& file) {
    std::ifstream flusso(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(flusso), {}};
}

const std::string marzo = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";

class AvvioSessione : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_cartella);
        m_stato.sessione.cartella_lavoro = m_cartella;
        std::ofstream(m_impostazioni, std::ios::binary) << marzo;
    }
    void TearDown() override { fs::remove_all(m_cartella); }

    esito_avvio avvia(std::string giorno, std::string hour = "07", std::string minutes = "45",
                      std::string incremento = "15") {
        return avvio_sessione({giorno, hour, minutes, incremento, "05-03-2023"}, m_stato,
                              m_messaggi);
    }
    // The start was refused with one "Be careful!!" box and left everything as it was.
    void rifiutato(const esito_avvio& esito) {
        EXPECT_FALSE(esito.apri_finestra_principale);
        ASSERT_EQ(m_messaggi.mostrati.size(), 1u);
        EXPECT_EQ(m_messaggi.mostrati[0].titolo, "Be careful!!");
        EXPECT_EQ(m_messaggi.mostrati[0].icona, icona_messaggio::nessuna);
        EXPECT_TRUE(m_stato.sessione.data_sessione.empty());
    }

    const fs::path m_cartella =
        fs::temp_directory_path() / ("velaris_avvio_" + std::to_string(std::random_device{}()));
    const fs::path m_impostazioni = m_cartella / "setting.txt";
    const fs::path m_ionogrammi = m_cartella / "ionograms";
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;
};

} // namespace

TEST(ErroreData, FormatMonthAndDay) {
    const char* formato = "The format of the date is not correct!!";
    const char* mese = "The number representing the month cannot be greater than 12!!";
    const char* giorno = "The day of the date is not correct!!";
    const struct {
        const char *data, *atteso; // nullptr: accepted
    } casi[] = {
        {"5-3-2023", formato},   {"05/03/2023", formato},  {"05-03-20-3", formato},
        {"-5-03-2023", formato}, {"05-03-2023-", formato}, {"05-13-2023", mese},
        {"31-04-2023", giorno},  {"29-02-2023", giorno},   {"30-02-2024", giorno},
        {"32-01-2023", giorno},  {"29-02-2024", nullptr},  {"29-02-2100", nullptr},
        {"00-00-2023", nullptr}, {"99-00-2023", nullptr},  {"31-12-2023", nullptr},
    };
    for (const auto& caso : casi) {
        const auto errore = errore_data(caso.data);
        EXPECT_EQ(errore ? std::string(*errore) : "", caso.atteso ? caso.atteso : "") << caso.data;
    }
}

TEST(ListeEntrata, StoredTextsThatAreNoItem) {
    const std::vector<std::string> quarti{"00", "15", "30", "45"};
    for (auto [testo, atteso] : {std::pair{"20", "15"},
                                 {"59", "45"},
                                 {"60", "00"},
                                 {"-5", "00"},
                                 {"xx", "00"},
                                 {"9E99", "00"}})
        EXPECT_EQ(voce_da_mostrare(quarti, testo, 60), atteso) << testo;
    EXPECT_EQ(intervallo_da_mostrare("20"), "15");
}

TEST_F(AvvioSessione, StoredDayKeepsTheTimeAndFillsTheRecord) {
    const auto esito = avvia("05-03-2023");
    EXPECT_TRUE(esito.apri_finestra_principale);
    EXPECT_EQ(esito.hour + esito.minutes, "0745");
    EXPECT_TRUE(m_messaggi.mostrati.empty());
    EXPECT_EQ(byte_di(m_impostazioni), marzo);
    const parametri_sessione& s = m_stato.sessione;
    EXPECT_EQ(s.data_sessione + " " + s.anno_sessione + " " + s.giorno_anno, "05-03-2023 2023 064");
    EXPECT_EQ(s.incremento_minuti, "15");
    EXPECT_EQ(s.ora_corrente * 100 + s.minuti_correnti, 745);
    EXPECT_EQ(s.numero_ionogramma, 32);
    EXPECT_EQ(s.file_risultati, m_ionogrammi / "QX106_05032023_15.txt");
}

TEST_F(AvvioSessione, NewDayStartsAtMidnightWhateverTheListsShow) {
    const auto esito = avvia("06-03-2023", "11", "30", "05");
    EXPECT_TRUE(esito.apri_finestra_principale);
    EXPECT_EQ(esito.hour + esito.minutes, "0000");
    EXPECT_EQ(byte_di(m_impostazioni), "06-03-2023\r\n00\r\n00\r\n05\r\n1\r\n");
    EXPECT_EQ(m_stato.sessione.ora_corrente + m_stato.sessione.minuti_correnti, 0);
    EXPECT_EQ(m_stato.sessione.numero_ionogramma, 1);
}

TEST_F(AvvioSessione, ResultsFileCreatedBlankOnceThenNeverTouched) {
    for (auto [incremento, record] :
         {std::pair{"60", 24}, {"30", 48}, {"15", 96}, {"10", 144}, {"05", 288}}) {
        ASSERT_TRUE(avvia("05-03-2023", "00", "00", incremento).apri_finestra_principale);
        std::string atteso;
        for (int i = 0; i < record; ++i)
            atteso += std::string(246, ' ') + "\r\n";
        EXPECT_EQ(byte_di(m_ionogrammi / ("QX106_05032023_" + std::string(incremento) + ".txt")),
                  atteso)
            << incremento;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_ionogrammi), fs::directory_iterator()), 5);

    // The day's work survives a second start, even in a file of odd size.
    const fs::path risultati = m_ionogrammi / "QX106_05032023_15.txt";
    std::ofstream(risultati, std::ios::binary) << "52 D scaled\r\n";
    ASSERT_TRUE(avvia("05-03-2023").apri_finestra_principale);
    EXPECT_EQ(byte_di(risultati), "52 D scaled\r\n");
}

TEST_F(AvvioSessione, DateErrorWritesNothing) {
    rifiutato(avvia("31-04-2023"));
    EXPECT_EQ(m_messaggi.mostrati[0].testo, "The day of the date is not correct!!");
    EXPECT_EQ(byte_di(m_impostazioni), marzo);
    EXPECT_FALSE(fs::exists(m_ionogrammi));

    m_messaggi.mostrati.clear();
    rifiutato(avvia("05-02-9E99")); // a year only a damaged settings file can hold
    EXPECT_EQ(m_messaggi.mostrati[0].testo, "The year of the date is not correct!!");
}

TEST_F(AvvioSessione, UnwritableSettingsFileIsReported) {
    fs::create_directory(m_cartella / "setting.txt.tmp");
    rifiutato(avvia("06-03-2023"));
    EXPECT_EQ(m_messaggi.mostrati[0].testo,
              "Cannot write setting.txt in " + m_cartella.string() + ": Is a directory!!");
    EXPECT_EQ(byte_di(m_impostazioni), marzo);
}

TEST_F(AvvioSessione, UnusableResultsFileOrFolderIsReported) {
    fs::create_directories(m_ionogrammi / "QX106_05032023_15.txt");
    rifiutato(avvia("05-03-2023"));
    EXPECT_NE(m_messaggi.mostrati[0].testo.find("QX106_05032023_15.txt"), std::string::npos);

    fs::remove_all(m_ionogrammi);
    std::ofstream(m_ionogrammi) << "a file, not the folder";
    m_messaggi.mostrati.clear();
    rifiutato(avvia("05-03-2023"));
    EXPECT_NE(m_messaggi.mostrati[0].testo.find("ionograms"), std::string::npos);
}

TEST_F(AvvioSessione, OtherIntervalKeepsNumberAndResultsFile) {
    m_stato.sessione.numero_ionogramma = 17;
    m_stato.sessione.file_risultati = "earlier.txt";
    ASSERT_TRUE(avvia("05-03-2023", "07", "45", "20").apri_finestra_principale);
    EXPECT_EQ(m_stato.sessione.numero_ionogramma, 17);
    EXPECT_EQ(m_stato.sessione.file_risultati, "earlier.txt");
    EXPECT_EQ(byte_di(m_impostazioni), "05-03-2023\r\n07\r\n45\r\n20\r\n17\r\n");
}
