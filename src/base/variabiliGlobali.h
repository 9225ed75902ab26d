#pragma once

#include <QString>
#include <cstdint>

// The selection state through which windows hand their results to each other (0 = none).
extern std::int32_t idUtenteSelezionato;
extern std::int32_t idSchedaSelezionata;
extern std::int32_t idModelloSelezionato; // -1 when the template list was cancelled
extern QString categoriaNuovoModello;
extern bool inChiusura;

// Back to the state of a fresh start (tests).
void azzeraStatoGlobale();
