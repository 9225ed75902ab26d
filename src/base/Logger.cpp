#include "base/Logger.h"

#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "base/MotivoSistema.h"
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

// Whatever the caller passes, the two files stay within their bound.
QString rigaLimitata(const QString& buffer) {
    QString testo = buffer.size() > Logger::lunghezzaMassima ? buffer.left(Logger::lunghezzaMassima) : buffer;
    if (buffer.size() > Logger::lunghezzaMassima) {
        if (testo.back().isHighSurrogate())
            testo.chop(1);
        testo += Logger::marcaTaglio;
    }
    testo.replace(QLatin1Char('\r'), QLatin1Char(' '));
    testo.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return testo;
}

} // namespace

QString Logger::percorsoFile() const {
    const QString cartella = cartella_.isEmpty() ? cartellaProgramma() : cartella_;
    return cartella + QStringLiteral("/log.txt");
}

QString Logger::percorsoPrecedente() const {
    QString p = percorsoFile();
    return p.replace(p.size() - 4, 4, QStringLiteral(".1.txt"));
}

void Logger::ruota(const QString& percorso) const {
    if (QFileInfo(percorso).size() < limite_)
        return;
    // Not being able to keep the older file only costs its lines: the new file starts anyway.
    QFile::remove(percorsoPrecedente());
    if (!QFile::rename(percorso, percorsoPrecedente()))
        QFile::remove(percorso);
}

void Logger::segnala(const QString& percorso, const QString& causa) const {
    if (segnalato_)
        return;
    segnalato_ = true;
    mostraMessaggio(QStringLiteral("Impossibile scrivere il file di log \"%1\": %2. Il programma continua "
                                   "senza registrare gli eventi.")
                        .arg(QDir::toNativeSeparators(percorso), causa),
                    TipoMessaggio::Avviso, Pulsanti::OK);
}

bool Logger::log(const QString& buffer) const {
    const QString percorso = percorsoFile();
    ruota(percorso);
    QFile file(percorso);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        segnala(percorso, motivoSistema(errno, percorso));
        return false;
    }
    const qint64 prima = file.size();
    const QByteArray riga = (QLatin1Char('[') + timbro(adesso()) + QStringLiteral("] ") +
                             rigaLimitata(buffer) + QLatin1Char('\n'))
                                .toUtf8();
    errno = 0;
    if (file.write(riga) != riga.size() || !file.flush()) {
        const QString causa = motivoSistema(errno, percorso);
        // A line cut short would run into the next one.
        file.resize(prima);
        segnala(percorso, causa);
        return false;
    }
    return true;
}

Logger& logger() {
    static Logger globale;
    return globale;
}
