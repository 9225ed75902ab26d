#pragma once

#include "base/Twips.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// One element of a printed sheet. Every length is in twips from the sheet's top-left corner; a line
// runs from (left, top) to (left + width, top + height).
struct ElementoFoglio {
    enum class Tipo { Etichetta, Immagine, Linea, Cornice };

    Tipo tipo = Tipo::Etichetta;
    QString nome;
    int indice = -1; // position in a group of alike elements; -1 for a single element
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool visibile = true;

    // Labels.
    QString testo;
    QStringList famiglie; // the first family installed is used
    double punti = 8.25;
    bool grassetto = false;
    bool corsivo = false;
    int allineamento = 0; // Qt::Alignment flags; 0 = left and top
    QColor colore = Qt::black;
    QColor sfondo;      // invalid = transparent
    bool bordo = false; // a thin frame round a label, or the outline of a frame

    // Pictures: the file, drawn stretched into the element's rectangle.
    QString immagine;

    // An element of the given kind, name and place; everything else keeps its default.
    static ElementoFoglio posto(Tipo tipo, const QString& nome, int indice, double left, double top,
                                double width, double height);
};

// The elements of a sheet, designed once; the layout code only moves, fills, shows and hides them.
// Elements are drawn in the order they were added.
class Foglio {
public:
    static constexpr double larghezza = twips::daCentimetri(20);
    static constexpr double altezza = twips::daCentimetri(28);

    ElementoFoglio& aggiungi(ElementoFoglio e);
    // Throws Errore when the sheet has no such element.
    ElementoFoglio& el(const QString& nome, int indice = -1);
    const ElementoFoglio& el(const QString& nome, int indice = -1) const;
    const ElementoFoglio* trova(const QString& nome, int indice = -1) const;

    const std::vector<ElementoFoglio>& elementi() const { return elementi_; }

private:
    static QString chiave(const QString& nome, int indice);
    std::vector<ElementoFoglio> elementi_;
    QHash<QString, std::size_t> posizioni_;
};

// The elements as the sheets design them: a label, a picture, a light grey rule from (x1, y1) to
// (x2, y2). Whatever a helper does not take keeps its default.
namespace ElementiFoglio {
ElementoFoglio etichetta(const QString& nome, int indice, double left, double top, double width,
                         double height, const QString& testo, const QStringList& famiglie, double punti,
                         bool grassetto = false, bool corsivo = false);
ElementoFoglio immagine(const QString& nome, int indice, double left, double top, double width, double height,
                        const QString& file = {});
ElementoFoglio linea(const QString& nome, double x1, double y1, double x2, double y2);
} // namespace ElementiFoglio

// Font families asked for by the sheets, each followed by installed look-alikes.
namespace FamiglieFoglio {
QStringList msSansSerif();
QStringList arial();
QStringList verdana();
QStringList centuryGothic();
QStringList timesNewRoman();
} // namespace FamiglieFoglio
