#pragma once

#include "data/RecordSet.h"
#include "data/TraduttoreJet.h"

#include <QString>
#include <QVariant>

// What became of a group of statements whose COMMIT was sent.
enum class Esito { Salvato, NonSalvato, Sconosciuto };

// The answer to a COMMIT: on Sconosciuto, `transazione` names the group for asking again later.
struct Conferma {
    Esito esito = Esito::Salvato;
    qlonglong transazione = 0;
};

// One open connection to the register, whichever engine holds it: all that DB and its groups of
// statements need. ConnessioneFile is the SQLite file, ConnessioneServer the PostgreSQL server; code
// that needs one engine's own means (the file's backup, the server's bulk copy) names that type.
// Statements are given in the engine's dialect, one per call; failures throw Errore with an Italian
// description.
class Connessione {
public:
    virtual ~Connessione() = default;
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    virtual void esegui(const QString& sql) = 0;
    virtual RecordSet interroga(const QString& sql) = 0;
    // Runs a script of several statements (schema files).
    virtual void eseguiScript(const QString& sql) = 0;

    virtual Dialetto dialetto() const = 0;
    // The statement that opens a group of statements kept or given up as a whole.
    virtual QString istruzioneInizio() const = 0;
    // Stores the group begun with istruzioneInizio(). Throws Errore when the register refuses it or
    // is known not to have stored it; Sconosciuto when its answer was lost and nobody can tell yet.
    virtual Conferma conferma() = 0;
    // True when the other end has gone away and a new connection is needed.
    virtual bool perduta() const = 0;
    // The generated key of the row the last INSERT on this connection stored (null when none).
    virtual QVariant chiaveInserita() const = 0;

    // How long an operation waits for a register locked by another program before giving up, on
    // either engine.
    static int attesaOccupato();
    // Tests shorten it; a value below zero restores the program's own.
    static void impostaAttesaOccupato(int millisecondi);

    // Statements sent to either engine since the program started, the generated-key and column-name
    // questions of the server included: each is a round trip there, so the count is what a task costs.
    static long long istruzioniInviate();

protected:
    Connessione() = default;
    // Each engine calls it once per statement it hands over.
    static void contaIstruzione();
};
