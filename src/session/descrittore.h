#pragma once
// A POSIX file descriptor that closes itself. The results and settings files
// are written through the system calls because only they give the positioned
// write, the flush to the disk (fsync) and the reason of a failure.

#include <unistd.h>

namespace velaris {

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

} // namespace velaris
