#include "records/LimitiEsercizio.h"

#include "records/RegoleScheda.h"

namespace limitiEsercizio {

namespace {

regoleScheda::Campo campoDi(Numero campo) {
    switch (campo) {
    case Numero::serie:
        return regoleScheda::Campo::serie;
    case Numero::recuperoMin:
        return regoleScheda::Campo::recuperoMin;
    case Numero::recuperoSec:
        break;
    }
    return regoleScheda::Campo::recuperoSec;
}

} // namespace

int massimo(Numero campo) {
    return regoleScheda::massimo(campoDi(campo));
}

QString messaggio(Numero campo) {
    return regoleScheda::messaggio(campoDi(campo));
}

QString controlla(Numero campo, const QString& testo) {
    return leggiNumero(testo) > massimo(campo) ? messaggio(campo) : QString();
}

QString messaggioElenco() {
    return regoleScheda::messaggio(regoleScheda::Campo::modalita);
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
