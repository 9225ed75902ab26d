#include "base/variabiliGlobali.h"

std::int32_t idUtenteSelezionato = 0;
std::int32_t idSchedaSelezionata = 0;
std::int32_t idModelloSelezionato = 0;
QString categoriaNuovoModello;
bool inChiusura = false;

void azzeraStatoGlobale() {
    idUtenteSelezionato = 0;
    idSchedaSelezionata = 0;
    idModelloSelezionato = 0;
    categoriaNuovoModello.clear();
    inChiusura = false;
}
