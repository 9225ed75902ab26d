#include "printing/ContatoreTempi.h"

#include "base/Errore.h"
#include "base/ValoreIniziale.h"
#include "records/SchedaEditabile.h"
#include "records/cTime.h"

#include <cmath>

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
    if (!display)
        return;
    display->impostaTestoPannello(QStringLiteral("status"), testo);
    const std::int64_t pedana = scheda ? secondiSuPedana(*scheda) : 0;
    display->impostaTestoPannello(QStringLiteral("pedana"), testoDurata(pedana));
    display->segnalaPannello(QStringLiteral("pedana"), oltreLimite(pedana, limitePedana),
                             suggerimentoPedana(pedana, limitePedana));
}

std::int64_t ContatoreTempi::secondiSuPedana(const SchedaEditabile& s) {
    std::int64_t totale = 0;
    for (const Esercizio& e : s.esercizi) {
        if (e.isLibero || e.id_fig == 0)
            continue;
        const double secondi = std::nearbyint(static_cast<int>(e.serie) * valoreIniziale(e.durata));
        if (std::isfinite(secondi) && secondi > 0 && secondi < 1e12)
            totale += static_cast<std::int64_t>(secondi);
    }
    return totale;
}

QString ContatoreTempi::testoDurata(std::int64_t secondi) {
    const std::int64_t ore = secondi / 3600;
    const QString resto = QStringLiteral("%1:%2")
                              .arg(secondi / 60 % 60, 2, 10, QLatin1Char('0'))
                              .arg(secondi % 60, 2, 10, QLatin1Char('0'));
    return ore ? QString::number(ore) + QLatin1Char(':') + resto : resto;
}

QString ContatoreTempi::suggerimentoPedana(std::int64_t secondi, int limite) {
    const QString cosa =
        QStringLiteral("Tempo sulla pedana della seduta: durata degli esercizi per le serie, "
                       "senza recuperi né esercizi liberi.");
    if (limite <= 0)
        return cosa;
    const QString testoLimite = testoDurata(limite);
    if (oltreLimite(secondi, limite))
        return QStringLiteral("Oltre il limite per seduta impostato dalla palestra (%1).\n")
                   .arg(testoLimite) +
               cosa;
    return QStringLiteral("Limite per seduta impostato dalla palestra: %1.\n").arg(testoLimite) + cosa;
}
