#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

// The folder that holds splash.ps, images/, HELP/ and log.txt:
// 1. the environment variable VIBRANA_CARTELLA, when set;
// 2. the executable's folder, when it holds splash.ps (a build tree runs in place), or when the
//    register last used was there (its loss is then reported for that folder);
// 3. the per-user data folder, filled from the installed read-only copy on the very first start.
// Only looks: preparaCartellaProgramma fills and asks.
QString cartellaProgramma();

// The places the program folder is chosen among.
struct LuoghiProgramma {
    QString variabile;  // VIBRANA_CARTELLA, empty when unset
    QString eseguibile; // the executable's folder
    QString utente;     // the per-user data folder
    QString installata; // the installed, read-only copy
};
LuoghiProgramma luoghiProgramma();

// Start-up: chooses the program folder and makes sure it holds a register. The per-user folder is
// filled from the installed copy only on the very first start; the per-user settings remember that
// the register was created and where. A register that is missing is never replaced silently: the
// user is told, with the folder searched, and an empty register is started only on "Sì".
// False when the program must end (answer "No", or no register could be made); nothing has been
// written in the program folder or the settings then.
// Without `serveArchivio` (the register is on a server) no local register is needed, asked for or
// made: the folder only gets the installed pictures and guide it lacks.
bool preparaCartellaProgramma(bool serveArchivio = true);
bool preparaCartellaProgramma(const LuoghiProgramma& luoghi, bool serveArchivio = true);

// The per-user settings store, under the application's title; every reader and writer goes here.
// Its key "Path" (the program folder, written at each start) is left for whatever outside the
// program looks for where it lives; the program never reads it: the folder is chosen afresh at each
// start, and the register last used is remembered under its own key.
QSettings impostazioniUtente();

// Forgets the cached answer (tests that change the environment).
void dimenticaCartellaProgramma();

// A path relative to the program folder, written with "\" or "/", resolved to an existing file or
// folder where one matches without regard to letter case; otherwise the path as written, with "/".
QString percorsoProgramma(const QString& relativo);

// The same for an absolute path or one relative to the current folder.
QString risolviPercorso(const QString& percorso);

// Copies the files of `origine` into `destinazione` that are not there yet, but those named in
// `tranne` (paths relative to `origine`); returns false when something could not be copied.
bool copiaFileMancanti(const QString& origine, const QString& destinazione, const QStringList& tranne = {});
