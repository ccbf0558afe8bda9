#include "common/rdf_di_prova.h"
#include "session/impostazioni.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace velaris;
namespace fs = std::filesystem;

// A line ends at CR LF, LF or a lone CR and its text is kept as it stands; a
// missing or short file is no settings (the start window then takes the
// first-run values). Writing is checked byte for byte through the session
// start; here only a write whose rename fails (the target is a folder), which
// must throw and remove its temporary file.
TEST(Impostazioni, ReadsTheFirstFiveLinesAndAFailedWriteLeavesNoTemporary) {
    const prova::cartella_temporanea cartella;
    const fs::path file = cartella.percorso() / "setting.txt";
    EXPECT_EQ(leggi_impostazioni(file).valori, std::nullopt);
    const impostazioni marzo{"05-03-2023", "07", "45", "15", "32"};
    const std::pair<std::string, std::optional<impostazioni>> casi[] = {
        {"05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n", marzo},
        {"05-03-2023\n07\n45\n15\n32\n", marzo},
        {"05-03-2023\r07\r45\r15\r32", marzo},
        {"05-03-2023\r\n07\r\n45\r\n15\r\n32\r\nmore\r\n", marzo},
        {" 05-03-2023 \r\n\r\n4 5\r\n15\r\n\r\n",
         impostazioni{" 05-03-2023 ", "", "4 5", "15", ""}},
        {"05-03-2023\r\n07\r\n45\r\n15\r\n", std::nullopt},
    };
    for (const auto& [testo, atteso] : casi) {
        std::ofstream(file, std::ios::binary) << testo;
        EXPECT_EQ(leggi_impostazioni(file).valori, atteso) << testo;
    }

    fs::remove(file);
    fs::create_directories(file / "inside");
    EXPECT_THROW(scrivi_impostazioni(file, marzo), std::runtime_error);
    EXPECT_FALSE(fs::exists(file.string() + ".tmp"));
    EXPECT_EQ(leggi_impostazioni(file).valori, std::nullopt); // nor does a folder read as settings
}
