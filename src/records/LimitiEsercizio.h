#pragma once

#include <QString>

// The values the card editor accepts in an exercise's number boxes, and the messages that refuse
// the others, as the card's rules (RegoleScheda) hold them, read from the boxes' text. The check made
// when the user leaves a box and the one made before every command both read them here.
namespace limitiEsercizio {

enum class Numero { serie, recuperoMin, recuperoSec };

// The highest value the box accepts; the lowest is 0.
int massimo(Numero campo);

// The message that refuses the value, shown with a stop symbol.
QString messaggio(Numero campo);

// The message refusing `testo` in the box, or an empty text when the exercise can take it. The
// text is read as the exercise reads it (leggiNumero).
QString controlla(Numero campo, const QString& testo);

// The message of the drop-downs whose text must be one of their entries.
QString messaggioElenco();

// The leading digits of a text as a number; an empty text or one without leading digits gives 0.
// Very long numbers stop growing past a million, which every limit refuses.
long leggiNumero(const QString& testo);

} // namespace limitiEsercizio
