#include "impostazioni.h"

#include "base/numeri.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace velaris {

namespace fs = std::filesystem;

namespace {

std::runtime_error errore_scrittura(const fs::path& file, const std::string& motivo) {
    fs::path cartella = file.parent_path();
    if (cartella.empty()) cartella = ".";
    return std::runtime_error("Cannot write " + file.filename().string() + " in " +
                              cartella.string() + ": " + motivo);
}

std::string motivo_errno(int numero) {
    // A short write need not set errno; "Success" would only puzzle the operator.
    return numero != 0 ? std::generic_category().message(numero) : "the data could not be written";
}

// Closes the temporary file (if still open) and removes it, so that a failed
// write leaves nothing behind but the old file.
void abbandona(std::FILE* flusso, const fs::path& temporaneo) {
    if (flusso) std::fclose(flusso);
    std::error_code ignorato;
    fs::remove(temporaneo, ignorato);
}

} // namespace

std::optional<impostazioni> leggi_impostazioni(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream flusso(file, std::ios::binary);
    if (!flusso) return std::nullopt;

    std::array<std::string, 5> righe;
    std::size_t lette = 0;
    std::string corrente;
    bool dentro_riga = false;
    std::istreambuf_iterator<char> it(flusso), fine;
    while (it != fine && lette < righe.size()) {
        const char c = *it++;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && it != fine && *it == '\n') ++it;
            righe[lette++] = std::move(corrente);
            corrente.clear();
            dentro_riga = false;
        } else {
            corrente.push_back(c);
            dentro_riga = true;
        }
    }
    if (flusso.bad()) return std::nullopt;
    // A last line without its line end still counts.
    if (dentro_riga && lette < righe.size()) righe[lette++] = std::move(corrente);
    if (lette < righe.size()) return std::nullopt;
    return impostazioni{righe[0], righe[1], righe[2], righe[3], righe[4]};
}

void scrivi_impostazioni(const fs::path& file, const impostazioni& valori) {
    std::string contenuto;
    for (const std::string* riga :
         {&valori.data, &valori.ora, &valori.minuti, &valori.incremento, &valori.numero}) {
        contenuto += *riga;
        contenuto += "\r\n";
    }
    scrivi_file_sicuro(file, contenuto);
}

impostazioni impostazioni_prima_esecuzione(std::chrono::year_month_day oggi) {
    std::string anno = std::to_string(static_cast<int>(oggi.year()));
    if (anno.size() < 4) anno.insert(0, 4 - anno.size(), '0');
    const std::string data = due_cifre(static_cast<int>(static_cast<unsigned>(oggi.day()))) + "-" +
                             due_cifre(static_cast<int>(static_cast<unsigned>(oggi.month()))) +
                             "-" + anno;
    return impostazioni{data, "00", "00", "15", "1"};
}

void scrivi_file_sicuro(const fs::path& file, std::string_view contenuto) {
    fs::path temporaneo = file;
    temporaneo += ".tmp";

    // The C streams report why they failed through errno, which the iostreams
    // do not; the operator is told that reason.
    errno = 0;
    std::FILE* flusso = std::fopen(temporaneo.c_str(), "wb");
    if (!flusso) {
        const int numero = errno;
        // The path may be a folder or otherwise not ours to remove: leave it.
        throw errore_scrittura(file, motivo_errno(numero));
    }
    if (!contenuto.empty() &&
        std::fwrite(contenuto.data(), 1, contenuto.size(), flusso) != contenuto.size()) {
        const int numero = errno;
        abbandona(flusso, temporaneo);
        throw errore_scrittura(file, motivo_errno(numero));
    }
    if (std::fflush(flusso) != 0) {
        const int numero = errno;
        abbandona(flusso, temporaneo);
        throw errore_scrittura(file, motivo_errno(numero));
    }
    if (std::fclose(flusso) != 0) {
        const int numero = errno;
        abbandona(nullptr, temporaneo);
        throw errore_scrittura(file, motivo_errno(numero));
    }
    std::error_code ec;
    fs::rename(temporaneo, file, ec);
    if (ec) {
        abbandona(nullptr, temporaneo);
        throw errore_scrittura(file, ec.message());
    }
}

} // namespace velaris
