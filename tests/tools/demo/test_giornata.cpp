// velaris-demo run into temporary folders: the files it leaves, their bytes,
// and the echoes in them read back as an operator would see them.

#include "base/numeri.h"
#include "giornata.h"
#include "ionogram/lettore_rdf.h"
#include "modello.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

using namespace velaris::demo;
namespace fs = std::filesystem;

namespace {

const fs::path radice =
    fs::temp_directory_path() / ("velaris-demo-test-" + std::to_string(::getpid()));

/// Runs the tool with `argomenti`; its exit code.
int esegui(const std::string& argomenti) {
    const std::string comando =
        std::string("\"") + VELARIS_DEMO + "\" " + argomenti + " >/dev/null 2>&1";
    const int r = std::system(comando.c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

std::string tra_virgolette(const fs::path& p) {
    return "\"" + p.string() + "\"";
}

std::string leggi(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string nome(const std::string& ora_minuti) {
    return "QX106_2023064" + ora_minuti + "00.rdf";
}

const std::set<std::string> mancanti{"0630", "1445", "1915"};
const std::string troncato = "0915";

/// An ionogram file read straight from its bytes.
struct ionogramma {
    std::string byte;
    int cella(int i, int j) const {
        return static_cast<unsigned char>(
            byte[197 + 150 * static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(j - 1)]);
    }
    static double frequenza(int i) { return 1.0 + 0.05 * (i - 1); }
    static int record(double f) { return static_cast<int>(std::lround((f - 1.0) / 0.05)) + 1; }
    /// Lowest height sample of the strongest echo in record i.
    int piu_forte(int i) const {
        int migliore = 1;
        for (int j = 2; j <= 150; ++j)
            if (cella(i, j) > cella(i, migliore)) migliore = j;
        return migliore;
    }
    int massimo(int i) const {
        int m = 0;
        for (int j = 1; j <= 150; ++j)
            m = std::max(m, cella(i, j));
        return m;
    }
};

// Noise and interference stay below 50; echoes of the traces are well above.
constexpr int eco = 80;

} // namespace

class GiornataDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fs::remove_all(radice);
        fs::create_directories(radice);
        esito = esegui(tra_virgolette(radice / "giorno"));
    }
    static void TearDownTestSuite() { fs::remove_all(radice); }
    void SetUp() override { ASSERT_EQ(esito, 0); }

    static fs::path file(const std::string& ora_minuti) {
        return radice / "giorno" / "ionograms" / nome(ora_minuti);
    }
    static inline int esito = -1;
};

TEST_F(GiornataDemo, TheFolderHoldsTheDayAsTheProgramReadsIt) {
    EXPECT_EQ(leggi(radice / "giorno" / "setting.txt"), "05-03-2023\r\n00\r\n00\r\n15\r\n1\r\n");

    int presenti = 0;
    for (int minuto = 0; minuto < 1440; minuto += 15) {
        const std::string hhmm = velaris::due_cifre(minuto / 60) + velaris::due_cifre(minuto % 60);
        const fs::path p = file(hhmm);
        if (mancanti.count(hhmm)) {
            EXPECT_FALSE(fs::exists(p)) << hhmm;
            continue;
        }
        ASSERT_TRUE(fs::exists(p)) << hhmm;
        ++presenti;
        EXPECT_EQ(fs::file_size(p), hhmm == troncato ? 57346u : 57347u) << hhmm;
    }
    EXPECT_EQ(presenti, 93);

    int tutti = 0; // nothing else is left in the folder: no half-written files
    for (const auto& voce : fs::directory_iterator(radice / "giorno" / "ionograms")) {
        ++tutti;
        const std::string testa = leggi(voce.path()).substr(0, 197);
        const std::string n = voce.path().filename().string();
        EXPECT_EQ(testa.substr(0, 19), "01.000 20.000 0.050") << n;
        EXPECT_EQ(testa.substr(59, 2), "xx") << n;
        EXPECT_EQ(testa.substr(122, 5), "QX106") << n;
        EXPECT_EQ(testa[196], '\n') << n;
        EXPECT_EQ(testa.find('\n'), 196u) << n; // so byte 50 is no line feed either
    }
    EXPECT_EQ(tutti, 93);

    // The program's own reader takes a sounding, refuses the cut one and
    // finds no ionogram where the file is missing.
    using velaris::esito_caricamento;
    const auto principale = velaris::variante_finestra::principale;
    const auto buono = velaris::carica_rdf(file("1200"), principale);
    ASSERT_EQ(buono.esito, esito_caricamento::accettato);
    EXPECT_EQ(buono.ionogramma.dati.numero_frequenze, 381);
    EXPECT_EQ(buono.ionogramma.stazione, "Ostrand");
    EXPECT_EQ(buono.ionogramma.codice_caso_particolare, "xx");
    EXPECT_EQ(velaris::carica_rdf(file(troncato), principale).esito, esito_caricamento::rifiutato);
    EXPECT_EQ(velaris::carica_rdf(file("0630"), principale).esito, esito_caricamento::mancante);
}

TEST_F(GiornataDemo, SameSeedSameBytesOtherSeedOtherBytes) {
    ASSERT_EQ(esegui(tra_virgolette(radice / "ancora")), 0);
    for (const auto& voce : fs::directory_iterator(radice / "giorno" / "ionograms"))
        EXPECT_TRUE(leggi(voce.path()) ==
                    leggi(radice / "ancora" / "ionograms" / voce.path().filename()))
            << voce.path().filename();

    ASSERT_EQ(esegui("--seed 7 --interval 60 " + tra_virgolette(radice / "altro")), 0);
    EXPECT_EQ(leggi(radice / "altro" / "setting.txt"), "05-03-2023\r\n00\r\n00\r\n60\r\n1\r\n");
    const std::string altro = leggi(radice / "altro" / "ionograms" / nome("0000"));
    EXPECT_EQ(altro.size(), 57347u);
    EXPECT_NE(altro, leggi(file("0000")));
}

TEST_F(GiornataDemo, NoonAndMidnightEchoesFollowTheLayers) {
    double fof2_letta[2] = {0, 0};
    const struct {
        const char* ora_minuti;
        double ora;
    } casi[] = {{"0000", 0.0}, {"1200", 12.0}};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(casi[k].ora_minuti);
        const ionogramma io_file{leggi(file(casi[k].ora_minuti))};
        const ionosfera io = ionosfera_del_momento(64, casi[k].ora);

        // The traces end at foF2 (the x trace some 0.7 MHz above it) and
        // nothing but noise comes from higher frequencies.
        int ultimo = 0;
        for (int i = 1; i <= 381; ++i)
            if (io_file.massimo(i) >= eco) ultimo = i;
        fof2_letta[k] = ionogramma::frequenza(ultimo);
        EXPECT_GE(fof2_letta[k], io.foF2 - 0.4);
        EXPECT_LE(fof2_letta[k], io.foF2 + 1.0);
        // The strong o trace reaches close to foF2.
        int forte = 0;
        for (int i = ionogramma::record(io.foF2 - 0.6); i <= ionogramma::record(io.foF2); ++i)
            forte = std::max(forte, io_file.massimo(i));
        EXPECT_GE(forte, 120);

        // Absorption: nothing below fmin, echoes soon above it.
        for (int i = 1; ionogramma::frequenza(i) < io.fmin - 0.1; ++i)
            EXPECT_LT(io_file.massimo(i), 50) << ionogramma::frequenza(i);
        int sopra = 0;
        for (int i = ionogramma::record(io.fmin); i <= ionogramma::record(io.fmin + 0.5); ++i)
            sopra = std::max(sopra, io_file.massimo(i));
        EXPECT_GE(sopra, eco);

        // The F trace (its strongest echo, the o wave) bends up toward foF2.
        const int primo = ionogramma::record(io.foF2 - 1.5);
        const int fine = ionogramma::record(io.foF2 - 0.25);
        int precedente = io_file.piu_forte(primo);
        for (int i = primo + 1; i <= fine; ++i) {
            const int j = io_file.piu_forte(i);
            EXPECT_GE(j, precedente - 1) << ionogramma::frequenza(i);
            precedente = std::max(precedente, j);
        }
        EXPECT_GT(io_file.piu_forte(fine), io_file.piu_forte(primo) + 8);
    }
    EXPECT_GT(fof2_letta[1], fof2_letta[0] + 3.0);
}

TEST(RifiutoDemo, AnOccupiedFolderIsLeftAloneUnlessForced) {
    const fs::path cartella = radice / "occupata";
    fs::create_directories(cartella);
    std::ofstream(cartella / "setting.txt") << "01-01-2020\r\n";
    EXPECT_EQ(esegui(tra_virgolette(cartella)), 1);
    EXPECT_EQ(leggi(cartella / "setting.txt"), "01-01-2020\r\n");
    EXPECT_FALSE(fs::exists(cartella / "ionograms"));

    fs::remove(cartella / "setting.txt");
    fs::create_directories(cartella / "ionograms");
    std::ofstream(cartella / "ionograms" / "QX106_05032023_60.txt") << "results";
    EXPECT_EQ(esegui(tra_virgolette(cartella)), 1);
    EXPECT_FALSE(fs::exists(cartella / "setting.txt"));

    ASSERT_EQ(esegui("--force --interval 60 " + tra_virgolette(cartella)), 0);
    EXPECT_EQ(leggi(cartella / "ionograms" / "QX106_05032023_60.txt"), "results");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(cartella / "ionograms"), fs::directory_iterator()),
        1 + 24 - 3);
    EXPECT_EQ(fs::file_size(cartella / "ionograms" / nome("0900")), 57346u);
    fs::remove_all(radice);
}

TEST(RifiutoDemo, BadArgumentsAndUnwritableFoldersAreClearErrors) {
    fs::create_directories(radice);
    const fs::path mai = radice / "mai";
    const fs::path un_file = radice / "un_file";
    std::ofstream(un_file) << "x";
    const struct {
        std::string argomenti;
        int esito;
    } casi[] = {
        {"", 2},
        {"--interval 7 " + tra_virgolette(mai), 2},
        {"--interval " + tra_virgolette(mai), 2},
        {"--date 31-04-2023 " + tra_virgolette(mai), 2},
        {"--date 5-3-2023 " + tra_virgolette(mai), 2},
        {"--seed abc " + tra_virgolette(mai), 2},
        {"--seed -1 " + tra_virgolette(mai), 2},
        {"--colour " + tra_virgolette(mai), 2},
        {tra_virgolette(mai) + " " + tra_virgolette(mai / "due"), 2},
        {tra_virgolette(un_file), 1},
        {tra_virgolette(un_file / "sotto"), 1},
        {"--help", 0},
    };
    for (const auto& c : casi)
        EXPECT_EQ(esegui(c.argomenti), c.esito) << c.argomenti;
    EXPECT_FALSE(fs::exists(mai));
    EXPECT_EQ(leggi(un_file), "x");
    fs::remove_all(radice);
}

TEST(PianoGiornata, DatesNamesAndGapsOfTheDay) {
    EXPECT_EQ(giorno_dell_anno(*leggi_data("05-03-2023")), 64);
    EXPECT_EQ(giorno_dell_anno(*leggi_data("31-12-2024")), 366);
    EXPECT_EQ(giorno_dell_anno(*leggi_data("10-04-2023")), 100);
    EXPECT_TRUE(leggi_data("29-02-2100")); // the program's leap rule
    for (const char* sbagliata :
         {"29-02-2023", "00-03-2023", "05-13-2023", "05/03/2023", "5-3-2023"})
        EXPECT_FALSE(leggi_data(sbagliata)) << sbagliata;
    EXPECT_EQ(nome_ionogramma(data{1, 1, 2024}, 7, 5), "QX106_2024001070500.rdf");

    // With a coarser interval the gaps fall on the sounding just before.
    opzioni_giornata o;
    o.intervallo = 60;
    std::string gaps, corto;
    for (const voce_giornata& v : piano_giornata(o)) {
        if (v.stato == stato_file::mancante) gaps += std::to_string(v.ora) + " ";
        if (v.stato == stato_file::troncato) corto = std::to_string(v.ora);
    }
    EXPECT_EQ(gaps, "6 14 19 ");
    EXPECT_EQ(corto, "9");
    o.intervallo = 5;
    EXPECT_EQ(piano_giornata(o).size(), 288u);
    EXPECT_EQ(testo_impostazioni(o), "05-03-2023\r\n00\r\n00\r\n05\r\n1\r\n");
}
