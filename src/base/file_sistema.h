#pragma once
// Files through the system calls: the results and settings files are written
// with them because only they give the positioned write, the flush to the
// disk (fsync) and the reason of a failure.

#include <filesystem>
#include <string>
#include <string_view>

#include <unistd.h>

namespace velaris {

/// A POSIX file descriptor that closes itself.
class descrittore {
public:
    explicit descrittore(int fd) : m_fd(fd) {}
    ~descrittore() {
        if (m_fd >= 0) ::close(m_fd);
    }
    descrittore(const descrittore&) = delete;
    descrittore& operator=(const descrittore&) = delete;

    int get() const { return m_fd; }
    /// Closes now; false when the system reports that the close failed
    /// (a delayed write error).
    bool chiudi() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

/// The reason the system gives for the error number of a failed call
/// ("Permission denied"), as every message of the program words it.
std::string testo_errore_sistema(int numero);

/// Replaces the whole file with `contenuto` so that a crash or a full disk
/// leaves either the old file or the new one, never a half-written or empty
/// one: the bytes go to a temporary file beside it (same name plus ".tmp"),
/// which is written, flushed to the disk (fsync) and closed, given the old
/// file's permissions, renamed over the old file, and the folder is flushed
/// too so that the rename itself survives a crash. On failure the temporary
/// file is removed and std::runtime_error says
/// "Cannot write <name> in <folder>: <reason>".
void scrivi_file_sicuro(const std::filesystem::path& file, std::string_view contenuto);

} // namespace velaris
