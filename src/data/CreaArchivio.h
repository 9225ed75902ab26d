#pragma once

#include <QString>
#include <QStringList>

// Maintenance of database files (used by the vibrana-archivio command and by the build).

// Builds a new database at `destinazione` from the *.sql files of `cartellaSql`, run in name order.
// The file is written beside the destination and moved over it only when complete. Throws Errore.
void creaArchivio(const QString& cartellaSql, const QString& destinazione);

// Integrity and foreign-key check; an empty list means the file is sound. Throws Errore when the
// file cannot be opened.
QStringList verificaArchivio(const QString& percorso);

// A consistent copy of a database that may be in use (SQLite's online backup). Throws Errore.
void copiaArchivio(const QString& origine, const QString& destinazione);
