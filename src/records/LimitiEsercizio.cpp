#include "records/LimitiEsercizio.h"

namespace limitiEsercizio {

namespace {

struct Limite {
    Numero campo;
    int massimo;
    const char* messaggio; // %1 stands for the highest value
};

// Minutes have no bound of their own: the byte the exercise keeps them in is the bound.
constexpr Limite limiti[] = {
    {Numero::serie, 99, "Valore troppo grande!"},
    {Numero::recuperoMin, 255, "Inserire un numero tra 0 e %1"},
    {Numero::recuperoSec, 59, "Inserire un numero tra 0 e %1"},
};

const Limite& limite(Numero campo) {
    for (const Limite& l : limiti)
        if (l.campo == campo)
            return l;
    return limiti[0];
}

} // namespace

int massimo(Numero campo) {
    return limite(campo).massimo;
}

QString messaggio(Numero campo) {
    const Limite& l = limite(campo);
    const QString testo = QString::fromUtf8(l.messaggio);
    return testo.contains(QLatin1String("%1")) ? testo.arg(l.massimo) : testo;
}

QString controlla(Numero campo, const QString& testo) {
    return leggiNumero(testo) > massimo(campo) ? messaggio(campo) : QString();
}

QString messaggioElenco() {
    return QStringLiteral("Selezionare un valore tra quelli disponibili!");
}

long leggiNumero(const QString& testo) {
    long n = 0;
    for (const QChar c : testo.trimmed()) {
        if (c < u'0' || c > u'9')
            break;
        n = n * 10 + (c.unicode() - u'0');
        if (n > 1000000)
            break;
    }
    return n;
}

} // namespace limitiEsercizio
