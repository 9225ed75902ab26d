#pragma once

#include <QString>
#include <QStringList>

// Maintenance of database files (used by the vibrana-archivio command and by the build).

// Builds a new database at `destinazione` from the *.sql files of `cartellaSql`, run in name order.
// The file is written beside the destination and moved over it only when complete. An existing
// destination is refused unless `sovrascrivi`; then it is kept as `destinazione` + ".bak", or the
// first free ".bak.N" (N = 2, 3, ...), and that name is returned (empty when nothing was replaced).
// Throws Errore.
QString creaArchivio(const QString& cartellaSql, const QString& destinazione, bool sovrascrivi = false);

// Integrity, foreign-key and schema check (every table and view of the program present); an empty
// list means the file is sound. Throws Errore when the file cannot be opened or is not a database.
QStringList verificaArchivio(const QString& percorso);

// The quick check of start-up: the file opens as a database, holds every table and view of the
// program and its pages read back sound. Throws Errore with testoArchivioDanneggiato otherwise.
void controllaArchivio(const QString& percorso);

// A consistent copy of a database that may be in use (SQLite's online backup). The copy is written
// beside the destination and renamed over it only when complete, so an existing destination stays
// whole until then and no partial file is left. A read-only destination is refused. Waits for a busy register
// as long as the program does. Throws Errore.
void copiaArchivio(const QString& origine, const QString& destinazione);

// Every table the program reads, each after the tables it refers to, and every view.
const QStringList& tabelleRichieste();
const QStringList& visteRichieste();
