#pragma once
// The demo day as files: which soundings exist, their names and bytes, the
// settings file, and writing all of it into a working folder.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velaris::demo {

/// A refusal or failure of the generator, with a message for the user.
class errore_demo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct data {
    int giorno = 5, mese = 3, anno = 2023;
};

/// A "DD-MM-YYYY" text as a date; none when the form or the date is wrong.
/// February has 29 days in every year divisible by 4, as for the program.
std::optional<data> leggi_data(std::string_view testo);

/// Day of the year, 1-based, with the same leap-year rule.
int giorno_dell_anno(const data& d);

/// "DD-MM-YYYY".
std::string testo_data(const data& d);

inline constexpr std::uint64_t seme_predefinito = 20230305;

struct opzioni_giornata {
    data giorno;
    int intervallo = 15; ///< minutes: 5, 10, 15, 30 or 60
    std::uint64_t seme = seme_predefinito;
};

/// Whether a sounding of the day left a good file, none, or a cut one.
enum class stato_file { presente, mancante, troncato };

struct voce_giornata {
    int ora = 0, minuti = 0;
    std::string nome; ///< file name, no folder
    stato_file stato = stato_file::presente;
};

/// Times of the day (minutes after midnight) of the soundings left without a
/// file, and of the one whose transfer was cut one byte short. With a coarser
/// interval the sounding at or just before each of these times is taken.
inline constexpr int minuti_mancanti[] = {6 * 60 + 30, 14 * 60 + 45, 19 * 60 + 15};
inline constexpr int minuti_troncato = 9 * 60 + 15;

/// Whether `intervallo` is one of the program's intervals.
bool intervallo_valido(int intervallo);

/// The file name of the sounding at `ora`:`minuti` of day `d`.
std::string nome_ionogramma(const data& d, int ora, int minuti);

/// The soundings of the day in time order, from 00:00.
std::vector<voce_giornata> piano_giornata(const opzioni_giornata& o);

struct sondaggio_sintetico;

/// The sounding as synthesised, with the layers it was drawn from.
sondaggio_sintetico sondaggio_di(const opzioni_giornata& o, const voce_giornata& v);

/// The bytes of a sounding's file (one byte short for the cut one; empty for
/// a missing one).
std::vector<std::uint8_t> file_ionogramma(const opzioni_giornata& o, const voce_giornata& v);

struct resoconto {
    int scritti = 0;
    std::vector<std::string> mancanti;
    std::string troncato;
};

/// Writes the working folder `cartella`: ionograms/ with the day's files,
/// then setting.txt. Refuses (errore_demo) a folder that already has a
/// setting.txt or files in ionograms/ unless `forza`; creates it if needed.
/// Every file is written beside its final name and then renamed, and the
/// settings file comes last, so an interrupted run leaves no half file and
/// no setting.txt.
resoconto scrivi_giornata(const std::filesystem::path& cartella, const opzioni_giornata& o,
                          bool forza);

} // namespace velaris::demo
