#pragma once

#include "shell/ListaImmagini.h"

#include <QImage>
#include <QSize>
#include <QString>

class AvanzamentoBarra;

// The card editor's two picture lists, built once at start-up because decoding every figure is slow:
// ImageList1 holds the folder symbol (25 x 25, key "Cartella"), ImageList2 one entry per catalogue
// figure (150 x 150, keyed by the full path of its picture file).
class ImmaginiScheda {
public:
    ListaImmagini ImageList1{QSize(25, 25)};
    ListaImmagini ImageList2{QSize(150, 150)};

    // Fills both lists, advancing `barra` once per figure as its picture is ready (it may be nullptr).
    // The pictures are decoded on every core; one query reads the catalogue.
    void caricaImmagini(AvanzamentoBarra* barra);

    // The picture decoded straight at the size that fits `lato` keeping its proportions; a file that
    // cannot be read gives a null image.
    static QImage leggiRidotta(const QString& percorso, QSize lato);
    // The same for a given screen density; safe on any thread.
    static QImage leggiRidotta(const QString& percorso, QSize lato, qreal rapporto);
};

// The lists of the card editor loaded at start-up (nullptr until loaded or after unloading).
ImmaginiScheda* immaginiScheda();
void caricaImmaginiScheda(AvanzamentoBarra& barra);
void scaricaImmaginiScheda();
