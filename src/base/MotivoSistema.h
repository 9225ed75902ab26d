#pragma once

#include <QString>

// Why an operation on the file `percorso` failed, in Italian, from the system's error code (errno):
// the system's own words are English and name no file.
QString motivoSistema(int codice, const QString& percorso);
