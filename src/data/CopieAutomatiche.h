#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Copies of the register file kept in the folder "backup" beside it. A copy is named after the
// register and the moment it was made, keeping the register's extension, so that the names sort in
// time order: "splash-2026-12-11_083000.ps". The register kept aside before a restore carries
// "-prima-del-ripristino" before the extension and is never removed by the program.
// Only a register file has copies: on a shared register they are the server's.

// How often copies are made and how many are kept: the per-user settings, section
// "CopieAutomatiche", keys "OreTraCopie" (24) and "CopieDaTenere" (10; 0 turns the copies off).
struct RegoleCopie {
    int oreTraCopie = 24;
    int copieDaTenere = 10;
};
RegoleCopie regoleCopie();

QString cartellaCopie(const QString& archivio);
QString nomeCopia(const QString& archivio, const QDateTime& quando, bool primaDelRipristino = false);

struct CopiaTrovata {
    QString percorso;
    QDateTime quando; // from the name
    bool primaDelRipristino = false;
    qint64 dimensione = 0;
};
// The copies of `archivio` in its backup folder, newest first; files of other names are left out.
std::vector<CopiaTrovata> elencaCopie(const QString& archivio);

// What a copy holds, read without writing to it; nothing when it cannot be read as a register.
struct ContenutoCopia {
    long atleti = 0;
    long schede = 0;
};
std::optional<ContenutoCopia> contenutoCopia(const QString& copia);

// Makes a copy when the newest automatic one is older than the rules allow (or there is none), then
// removes the oldest automatic copies beyond the number kept. The path of the new copy; empty when
// none was due. Throws Errore when the copy could not be made (nothing partial is left).
QString copiaSeDovuta(const QString& archivio, const QDateTime& adesso, const RegoleCopie& regole);

// Removes the oldest automatic copies beyond `daTenere`; the removed paths.
QStringList sfoltisciCopie(const QString& archivio, int daTenere);

// Start-up: the copy of the program's register when one is due. Never throws and never stops the
// start: a failure goes to the log and is shown once. The text shown is remembered in the settings
// (section "CopieAutomatiche", key "ErroreSegnalato"): the same failure at the next starts is only
// logged, a different one is shown, and a copy that succeeds forgets it.
void copiaAutomaticaAllAvvio();

// What the restore command says on a shared register (at `indirizzo`, as shown): its copies are the
// server's, with the one-line command that makes one.
QString testoCopieSulServer(const QString& indirizzo);

// Replaces `archivio` with `copia`. The copy is checked first (a damaged one is refused and nothing
// changes); the register as it is goes into the backup folder as a copy made before the restore;
// then the register is replaced in one step and opened again to check it. Returns the path of the
// register kept aside. Throws Errore with an Italian message.
QString ripristinaCopia(const QString& archivio, const QString& copia, const QDateTime& adesso);
