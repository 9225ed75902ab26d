#pragma once

#include <QString>

// The gym record: the single row of the table palestra.
class palestra {
public:
    QString nome;
    QString responsabile;
    QString logo; // full path of the logo picture; empty = no logo
    // The gym's own ceiling on a session's time on the platform, in seconds; 0 = none (the default).
    // The program suggests no value: it only shows when a card goes past the one set here.
    int limitePedana = 0;

    // Where the limit is kept: a parameter of the register, beside the gym's row, on either engine.
    static const QString parametroLimitePedana;
    // The limit as stored, without reading the rest of the record (0 when none or unreadable).
    static int leggiLimitePedana();

    // Writes the record into the row (inserting it the first time) and the limit, as one group;
    // true when stored.
    bool save();
    // Reads the first row; an empty table is reported and gives false.
    bool carica();
    // As carica, without a message for an empty table (a gym never customised has no logo to print).
    bool leggi();
};
