#pragma once
// "setting.txt": the five lines that remember where the operator stopped, so
// that the next session resumes at the last ionogram shown.

#include "session/parametri_sessione.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velaris {

/// Name of the settings file in the working folder.
inline constexpr std::string_view nome_file_impostazioni = "setting.txt";

/// The five lines of the settings file, as texts exactly as read or written.
struct impostazioni {
    std::string data;       ///< DD-MM-YYYY
    std::string ora;        ///< "07"
    std::string minuti;     ///< "45"
    std::string incremento; ///< "15"
    std::string numero;     ///< "32"

    bool operator==(const impostazioni&) const = default;
};

/// Reads the first five lines of the file. A line is the text up to its line
/// end (CR LF, or a lone LF or CR); the last line may lack one. Missing,
/// unreadable (a folder, no permission) or shorter than five lines: nullopt.
std::optional<impostazioni> leggi_impostazioni(const std::filesystem::path& file);

/// Writes the five lines, each ended by CR LF, without ever leaving the file
/// half-written: see scrivi_file_sicuro. Throws std::runtime_error on failure
/// and then the old file is still there as it was.
void scrivi_impostazioni(const std::filesystem::path& file, const impostazioni& valori);

/// What a first run starts from, when no usable settings file exists: the
/// given day (DD-MM-YYYY), 00:00, interval "15", ionogram 1.
impostazioni impostazioni_prima_esecuzione(std::chrono::year_month_day oggi);

/// Replaces the whole file with `contenuto` atomically: the bytes go to a
/// temporary file beside it (same name plus ".tmp"), which is flushed, closed
/// and then renamed over the old file. A crash leaves either the old file or
/// the new one, never a half-written or empty one. On failure the temporary
/// file is removed and std::runtime_error says
/// "Cannot write <name> in <folder>: <reason>".
void scrivi_file_sicuro(const std::filesystem::path& file, std::string_view contenuto);

} // namespace velaris
