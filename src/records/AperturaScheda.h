#pragma once

#include "records/SchedaEditabile.h"

#include <cstdint>
#include <memory>

// What the card editor opens, decided from the selection state before any record is read.
struct AperturaScheda {
    enum class Cosa {
        scheda,          // a stored card, `id`
        modello,         // a template, `id`, edited as such
        schedaDaModello, // a new card of athlete `idUtente` starting from template `id`
        nuovaScheda,     // an empty new card of athlete `idUtente`
    };
    Cosa cosa = Cosa::nuovaScheda;
    std::int32_t id = 0;
    std::int32_t idUtente = 0;

    bool operator==(const AperturaScheda&) const = default;

    // A named card wins over a template; a template without an athlete is opened itself, with an
    // athlete it is the start of a new card. No card and no template (0, or -1 after a template
    // list left with Annulla) give a new empty card.
    static AperturaScheda da(std::int32_t idScheda, std::int32_t idModello, std::int32_t idUtente);
};

// The card or template to edit, read as the editor needs it: header and stored exercises, or a
// new card filled from its template.
std::unique_ptr<SchedaEditabile> caricaPerEditor(const AperturaScheda& apertura);

// The athlete a card belongs to; 0 for a template. The editor shows it when a card was named
// without its athlete.
std::int32_t atletaDellaScheda(const SchedaEditabile& scheda);

// A template delivered with the program is read-only: the editor cannot save it.
bool salvabile(const SchedaEditabile& scheda);
