#pragma once

#include "shell/ListaImmagini.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class AvanzamentoBarra;

// The card editor's two picture lists: ImageList1 holds the folder symbol (25 x 25, key "Cartella"),
// ImageList2 one entry per catalogue figure (150 x 150, keyed by the full path of its picture file).
// Start-up only prepares them; the pictures are decoded when the editor first needs them, so a program
// that never opens the editor neither waits for them nor keeps them in memory.
class ImmaginiScheda {
public:
    ListaImmagini ImageList1{QSize(25, 25)};
    ListaImmagini ImageList2{QSize(150, 150)};

    // Reads the catalogue's picture paths (one query) and checks each file's header, advancing `barra`
    // (which may be nullptr) once per figure; a missing or unreadable picture is reported as start-up
    // always did. Nothing is decoded: the lists stay empty until completa().
    void preparaImmagini(AvanzamentoBarra* barra);
    // Fills both lists with the prepared figures, in the catalogue's order; each figure's picture is
    // decoded when it is first asked for. A second call does nothing.
    void completa();
    bool complete() const { return complete_; }
    // Both at once.
    void caricaImmagini(AvanzamentoBarra* barra);

    // The picture decoded straight at the size that fits `lato` keeping its proportions; a file that
    // cannot be read gives a null image.
    static QImage leggiRidotta(const QString& percorso, QSize lato);
    // The same for a given screen density; safe on any thread.
    static QImage leggiRidotta(const QString& percorso, QSize lato, qreal rapporto);

private:
    QStringList chiavi_;
    QList<bool> leggibili_;
    bool cartellaLeggibile_ = false;
    bool complete_ = false;
};

// The lists of the card editor prepared at start-up (nullptr until prepared or after unloading),
// complete or not.
ImmaginiScheda* immaginiScheda();
// The same, completed first: what the editor's windows use.
ImmaginiScheda* immaginiSchedaComplete();
// What start-up does.
void preparaImmaginiScheda(AvanzamentoBarra& barra);
// Prepared and completed at once.
void caricaImmaginiScheda(AvanzamentoBarra& barra);
void scaricaImmaginiScheda();
