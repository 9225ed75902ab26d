#include "data/ArchivioServer.h"

#include "base/Errore.h"
#include "data/ConnessioneFile.h"
#include "data/ConnessioneServer.h"
#include "data/CreaArchivio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString sorgente = QStringLiteral("vibrana-archivio");

[[noreturn]] void fallisci(const QString& testo) {
    throw Errore(NumeriErrore::ErroreArchivio, testo, sorgente);
}

QString leggiRisorsa(const QString& nome) {
    QFile f(QStringLiteral(":/archivio/") + nome);
    if (!f.open(QIODevice::ReadOnly))
        fallisci(QStringLiteral("Manca nel programma il file %1.").arg(nome));
    return QString::fromUtf8(f.readAll());
}

QStringList oggettiPresenti(Connessione& c, const QString& tipo) {
    RecordSet rs = c.interroga(QStringLiteral("SELECT lower(table_name) FROM information_schema.tables "
                                              "WHERE table_schema = current_schema() AND table_type = '%1'")
                                   .arg(tipo));
    QStringList nomi;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext())
        nomi << rs.campo(0).toString();
    return nomi;
}

QStringList mancanti(Connessione& c) {
    const QStringList tabelle = oggettiPresenti(c, QStringLiteral("BASE TABLE"));
    const QStringList viste = oggettiPresenti(c, QStringLiteral("VIEW"));
    QStringList problemi;
    for (const QString& t : tabelleRichieste())
        if (!tabelle.contains(t.toLower()))
            problemi << QStringLiteral("manca la tabella %1").arg(t);
    for (const QString& v : visteRichieste())
        if (!viste.contains(v.toLower()))
            problemi << QStringLiteral("manca la vista %1").arg(v);
    return problemi;
}

// The tables of the program that hold rows, with their count.
QStringList tabelleConRighe(Connessione& c) {
    QStringList piene;
    for (const QString& t : tabelleRichieste()) {
        RecordSet rs = c.interroga(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.toLower()));
        const qlonglong n = rs.campo(0).toLongLong();
        if (n > 0)
            piene << QStringLiteral("%1: %2").arg(t).arg(n);
    }
    return piene;
}

// Keys the server generates continue after the highest the file ever gave, deleted rows included,
// so a key is never given twice.
void allineaContatori(ConnessioneServer& server, ConnessioneFile& file) {
    QHash<QString, qlonglong> usati;
    try {
        RecordSet seq = file.interroga(QStringLiteral("SELECT lower(name), seq FROM sqlite_sequence"));
        for (seq.MoveFirst(); !seq.eof(); seq.MoveNext())
            usati.insert(seq.campo(0).toString(), seq.campo(1).toLongLong());
    } catch (const Errore&) {
        // A file that never generated a key has no counter table.
    }
    RecordSet colonne = server.interroga(QStringLiteral(
        "SELECT c.relname, a.attname FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
        "WHERE c.relnamespace = to_regnamespace(current_schema()) AND a.attidentity <> '' AND a.attnum > 0"));
    for (colonne.MoveFirst(); !colonne.eof(); colonne.MoveNext()) {
        const QString tabella = colonne.campo(0).toString();
        const QString colonna = colonne.campo(1).toString();
        server.interroga(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                                        "GREATEST(COALESCE(MAX(%2), 0), %3) + 1, false) FROM %1")
                             .arg(tabella, colonna)
                             .arg(usati.value(tabella, 0)));
    }
}

// The server's schema (tables, keys, relations, views), the twin of the file register's.
QString schemaServer() {
    return leggiRisorsa(QStringLiteral("server/01_schema.sql"));
}

// Copies every table of the file into the server inside the transaction already begun.
void copiaTabelle(ConnessioneServer& server, ConnessioneFile& file) {
    for (const QString& t : tabelleRichieste())
        server.copiaRighe(t, file.interroga(QStringLiteral("SELECT * FROM \"%1\"").arg(t)));
    allineaContatori(server, file);
}

// Runs the copy in one transaction: on failure the server keeps nothing of it.
void trasferisci(const QString& file, const QString& indirizzo, bool soloSuVuoto) {
    const QStringList problemi = verificaArchivio(file);
    if (!problemi.isEmpty())
        fallisci(QStringLiteral("L'archivio %1 non è integro e non viene copiato: %2")
                     .arg(file, problemi.join(QStringLiteral("; "))));
    auto sorgenteFile = ConnessioneFile::apri(file);
    auto server = ConnessioneServer::apri(indirizzo);
    const QString dove = indirizzoVisibile(indirizzo);
    server->esegui(QStringLiteral("BEGIN"));
    try {
        const QStringList tabelle = oggettiPresenti(*server, QStringLiteral("BASE TABLE"));
        bool schemaPresente = false;
        for (const QString& t : tabelleRichieste())
            schemaPresente = schemaPresente || tabelle.contains(t.toLower());
        if (schemaPresente) {
            if (soloSuVuoto)
                fallisci(QStringLiteral("Sul server %1 esiste già un archivio di Vibrana: non viene "
                                        "sostituito.")
                             .arg(dove));
            const QStringList manca = mancanti(*server);
            if (!manca.isEmpty())
                fallisci(QStringLiteral("L'archivio sul server %1 è incompleto (%2): non viene usato.")
                             .arg(dove, manca.join(QStringLiteral("; "))));
            const QStringList piene = tabelleConRighe(*server);
            if (!piene.isEmpty())
                fallisci(QStringLiteral("L'archivio sul server %1 contiene già dei dati (%2): la copia "
                                        "si fa solo in un archivio vuoto.")
                             .arg(dove, piene.join(QStringLiteral(", "))));
        } else {
            server->eseguiScript(schemaServer());
        }
        copiaTabelle(*server, *sorgenteFile);
        server->esegui(QStringLiteral("COMMIT"));
    } catch (...) {
        try {
            server->esegui(QStringLiteral("ROLLBACK"));
        } catch (const Errore&) {
            // A dropped connection has given the transaction up already.
        }
        throw;
    }
}

} // namespace

void creaArchivioServer(const QString& indirizzo) {
    // The delivered catalogue is built as a file first, from the same SQL files, then copied.
    QTemporaryDir cartella;
    if (!cartella.isValid())
        fallisci(QStringLiteral("Impossibile creare una cartella temporanea."));
    const QDir risorse(QStringLiteral(":/archivio"));
    for (const QString& nome : risorse.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
        if (!QFile::copy(risorse.filePath(nome), cartella.filePath(nome)))
            fallisci(QStringLiteral("Impossibile preparare il file %1.").arg(nome));
    const QString file = cartella.filePath(QStringLiteral("consegnato.ps"));
    creaArchivio(cartella.path(), file);
    trasferisci(file, indirizzo, true);
}

void migraArchivioServer(const QString& file, const QString& indirizzo) {
    trasferisci(file, indirizzo, false);
}

QStringList verificaArchivioServer(const QString& indirizzo) {
    auto server = ConnessioneServer::apri(indirizzo);
    return mancanti(*server);
}

QStringList contaRigheServer(const QString& indirizzo) {
    auto server = ConnessioneServer::apri(indirizzo);
    QStringList righe;
    for (const QString& t : tabelleRichieste()) {
        RecordSet rs = server->interroga(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.toLower()));
        righe << QStringLiteral("%1: %2").arg(t).arg(rs.campo(0).toLongLong());
    }
    return righe;
}

void controllaArchivioServer(const QString& indirizzo) {
    std::shared_ptr<ConnessioneServer> server;
    try {
        server = ConnessioneServer::apri(indirizzo);
    } catch (const Errore& e) {
        // The text is complete for the start-up message: no source after it.
        throw Errore(e.numero(), e.descrizione(), QString());
    }
    const QStringList problemi = mancanti(*server);
    if (problemi.isEmpty())
        return;
    const QString dove = indirizzoVisibile(indirizzo);
    if (problemi.size() == tabelleRichieste().size() + visteRichieste().size())
        throw Errore(NumeriErrore::ArchivioNonTrovato,
                     QStringLiteral("Sul server %1 non c'è l'archivio di Vibrana. L'amministratore lo crea "
                                    "con il comando \"vibrana-archivio server crea\".")
                         .arg(dove),
                     QString());
    throw Errore(NumeriErrore::ArchivioDanneggiato,
                 QStringLiteral("L'archivio sul server %1 è incompleto: %2.")
                     .arg(dove, problemi.join(QStringLiteral("; "))),
                 QString());
}
