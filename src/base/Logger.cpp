#include "base/Logger.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/MotivoSistema.h"
#include "base/Orologio.h"

#include <QDir>
#include <QFile>
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

[[noreturn]] void fallisci(long numero, const QString& percorso, int codice) {
    throw Errore(numero,
                 QStringLiteral("Impossibile scrivere il file di log \"%1\": %2.")
                     .arg(QDir::toNativeSeparators(percorso), motivoSistema(codice, percorso)),
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
