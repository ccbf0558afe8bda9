#include "giorno_di_prova.h"

#include <fstream>

namespace velaris::prova {

std::string record_con(const std::vector<testo_a>& testi) {
    std::string r(246, ' ');
    r += "\r\n";
    for (const auto& [posizione, testo] : testi)
        r.replace(static_cast<std::size_t>(posizione - 1), testo.size(), testo);
    return r;
}

std::filesystem::path scrivi_risultati(const std::filesystem::path& cartella, const std::string& nome,
                                       int quanti, const std::map<int, std::string>& record) {
    const auto file = cartella / nome;
    std::ofstream out(file, std::ios::binary);
    for (int k = 1; k <= quanti; ++k) {
        const auto it = record.find(k);
        out << (it == record.end() ? record_con({}) : it->second);
    }
    return file;
}

} // namespace velaris::prova
