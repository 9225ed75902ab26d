#pragma once

#include <QProcess>
#include <QtGlobal>
#include <signal.h>
#include <sys/resource.h>

// Ways to make the writing of a file fail: a full disk and a folder that may not be written.

// Writes past `byte` fail with an error, as on a full disk (SIGXFSZ is ignored, so the writer sees
// the error instead of being killed). For this process while the object lives.
class DiscoPieno {
public:
    explicit DiscoPieno(rlim_t byte);
    ~DiscoPieno();
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

    // The same limit for the program that `processo` starts.
    static void nelFiglio(QProcess& processo, rlim_t byte);

private:
    rlimit precedente_{};
    struct sigaction segnale_ {};
};

// Folder permissions hold also for root (the tests may run as root, who writes anywhere): this
// thread gives up overriding them while the object lives.
class PermessiRispettati {
public:
    PermessiRispettati();
    ~PermessiRispettati();
    PermessiRispettati(const PermessiRispettati&) = delete;
    PermessiRispettati& operator=(const PermessiRispettati&) = delete;

    // The same for the program that `processo` starts.
    static void nelFiglio(QProcess& processo);

private:
    quint32 effettivi_[2]{};
    bool cambiati_ = false;
};
