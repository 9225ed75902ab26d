#include "base/CartellaProgramma.h"

#include "base/Messaggi.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
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

const QString nomeArchivio = QStringLiteral("splash.ps");
const QString chiaveCreato = QStringLiteral("Archivio/Creato");
const QString chiavePercorso = QStringLiteral("Archivio/Percorso");

QString archivioIn(const QString& cartella) {
    return cartella + QLatin1Char('/') + nomeArchivio;
}

struct Scelta {
    QString cartella;
    bool perUtente = false;
};

Scelta scegli(const LuoghiProgramma& l, const QString& ultimoArchivio) {
    if (!l.variabile.isEmpty())
        return {l.variabile, false};
    if (QFileInfo::exists(archivioIn(l.eseguibile)))
        return {l.eseguibile, false};
    // The register used last time was beside the executable: its loss is reported there rather than
    // hidden behind the per-user folder.
    if (!ultimoArchivio.isEmpty() && ultimoArchivio == archivioIn(l.eseguibile))
        return {l.eseguibile, false};
    return {l.utente, true};
}

QString calcola() {
    return scegli(luoghiProgramma(), impostazioniUtente().value(chiavePercorso).toString()).cartella;
}

bool errore(const QString& testo) {
    mostraMessaggio(testo, TipoMessaggio::Errore, Pulsanti::OK);
    return false;
}

} // namespace

QSettings impostazioniUtente() {
    return QSettings(titoloApplicazione(), titoloApplicazione());
}

bool copiaFileMancanti(const QString& origine, const QString& destinazione, const QStringList& tranne) {
    bool ok = true;
    QDir radice(origine);
    if (!radice.exists())
        return false;
    QDirIterator it(origine, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sorgente = it.next();
        const QString relativo = radice.relativeFilePath(sorgente);
        const QString dest = destinazione + QLatin1Char('/') + relativo;
        if (QFileInfo::exists(dest) || tranne.contains(relativo))
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

LuoghiProgramma luoghiProgramma() {
    LuoghiProgramma l;
    const QByteArray env = qgetenv("VIBRANA_CARTELLA");
    if (!env.isEmpty())
        l.variabile = QDir::cleanPath(QString::fromLocal8Bit(env));
    l.eseguibile = cartellaEseguibile();
    l.utente = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (l.utente.isEmpty())
        l.utente = QDir::homePath() + QStringLiteral("/.local/share/vibrana");
    l.installata = cartellaInstallata();
    return l;
}

bool preparaCartellaProgramma(bool serveArchivio) {
    return preparaCartellaProgramma(luoghiProgramma(), serveArchivio);
}

bool preparaCartellaProgramma(const LuoghiProgramma& luoghi, bool serveArchivio) {
    QSettings registro = impostazioniUtente();
    const bool creato = registro.value(chiaveCreato).toBool();
    const QString ultimo = registro.value(chiavePercorso).toString();
    const Scelta scelta = scegli(luoghi, ultimo);
    const QString archivio = archivioIn(scelta.cartella);
    const QString installato = archivioIn(luoghi.installata);

    if (!serveArchivio) {
        // What is missing only costs a picture or the guide, which start-up reports on its own.
        if (scelta.perUtente)
            copiaFileMancanti(luoghi.installata, scelta.cartella, {nomeArchivio});
        cache() = scelta.cartella;
        return true;
    }

    if (!QFileInfo::exists(archivio)) {
        const bool primoAvvio = scelta.perUtente && !creato;
        if (!primoAvvio) {
            const bool esisteva = (scelta.perUtente && creato) || ultimo == archivio;
            QString domanda = QStringLiteral("Nella cartella %1 non c'è l'archivio %2.")
                                  .arg(QDir::toNativeSeparators(scelta.cartella), nomeArchivio);
            if (esisteva)
                domanda += QStringLiteral(
                    " L'archivio era stato creato in questa cartella: se è stato spostato o cancellato per "
                    "errore, rispondere No e rimetterlo al suo posto, per esempio da una copia fatta con "
                    "\"vibrana-archivio copia\".");
            domanda += QStringLiteral("\n\nIniziare con un archivio vuoto?");
            if (mostraMessaggio(domanda, TipoMessaggio::Domanda, Pulsanti::SiNo, {}, Risposta::No) !=
                Risposta::Si)
                return false;
        }
        if (!QFileInfo::exists(installato))
            return errore(
                QStringLiteral("Non è possibile preparare l'archivio %1: manca la copia installata %2.")
                    .arg(QDir::toNativeSeparators(archivio), QDir::toNativeSeparators(installato)));
        QDir().mkpath(scelta.cartella);
        // The per-user folder takes the whole installed copy (pictures, guide); elsewhere only the
        // register is missing. Only the register decides whether the program can go on.
        if (scelta.perUtente)
            copiaFileMancanti(luoghi.installata, scelta.cartella);
        else
            QFile::copy(installato, archivio);
        const bool copiato = QFileInfo::exists(archivio);
        if (!copiato)
            return errore(
                QStringLiteral("Non è possibile creare l'archivio %1: la cartella non è scrivibile.")
                    .arg(QDir::toNativeSeparators(archivio)));
        QFile::setPermissions(archivio, QFile::permissions(archivio) | QFileDevice::WriteOwner |
                                            QFileDevice::ReadOwner);
    }

    if (luoghi.variabile.isEmpty()) {
        if (scelta.perUtente)
            registro.setValue(chiaveCreato, true);
        registro.setValue(chiavePercorso, archivio);
        registro.sync();
    }
    cache() = scelta.cartella;
    return true;
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
