// Damaged files, one table. Each row damages what the operator depends on in
// the working folder of the session of 05-03-2023 at 07:45 (its settings, its
// results with foF2 61 at 07:30 and 52 D, foE 305 A at 07:45, no ionogram),
// then runs what the operator would: the start window's load and a start
// from what it shows (A), or the main window's load, foF2 edited to 53 and
// the closing, answering No to any question (C). The row says part of what
// the operator is told; for A, what the window shows and "setting.txt"
// afterwards ("" as it was); for C, whether the edit was saved. Every other
// byte of the folder stays as it was: a start may only add the ionograms
// folder and a blank results file of its day.

#include "common/banco_sessione.h"
#include "common/permessi.h"
#include "session/avvio_sessione.h"
#include "session/impostazioni.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>

using namespace velaris;
namespace fs = std::filesystem;
using prova::impostazioni_attese;

namespace {

const std::string setting = "setting.txt", risultati = "ionograms/QX106_05032023_15.txt",
                  rdf = "ionograms/QX106_2023064074500.rdf",
                  marzo = "05-03-2023\r\n07\r\n45\r\n15\r\n32\r\n";

/// A damage: the path and what is done to it: '-' removed, '/' made a
/// folder, "=..." written with the bytes that follow, "+..." those appended,
/// an octal number its permission bits.
using guasto = std::pair<std::string, std::string>;
void guasta(const fs::path& file, const std::string& cosa) {
    if (cosa[0] == '0') return fs::permissions(file, fs::perms(std::stoi(cosa, nullptr, 8)));
    if (cosa[0] != '+') fs::remove_all(file);
    if (cosa[0] == '/') fs::create_directory(file);
    if (cosa[0] == '=' || cosa[0] == '+') std::ofstream(file, std::ios::app) << cosa.substr(1);
}
std::string ionogramma(int scarto, bool a_capo_197 = true) {
    const auto byte = prova::rdf_di_prova{.a_capo_197 = a_capo_197, .scarto = scarto}.byte();
    return "=" + std::string(byte.begin(), byte.end());
}
/// Settings whose hour, minutes and interval lines are as given.
std::string righe(const char* ora, const char* minuti, const char* incremento) {
    return "=05-03-2023\r\n" + std::string(ora) + "\r\n" + minuti + "\r\n" + incremento +
           "\r\n32\r\n";
}
const std::string binario = [] {
    std::string b = "=";
    for (int k = 0; k < 512; ++k) b += static_cast<char>(k);
    return b;
}();

// A first run starts on "today", 01-03-2024; the stored settings show 05-03-2023 at 07:45.
const std::string prima_volta = impostazioni_attese(0, 0, 1).replace(0, 10, "01-03-2024"),
                  nuova = "01-03-2024 00 00 15", solita = "05-03-2023 07 45 15", salvato = "53";

// clang-format off
struct danno {
    const char* nome; char fa; std::vector<guasto> guasti; const char* detto; std::string mostrato = {}, dopo = {};
};

const danno casi[] = {
    {"SettingsMissing", 'A', {{setting, "-"}}, "", nuova, prima_volta},
    // A line ends at CR LF, LF or a lone CR; what follows the fifth line is not read.
    {"SettingsLineFeeds", 'A', {{setting, "=05-03-2023\n07\n45\n15\n32"}}, "", solita, marzo},
    {"SettingsCarriageReturns", 'A', {{setting, "=05-03-2023\r07\r45\r15\r32\r"}}, "", solita, marzo},
    {"SettingsWithMoreLines", 'A', {{setting, "=" + marzo + "more\r\n"}}, "", solita, marzo},
    {"SettingsEmpty", 'A', {{setting, "="}}, "setting.txt cannot be used: it is empty. The window shows 01-03-2024 "
                                             "at 00:00; the file is rewritten when the session starts!", nuova, prima_volta},
    {"SettingsLineTooLong", 'A', {{setting, "=" + std::string(300, 'x')}}, "line 1 is longer than 256", nuova, prima_volta},
    {"SettingsBinary", 'A', {{setting, binario}}, "Be careful!!|The format of the date is not correct!!",
     std::string("\0\1\2\3\4\5\6\7\b\t 00 00 15", 19)},
    {"SettingsUnreadable", 'A', {{setting, "0"}}, "it cannot be read (Permission denied)", nuova, prima_volta},
    {"SettingsIsAFolder", 'A', {{setting, "/"}}, "cannot be used: it is a folder", nuova},
    {"SettingsTmpIsAFolder", 'A', {{setting + ".tmp", "/"}}, ": Is a directory!!", solita},
    {"WorkingFolderReadOnly", 'A', {{".", "0555"}}, "Permission denied!!", solita},
    // Hand-edited: a list shows the last item not above a value v, 0 <= v < its limit; else its first.
    {"MinutesOffList", 'A', {{setting, righe("7", "20", "15")}}, "", "05-03-2023 07 15 15", impostazioni_attese(7, 15, 30)},
    {"TimeOutOfRange", 'A', {{setting, righe("-3", "60", "105")}}, "", "05-03-2023 00 00 15", impostazioni_attese(0, 0, 1)},
    {"ShortInterval", 'A', {{setting, righe("24", "05", "5")}}, "", "05-03-2023 00 05 05", impostazioni_attese(0, 5, 2, "05")},
    {"IonogramsFolderMissing", 'A', {{"ionograms", "-"}}, "", solita, marzo},
    {"IonogramsFolderIsAFile", 'A', {{"ionograms", "=x"}}, "ionograms: a file of that name is in the way!!", solita},
    {"ResultsMissingAtTheStart", 'A', {{risultati, "-"}}, "", solita, marzo},
    {"ResultsIsAFolder", 'A', {{risultati, "/"}}, "Cannot use QX106_05032023_15.txt in ", solita},
    {"NewDayInAReadOnlyFolder", 'A', {{setting, "=06" + marzo.substr(2)}, {"ionograms", "0555"}},
     "Cannot write QX106_06032023_15.txt in ", "06-03-2023 07 45 15"},
    {"ResultsVanished", 'C', {{risultati, "-"}}, "QX106_05032023_15.txt cannot be opened (No such file or directory): "
                                                "the boxes are empty and this sounding will not be saved."},
    {"ResultsUnreadable", 'C', {{risultati, "0200"}}, "cannot be opened (Permission denied): the boxes are empty"},
    {"ResultsReadOnly", 'C', {{risultati, "0444"}}, "Permission denied.\r\nDo you want to close without saving?"},
    {"ResultsInAReadOnlyFolder", 'C', {{"ionograms", "0555"}}, "No ionogram for this time", "", salvato},
    {"IonogramMissing", 'C', {}, "QX106_2023064074500.rdf is not in the ionograms folder.", "", salvato},
    {"IonogramOneByteLong", 'C', {{rdf, ionogramma(1)}}, "rdf is not a valid ionogram: size", "", salvato},
    {"IonogramWithoutHeader", 'C', {{rdf, ionogramma(0, false)}}, "nor byte 197 is a line feed", "", salvato},
    {"IonogramIsAFolder", 'C', {{rdf, "/"}}, "rdf is a folder, not a file. It is left as it is.", "", salvato},
    {"IonogramUnreadable", 'C', {{rdf, ionogramma(0)}, {rdf, "0200"}}, "rdf cannot be opened (Permission denied). The file is left as it is.", "", salvato},
};
// clang-format on

/// Every file and folder under `radice` by relative path: its bytes, or a mark for a folder.
std::map<std::string, std::string> fotografia(const fs::path& radice) {
    std::map<std::string, std::string> voci;
    for (const auto& voce : fs::recursive_directory_iterator(radice))
        voci[voce.path().lexically_relative(radice).string()] =
            voce.is_directory() ? "<folder>" : prova::testo_file(voce.path());
    return voci;
}

/// The start window's load and a start from what it shows: what it says.
std::string avvia(prova::banco_sessione& b, std::string& mostrato) {
    const auto iniziali = impostazioni_per_entrata(prova::file_impostazioni(b.stato),
                                                   std::chrono::year(2024) / 3 / 1);
    const impostazioni& v = iniziali.valori;
    const auto& ore = b.stato.sessione.tabella_ore;
    const std::string passo = intervallo_da_mostrare(v.incremento);
    const richiesta_avvio r{v.data.substr(0, 10),
                            voce_da_mostrare({ore.begin(), ore.end()}, v.ora, 24),
                            voce_da_mostrare(*minuti_ammessi(passo), v.minuti, 60), passo, v.data};
    mostrato = r.giorno + " " + r.hour + " " + r.minutes + " " + passo;
    stato_programma stato; // changes only with a start that goes through
    stato.sessione.cartella_lavoro = b.cartella.percorso();
    const bool aperta = avvio_sessione(r, stato, b.messaggi).apri_finestra_principale;
    EXPECT_EQ(aperta, !stato.sessione.data_sessione.empty());
    return iniziali.avviso + b.messaggi.detti();
}

class FileDanneggiati : public ::testing::TestWithParam<danno> {};

} // namespace

TEST_P(FileDanneggiati, TheOperatorIsToldAndNothingIsLost) {
    const danno& c = GetParam();
    prova::banco_sessione b;
    const fs::path radice = b.cartella.percorso();
    prova::scrivi_record(b.stato, 31, {{"Text13", "61"}});
    prova::scrivi_record(
        b.stato, 32,
        {{"Text13", "52"}, {"lettera_qualificativa_fof2", "D"}, {"Text3", "305"}, {"Text19", "A"}});
    bool permessi = false; // the row needs permission bits that hold
    for (const auto& [dove, cosa] : c.guasti)
        guasta(radice / dove, cosa), permessi |= cosa[0] == '0';
    if (permessi && !prova::permessi_rispettati::possibile())
        GTEST_SKIP() << "permission bits do not hold here even without the root override";
    const auto prima = fotografia(radice);
    std::string detto, mostrato;
    {
        std::optional<prova::permessi_rispettati> senza_privilegi;
        if (permessi) senza_privilegi.emplace();
        if (c.fa == 'A') {
            detto = avvia(b, mostrato);
        } else {
            b.sessione.carica();
            b.caselle.imposta_testo("Text13", "53");
            b.messaggi.risposte = {false};
            EXPECT_EQ(b.sessione.chiusura().record_salvato, !c.dopo.empty());
            detto = b.vista.stato_file + " " + b.messaggi.detti();
        }
    }
    EXPECT_TRUE(*c.detto ? detto.find(c.detto) != std::string::npos : detto.empty()) << detto;
    EXPECT_EQ(mostrato, c.mostrato);

    auto dopo = fotografia(radice), atteso = prima;
    for (const auto& [nome, byte] : dopo) // a start may make the ionograms folder and a blank day
        if (!prima.contains(nome)) {
            atteso[nome] = nome == "ionograms" ? "<folder>" : "";
            for (int k = nome.ends_with("_05.txt") ? 288 : 96; k > 0 && nome != "ionograms"; --k)
                atteso[nome] += std::string(246, ' ') + "\r\n";
        }
    if (c.fa == 'C' && !c.dopo.empty()) atteso[risultati][31 * 248 + 167] = '3'; // " 52" -> " 53"
    if (c.fa == 'A' && !c.dopo.empty()) atteso[setting] = c.dopo;
    for (const auto& [nome, byte] : atteso)
        EXPECT_TRUE(dopo.contains(nome) && dopo[nome] == byte) << nome << " is not as it must be";
}

INSTANTIATE_TEST_SUITE_P(Tabella, FileDanneggiati, ::testing::ValuesIn(casi),
                         [](const auto& info) { return std::string(info.param.nome); });
