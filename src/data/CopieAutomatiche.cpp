#include "data/CopieAutomatiche.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Logger.h"
#include "base/Messaggi.h"
#include "base/Orologio.h"
#include "data/CreaArchivio.h"
#include "data/db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <sqlite3.h>

namespace {

const QString gruppo = QStringLiteral("CopieAutomatiche");
const QString chiaveOre = QStringLiteral("OreTraCopie");
const QString chiaveDaTenere = QStringLiteral("CopieDaTenere");
const QString chiaveErrore = QStringLiteral("ErroreSegnalato");
const QString formatoMomento = QStringLiteral("yyyy-MM-dd_HHmmss");
const QString primaDelRipristinoSuffisso = QStringLiteral("-prima-del-ripristino");

QString estensione(const QString& archivio) {
    const QString s = QFileInfo(archivio).suffix();
    return s.isEmpty() ? QString() : QLatin1Char('.') + s;
}

QRegularExpression modelloNome(const QString& archivio) {
    return QRegularExpression(
        QLatin1Char('^') + QRegularExpression::escape(QFileInfo(archivio).completeBaseName()) +
        QStringLiteral("-(\\d{4}-\\d{2}-\\d{2}_\\d{6})(") + primaDelRipristinoSuffisso +
        QStringLiteral(")?") + QRegularExpression::escape(estensione(archivio)) + QLatin1Char('$'));
}

// A copy never takes the place of another: two in the same second go one second apart.
QString nomeLibero(const QString& archivio, QDateTime quando, bool primaDelRipristino) {
    QString nome = nomeCopia(archivio, quando, primaDelRipristino);
    while (QFileInfo::exists(nome)) {
        quando = quando.addSecs(1);
        nome = nomeCopia(archivio, quando, primaDelRipristino);
    }
    return nome;
}

void preparaCartella(const QString& archivio) {
    const QString cartella = cartellaCopie(archivio);
    if (!QDir().mkpath(cartella) || !QFileInfo(cartella).isDir())
        throw Errore(NumeriErrore::PercorsoNonTrovato,
                     QStringLiteral("Impossibile creare la cartella delle copie %1.")
                         .arg(QDir::toNativeSeparators(cartella)));
}

QString suUnaRiga(QString testo) {
    return testo.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// Counts through a connection that only reads: the copy is never touched, nor the open register.
std::optional<long> conta(sqlite3* conn, const char* sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(conn, sql, -1, &st, nullptr) != SQLITE_OK || !st) {
        sqlite3_finalize(st);
        return std::nullopt;
    }
    std::optional<long> n;
    if (sqlite3_step(st) == SQLITE_ROW)
        n = static_cast<long>(sqlite3_column_int64(st, 0));
    sqlite3_finalize(st);
    return n;
}

} // namespace

RegoleCopie regoleCopie() {
    QSettings s = impostazioniUtente();
    s.beginGroup(gruppo);
    RegoleCopie r;
    bool ok = false;
    const int ore = s.value(chiaveOre).toInt(&ok);
    if (ok && ore >= 0)
        r.oreTraCopie = ore;
    const int tenere = s.value(chiaveDaTenere).toInt(&ok);
    if (ok && tenere >= 0)
        r.copieDaTenere = tenere;
    return r;
}

QString cartellaCopie(const QString& archivio) {
    return QFileInfo(archivio).absolutePath() + QStringLiteral("/backup");
}

QString nomeCopia(const QString& archivio, const QDateTime& quando, bool primaDelRipristino) {
    return cartellaCopie(archivio) + QLatin1Char('/') + QFileInfo(archivio).completeBaseName() +
           QLatin1Char('-') + quando.toString(formatoMomento) +
           (primaDelRipristino ? primaDelRipristinoSuffisso : QString()) + estensione(archivio);
}

std::vector<CopiaTrovata> elencaCopie(const QString& archivio) {
    std::vector<CopiaTrovata> copie;
    const QRegularExpression modello = modelloNome(archivio);
    const QFileInfoList file = QDir(cartellaCopie(archivio)).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& f : file) {
        const QRegularExpressionMatch m = modello.match(f.fileName());
        if (!m.hasMatch())
            continue;
        const QDateTime quando = QDateTime::fromString(m.captured(1), formatoMomento);
        if (!quando.isValid())
            continue;
        copie.push_back({f.absoluteFilePath(), quando, !m.captured(2).isEmpty(), f.size()});
    }
    std::ranges::stable_sort(copie, [](const CopiaTrovata& a, const CopiaTrovata& b) {
        return a.quando != b.quando ? a.quando > b.quando : a.percorso > b.percorso;
    });
    return copie;
}

std::optional<ContenutoCopia> contenutoCopia(const QString& copia) {
    if (!QFileInfo(copia).isFile())
        return std::nullopt;
    sqlite3* conn = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(copia).constData(), &conn, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(conn);
        return std::nullopt;
    }
    const std::optional<long> atleti = conta(conn, "SELECT COUNT(*) FROM utenti");
    const std::optional<long> schede = conta(conn, "SELECT COUNT(*) FROM schede");
    sqlite3_close(conn);
    if (!atleti || !schede)
        return std::nullopt;
    return ContenutoCopia{*atleti, *schede};
}

QStringList sfoltisciCopie(const QString& archivio, int daTenere) {
    QStringList tolte;
    int tenute = 0;
    for (const CopiaTrovata& c : elencaCopie(archivio)) {
        // The register kept before a restore is the user's to remove.
        if (c.primaDelRipristino)
            continue;
        if (++tenute <= daTenere)
            continue;
        if (QFile::remove(c.percorso))
            tolte << c.percorso;
        else
            logger().log(QStringLiteral("Impossibile eliminare la copia superata ") +
                         QDir::toNativeSeparators(c.percorso));
    }
    return tolte;
}

QString copiaSeDovuta(const QString& archivio, const QDateTime& adesso, const RegoleCopie& regole) {
    if (regole.copieDaTenere <= 0)
        return {};
    for (const CopiaTrovata& c : elencaCopie(archivio)) {
        if (c.primaDelRipristino)
            continue;
        const qint64 eta = c.quando.secsTo(adesso);
        // A copy dated ahead of the clock says nothing about how old the newest really is.
        if (eta >= 0 && eta < static_cast<qint64>(regole.oreTraCopie) * 3600)
            return {};
        break;
    }
    preparaCartella(archivio);
    const QString nuova = nomeLibero(archivio, adesso, false);
    copiaArchivio(archivio, nuova);
    for (const QString& tolta : sfoltisciCopie(archivio, regole.copieDaTenere))
        logger().log(QStringLiteral("Copia superata eliminata: ") + QDir::toNativeSeparators(tolta));
    return nuova;
}

void copiaAutomaticaAllAvvio() {
    try {
        if (db().suServer())
            return;
        const QString archivio = db().percorsoArchivio();
        const QString fatta = copiaSeDovuta(archivio, adesso(), regoleCopie());
        // A copy that succeeds is seen in the backup folder: the log keeps what went wrong.
        if (fatta.isEmpty())
            return;
        QSettings s = impostazioniUtente();
        if (s.contains(gruppo + QLatin1Char('/') + chiaveErrore)) {
            s.remove(gruppo + QLatin1Char('/') + chiaveErrore);
            s.sync();
        }
    } catch (const std::exception& e) {
        const QString causa = testoErrore(e);
        const QString testo =
            QStringLiteral("La copia automatica dell'archivio non è riuscita: %1\n"
                           "Il programma prosegue normalmente; la copia sarà ritentata al prossimo avvio. "
                           "Questo avviso non sarà ripetuto finché la causa resta la stessa.")
                .arg(causa);
        logger().log(QStringLiteral("Copia automatica non riuscita: ") + suUnaRiga(causa));
        QSettings s = impostazioniUtente();
        const QString chiave = gruppo + QLatin1Char('/') + chiaveErrore;
        if (s.value(chiave).toString() == testo)
            return;
        s.setValue(chiave, testo);
        s.sync();
        mostraMessaggio(testo, TipoMessaggio::Avviso, Pulsanti::OK);
    }
}

QString testoCopieSulServer(const QString& indirizzo) {
    return QStringLiteral(
               "L'archivio è condiviso sul server (%1): le sue copie di sicurezza sono compito del "
               "server e il programma non ne fa né ne ripristina.\n"
               "Una copia si fa, sul server o da un PC con il client di PostgreSQL, con il "
               "comando:\n\n"
               "pg_dump -Fc -f vibrana.dump postgresql://utente@server/vibrana\n\n"
               "e si ripristina con pg_restore. Rivolgersi a chi amministra il server.")
        .arg(indirizzo);
}

QString ripristinaCopia(const QString& archivio, const QString& copia, const QDateTime& adesso) {
    const QString nomeCopiaScelta = QDir::toNativeSeparators(copia);
    if (!QFileInfo(copia).isFile())
        throw Errore(
            NumeriErrore::FileNonTrovato,
            QStringLiteral("La copia %1 non esiste più: nulla è stato ripristinato.").arg(nomeCopiaScelta));
    QStringList problemi;
    try {
        problemi = verificaArchivio(copia);
    } catch (const std::exception& e) {
        problemi << testoErrore(e);
    }
    if (!problemi.isEmpty()) {
        logger().log(QStringLiteral("Copia rifiutata per il ripristino %1: %2")
                         .arg(nomeCopiaScelta, suUnaRiga(problemi.join(QStringLiteral("; ")))));
        throw Errore(NumeriErrore::ArchivioDanneggiato,
                     QStringLiteral("La copia %1 è danneggiata o non è un archivio di Vibrana: non è stata "
                                    "ripristinata e l'archivio in uso è rimasto com'era.")
                         .arg(nomeCopiaScelta));
    }

    QString conservato;
    if (QFileInfo::exists(archivio)) {
        preparaCartella(archivio);
        conservato = nomeLibero(archivio, adesso, true);
        try {
            copiaArchivio(archivio, conservato);
        } catch (const Errore&) {
            // A register the engine cannot copy page by page (damaged) is kept as the file it is.
            if (!QFile::copy(archivio, conservato))
                throw Errore(
                    NumeriErrore::ErroreArchivio,
                    QStringLiteral("Impossibile conservare l'archivio in uso come %1: nessuna copia è "
                                   "stata ripristinata.")
                        .arg(QDir::toNativeSeparators(conservato)));
        }
    }
    // Written beside the register and renamed over it: until then the register stays whole.
    copiaArchivio(copia, archivio);
    logger().log(QStringLiteral("Ripristinata la copia %1; l'archivio precedente è in %2")
                     .arg(nomeCopiaScelta, QDir::toNativeSeparators(conservato)));
    controllaArchivio(archivio);
    return conservato;
}
