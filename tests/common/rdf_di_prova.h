#pragma once
// Ionogram files made to measure for the reader's tests, and a scratch folder
// that disappears with the test.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velaris::prova {

/// A sounder file: bytes 1-19 hold `campi`, the rest of the header is blank
/// but for the code, the station and the line feeds; then `record` records of
/// 150 bytes (byte k of them is byte_ampiezza(k)), and `scarto` bytes more or,
/// when negative, fewer.
struct rdf_di_prova {
    std::string campi = "01.000 20.000 0.050";
    std::string codice = "xx";
    std::string stazione = "QX106";
    bool a_capo_50 = false;
    bool a_capo_197 = true;
    std::int32_t record = 381;
    std::int32_t scarto = 0;

    std::vector<unsigned char> byte() const;
};

/// Every value 0..255 occurs and neighbouring cells differ, so a shifted read shows.
unsigned char byte_ampiezza(std::size_t k);
class cartella_temporanea {
public:
    cartella_temporanea();
    ~cartella_temporanea();
    cartella_temporanea(const cartella_temporanea&) = delete;
    cartella_temporanea& operator=(const cartella_temporanea&) = delete;

    const std::filesystem::path& percorso() const { return m_percorso; }

private:
    std::filesystem::path m_percorso;
};

/// The whole content of a file as text ("" when it is no file).
std::string testo_file(const std::filesystem::path& file);

/// Writes the bytes as the whole file at `percorso`.
void scrivi_file(const std::filesystem::path& percorso, const std::vector<unsigned char>& byte);

} // namespace velaris::prova
