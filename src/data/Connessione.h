#pragma once

#include "data/RecordSet.h"
#include "data/TraduttoreJet.h"

#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// What became of a group of statements whose COMMIT was sent.
enum class Esito { Salvato, NonSalvato, Sconosciuto };

// The answer to a COMMIT: on Sconosciuto, `transazione` names the group for asking again later.
struct Conferma {
    Esito esito = Esito::Salvato;
    qlonglong transazione = 0;
};

// One open SQLite connection to an existing database file (never created here), with a busy
// timeout and foreign keys on. Statements are given in SQLite's dialect; failures throw Errore.
// A file that is not a database or is damaged gives one Italian message (testoArchivioDanneggiato).
// A server register (ConnessioneServer) shares this interface.
class Connessione {
public:
    static std::shared_ptr<Connessione> apri(const QString& percorso);

    // How long an operation waits for a register locked by another program before giving up.
    static int attesaOccupato();
    // Tests shorten it; a value below zero restores the program's own.
    static void impostaAttesaOccupato(int millisecondi);
    virtual ~Connessione();
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    virtual void esegui(const QString& sql);
    virtual RecordSet interroga(const QString& sql);
    // Runs a script of several statements (schema files).
    virtual void eseguiScript(const QString& sql);

    virtual Dialetto dialetto() const { return Dialetto::SQLite; }
    // The statement that opens a group of statements kept or given up as a whole.
    virtual QString istruzioneInizio() const { return QStringLiteral("BEGIN IMMEDIATE"); }
    // Stores the group begun with istruzioneInizio(). Throws Errore when the register refuses it or
    // is known not to have stored it; Sconosciuto when its answer was lost and nobody can tell yet.
    virtual Conferma conferma();
    // True when the other end has gone away and a new connection is needed (a server register).
    virtual bool perduta() const { return false; }
    // The generated key of the row the last INSERT on this connection stored (null when none).
    virtual QVariant chiaveInserita() const;

    const QString& percorso() const { return percorso_; }
    sqlite3* handle() const { return db_; }

protected:
    explicit Connessione(QString percorso) : db_(nullptr), percorso_(std::move(percorso)) {}

private:
    Connessione(sqlite3* db, QString percorso) : db_(db), percorso_(std::move(percorso)) {}
    [[noreturn]] void fallisci(int codice, const QString& sql) const;
    // Prepares exactly one statement (null for an empty text); throws Errore.
    sqlite3_stmt* prepara(const QString& sql) const;

    sqlite3* db_;
    QString percorso_;
};

// Creates a new, empty database file (used only by the archive builder).
std::shared_ptr<Connessione> creaArchivioVuoto(const QString& percorso);

// The message for a file that is damaged or is not a register of this program.
QString testoArchivioDanneggiato(const QString& percorso);
