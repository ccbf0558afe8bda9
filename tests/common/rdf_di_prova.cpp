#include "common/rdf_di_prova.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace velaris::prova {

std::vector<unsigned char> rdf_di_prova::byte() const {
    std::vector<unsigned char> file(197, ' ');
    std::copy(campi.begin(), campi.end(), file.begin());
    std::copy(codice.begin(), codice.end(), file.begin() + 59);
    std::copy(stazione.begin(), stazione.end(), file.begin() + 122);
    if (a_capo_50) file[49] = 10;
    if (a_capo_197) file[196] = 10;
    for (std::size_t k = 0; k < 150 * static_cast<std::size_t>(record); ++k)
        file.push_back(byte_ampiezza(k));
    file.resize(static_cast<std::size_t>(static_cast<std::int64_t>(file.size()) + scarto), 0);
    return file;
}

unsigned char byte_ampiezza(std::size_t k) {
    return static_cast<unsigned char>((k * 7 + k / 150) % 256);
}

cartella_temporanea::cartella_temporanea() {
    std::random_device caso;
    m_percorso = std::filesystem::temp_directory_path() /
                 ("velaris-rdf-" + std::to_string(caso()) + "-" + std::to_string(caso()));
    std::filesystem::create_directories(m_percorso);
}

cartella_temporanea::~cartella_temporanea() {
    std::error_code ec;
    std::filesystem::remove_all(m_percorso, ec);
}

void scrivi_file(const std::filesystem::path& percorso, const std::vector<unsigned char>& byte) {
    std::ofstream file(percorso, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(byte.data()),
               static_cast<std::streamsize>(byte.size()));
    if (!file) throw std::runtime_error("cannot write test file " + percorso.string());
}

std::string testo_file(const std::filesystem::path& file) {
    if (!std::filesystem::is_regular_file(file)) return {};
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace velaris::prova
