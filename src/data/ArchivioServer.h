#pragma once

#include <QString>
#include <QStringList>

// Maintenance of a register on a PostgreSQL server (used by vibrana-archivio and at start-up).
// The address is a libpq connection string. Every function throws Errore with an Italian message
// when the server cannot be reached, refuses the credentials or the target is not as required.

// Creates the schema and the delivered catalogue on a database without the program's tables.
void creaArchivioServer(const QString& indirizzo);

// Copies a register file (athletes, cards, exercises, templates, gym, parameters and catalogue)
// into the server in one transaction, keeping every identifier. The target must hold no rows of
// the program (an empty database, or a schema without rows); on any failure nothing is kept.
void migraArchivioServer(const QString& file, const QString& indirizzo);

// What is wrong with the register on the server; an empty list means it is sound.
QStringList verificaArchivioServer(const QString& indirizzo);

// Rows per table of the register on the server, "tabella: n" each.
QStringList contaRigheServer(const QString& indirizzo);

// The quick check of start-up: throws Errore when the server's register is missing or incomplete.
void controllaArchivioServer(const QString& indirizzo);
