#include "customisation/LogoScelto.h"

#include "base/CartellaProgramma.h"
#include "pictures/LeggiImmagine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Copies the file into the images folder; true when the target now holds it.
bool copia(const QString& scelto, const QString& destinazione) {
    if (!QDir().mkpath(cartellaLoghi()))
        return false;
    // Copied beside the target first, so a failed copy leaves the old file untouched.
    const QString provvisorio = destinazione + QStringLiteral(".copia");
    QFile::remove(provvisorio);
    if (!QFile::copy(scelto, provvisorio) ||
        (QFileInfo::exists(destinazione) && !QFile::remove(destinazione)) ||
        !QFile::rename(provvisorio, destinazione)) {
        QFile::remove(provvisorio);
        return false;
    }
    return true;
}
} // namespace

QString cartellaLoghi() {
    return QDir(cartellaProgramma()).absoluteFilePath(QStringLiteral("images"));
}

LogoScelto prendiLogo(const QString& scelto) {
    LogoScelto esito;
    if (leggiImmagine(scelto).isNull()) {
        esito.avviso = QStringLiteral("Il file scelto non è un'immagine leggibile:\n%1")
                           .arg(QDir::toNativeSeparators(scelto));
        return esito;
    }
    const QString destinazione = QDir(cartellaLoghi()).absoluteFilePath(QFileInfo(scelto).fileName());
    const QFileInfo origine(scelto);
    // The same file reached by another spelling must never be removed to be copied onto itself.
    const bool giaLi = destinazione == origine.absoluteFilePath() ||
                       (QFileInfo::exists(destinazione) &&
                        origine.canonicalFilePath() == QFileInfo(destinazione).canonicalFilePath());
    if (giaLi || copia(scelto, destinazione))
        esito.percorso = destinazione;
    else
        esito.avviso =
            QStringLiteral("Impossibile copiare il logo nella cartella delle immagini del programma:\n%1")
                .arg(QDir::toNativeSeparators(destinazione));
    return esito;
}
