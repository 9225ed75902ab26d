#include "shell/TestoMenu.h"

namespace TestoMenu {

Parti scomponi(const QString& didascalia) {
    Parti p;
    QString corrente;
    for (qsizetype i = 0; i < didascalia.size(); ++i) {
        const QChar c = didascalia.at(i);
        if (c != QLatin1Char('&')) {
            corrente += c;
            continue;
        }
        if (i + 1 < didascalia.size() && didascalia.at(i + 1) == QLatin1Char('&')) {
            corrente += QLatin1Char('&');
            ++i;
            continue;
        }
        // The access key; in the rest a doubled ampersand still stands for one.
        p.prima = corrente;
        if (i + 1 < didascalia.size()) {
            p.sottolineato = didascalia.at(i + 1);
            p.dopo = didascalia.mid(i + 2).replace(QStringLiteral("&&"), QStringLiteral("&"));
        }
        return p;
    }
    p.prima = corrente;
    return p;
}

Colonne colonne(const QString& didascalia) {
    const qsizetype a = didascalia.indexOf(QLatin1Char('\n'));
    if (a < 0)
        return {QString(), didascalia};
    return {didascalia.left(a), didascalia.mid(a + 1)};
}

PostiVoce postiVoce(int altezzaVoce, QSize voce, int altezzaCarattere) {
    // 16 x 16 pictures were placed for the smallest item, 19 pixels high; taller items centre them.
    const int x = (altezzaVoce - 19) / 2 + 2;
    const int centrata = (voce.height() - 16) / 2;
    return {QRect(0, 0, altezzaVoce, voce.height()), QRect(x, centrata > x ? centrata : x, 16, 16),
            QPoint(altezzaVoce + 3, (voce.height() - altezzaCarattere) / 2)};
}

QString chiaveImmagine(const ChiaviImmagine& chiavi, bool spuntata, bool selezionata, bool abilitata) {
    if (spuntata && !chiavi.spuntata.isEmpty())
        return chiavi.spuntata;
    if (selezionata && abilitata && !chiavi.selezionata.isEmpty())
        return chiavi.selezionata;
    return chiavi.normale;
}

} // namespace TestoMenu
