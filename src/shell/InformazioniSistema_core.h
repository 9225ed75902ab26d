#pragma once

#include "shell/ModoSchermo.h"

#include <QString>

// "Versione " + major.minor.revision of the program.
QString testoVersione();

// The text of the system information window, one "name: value" per line: program and version,
// operating system, Qt, the display `schermo` is in, the program folder, the register and the count
// of its rows. A count that cannot be read says "non disponibile"; nothing is shown as a message.
QString testoInformazioniSistema(const ModoSchermo& schermo);
