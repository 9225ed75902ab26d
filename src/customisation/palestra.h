#pragma once

#include <QString>

// The gym record: the single row of the table palestra.
class palestra {
public:
    QString nome;
    QString responsabile;
    QString logo; // full path of the logo picture; empty = no logo

    // Writes the record into the row (inserting it the first time); true when stored.
    bool save();
    // Reads the first row; an empty table is reported and gives false.
    bool carica();
    // As carica, without a message for an empty table (a gym never customised has no logo to print).
    bool leggi();
};
