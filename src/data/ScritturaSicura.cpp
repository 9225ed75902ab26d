#include "data/ScritturaSicura.h"

#include "data/CopieAutomatiche.h"
#include "data/db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString testoRifiuto(const QString& percorso, const QString& motivo) {
    return QStringLiteral("Impossibile scrivere «%1»: %2").arg(QFileInfo(percorso).fileName(), motivo);
}

const QString motivoPermesso = QStringLiteral("non si ha il permesso di scrivere");
const QString motivoScrittura = QStringLiteral("disco pieno o errore di scrittura");

std::optional<struct stat> stato(const QString& percorso) {
    struct stat s {};
    if (::stat(QFile::encodeName(percorso).constData(), &s) != 0)
        return std::nullopt;
    return s;
}

bool stessoFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Where the name leads, following symbolic links also when their end does not exist yet (a link
// to the journal's name writes the journal once it is there).
QString doveConduce(const QString& percorso) {
    QString p = QFileInfo(percorso).absoluteFilePath();
    for (int salti = 0; salti < 40; ++salti) {
        const QFileInfo info(p);
        if (!info.isSymLink())
            break;
        p = info.symLinkTarget();
    }
    const QFileInfo info(p);
    const QString cartella = QFileInfo(info.absolutePath()).canonicalFilePath();
    return cartella.isEmpty() ? info.absoluteFilePath() : QDir(cartella).filePath(info.fileName());
}

// True when `reale` (its identity `id`, when it exists) is the file `protetto` by name or inode.
bool conduceA(const QString& reale, const std::optional<struct stat>& id, const QString& protetto) {
    if (doveConduce(protetto) == reale)
        return true;
    const auto altro = stato(protetto);
    return id && altro && stessoFile(*id, *altro);
}

QString motivoArchivio(const QString& reale, const std::optional<struct stat>& id, const QString& archivio) {
    if (archivio.isEmpty())
        return {};
    if (conduceA(reale, id, archivio))
        return QStringLiteral("è l'archivio del programma");
    for (const char* coda : {"-journal", "-wal", "-shm"})
        if (conduceA(reale, id, archivio + QLatin1String(coda)))
            return QStringLiteral("è un file dell'archivio del programma");
    const QString copie = cartellaCopie(archivio);
    const auto statoCopie = stato(copie);
    const auto cartella = stato(QFileInfo(reale).absolutePath());
    if (statoCopie && cartella && stessoFile(*statoCopie, *cartella))
        return QStringLiteral("è nella cartella delle copie dell'archivio");
    if (id && statoCopie)
        for (const QFileInfo& copia : QDir(copie).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
            const auto c = stato(copia.absoluteFilePath());
            if (c && stessoFile(*c, *id))
                return QStringLiteral("è una copia dell'archivio del programma");
        }
    return {};
}

bool scrivibile(const QString& percorso) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(percorso).constData(), W_OK, AT_EACCESS) == 0;
}

} // namespace

QString motivoNonScrivibile(const QString& percorso, const QString& archivio) {
    if (percorso.isEmpty())
        return QStringLiteral("Impossibile scrivere: manca il nome del file");
    const QString reale = doveConduce(percorso);
    const auto id = stato(reale);
    const QString protetto = motivoArchivio(reale, id, archivio);
    if (!protetto.isEmpty())
        return testoRifiuto(percorso, protetto);
    if (id) {
        if (S_ISDIR(id->st_mode))
            return testoRifiuto(percorso, QStringLiteral("è una cartella"));
        if (!S_ISREG(id->st_mode))
            return testoRifiuto(percorso, QStringLiteral("non è un file normale"));
        // A file without write permission is kept also from root, as a copy keeps it.
        if (!(id->st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) || !scrivibile(reale))
            return testoRifiuto(percorso, motivoPermesso);
    }
    const QString cartella = QFileInfo(reale).absolutePath();
    const auto dir = stato(cartella);
    if (!dir || !S_ISDIR(dir->st_mode))
        return testoRifiuto(percorso, QStringLiteral("la cartella non esiste"));
    if (!scrivibile(cartella))
        return testoRifiuto(percorso, motivoPermesso);
    return {};
}

QString motivoNonScrivibile(const QString& percorso) {
    return motivoNonScrivibile(percorso, db().percorsoArchivio());
}

QString scriviFileProtetto(const QString& percorso, const QByteArray& dati, const QString& archivio) {
    const QString motivo = motivoNonScrivibile(percorso, archivio);
    if (!motivo.isEmpty())
        return motivo;
    QSaveFile f(doveConduce(percorso));
    f.setDirectWriteFallback(false);
    // With the target and its folder looked at, what keeps the file beside it from being made is
    // nearly always a permission (a read-only disk, a folder root may not write).
    if (!f.open(QIODevice::WriteOnly))
        return testoRifiuto(percorso, errno == ENOSPC || errno == EDQUOT ? motivoScrittura : motivoPermesso);
    if (f.write(dati) != dati.size() || f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        return testoRifiuto(percorso, motivoScrittura);
    }
    if (!f.commit())
        return testoRifiuto(percorso, motivoScrittura);
    return {};
}

QString scriviFileProtetto(const QString& percorso, const QByteArray& dati) {
    return scriviFileProtetto(percorso, dati, db().percorsoArchivio());
}
