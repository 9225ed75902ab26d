#include "LimitiScrittura.h"

#include <csignal>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
bool leggiCapacita(__user_cap_data_struct (&dati)[2]) {
    __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &testa, dati) == 0;
}
bool scriviCapacita(__user_cap_data_struct (&dati)[2]) {
    __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capset, &testa, dati) == 0;
}
} // namespace

DiscoPieno::DiscoPieno(rlim_t byte) {
    getrlimit(RLIMIT_FSIZE, &precedente_);
    struct sigaction ignora {};
    ignora.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignora, &segnale_);
    rlimit limite = precedente_;
    limite.rlim_cur = byte;
    setrlimit(RLIMIT_FSIZE, &limite);
}

DiscoPieno::~DiscoPieno() {
    setrlimit(RLIMIT_FSIZE, &precedente_);
    sigaction(SIGXFSZ, &segnale_, nullptr);
}

void DiscoPieno::nelFiglio(QProcess& processo, rlim_t byte) {
    // Runs between fork and exec: system calls only.
    processo.setChildProcessModifier([byte] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{byte, byte};
        setrlimit(RLIMIT_FSIZE, &limite);
    });
}

PermessiRispettati::PermessiRispettati() {
    __user_cap_data_struct dati[2]{};
    if (!leggiCapacita(dati))
        return;
    effettivi_[0] = dati[0].effective;
    effettivi_[1] = dati[1].effective;
    dati[CAP_TO_INDEX(CAP_DAC_OVERRIDE)].effective &= ~CAP_TO_MASK(CAP_DAC_OVERRIDE);
    cambiati_ = scriviCapacita(dati);
}

PermessiRispettati::~PermessiRispettati() {
    __user_cap_data_struct dati[2]{};
    if (!cambiati_ || !leggiCapacita(dati))
        return;
    dati[0].effective = effettivi_[0];
    dati[1].effective = effettivi_[1];
    scriviCapacita(dati);
}

void PermessiRispettati::nelFiglio(QProcess& processo) {
    // Out of the bounding set, the capability is not given back when root starts the program.
    processo.setChildProcessModifier([] { prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0); });
}
