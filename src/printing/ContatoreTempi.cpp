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
    if (display)
        display->impostaTestoPannello(QStringLiteral("status"), testo);
}
