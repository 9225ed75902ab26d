#pragma once

#include "data/db.h"

#include <QString>

// How the record classes write values into their SQL text.
namespace testoSql {

// A text value: apostrophes become backquotes, so no text can end its literal early.
inline QString testo(const QString& s) {
    return DB::correctApici(s);
}

inline QString numero(long n) {
    return QString::number(n);
}

} // namespace testoSql
