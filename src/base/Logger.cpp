#include "base/Logger.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Orologio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>

namespace {

QString timbro(const QDateTime& adesso) {
    // The user's regional short date; with no regional settings (the C locale) the Italian form.
    const QLocale sistema = QLocale::system();
    QString testo = sistema.language() == QLocale::C ? adesso.date().toString(QStringLiteral("dd/MM/yyyy"))
                                                     : sistema.toString(adesso.date(), QLocale::ShortFormat);
    const QTime ora = adesso.time();
    // A date-time at exactly midnight prints as the bare date.
    if (ora.hour() != 0 || ora.minute() != 0 || ora.second() != 0)
        testo += QLatin1Char(' ') + ora.toString(QStringLiteral("HH:mm:ss"));
    return testo;
}

// Why the log cannot be written, in Italian: the system's own words (errorString) are English.
QString motivo(const QString& percorso, int codice) {
    if (QFileInfo(percorso).isDir())
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
    default:
        return QStringLiteral("errore del sistema (codice %1)").arg(codice);
    }
}

[[noreturn]] void fallisci(long numero, const QString& percorso, int codice) {
    throw Errore(numero,
                 QStringLiteral("Impossibile scrivere il file di log \"%1\": %2.")
                     .arg(QDir::toNativeSeparators(percorso), motivo(percorso, codice)),
                 QStringLiteral("Logger"));
}

} // namespace

QString Logger::percorsoFile() const {
    const QString cartella = cartella_.isEmpty() ? cartellaProgramma() : cartella_;
    return cartella + QStringLiteral("/log.txt");
}

void Logger::log(const QString& buffer) const {
    QFile file(percorsoFile());
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        fallisci(75, file.fileName(), errno);
    const QByteArray riga =
        (QLatin1Char('[') + timbro(adesso()) + QStringLiteral("] ") + buffer + QLatin1Char('\n')).toUtf8();
    errno = 0;
    if (file.write(riga) != riga.size() || !file.flush())
        fallisci(61, file.fileName(), errno);
}

Logger& logger() {
    static Logger globale;
    return globale;
}
