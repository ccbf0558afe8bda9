#include "common/fakes.h"
#include "common/rdf_di_prova.h"
#include "session/avvio_sessione.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>

using namespace velaris;
namespace fs = std::filesystem;

namespace {

const std::string marzo = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";

std::string byte_di(const fs::path& file) {
    std::ifstream flusso(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(flusso), {}};
}

class AvvioSessione : public ::testing::Test {
protected:
    void SetUp() override {
        m_stato.sessione.cartella_lavoro = m_cartella.percorso();
        std::ofstream(m_impostazioni, std::ios::binary) << marzo;
    }
    esito_avvio avvia(std::string giorno, std::string hour = "07", std::string minutes = "45") {
        return avvio_sessione({giorno, hour, minutes, "15", "05-03-2023"}, m_stato, m_messaggi);
    }
    // One "Be careful!!" box saying `testo`; no session, the settings file as it was.
    void rifiutato(const std::string& giorno, const std::string& testo) {
        m_messaggi.mostrati.clear();
        EXPECT_FALSE(avvia(giorno).apri_finestra_principale) << giorno;
        EXPECT_EQ(m_messaggi.testi(), std::vector<std::string>{testo});
        EXPECT_EQ(m_messaggi.mostrati.at(0).titolo, "Be careful!!");
        EXPECT_TRUE(m_stato.sessione.data_sessione.empty());
        EXPECT_EQ(byte_di(m_impostazioni), marzo);
    }

    prova::cartella_temporanea m_cartella;
    const fs::path m_impostazioni = m_cartella.percorso() / "setting.txt";
    stato_programma m_stato;
    prova::messaggi_finti m_messaggi;
};

} // namespace

TEST_F(AvvioSessione, StoredDayKeepsTheTimeNewDayStartsAtMidnight) {
    auto esito = avvia("05-03-2023");
    EXPECT_TRUE(esito.apri_finestra_principale && m_messaggi.mostrati.empty());
    EXPECT_EQ(esito.hour + esito.minutes, "0745");
    const parametri_sessione& s = m_stato.sessione;
    EXPECT_EQ(s.data_sessione + " " + s.anno_sessione + " " + s.giorno_anno, "05-03-2023 2023 064");
    EXPECT_EQ((std::array<int, 3>{s.ora_corrente, s.minuti_correnti, s.numero_ionogramma}),
              (std::array{7, 45, 32}));
    EXPECT_EQ(s.file_risultati, m_cartella.percorso() / "ionograms" / "QX106_05032023_15.txt");
    std::string vuoti;
    for (int i = 0; i < 96; ++i)
        vuoti += std::string(246, ' ') + "\r\n";
    EXPECT_EQ(byte_di(s.file_risultati), vuoti);

    // The day's work survives a second start, even in a file of odd size.
    std::ofstream(s.file_risultati, std::ios::binary) << "52 D scaled\r\n";
    ASSERT_TRUE(avvia("05-03-2023").apri_finestra_principale);
    EXPECT_EQ(byte_di(s.file_risultati), "52 D scaled\r\n");

    esito = avvia("06-03-2023", "11", "30");
    EXPECT_TRUE(esito.apri_finestra_principale);
    EXPECT_EQ(esito.hour + esito.minutes, "0000");
    EXPECT_EQ(byte_di(m_impostazioni), "06-03-2023\r\n00\r\n00\r\n15\r\n1\r\n");
}

// Every refused start shows one box and writes nothing (a year like 9E99 only
// comes from a damaged settings file, and is no date); a day or month "00"
// passes, and February has 29 days in every fourth year, 2100 too.
TEST_F(AvvioSessione, DateRuleAndUnwritableFiles) {
    const std::string formato = "The format of the date is not correct!!",
                      mese = "The number representing the month cannot be greater than 12!!",
                      giorno = "The day of the date is not correct!!";
    const std::pair<const char*, std::string> errori[] = {
        {"5-3-2023", formato},  {"05/03/2023", formato}, {"-5-03-2023", formato},
        {"05-13-2023", mese},   {"31-04-2023", giorno},  {"29-02-2023", giorno},
        {"30-02-2024", giorno}, {"32-01-2023", giorno},  {"05-02-9E99", formato},
    };
    for (const auto& [data, testo] : errori)
        rifiutato(data, testo);
    EXPECT_FALSE(fs::exists(m_cartella.percorso() / "ionograms"));
    for (const char* data : {"29-02-2024", "29-02-2100", "00-00-2023", "31-12-2023"})
        EXPECT_EQ(errore_data(data), std::nullopt) << data;

    // A folder where the results file goes, or a settings file that cannot be
    // written (the failed write is atomic: the old file stays).
    const fs::path cartella = m_cartella.percorso();
    fs::create_directories(cartella / "ionograms" / "QX106_05032023_15.txt");
    rifiutato("05-03-2023", "Cannot use QX106_05032023_15.txt in " +
                                (cartella / "ionograms").string() + ": it is a folder!!");
    fs::create_directory(cartella / "setting.txt.tmp");
    rifiutato("06-03-2023",
              "Cannot write setting.txt in " + cartella.string() + ": Is a directory!!");
}

// What the closed lists never offer is refused all the same: no session
// without a results file, or on a record outside the day.
TEST(PreparazioneAvvio, IntervalsAndTimesOutsideTheDayAreRefused) {
    parametri_sessione attuale;
    const std::pair<richiesta_avvio, std::string> casi[] = {
        {{"05-03-2023", "07", "45", "20", "05-03-2023"},
         "The difference in minutes between two consecutive ionograms must be 05, 10, 15, 30 or "
         "60!!"},
        {{"05-03-2023", "24", "00", "60", "05-03-2023"},
         "The hour or the minutes are not correct!!"},
        {{"05-03-2023", "23", "60", "05", "05-03-2023"},
         "The hour or the minutes are not correct!!"},
        {{"05-03-2023", "23", "55", "05", "05-03-2023"}, ""},
    };
    for (const auto& [richiesta, rifiuto] : casi) {
        const avvio_preparato avvio = preparazione_avvio(richiesta, attuale);
        EXPECT_EQ(avvio.rifiuto, rifiuto) << richiesta.hour << ":" << richiesta.minutes;
        if (rifiuto.empty()) {
            EXPECT_EQ(avvio.sessione.numero_ionogramma, 288);
        }
    }
}
