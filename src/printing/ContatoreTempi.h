#pragma once

#include <QString>

class SchedaEditabile;

// Anything that shows texts in panels known by key, such as the card editor's status bar.
class PannelliStato {
public:
    virtual ~PannelliStato() = default;
    virtual void impostaTestoPannello(const QString& chiave, const QString& testo) = 0;
};

// How long a workout on the machine takes when the card is followed once: the time spent on the
// machine, the recovery between series, and their sum, written into the panel "status".
class ContatoreTempi {
public:
    SchedaEditabile* scheda = nullptr;
    PannelliStato* display = nullptr;

    // Counts and writes the text; a count that overflows raises the error and writes nothing.
    void contaEstampa();
    // The text contaEstampa writes.
    QString testoTempi() const;
};
