#pragma once

#include "comune/ArchivioDiProva.h"
#include "records/Esercizio.h"

#include <QColor>
#include <QString>
#include <cstdint>

// A test database with pictures on disk: figures whose files are plain coloured pictures, cards
// written straight into the file.
class ArchivioStampa : public ArchivioDiProva {
protected:
    // A figure with id `id` whose picture (w x h pixels, one colour) lies at images/esercizi/fN.jpg.
    void figura(std::int32_t id, QColor colore = Qt::blue, int w = 152, int h = 133) const;
    // Writes a picture of one colour at a path relative to the program folder; returns its full path.
    QString immagine(const QString& relativo, QColor colore, int w, int h) const;
    // A picture of random pixels, which JPEG cannot shrink, so that its file is larger than a file's
    // write buffer; returns its full path.
    QString immagineRumorosa(const QString& relativo, int lato) const;
    // An athlete "Rossi Mario" and a card with `esercizi` platform exercises on figure `idFig`
    // (numbered 1..n), final notes `note` and training days `giorni`.
    std::int32_t scheda(int esercizi, const QString& note = QStringLiteral("Bere molta acqua"),
                        const QString& giorni = QStringLiteral("001010100"), std::int32_t idFig = 1) const;
    // Stores the gym record directly.
    void palestraDiretta(const QString& logo) const;

    static Esercizio esercizio(std::int32_t nprog, std::int32_t idFig = 1);
    static Esercizio libero(std::int32_t nprog, const QString& descrizione);
};
