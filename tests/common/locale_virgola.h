#pragma once
// A locale with a decimal comma made the C locale of the process, as Qt does
// at start-up under LC_ALL=de_DE.UTF-8, for the tests that show that numbers
// never pass through the locale. A system without one gets de_DE.UTF-8
// compiled by localedef into a scratch folder named by LOCPATH (kept for
// later runs).

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace velaris::prova {

class locale_con_virgola {
public:
    locale_con_virgola() : m_precedente(std::setlocale(LC_ALL, nullptr)) {
        if (const char* percorso = std::getenv("LOCPATH")) m_locpath = percorso, m_aveva = true;
        m_attivo = attiva();
    }
    ~locale_con_virgola() {
        std::setlocale(LC_ALL, m_precedente.c_str());
        m_aveva ? setenv("LOCPATH", m_locpath.c_str(), 1) : unsetenv("LOCPATH");
    }
    locale_con_virgola(const locale_con_virgola&) = delete;
    locale_con_virgola& operator=(const locale_con_virgola&) = delete;

    /// False when no such locale could be had; the test then skips, saying so.
    bool attivo() const { return m_attivo; }
    static constexpr const char* motivo =
        "no locale with a decimal comma: neither de_DE.UTF-8 nor it_IT.UTF-8 is installed "
        "and localedef could not compile de_DE.UTF-8";

private:
    static bool con_virgola(const char* nome) {
        return std::setlocale(LC_ALL, nome) != nullptr && *std::localeconv()->decimal_point == ',';
    }

    static bool attiva() {
        if (con_virgola("de_DE.UTF-8") || con_virgola("it_IT.UTF-8")) return true;
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path cartella = fs::temp_directory_path(ec) / "velaris-locali";
        if (!fs::exists(cartella / "de_DE.UTF-8", ec)) {
            // Compiled aside and renamed, so that a parallel run never sees half of it.
            const fs::path parziale = cartella / ("parziale-" + std::to_string(::getpid()));
            fs::create_directories(parziale, ec);
            const std::string comando = "localedef -c -i de_DE -f UTF-8 '" +
                                        (parziale / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
            [[maybe_unused]] const int esito = std::system(comando.c_str());
            fs::rename(parziale / "de_DE.UTF-8", cartella / "de_DE.UTF-8", ec); // none: no harm
            fs::remove_all(parziale, ec);
        }
        setenv("LOCPATH", cartella.c_str(), 1);
        return con_virgola("de_DE.UTF-8");
    }

    std::string m_precedente, m_locpath;
    bool m_aveva = false, m_attivo = false;
};

} // namespace velaris::prova
