#pragma once

#include <QString>

// The number a text begins with, read the way every stored count and setting of the program is read
// ("30s" gives 30, a start counter "8" gives 8): blanks anywhere are skipped, an optional sign, digits
// with a point as decimal separator and an exponent only when digits follow it; reading stops at the
// first character that cannot belong to the number. A text that does not begin with a number gives 0.
double valoreIniziale(const QString& testo);
