#pragma once

#include "data/Connessione.h"

#include <QHash>
#include <QString>
#include <memory>

struct pg_conn;

// One connection to a register on a PostgreSQL server, given as a libpq connection string
// (postgresql://utente@host/vibrana). Statements arrive already in the server's dialect, one per call;
// the server folds names to lower case, so result columns get back the spelling of the schema, and
// yes/no columns (type sino) come back as bool, as from the file;
// an INSERT into a table with a generated key hands back that key itself (RETURNING), so the key read
// afterwards is this row's even when other programs insert at the same moment.
// Failures throw Errore with an Italian description; a connection that has dropped says so.
class ConnessioneServer : public Connessione {
public:
    static std::shared_ptr<ConnessioneServer> apri(const QString& indirizzo);
    ~ConnessioneServer() override;

    void esegui(const QString& sql) override;
    RecordSet interroga(const QString& sql) override;
    void eseguiScript(const QString& sql) override;
    Dialetto dialetto() const override { return Dialetto::PostgreSQL; }
    QString istruzioneInizio() const override { return QStringLiteral("BEGIN"); }
    QVariant chiaveInserita() const override { return chiave_; }
    bool perduta() const override { return !attiva(); }

    // Loads the rows of a record set into a table in one stream (COPY), names as the record set gives
    // them. Throws Errore.
    void copiaRighe(const QString& tabella, const RecordSet& righe);

    // False once the server has gone away; the next operation needs a new connection.
    bool attiva() const;
    const QString& indirizzo() const { return indirizzo_; }

private:
    ConnessioneServer(pg_conn* conn, QString indirizzo);
    // The generated-key column of a table ("" when it has none), asked of the server once.
    QString colonnaChiave(const QString& tabella);
    // The name of the table or view a result column comes from ("" for an expression).
    QString relazione(unsigned int oid);
    RecordSet esegui(const QString& sql, bool conRighe);

    pg_conn* conn_;
    QString indirizzo_;
    QVariant chiave_;
    QHash<QString, QString> chiavi_;
    QHash<unsigned int, QString> relazioni_;
};

// The address without its password, for titles, logs and messages.
QString indirizzoVisibile(const QString& indirizzo);

// The message for a server that went away in the middle of an operation.
QString testoServerPerduto();
