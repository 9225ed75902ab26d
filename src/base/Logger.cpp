#include "base/Logger.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Orologio.h"

#include <QFile>
#include <QLocale>

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

} // namespace

QString Logger::percorsoFile() const {
    const QString cartella = cartella_.isEmpty() ? cartellaProgramma() : cartella_;
    return cartella + QStringLiteral("/log.txt");
}

void Logger::log(const QString& buffer) const {
    QFile file(percorsoFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        throw Errore(75,
                     QStringLiteral("Impossibile scrivere il file di log \"%1\": %2")
                         .arg(file.fileName(), file.errorString()),
                     QStringLiteral("Logger"));
    }
    const QByteArray riga =
        (QLatin1Char('[') + timbro(adesso()) + QStringLiteral("] ") + buffer + QLatin1Char('\n')).toUtf8();
    if (file.write(riga) != riga.size() || !file.flush()) {
        throw Errore(61,
                     QStringLiteral("Impossibile scrivere il file di log \"%1\": %2")
                         .arg(file.fileName(), file.errorString()),
                     QStringLiteral("Logger"));
    }
}

Logger& logger() {
    static Logger globale;
    return globale;
}
