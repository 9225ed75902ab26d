#pragma once

#include <QString>

// The engines a register can live on; statements are translated into the engine's own dialect.
enum class Dialetto { SQLite, PostgreSQL };

// Turns a statement written in the Jet dialect into SQLite's:
//   DELETE * FROM      -> DELETE FROM
//   #m/d/yyyy#         -> 'yyyy-mm-dd'   (two-digit years: 00-29 -> 20xx, 30-99 -> 19xx)
//   TRUE / FALSE       -> 1 / 0
//   [name]             -> "name"
//   "text"             -> 'text'         (Jet reads double quotes as a text literal)
// Nothing inside a quoted literal is touched. Throws Errore on an empty or malformed date literal
// ("##"), an unterminated literal or bracket.
// For PostgreSQL the same, except that a [name] is written in lower case, as the server folds the
// unquoted names of its schema.
QString traduciJet(const QString& jet, Dialetto dialetto = Dialetto::SQLite);
