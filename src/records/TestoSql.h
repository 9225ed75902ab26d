#pragma once

#include "data/db.h"

#include <QString>

// How the record classes write values into their SQL text.
namespace testoSql {

// A text value: apostrophes become backquotes, so no text can end its literal early.
inline QString testo(const QString& s) {
    return DB::correctApici(s);
}

// A text value read back, as the user typed it: each column written with `testo` is read through this.
inline QString letto(const QString& s) {
    return DB::ripristinaApici(s);
}

inline QString numero(long n) {
    return QString::number(n);
}

} // namespace testoSql
