#pragma once
// "setting.txt": the five lines that remember where the operator stopped, so
// that the next session resumes at the last ionogram shown.

#include "base/file_sistema.h"
#include "session/parametri_sessione.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velaris {

/// Name of the settings file in the working folder.
inline constexpr std::string_view nome_file_impostazioni = "setting.txt";

/// Longest line a settings file may hold. Its lines are a few characters; a
/// longer one means the file is something else, and reading stops there
/// instead of taking in a file of any size.
inline constexpr std::size_t lunghezza_massima_riga_impostazioni = 256;

/// The five lines of the settings file, as texts exactly as read or written.
struct impostazioni {
    std::string data;       ///< DD-MM-YYYY
    std::string ora;        ///< "07"
    std::string minuti;     ///< "45"
    std::string incremento; ///< "15"
    std::string numero;     ///< "32"

    bool operator==(const impostazioni&) const = default;
};

/// What reading the settings file gave.
struct lettura_impostazioni {
    /// The first five lines, when the file has them.
    std::optional<impostazioni> valori;
    /// Why the file cannot be used, in the operator's words ("it holds only 3
    /// of its 5 lines"); empty when it was read, and when there is no file at
    /// all, which is a first run.
    std::string difetto;
};

/// The first five lines of a settings file's bytes. A line is the text up to
/// its line end (CR LF, or a lone LF or CR); the last line may lack one; what
/// follows the fifth line is ignored. Fewer than five lines, or a line longer
/// than lunghezza_massima_riga_impostazioni, gives no values and the defect.
lettura_impostazioni impostazioni_da_testo(std::string_view testo);

/// Reads the settings file: impostazioni_da_testo over its first bytes (a
/// file of any size costs at most five long lines). Missing: no values and no
/// defect; a folder, unreadable or damaged: no values and the defect.
lettura_impostazioni leggi_impostazioni(const std::filesystem::path& file);

/// The file's bytes for five lines: each line followed by CR LF.
std::string testo_impostazioni(const impostazioni& valori);

/// Writes testo_impostazioni(valori) without ever leaving the file
/// half-written: see scrivi_file_sicuro. Throws std::runtime_error on failure
/// and then the old file is still there as it was.
void scrivi_impostazioni(const std::filesystem::path& file, const impostazioni& valori);

/// What a first run starts from, when no usable settings file exists: the
/// given day (DD-MM-YYYY), 00:00, interval "15", ionogram 1.
impostazioni impostazioni_prima_esecuzione(std::chrono::year_month_day oggi);

/// What the start window shows at its load, and what it must say first.
struct impostazioni_iniziali {
    impostazioni valori; ///< as read, or the first-run values of `oggi`
    /// Empty, or the message for a settings file that is there but cannot be
    /// used: what is wrong, what the window shows instead, and that the file
    /// is rewritten only when a session starts.
    std::string avviso;
};

/// The start window's load of the settings file `file`. Changes no file.
impostazioni_iniziali impostazioni_per_entrata(const std::filesystem::path& file,
                                               std::chrono::year_month_day oggi);

} // namespace velaris
