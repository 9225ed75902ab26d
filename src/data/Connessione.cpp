#include "data/Connessione.h"

namespace {

constexpr int attesaPredefinitaMs = 10000;
int attesaOccupatoMs = attesaPredefinitaMs;

} // namespace

int Connessione::attesaOccupato() {
    return attesaOccupatoMs;
}

void Connessione::impostaAttesaOccupato(int millisecondi) {
    attesaOccupatoMs = millisecondi < 0 ? attesaPredefinitaMs : millisecondi;
}
