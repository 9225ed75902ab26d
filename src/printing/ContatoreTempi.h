#pragma once

#include <QString>
#include <cstdint>

class SchedaEditabile;

// Anything that shows texts in panels known by key, such as the card editor's status bar.
class PannelliStato {
public:
    virtual ~PannelliStato() = default;
    virtual void impostaTestoPannello(const QString& chiave, const QString& testo) = 0;
    // Marks a panel as past a limit, with the hint that says which; one that cannot show it ignores it.
    virtual void segnalaPannello(const QString& chiave, bool oltreLimite, const QString& suggerimento) {
        (void)chiave;
        (void)oltreLimite;
        (void)suggerimento;
    }
};

// How long a workout on the machine takes when the card is followed once: the time spent on the
// machine, the recovery between series, and their sum, written into the panel "status".
class ContatoreTempi {
public:
    SchedaEditabile* scheda = nullptr;
    PannelliStato* display = nullptr;

    // The gym's ceiling on a session's time on the platform, in seconds; 0 = none.
    int limitePedana = 0;

    // Counts and writes the text into "status", and the platform time (as testoDurata) into "pedana" (marked
    // when past the limit); a count that overflows raises the error and writes nothing.
    void contaEstampa();
    // The text contaEstampa writes.
    QString testoTempi() const;

    // The session's time on the platform: each exercise's duration times its series, recovery left
    // out, free exercises and those without a picture too (as the effective time counts them).
    static std::int64_t secondiSuPedana(const SchedaEditabile& scheda);
    // A duration as the totals write it: minutes:seconds, the hours in front when there are any.
    static QString testoDurata(std::int64_t secondi);
    // The hint of the panel: what the figure counts and, when a limit is set, the limit.
    static QString suggerimentoPedana(std::int64_t secondi, int limite);
    static bool oltreLimite(std::int64_t secondi, int limite) { return limite > 0 && secondi > limite; }
};
