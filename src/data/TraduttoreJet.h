#pragma once

#include <QString>

// Turns a statement written in the Jet dialect into SQLite's:
//   DELETE * FROM      -> DELETE FROM
//   #m/d/yyyy#         -> 'yyyy-mm-dd'   (two-digit years: 00-29 -> 20xx, 30-99 -> 19xx)
//   TRUE / FALSE       -> 1 / 0
//   [name]             -> "name"
//   "text"             -> 'text'         (Jet reads double quotes as a text literal)
// Nothing inside a quoted literal is touched. Throws Errore on an empty or malformed date literal
// ("##"), an unterminated literal or bracket.
QString traduciJet(const QString& jet);
