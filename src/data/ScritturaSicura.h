#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes for the user goes through here. Never written: the register, its
// journals (-journal, -wal, -shm), anything in its backup folder or any other name of those files
// (symbolic or hard links); what exists and is not a regular file; a file that cannot be written
// whole. The reason comes back as "Impossibile scrivere «nome»: motivo", naming the file without its
// folder.

// Why `percorso` may not be written, or an empty text. `archivio` is the register to keep safe.
QString motivoNonScrivibile(const QString& percorso, const QString& archivio);
// The same for the program's register.
QString motivoNonScrivibile(const QString& percorso);

// Writes `dati` into `percorso` whole or not at all (beside it first, then put in its place; a
// symbolic link stays a link to the file written). An empty text when written, else the reason.
QString scriviFileProtetto(const QString& percorso, const QByteArray& dati, const QString& archivio);
QString scriviFileProtetto(const QString& percorso, const QByteArray& dati);
