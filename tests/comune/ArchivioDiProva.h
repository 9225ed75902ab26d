#pragma once

#include "comune/MessaggiRegistrati.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary program folder holding a fresh database built from the delivered SQL files,
// set as the program folder for the test (VIBRANA_CARTELLA), with messages recorded.
// The selection state is reset and the clock fixed at 10 December 2026.
class ArchivioDiProva : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString cartella() const { return dir_.path(); }
    QString percorsoArchivio() const { return dir_.path() + QStringLiteral("/splash.ps"); }
    // Lines of log.txt without their time stamps.
    QStringList righeLog() const;
    void svuotaLog() const;
    // Runs SQLite statements straight on the file, bypassing db (fixtures).
    void eseguiDiretto(const QString& sql) const;
    qlonglong contaDiretto(const QString& sql) const;

    // Copies the delivered pictures of the build's program folder (exercise pictures, body map,
    // logos) into the test folder's images/.
    bool copiaImmaginiConsegnate() const;

    MessaggiRegistrati& messaggi() { return *registro_; }

    // Whether to build the full delivered database (all SQL files) or only the schema and base rows.
    virtual bool archivioCompleto() const { return false; }

private:
    QTemporaryDir dir_;
    RegistratoreInstallato registro_;
};

// Copies the folder tree `origine` into `destinazione`.
bool copiaCartella(const QString& origine, const QString& destinazione);

// The folder of SQL files that builds the delivered database.
QString cartellaSql();
