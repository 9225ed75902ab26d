#include "data/CreaArchivio.h"

#include "base/Errore.h"
#include "data/Connessione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {
[[noreturn]] void fallisci(const QString& testo) {
    throw Errore(NumeriErrore::ErroreArchivio, testo, QStringLiteral("vibrana-archivio"));
}
} // namespace

void creaArchivio(const QString& cartellaSql, const QString& destinazione) {
    QDir cartella(cartellaSql);
    const QStringList file = cartella.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (file.isEmpty())
        fallisci(QStringLiteral("Nessun file SQL nella cartella \"%1\".").arg(cartellaSql));

    const QString temporaneo = destinazione + QStringLiteral(".nuovo");
    QFile::remove(temporaneo);
    {
        auto conn = creaArchivioVuoto(temporaneo);
        conn->eseguiScript(QStringLiteral("PRAGMA journal_mode = DELETE; BEGIN;"));
        for (const QString& nome : file) {
            QFile f(cartella.filePath(nome));
            if (!f.open(QIODevice::ReadOnly))
                fallisci(QStringLiteral("Impossibile leggere \"%1\".").arg(f.fileName()));
            try {
                conn->eseguiScript(QString::fromUtf8(f.readAll()));
            } catch (const Errore& e) {
                QFile::remove(temporaneo);
                fallisci(QStringLiteral("%1: %2").arg(nome, e.descrizione()));
            }
        }
        conn->eseguiScript(QStringLiteral("COMMIT; VACUUM;"));
    }
    const QStringList problemi = verificaArchivio(temporaneo);
    if (!problemi.isEmpty()) {
        QFile::remove(temporaneo);
        fallisci(
            QStringLiteral("L'archivio creato non è integro: %1").arg(problemi.join(QStringLiteral("; "))));
    }
    QFile::remove(destinazione);
    if (!QFile::rename(temporaneo, destinazione))
        fallisci(QStringLiteral("Impossibile scrivere \"%1\".").arg(destinazione));
}

QStringList verificaArchivio(const QString& percorso) {
    auto conn = Connessione::apri(percorso);
    QStringList problemi;
    RecordSet integrita = conn->interroga(QStringLiteral("PRAGMA integrity_check"));
    for (integrita.MoveFirst(); !integrita.eof(); integrita.MoveNext()) {
        const QString riga = integrita.campo(0).toString();
        if (riga != QLatin1String("ok"))
            problemi << riga;
    }
    RecordSet chiavi = conn->interroga(QStringLiteral("PRAGMA foreign_key_check"));
    for (chiavi.MoveFirst(); !chiavi.eof(); chiavi.MoveNext())
        problemi << QStringLiteral("riga %1 della tabella %2 rimanda a una riga inesistente di %3")
                        .arg(chiavi.campo(1).toString(), chiavi.campo(0).toString(),
                             chiavi.campo(2).toString());
    return problemi;
}

void copiaArchivio(const QString& origine, const QString& destinazione) {
    auto sorgente = Connessione::apri(origine);
    if (QFileInfo(destinazione).absoluteFilePath() == QFileInfo(origine).absoluteFilePath())
        fallisci(QStringLiteral("La copia non può sovrascrivere l'archivio stesso."));
    const QString temporaneo = destinazione + QStringLiteral(".nuovo");
    QFile::remove(temporaneo);
    {
        auto dest = creaArchivioVuoto(temporaneo);
        sqlite3_backup* b = sqlite3_backup_init(dest->handle(), "main", sorgente->handle(), "main");
        if (!b)
            fallisci(QString::fromUtf8(sqlite3_errmsg(dest->handle())));
        int rc;
        do {
            rc = sqlite3_backup_step(b, 256);
            if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                sqlite3_sleep(50);
        } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
        sqlite3_backup_finish(b);
        if (rc != SQLITE_DONE) {
            QFile::remove(temporaneo);
            fallisci(QStringLiteral("Copia non riuscita: %1").arg(QString::fromUtf8(sqlite3_errstr(rc))));
        }
    }
    QFile::remove(destinazione);
    if (!QFile::rename(temporaneo, destinazione))
        fallisci(QStringLiteral("Impossibile scrivere \"%1\".").arg(destinazione));
}
