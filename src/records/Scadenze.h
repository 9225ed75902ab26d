#pragma once

#include "base/Orologio.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The cards that are running out: of each athlete only the latest card (highest end of period, then
// highest number) counts, and it is listed when its period ends between `giorniPassati` days ago and
// `giorni` days from today.
struct SchedaInScadenza {
    std::int32_t id_scheda = 0;
    std::int32_t id_utente = 0;
    QString cognome;
    QString nome;
    QString PeriodoDal; // dd/MM/yyyy; empty = no date
    QString PeriodoAl;
    int giorniRimasti = 0; // negative once the period is over
    QString Istruttore;
    QString categoria;
};

namespace Scadenze {
constexpr int giorniPredefiniti = 7;
constexpr int giorniPassati = 30;
constexpr int giorniMassimi = 365;
} // namespace Scadenze

// In one query, sorted by days left (then by card number). Passes the register's errors on.
std::vector<SchedaInScadenza> schedeInScadenza(int giorni, const QDate& giorno = oggi());

// The days ahead the list looks at, kept in the user's settings (7 until changed).
int giorniScadenzaSalvati();
void salvaGiorniScadenza(int giorni);

// The period of a renewed card: it starts the day after the old one ends, or `giorno` when that day is
// already past, and lasts as long. A period of whole months (the 15th to the 14th, the 1st to the last
// day of a month) is renewed by months, so it keeps ending the day before its start day or on a month
// end; any other by its number of days. Without a start date the old period counts as one month.
// Nothing when the old card has no end date.
struct Periodo {
    QDate dal;
    QDate al;
    bool operator==(const Periodo&) const = default;
};
std::optional<Periodo> periodoRinnovato(const QDate& dal, const QDate& al, const QDate& giorno = oggi());

// A new card for the same athlete with the header and the exercises of card `idScheda` (free ones and
// figures included) and the renewed period, stored in one transaction; the old card is not touched.
// Returns the new card's number, 0 when nothing was stored (the reason has been shown). Raises Errore
// when the old card has no end date or its category no longer exists.
std::int32_t rinnovaScheda(std::int32_t idScheda, const QDate& giorno = oggi());
