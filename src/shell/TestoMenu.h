#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// How an owner-drawn menu item writes its caption.
namespace TestoMenu {

// A caption cut at its access key: the text before it, the underlined character, the rest.
// "&&" stands for one "&"; only the first single "&" marks the access key.
struct Parti {
    QString prima;
    QString sottolineato;
    QString dopo;
    bool operator==(const Parti&) const = default;
};
Parti scomponi(const QString& didascalia);

// The caption split at its first line feed: the left text before it, the right text after it.
// A caption without a line feed is all right text.
struct Colonne {
    QString sinistra;
    QString destra;
    bool operator==(const Colonne&) const = default;
};
Colonne colonne(const QString& didascalia);

// Height of an ordinary item for a menu font whose character "0" is `altezzaCarattere` pixels high.
inline int altezzaVoce(int altezzaCarattere) {
    return altezzaCarattere + 6 > 19 ? altezzaCarattere + 6 : 19;
}

inline constexpr int altezzaSeparatore = 10;

// Where the parts of an item go, in the item's own coordinates, for a menu whose items are
// `altezzaVoce` high and whose font's lines are `altezzaCarattere` high.
struct PostiVoce {
    QRect riquadro; // the picture's column: as wide as an item is high, the item's height
    QRect immagine; // the 16 x 16 picture: centred in the item's height, never above its usual place
    QPoint testo;   // top-left of the caption, vertically centred
    bool operator==(const PostiVoce&) const = default;
};
PostiVoce postiVoce(int altezzaVoce, QSize voce, int altezzaCarattere);

// Left edge of a selected item's highlight: after the picture's column when a framed picture is
// there, else the item's left edge.
inline int inizioEvidenziazione(const PostiVoce& posti, bool conImmagine, bool cornici) {
    return conImmagine && cornici ? posti.riquadro.right() + 1 : 0;
}

// Left edge of a key shortcut `larghezza` pixels wide, in an item `larghezzaVoce` wide: ends 8 pixels
// from the right edge.
inline int xScorciatoia(int larghezzaVoce, int larghezza) {
    return larghezzaVoce - 8 - larghezza;
}

// The keys an item may show a picture by.
struct ChiaviImmagine {
    QString normale, spuntata, selezionata;
};
// Which of them the item shows: the ticked picture while ticked, else the selected one while selected
// and enabled, else the normal one; a state without its own picture shows the normal one.
QString chiaveImmagine(const ChiaviImmagine& chiavi, bool spuntata, bool selezionata, bool abilitata);

} // namespace TestoMenu
