#pragma once
// Permission bits that hold even for root. The suite often runs as root,
// whose capabilities override read-only and unreadable files; while a
// permessi_rispettati lives, those capabilities are out of the process's
// effective set, so chmod means what it says.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace velaris::prova {

class permessi_rispettati {
public:
    permessi_rispettati() {
        if (!capacita(SYS_capget, m_prima)) return;
        __user_cap_data_struct senza[2] = {m_prima[0], m_prima[1]};
        // The capabilities by which root reads, writes and changes any file.
        senza[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_cambiati = capacita(SYS_capset, senza);
    }
    ~permessi_rispettati() {
        if (m_cambiati) capacita(SYS_capset, m_prima);
    }
    permessi_rispettati(const permessi_rispettati&) = delete;
    permessi_rispettati& operator=(const permessi_rispettati&) = delete;

    /// Whether permission bits hold here: false for root where the override
    /// cannot be dropped, and the cases that need them are then skipped.
    static bool possibile() { return ::geteuid() != 0 || permessi_rispettati().m_cambiati; }

private:
    static bool capacita(long chiamata, __user_cap_data_struct (&dati)[2]) {
        __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(chiamata, &testa, dati) == 0;
    }

    __user_cap_data_struct m_prima[2]{};
    bool m_cambiati = false;
};

} // namespace velaris::prova
