#include "base/ValoreIniziale.h"

double valoreIniziale(const QString& testo) {
    QString numero;
    bool cifre = false, punto = false, esponente = false;
    int i = 0;
    const int n = testo.size();
    const auto bianco = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
    while (i < n && bianco(testo[i]))
        ++i;
    if (i < n && (testo[i] == u'-' || testo[i] == u'+'))
        numero += testo[i++];
    for (; i < n; ++i) {
        const QChar c = testo[i];
        if (bianco(c))
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            numero += c;
            cifre = true;
        } else if (c == u'.' && !punto && !esponente) {
            numero += c;
            punto = true;
        } else if ((c == u'e' || c == u'E') && cifre && !esponente) {
            // An exponent counts only when digits follow it.
            int j = i + 1;
            QString coda = QStringLiteral("e");
            if (j < n && (testo[j] == u'-' || testo[j] == u'+'))
                coda += testo[j++];
            if (j < n && testo[j].isDigit() && testo[j].unicode() < 128) {
                numero += coda;
                esponente = true;
                i = j - 1;
            } else {
                break;
            }
        } else {
            break;
        }
    }
    if (!cifre)
        return 0;
    bool ok = false;
    const double v = numero.toDouble(&ok);
    return ok ? v : 0;
}
