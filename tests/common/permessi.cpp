#include "common/permessi.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <fstream>

namespace velaris::prova {

namespace {

/// The capabilities by which root reads, writes and changes files whatever
/// their permission bits.
constexpr unsigned scavalcano =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool leggi(__user_cap_data_struct (&dati)[2]) {
    __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &testa, dati) == 0;
}

bool scrivi(__user_cap_data_struct (&dati)[2]) {
    __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &testa, dati) == 0;
}

} // namespace

permessi_rispettati::permessi_rispettati() {
    __user_cap_data_struct dati[2]{};
    if (!leggi(dati)) return;
    m_effettivi[0] = dati[0].effective;
    m_effettivi[1] = dati[1].effective;
    dati[0].effective &= ~scavalcano;
    m_cambiati = scrivi(dati);
}

permessi_rispettati::~permessi_rispettati() {
    __user_cap_data_struct dati[2]{};
    if (!m_cambiati || !leggi(dati)) return;
    dati[0].effective = m_effettivi[0];
    dati[1].effective = m_effettivi[1];
    scrivi(dati);
}

bool permessi_rispettati::possibile(const std::filesystem::path& cartella) {
    const auto sonda = cartella / "sonda-permessi";
    std::ofstream(sonda) << "x";
    std::filesystem::permissions(sonda, std::filesystem::perms::none);
    bool negato = false;
    {
        const permessi_rispettati senza;
        const int fd = ::open(sonda.c_str(), O_RDONLY | O_CLOEXEC);
        negato = fd < 0;
        if (fd >= 0) ::close(fd);
    }
    std::filesystem::remove(sonda);
    return negato;
}

} // namespace velaris::prova
