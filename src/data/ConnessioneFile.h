#pragma once

#include "data/Connessione.h"

#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// One open SQLite connection to an existing register file (never created here), with a busy
// timeout and foreign keys on. A file that is not a database or is damaged gives one Italian message
// (testoArchivioDanneggiato).
class ConnessioneFile final : public Connessione {
public:
    static std::shared_ptr<ConnessioneFile> apri(const QString& percorso);
    ~ConnessioneFile() override;

    void esegui(const QString& sql) override;
    RecordSet interroga(const QString& sql) override;
    void eseguiScript(const QString& sql) override;
    Dialetto dialetto() const override { return Dialetto::SQLite; }
    QString istruzioneInizio() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    Conferma conferma() override;
    // A file never goes away in the middle of an operation.
    bool perduta() const override { return false; }
    QVariant chiaveInserita() const override;

    // The engine's own handle, for what only SQLite offers (the online backup).
    sqlite3* handle() const { return db_; }

private:
    ConnessioneFile(sqlite3* db, QString percorso) : db_(db), percorso_(std::move(percorso)) {}
    [[noreturn]] void fallisci(int codice, const QString& sql) const;
    // Prepares exactly one statement (null for an empty text); throws Errore.
    sqlite3_stmt* prepara(const QString& sql) const;

    sqlite3* db_;
    QString percorso_;
};

// Creates a new, empty database file (used only by the archive builder).
std::shared_ptr<ConnessioneFile> creaArchivioVuoto(const QString& percorso);

// The message for a file that is damaged or is not a register of this program.
QString testoArchivioDanneggiato(const QString& percorso);
