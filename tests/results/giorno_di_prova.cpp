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

std::vector<std::string> righe_crlf(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t da = 0;
    for (std::size_t a; (a = testo.find("\r\n", da)) != std::string::npos; da = a + 2)
        righe.push_back(testo.substr(da, a - da));
    if (da < testo.size()) righe.push_back(testo.substr(da));
    return righe;
}

std::string per_ora(std::string testa, const std::map<int, std::string>& celle, const std::string& altrimenti) {
    for (int ora = 0; ora < 24; ++ora) {
        const auto it = celle.find(ora);
        testa += it == celle.end() ? altrimenti : it->second;
    }
    return testa;
}

} // namespace velaris::prova
