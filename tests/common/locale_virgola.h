#pragma once
// A C locale with a decimal comma for the tests that must show that numbers
// never pass through the locale. de_DE.UTF-8 is used when the system has it;
// otherwise it is compiled with localedef into a scratch folder named by
// LOCPATH. Without either the caller skips, saying why.

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace velaris::prova {

/// Makes de_DE.UTF-8 the process's C locale. Returns the reason when it
/// cannot; the previous locale is `precedente` for ripristina_locale.
inline std::optional<std::string> attiva_locale_virgola(std::string& precedente) {
    precedente = std::setlocale(LC_ALL, nullptr);
    const auto virgola = [] {
        return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr &&
               std::string(std::localeconv()->decimal_point) == ",";
    };
    if (virgola()) return std::nullopt;
    const auto cartella = std::filesystem::temp_directory_path() / "velaris-locale";
    std::filesystem::create_directories(cartella);
    if (!std::filesystem::exists(cartella / "de_DE.UTF-8")) {
        const std::string comando = "localedef -i de_DE -f UTF-8 '" +
                                    (cartella / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        (void)std::system(comando.c_str());
    }
    setenv("LOCPATH", cartella.c_str(), 1);
    if (virgola()) return std::nullopt;
    std::setlocale(LC_ALL, precedente.c_str());
    return "no locale with a decimal comma: de_DE.UTF-8 is not installed and localedef "
           "could not compile it";
}

inline void ripristina_locale(const std::string& precedente) {
    std::setlocale(LC_ALL, precedente.c_str());
}

} // namespace velaris::prova
