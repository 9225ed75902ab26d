#include "printing/ContatoreTempi.h"

#include "base/Errore.h"
#include "records/SchedaEditabile.h"
#include "records/cTime.h"

#include <cmath>

double valoreIniziale(const QString& testo) {
    QString numero;
    bool cifre = false, punto = false, esponente = false;
    int i = 0;
    const int n = testo.size();
    auto salta = [&] {
        while (i < n && (testo[i] == u' ' || testo[i] == u'\t' || testo[i] == u'\n' || testo[i] == u'\r'))
            ++i;
    };
    salta();
    if (i < n && (testo[i] == u'-' || testo[i] == u'+'))
        numero += testo[i++];
    for (; i < n; ++i) {
        const QChar c = testo[i];
        if (c == u' ' || c == u'\t')
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

QString ContatoreTempi::testoTempi() const {
    cTime effettivo, recupero, totale;
    if (scheda) {
        for (const Esercizio& e : scheda->esercizi) {
            if (e.isLibero || e.id_fig == 0)
                continue;
            const double d = valoreIniziale(e.durata);
            // Rounded to the nearest whole second, halves to the even neighbour.
            const double secondi = std::nearbyint(static_cast<int>(e.serie) * d);
            if (!std::isfinite(secondi) || secondi < -32768 || secondi > 32767)
                throw Errore(NumeriErrore::Overflow, QStringLiteral("Overflow"),
                             QStringLiteral("ContatoreTempi"));
            effettivo.Add(0, 0, static_cast<std::int16_t>(secondi));
            // Recovery follows every series, the last one included.
            recupero.Add(0, prodotto16(e.recuperoMin, e.serie), prodotto16(e.recuperoSec, e.serie));
        }
    }
    totale.addTime(effettivo);
    totale.addTime(recupero);
    return QStringLiteral("Tempi Vibrana: ") + QStringLiteral("Tempo effettivo: ") + effettivo.getTime() +
           QStringLiteral(" - ") + QStringLiteral("Tempo recupero: ") + recupero.getTime() +
           QStringLiteral(" - ") + QStringLiteral("Tempo totale: ") + totale.getTime() +
           QStringLiteral("              [NOTA: Nel caso di allenamento a circuito il conteggio dei tempi "
                          "riguarda solo uno di essi]");
}

void ContatoreTempi::contaEstampa() {
    const QString testo = testoTempi();
    if (display)
        display->impostaTestoPannello(QStringLiteral("status"), testo);
}
