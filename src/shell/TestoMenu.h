#pragma once

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

} // namespace TestoMenu
