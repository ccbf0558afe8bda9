#pragma once
// A C locale with a decimal comma, for the tests that show that numbers never
// pass through the locale: de_DE.UTF-8, compiled with localedef into a
// scratch folder named by LOCPATH when the system lacks it.

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace velaris::prova {

/// Makes de_DE.UTF-8 the C locale, keeping the previous one in `precedente`;
/// returns the reason when it cannot.
inline std::optional<std::string> attiva_locale_virgola(std::string& precedente) {
    precedente = std::setlocale(LC_ALL, nullptr);
    const auto virgola = [] {
        return std::setlocale(LC_ALL, "de_DE.UTF-8") && *std::localeconv()->decimal_point == ',';
    };
    if (virgola()) return std::nullopt;
    const auto cartella = std::filesystem::temp_directory_path() / "velaris-locale";
    std::filesystem::create_directories(cartella);
    const std::string comando = "localedef -i de_DE -f UTF-8 '" + (cartella / "de_DE.UTF-8").string() +
                                "' >/dev/null 2>&1";
    if (!std::filesystem::exists(cartella / "de_DE.UTF-8")) (void)std::system(comando.c_str());
    setenv("LOCPATH", cartella.c_str(), 1);
    if (virgola()) return std::nullopt;
    std::setlocale(LC_ALL, precedente.c_str());
    return "no locale with a decimal comma: de_DE.UTF-8 is missing and localedef failed";
}

inline void ripristina_locale(const std::string& precedente) { std::setlocale(LC_ALL, precedente.c_str()); }

} // namespace velaris::prova
