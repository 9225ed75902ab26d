#pragma once

#include <QString>

// A logo the user picked for the gym, as the program takes it.
struct LogoScelto {
    QString percorso; // where the logo now lies, in the images folder; empty when it was not taken
    QString avviso;   // what to tell the user when it was not taken; empty when it was

    bool preso() const { return !percorso.isEmpty(); }
};

// The program's images folder, where the gym's logo is kept.
QString cartellaLoghi();

// A file that is not a picture the program can read is refused. A picture already in the images
// folder (however its path is spelled) stays where it is; any other is copied there, replacing a file
// of the same name, and a failed copy leaves the file there as it was.
LogoScelto prendiLogo(const QString& scelto);
