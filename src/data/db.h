#pragma once

#include "data/Connessione.h"
#include "data/RecordSet.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

// The marker texts that the lookups return in place of a value.
inline const QString ERR_DATI_NON_TROVATI = QStringLiteral("ERR:Dati non trovati");
inline const QString ERR_CONNESSIONE = QStringLiteral("ERR:Problemi nella connessione");

// The only way to the database file `dbName` in the program folder. Statements are written in the
// Jet dialect, logged as a summary (kind, table, key; never a value), translated and run on a connection
// opened for the operation (or on the connection of the transaction in progress, see Transazione).
//
// The class is spelt DB because the global instance is db().
class DB {
public:
    QString dbName;

    DB() = default;
    explicit DB(QString nome) : dbName(std::move(nome)) {}

    // Full path of the database file.
    QString percorsoArchivio() const;
    // The register in use: the server's connection string when one is set, else the file's path.
    QString indirizzoArchivio() const;
    bool suServer() const;

    // These two pass errors (Errore) on to the caller.
    std::shared_ptr<Connessione> getConn() const;
    RecordSet getRs(const QString& sSQL) const;

    // These trap their own errors: a message, and a marker text, 0 or false.
    QVariant Dlookup(const QString& sField, const QString& sTable, const QString& sWhere) const;
    long DCount(const QString& sField, const QString& sTable, const QString& sWhere) const;
    QVariant DFirst(const QString& sField, const QString& sTable, const QString& sWhere) const;
    QVariant dMax(const QString& sField, const QString& sTable, const QString& sWhere) const;
    bool Execute(const QString& sSQL) const;
    // The generated key of the row the last INSERT run by Execute stored, read from that statement
    // itself: another program inserting at the same moment never changes it. A marker text when the
    // last INSERT failed or stored no generated key.
    QVariant chiaveInserita() const;
    // As Execute, for a statement that hands rows back (an INSERT or UPDATE ... RETURNING): its rows,
    // or nothing when the register refused it, which is shown and fails the group as Execute does.
    std::optional<RecordSet> eseguiConRighe(const QString& sSQL) const;
    // Hands each statement Execute and eseguiConRighe are about to run, as written, to `osservatore`
    // (tests that check what a record sends; the log no longer holds it). Empty: nobody.
    static void osservaIstruzioni(std::function<void(const QString&)> osservatore);

    QString Load_Param(const QString& Nome_Param) const;
    void Save_Param(const QString& Param, const QString& Valore) const;

    // Conversions of values into SQL text.
    static QString dataPerSQL(const QString& data);
    static QString invertiGiornoMese(const QString& data);
    static QString correctApici(const QString& str);
    // The inverse of correctApici, for stored text on its way to a person: the register keeps the
    // backquote (older registers and other programs read it), the user typed an apostrophe.
    static QString ripristinaApici(const QString& str);
    static QString convBooleanToDB(bool val);
    // A date as the text dataPerSQL expects (dd/MM/yyyy); a null date gives "".
    static QString testoData(const QDate& data);

    // The statements the lookups send.
    static QString sqlDlookup(const QString& sField, const QString& sTable, const QString& sWhere);
    static QString sqlDCount(const QString& sField, const QString& sTable, const QString& sWhere);
    static QString sqlDMax(const QString& sField, const QString& sTable, const QString& sWhere);

private:
    mutable QVariant chiaveInserita_;
};

// The global database object, created on first use with dbName "splash.ps".
DB& db();

// A group of statements whose COMMIT went unanswered, sent to a server that could not say afterwards
// whether it stored it. The record that saved keeps it and asks again before saving anew.
struct SalvataggioSospeso {
    QString archivio;
    qlonglong transazione = 0;
};

// Asks the register what became of the group: Sconosciuto while it still cannot tell. Shows nothing.
Esito esitoSalvataggio(const SalvataggioSospeso& sospeso);

// The message for a save whose outcome is not known.
QString testoEsitoIgnoto();

// Keeps one connection for a group of statements, run by any DB on the same file, and commits
// or rolls them back as a whole. Scopes nest: an inner scope joins the outer one; the group is
// committed by the outermost commit() only if nothing failed or was rolled back in between.
// A failed Execute inside the scope marks the whole group as failed.
class Transazione {
public:
    // Never throws: when the group cannot begin (missing file, register locked past the busy timeout)
    // the failure is shown once, the operations inside the scope fail without a message of their own
    // and commit() answers false.
    explicit Transazione(const DB& archivio);
    ~Transazione();
    Transazione(const Transazione&) = delete;
    Transazione& operator=(const Transazione&) = delete;

    // True when the group was stored (or, in an inner scope, when nothing has failed so far).
    bool commit();
    // Gives up the group.
    void rollback();
    // After commit() answered false because the register could not say whether the group was stored:
    // what to ask about before saving the same record again.
    const std::optional<SalvataggioSospeso>& sospeso() const { return sospeso_; }

private:
    QString chiave_;
    bool chiusa_ = false;
    std::optional<SalvataggioSospeso> sospeso_;
};
