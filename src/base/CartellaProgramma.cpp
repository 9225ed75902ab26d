#include "base/CartellaProgramma.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace {

std::optional<QString>& cache() {
    static std::optional<QString> c;
    return c;
}

QString cartellaEseguibile() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

QString cartellaInstallata() {
    // Installed beside the executable's prefix first (a relocated install), else the configured one.
    const QString relativa = QDir::cleanPath(cartellaEseguibile() + QStringLiteral("/../share/vibrana"));
    if (QFileInfo::exists(relativa + QStringLiteral("/splash.ps")))
        return relativa;
    return QStringLiteral(VIBRANA_DATI_INSTALLATI);
}

QString calcola() {
    const QString exe = cartellaEseguibile();
    if (QFileInfo::exists(exe + QStringLiteral("/splash.ps")))
        return exe;

    QString utente = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (utente.isEmpty())
        utente = QDir::homePath() + QStringLiteral("/.local/share/vibrana");
    QDir().mkpath(utente);
    copiaFileMancanti(cartellaInstallata(), utente);
    return utente;
}

} // namespace

bool copiaFileMancanti(const QString& origine, const QString& destinazione) {
    bool ok = true;
    QDir radice(origine);
    if (!radice.exists())
        return false;
    QDirIterator it(origine, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sorgente = it.next();
        const QString dest = destinazione + QLatin1Char('/') + radice.relativeFilePath(sorgente);
        if (QFileInfo::exists(dest))
            continue;
        QDir().mkpath(QFileInfo(dest).absolutePath());
        if (!QFile::copy(sorgente, dest)) {
            ok = false;
            continue;
        }
        // Installed copies are read-only; the user's copy must be writable (the database above all).
        QFile::setPermissions(dest,
                              QFile::permissions(dest) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    }
    return ok;
}

QString cartellaProgramma() {
    const QByteArray env = qgetenv("VIBRANA_CARTELLA");
    if (!env.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(env));
    if (!cache())
        cache() = calcola();
    return *cache();
}

void dimenticaCartellaProgramma() {
    cache().reset();
}

QString risolviPercorso(const QString& percorso) {
    QString p = percorso;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;

    const bool assoluto = p.startsWith(QLatin1Char('/'));
    const QStringList parti = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString corrente = assoluto ? QStringLiteral("/") : QString();
    for (int i = 0; i < parti.size(); ++i) {
        const QString& parte = parti[i];
        const QString base = corrente.isEmpty() ? QStringLiteral(".") : corrente;
        QString trovato = parte;
        if (!QFileInfo::exists(base + QLatin1Char('/') + parte)) {
            const QStringList voci =
                QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            bool ok = false;
            for (const QString& voce : voci) {
                if (voce.compare(parte, Qt::CaseInsensitive) == 0) {
                    trovato = voce;
                    ok = true;
                    break;
                }
            }
            if (!ok) {
                // Nothing matches: give back the rest as written.
                QStringList resto = parti.mid(i);
                return (corrente.isEmpty() || corrente.endsWith(QLatin1Char('/'))
                            ? corrente
                            : corrente + QLatin1Char('/')) +
                       resto.join(QLatin1Char('/'));
            }
        }
        if (corrente.isEmpty())
            corrente = trovato;
        else if (corrente.endsWith(QLatin1Char('/')))
            corrente += trovato;
        else
            corrente += QLatin1Char('/') + trovato;
    }
    return corrente;
}

QString percorsoProgramma(const QString& relativo) {
    QString r = relativo;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (r.startsWith(QLatin1Char('/')))
        r.remove(0, 1);
    return risolviPercorso(cartellaProgramma() + QLatin1Char('/') + r);
}
