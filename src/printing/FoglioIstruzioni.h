#pragma once

#include "printing/Foglio.h"

#include <QString>
#include <QStringList>

// The usage-instructions sheet: title, five panels of wrong positions, six warnings, logos.
namespace FoglioIstruzioni {
// The texts of the five panels, index 0 to 4.
const QStringList& testiPannelli();
// The six warnings, in the order they are joined.
const QStringList& avvertenze();
// The sheet laid out and ready to draw.
Foglio crea();
} // namespace FoglioIstruzioni
