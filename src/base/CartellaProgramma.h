#pragma once

#include <QString>

// The folder that holds splash.ps, images/, HELP/ and log.txt:
// 1. the environment variable VIBRANA_CARTELLA, when set;
// 2. the executable's folder, when it holds splash.ps (a build tree runs in place);
// 3. the per-user data folder, filled on first use from the installed read-only copy
//    (an existing splash.ps is never overwritten).
QString cartellaProgramma();

// Forgets the cached answer (tests that change the environment).
void dimenticaCartellaProgramma();

// A path relative to the program folder, written with "\" or "/", resolved to an existing file or
// folder where one matches without regard to letter case; otherwise the path as written, with "/".
QString percorsoProgramma(const QString& relativo);

// The same for an absolute path or one relative to the current folder.
QString risolviPercorso(const QString& percorso);

// Copies the files of `origine` into `destinazione` that are not there yet; returns false when
// something could not be copied.
bool copiaFileMancanti(const QString& origine, const QString& destinazione);
