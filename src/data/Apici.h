#pragma once

#include <QString>

// A text put inside an SQL literal exactly as it is: each apostrophe doubled, which the engine reads
// back as one. (Record texts follow the house rule instead: DB::correctApici.)
inline QString raddoppiaApici(QString testo) {
    testo.replace(QLatin1Char('\''), QStringLiteral("''"));
    return testo;
}
