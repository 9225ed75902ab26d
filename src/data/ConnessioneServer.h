#pragma once

#include "base/Errore.h"
#include "data/Connessione.h"

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

struct pg_conn;
struct pg_result;
class QDeadlineTimer;

// One connection to a register on a PostgreSQL server, given as a libpq connection string
// (postgresql://utente@host/vibrana). Statements arrive already in the server's dialect, one per call;
// the server folds names to lower case, so result columns get back the spelling of the schema, and
// yes/no columns (type sino) come back as bool, as from the file;
// an INSERT into a table with a generated key hands back that key itself (RETURNING), so the key read
// afterwards is this row's even when other programs insert at the same moment.
// Failures throw Errore with an Italian description; a connection that has dropped says so.
class ConnessioneServer final : public Connessione {
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
    // When the COMMIT's answer is lost, a new connection asks the server whether the transaction was
    // stored (txid_status): a save is never reported failed when it was kept, nor repeated blindly.
    Conferma conferma() override;

    // What became of transaction `id` on the server at `indirizzo`; Sconosciuto while the server cannot
    // be reached or the transaction is still running. Never throws.
    static Esito esitoTransazione(const QString& indirizzo, qlonglong id);

    // How long a statement may wait for the server's answer before it is given up: the per-user
    // setting [Archivio] TempoMassimo, in seconds, 15 when unset.
    static int tempoMassimo();
    // Tests shorten it (milliseconds); a value below zero restores the setting.
    static void impostaTempoMassimo(int millisecondi);

    // Tests: called with the connection's socket and the transaction's id right after a COMMIT has
    // been sent, before its answer is read. Null to remove.
    static void impostaDopoInvioCommit(std::function<void(int socket, qlonglong transazione)> azione);
    // Tests: called with the transaction's id just before its COMMIT is sent, so that a server stopped
    // there has surely not settled it. Null to remove.
    static void impostaPrimaInvioCommit(std::function<void(qlonglong transazione)> azione);

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
    // Makes an INSERT into a table with a generated key hand back that key (RETURNING), so the key
    // read afterwards is this row's; false, and the text unchanged, for any other statement.
    bool chiediChiaveGenerata(QString& testo);
    // The rows of a result, each column under the schema's spelling, yes/no columns as bool.
    RecordSet righe(const pg_result* r);
    // Sends a statement (a script of several on the simple protocol) and waits for its answer within the
    // time limit; the answer's last result, or its first error. Throws Errore when the time passes
    // (the connection is then given up) or nothing could be sent.
    pg_result* chiedi(const QByteArray& sql, bool script, const char* const* parametri = nullptr,
                      int quanti = 0);
    // Waits until what libpq holds has gone out, within the time limit.
    void invia(const QDeadlineTimer& scadenza);
    pg_result* attendiRisposta(const QDeadlineTimer& scadenza);
    // The server did not answer in time: asks it to stop, drops the connection and throws Errore.
    [[noreturn]] void abbandona();
    // The Italian error for a statement the server did not carry out.
    [[noreturn]] void fallisci(const pg_result* r, const QString& sql) const;

    pg_conn* conn_;
    QString indirizzo_;
    QVariant chiave_;
    QHash<QString, QString> chiavi_;
    QHash<unsigned int, QString> relazioni_;
};

// The address as libpq reads it, with only its hosts, ports, database and user, for titles, logs and
// messages; "(indirizzo non valido)" for one libpq cannot read, which is never shown.
QString indirizzoVisibile(const QString& indirizzo);

// A text of libpq's about `indirizzo` fit for the log: the address as indirizzoVisibile shows it, the
// password, however the address spells it, as "***".
QString testoLibpqVisibile(QString testo, const QString& indirizzo);

// The error for a statement the server refused with SQLSTATE `codice`, the server's primary message
// `dettaglio` and the statement `sql`.
Errore erroreServer(const QString& codice, const QString& dettaglio, const QString& sql);

// The message for an address libpq cannot read.
QString testoIndirizzoNonValido();

namespace NumeriErrore {
// A server that gave no answer within the time limit: the operation is not tried again on a new
// connection, which would only wait as long once more.
constexpr long ServerNonRisponde = 3151;
} // namespace NumeriErrore

// The message for a server that gave no answer within the time limit.
QString testoServerNonRisponde(const QString& indirizzo);

// The message for a server that went away in the middle of an operation.
QString testoServerPerduto();
