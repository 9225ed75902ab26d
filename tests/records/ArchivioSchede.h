#pragma once

#include "comune/ArchivioDiProva.h"
#include "records/Esercizio.h"

#include <QStringList>
#include <cstdint>

// A test database with helpers that write athletes, cards and templates straight into the file,
// and read back what the records sent to the database.
class ArchivioSchede : public ArchivioDiProva {
protected:
    std::int32_t atletaDiretto(const QString& cognome = QStringLiteral("Rossi"),
                               const QString& nome = QStringLiteral("Mario")) const;
    // A card of the athlete in category 1 (Dimagrimento) with `esercizi` exercises numbered 1..n.
    std::int32_t schedaDiretta(std::int32_t idUtente, int esercizi = 0) const;
    // A template in category 2 (Tonificazione) with `esercizi` exercises numbered 1..n.
    std::int32_t modelloDiretto(const QString& descrizione, int esercizi = 0,
                                bool preimpostata = false) const;
    qlonglong conta(const QString& tabella, const QString& condizione = QStringLiteral("1 = 1")) const;
    // The statements sent through Execute since the log was last emptied, as written.
    QStringList istruzioni() const;

    // A platform exercise with figure `idFig`, 30s/35Hz/L, recovery 1:30, 3 series.
    static Esercizio esercizio(std::int32_t idFig, const QString& note = QString());
    static Esercizio libero(const QString& descrizione);
};
