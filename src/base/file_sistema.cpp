#include "file_sistema.h"

#include <cerrno>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

namespace velaris {

namespace fs = std::filesystem;

namespace {

std::runtime_error errore_scrittura(const fs::path& file, const std::string& motivo) {
    fs::path cartella = file.parent_path();
    if (cartella.empty()) cartella = ".";
    return std::runtime_error("Cannot write " + file.filename().string() + " in " +
                              cartella.string() + ": " + motivo);
}

/// A short write need not set errno; "Success" would only puzzle the operator.
std::string motivo_scrittura(int numero) {
    return numero != 0 ? testo_errore_sistema(numero) : "the data could not be written";
}

/// Writes all of `dati`, going on after a write cut short by a signal.
bool scrivi_tutto(int fd, std::string_view dati) {
    while (!dati.empty()) {
        const ssize_t scritti = ::write(fd, dati.data(), dati.size());
        if (scritti < 0 && errno == EINTR) continue;
        if (scritti <= 0) return false;
        dati.remove_prefix(static_cast<std::size_t>(scritti));
    }
    return true;
}

/// Flushes the folder, so that a rename done in it is on the disk. A folder
/// that cannot be flushed (some file systems refuse) changes nothing: the new
/// file is already in place.
void sincronizza_cartella(const fs::path& cartella) {
    const int fd =
        ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string testo_errore_sistema(int numero) { return std::generic_category().message(numero); }

void scrivi_file_sicuro(const fs::path& file, std::string_view contenuto) {
    fs::path temporaneo = file;
    temporaneo += ".tmp";
    const auto abbandona = [&](int numero) {
        std::error_code ignorato;
        fs::remove(temporaneo, ignorato);
        return errore_scrittura(file, motivo_scrittura(numero));
    };

    // The replacement keeps the permissions the operator gave the old file.
    mode_t permessi = 0666;
    struct stat vecchio {};
    const bool esiste = ::stat(file.c_str(), &vecchio) == 0 && S_ISREG(vecchio.st_mode);
    if (esiste) permessi = vecchio.st_mode & 07777;

    descrittore fd(::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, permessi));
    if (fd.get() < 0) {
        // The path may be a folder or otherwise not ours to remove: leave it.
        throw errore_scrittura(file, motivo_scrittura(errno));
    }
    errno = 0;
    if (!scrivi_tutto(fd.get(), contenuto) || ::fsync(fd.get()) != 0) throw abbandona(errno);
    if (esiste) ::fchmod(fd.get(), permessi); // past the umask
    if (!fd.chiudi()) throw abbandona(errno);
    std::error_code ec;
    fs::rename(temporaneo, file, ec);
    if (ec) {
        std::error_code ignorato;
        fs::remove(temporaneo, ignorato);
        throw errore_scrittura(file, ec.message());
    }
    sincronizza_cartella(file.parent_path());
}

} // namespace velaris
