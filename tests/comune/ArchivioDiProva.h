#pragma once

#include "comune/MessaggiRegistrati.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <gtest/gtest.h>

// A temporary program folder holding a fresh database built from the delivered SQL files,
// set as the program folder for the test (VIBRANA_CARTELLA), with messages recorded.
// The selection state is reset and the clock fixed at 10 December 2026.
// The engine is a parameter of the run: with VIBRANA_PROVA_MOTORE=server the register is a fresh
// database on the PostgreSQL server of VIBRANA_PROVA_SERVER (set as VIBRANA_SERVER), built with the
// same rows; without a server the test is skipped, or fails when CI is set.
class ArchivioDiProva : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString cartella() const { return dir_.path(); }
    QString percorsoArchivio() const { return dir_.path() + QStringLiteral("/splash.ps"); }
    // Lines of log.txt without their time stamps.
    QStringList righeLog() const;
    // Also empties istruzioniInviate().
    void svuotaLog() const;
    // The statements sent through Execute (and eseguiConRighe) since the log was last emptied, as
    // written: the log keeps only their kind and table.
    QStringList istruzioniInviate() const { return istruzioni_; }
    // Runs SQLite statements straight on the file, bypassing db (fixtures).
    void eseguiDiretto(const QString& sql) const;
    qlonglong contaDiretto(const QString& sql) const;
    // Exercises 1..quanti of card `idScheda` in `tabella` (Esercizi or EserciziModello): number,
    // card and figure(number), then `valori` (Durata .. Note; %1 stands for the number).
    void eserciziDiretti(const QString& tabella, qlonglong idScheda, int quanti,
                         const std::function<qlonglong(int)>& figura, const QString& valori) const;
    // Makes the register refuse the rows of `tabella` for which `quando` holds at `evento` (INSERT,
    // UPDATE or DELETE; `quando` reads NEW. and OLD. columns), on either engine.
    void rifiutaRighe(const QString& nome, const QString& evento, const QString& tabella,
                      const QString& quando) const;

    // Copies the delivered pictures of the build's program folder (exercise pictures, body map,
    // logos) into the test folder's images/.
    bool copiaImmaginiConsegnate() const;

    MessaggiRegistrati& messaggi() { return *registro_; }

    // Whether this run's register is on the server; the address of this test's database there.
    static bool suServer();
    QString indirizzoServer() const { return server_; }

    // Whether to build the full delivered database (all SQL files) or only the schema and base rows.
    virtual bool archivioCompleto() const { return false; }

private:
    QTemporaryDir dir_;
    RegistratoreInstallato registro_;
    QString server_;
    QString databaseServer_;
    mutable QStringList istruzioni_;
};

// Copies the folder tree `origine` into `destinazione`.
bool copiaCartella(const QString& origine, const QString& destinazione);
// The address of a database on the test server (VIBRANA_PROVA_SERVER with another database name).
QString indirizzoDatabaseDiProva(const QString& database);
// Statements on the test server's maintenance database (create and drop test databases).
void eseguiSulServerDiProva(const QString& sql);

// True when a lookup's result is one of db's two marker texts.
bool isMarcatoreErrore(const QVariant& valore);

// The folder of SQL files that builds the delivered database.
QString cartellaSql();
