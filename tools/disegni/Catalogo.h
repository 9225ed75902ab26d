#pragma once

#include "Manichino.h"

#include <QString>
#include <QStringList>
#include <vector>

// The delivered exercise positions: one row per catalogue figure, with the muscles it trains and
// the pose its picture shows. The catalogue SQL is written from this same table.
struct Esercizio {
    int id_fig;
    double numero;
    Macchina macchina;
    QString nome;        // Italian name, written as a comment in the SQL
    QStringList muscoli; // 1 to 3 muscle-group codes
    Posa posa;
};

const std::vector<Esercizio>& catalogo();

// Identifier of a machine as stored in the catalogue.
QString idMacchina(Macchina m);

// Relative path of a figure's picture as stored in the catalogue ("images\esercizi\...").
QString percorsoFigura(const Esercizio& e);

// The five wrong positions of the usage-instructions sheet, in the order of their texts.
std::vector<Posa> posizioniSbagliate();
