#include "base/MotivoSistema.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

QString motivoSistema(int codice, const QString& percorso) {
    if (codice == EISDIR || QFileInfo(percorso).isDir())
        return QStringLiteral("al suo posto c'è una cartella con lo stesso nome");
    switch (codice) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case EACCES:
    case EPERM:
        return QStringLiteral("non si ha il permesso di scriverlo");
    case EROFS:
        return QStringLiteral("il disco è in sola lettura");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("la cartella %1 non esiste")
            .arg(QDir::toNativeSeparators(QFileInfo(percorso).absolutePath()));
    case EXDEV:
        return QStringLiteral("la cartella è su un altro disco");
    default:
        return QStringLiteral("errore del sistema (codice %1)").arg(codice);
    }
}
