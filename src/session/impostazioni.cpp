#include "impostazioni.h"

#include "base/file_sistema.h"
#include "base/numeri.h"

#include <array>
#include <cerrno>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velaris {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t righe_impostazioni = 5;

/// Enough bytes for five lines of the longest length with CR LF, and one more
/// so that a fifth line too long still shows as too long.
constexpr std::size_t byte_da_leggere =
    righe_impostazioni * (lunghezza_massima_riga_impostazioni + 2) + 1;

} // namespace

lettura_impostazioni impostazioni_da_testo(std::string_view testo) {
    std::array<std::string, righe_impostazioni> righe;
    std::size_t lette = 0;
    std::string corrente;
    bool dentro_riga = false;
    for (std::size_t i = 0; i < testo.size() && lette < righe.size(); ++i) {
        const char c = testo[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
            righe[lette++] = std::move(corrente);
            corrente.clear();
            dentro_riga = false;
            continue;
        }
        if (corrente.size() == lunghezza_massima_riga_impostazioni)
            return {std::nullopt, "its line " + std::to_string(lette + 1) + " is longer than " +
                                      std::to_string(lunghezza_massima_riga_impostazioni) +
                                      " characters"};
        corrente.push_back(c);
        dentro_riga = true;
    }
    // A last line without its line end still counts.
    if (dentro_riga && lette < righe.size()) righe[lette++] = std::move(corrente);
    if (lette == 0) return {std::nullopt, "it is empty"};
    if (lette < righe.size())
        return {std::nullopt, "it holds only " + std::to_string(lette) + " of its 5 lines"};
    return {impostazioni{righe[0], righe[1], righe[2], righe[3], righe[4]}, {}};
}

lettura_impostazioni leggi_impostazioni(const fs::path& file) {
    std::error_code ec;
    const fs::file_status stato = fs::status(file, ec);
    if (stato.type() == fs::file_type::not_found) return {};
    if (stato.type() == fs::file_type::directory) return {std::nullopt, "it is a folder"};

    // O_NONBLOCK: a pipe in place of the file must not hang the start window.
    descrittore fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return {std::nullopt, "it cannot be read (" + testo_errore_sistema(errno) + ")"};
    std::string testo(byte_da_leggere, '\0');
    std::size_t letti = 0;
    while (letti < testo.size()) {
        const ssize_t n = ::read(fd.get(), testo.data() + letti, testo.size() - letti);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {std::nullopt, "it cannot be read (" + testo_errore_sistema(errno) + ")"};
        if (n == 0) break;
        letti += static_cast<std::size_t>(n);
    }
    testo.resize(letti);
    return impostazioni_da_testo(testo);
}

std::string testo_impostazioni(const impostazioni& valori) {
    std::string contenuto;
    for (const std::string* riga :
         {&valori.data, &valori.ora, &valori.minuti, &valori.incremento, &valori.numero}) {
        contenuto += *riga;
        contenuto += "\r\n";
    }
    return contenuto;
}

void scrivi_impostazioni(const fs::path& file, const impostazioni& valori) {
    scrivi_file_sicuro(file, testo_impostazioni(valori));
}

impostazioni impostazioni_prima_esecuzione(std::chrono::year_month_day oggi) {
    std::string anno = std::to_string(static_cast<int>(oggi.year()));
    if (anno.size() < 4) anno.insert(0, 4 - anno.size(), '0');
    const std::string data = due_cifre(static_cast<int>(static_cast<unsigned>(oggi.day()))) + "-" +
                             due_cifre(static_cast<int>(static_cast<unsigned>(oggi.month()))) +
                             "-" + anno;
    return impostazioni{data, "00", "00", "15", "1"};
}

impostazioni_iniziali impostazioni_per_entrata(const fs::path& file,
                                               std::chrono::year_month_day oggi) {
    lettura_impostazioni letta = leggi_impostazioni(file);
    if (letta.valori) return {std::move(*letta.valori), {}};
    impostazioni_iniziali iniziali{impostazioni_prima_esecuzione(oggi), {}};
    if (!letta.difetto.empty())
        iniziali.avviso = "The settings file " + file.filename().string() +
                          " cannot be used: " + letta.difetto + ". The window shows " +
                          iniziali.valori.data +
                          " at 00:00; the file is rewritten when the session starts!";
    return iniziali;
}

} // namespace velaris
