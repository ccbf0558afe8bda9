#pragma once
// A day of results read from its results file: the date and interval that the
// file's name gives, and for every sounding of the day the fifteen values with
// their letters and the Es types, as the main window would show them.
//
// Values stay whole numbers in the characteristic's own unit (tenths or
// hundredths of a MHz, km, M x 100); conversions happen only where a format
// asks for them.

#include "base/calendario.h"
#include "scaling/unita_grandezze.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velaris {

struct data_calendario {
    int anno = 0;
    int mese = 0;
    int giorno = 0;
    friend auto operator<=>(const data_calendario&, const data_calendario&) = default;
};

/// "YYYY-MM-DD".
std::string data_iso(const data_calendario& d);

/// "HH:MM" of a time of day given in minutes after 00:00.
std::string testo_orario(int minuti);

/// One characteristic at one sounding. A field without a number (blank, or
/// only letters) has no valore; the letters are the stored ones, trimmed, so
/// empty or one character.
struct valore_letto {
    std::optional<int> valore;
    std::string qualificativa;
    std::string descrittiva;
};

/// The fifteen characteristics that hold a number, in table order (the
/// characteristic table without the Es types).
extern const std::array<std::string_view, 15> chiavi_numeriche;

/// Index of a key in chiavi_numeriche; none for the Es types or an unknown key.
std::optional<std::size_t> indice_chiave(std::string_view chiave);

struct sondaggio {
    int minuti = 0;                      ///< after 00:00 UT: (k - 1) x interval for record k
    std::array<valore_letto, 15> valori; ///< in the order of chiavi_numeriche
    std::string tipi_es;                 ///< trimmed, as stored
};

struct giornata {
    std::filesystem::path file;
    data_calendario data;
    std::string incremento; ///< "05", "10", "15", "30" or "60"
    int intervallo = 0;     ///< minutes
    std::vector<sondaggio> sondaggi;

    /// The sounding at hour:00, or nullptr.
    const sondaggio* ora_piena(int ora) const;
};

/// What a results file name tells: the date and the interval text.
struct nome_risultati {
    data_calendario data;
    std::string incremento;
};

/// Reads a results file name (no folder) such as "QX106_05032023_15.txt";
/// none when the name does not follow the naming rule of the results files or
/// the date is not a calendar date.
std::optional<nome_risultati> leggi_nome_risultati(std::string_view nome);

/// A day read, with what was wrong in it. `giorno` is empty when the file
/// could not be used at all; otherwise every sounding of the day is there,
/// and `avvisi` names the records or fields that were left out.
struct lettura_giornata {
    std::optional<giornata> giorno;
    std::vector<std::string> avvisi; ///< whole sentences naming the file
};

/// Reads a whole results file. The file must be named by the naming rule and
/// hold exactly one record per sounding of its interval; a record whose line
/// end is not where it belongs, or a value that is not a whole number of up to
/// three digits, is left out (blank) and reported. Never throws for bad input.
lettura_giornata leggi_giornata(const std::filesystem::path& file);

/// The results files named by `argomenti`: a file as given, a folder for every
/// file in it whose name follows the naming rule, sorted by name. A missing
/// path or an unreadable folder is reported in `avvisi`.
std::vector<std::filesystem::path>
file_risultati_da(const std::vector<std::filesystem::path>& argomenti,
                  std::vector<std::string>& avvisi);

/// One day per date: where several files hold the same day (a session once
/// started with another interval leaves a second, mostly blank file), the one
/// with the most values at the full hours is kept, the first given on a tie;
/// each file left out is reported in `avvisi`. Sorted by date.
std::vector<const giornata*> una_per_giorno(const std::vector<giornata>& giorni,
                                            std::vector<std::string>& avvisi);

/// The value as the physical quantity: MHz, km or the M factor.
double valore_fisico(int valore, unita_valore unita);

/// The value as a decimal text in the physical unit, exactly, without going
/// through floating point: one decimal for tenths (54 -> "5.4"), two for
/// hundredths (345 -> "3.45", 327 -> "3.27"), whole km ("105").
std::string testo_fisico(int valore, unita_valore unita);

} // namespace velaris
