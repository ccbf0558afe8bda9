#pragma once
// Permission bits that hold even for root. The suite often runs as root,
// whose capabilities override read-only and unreadable files; while a
// permessi_rispettati lives, those capabilities are out of the process's
// effective set, so chmod means what it says.

#include <filesystem>

namespace velaris::prova {

class permessi_rispettati {
public:
    permessi_rispettati();
    ~permessi_rispettati();
    permessi_rispettati(const permessi_rispettati&) = delete;
    permessi_rispettati& operator=(const permessi_rispettati&) = delete;

    /// Whether a file without permissions really cannot be read here (tried
    /// in `cartella`): false where the override cannot be dropped, and the
    /// cases that need it are then skipped, saying so.
    static bool possibile(const std::filesystem::path& cartella);

private:
    bool m_cambiati = false;
    unsigned m_effettivi[2] = {0, 0};
};

} // namespace velaris::prova
