#include "data/Connessione.h"

#include <atomic>

namespace {

constexpr int attesaPredefinitaMs = 10000;
int attesaOccupatoMs = attesaPredefinitaMs;
std::atomic<long long> istruzioni{0};

} // namespace

int Connessione::attesaOccupato() {
    return attesaOccupatoMs;
}

void Connessione::impostaAttesaOccupato(int millisecondi) {
    attesaOccupatoMs = millisecondi < 0 ? attesaPredefinitaMs : millisecondi;
}

long long Connessione::istruzioniInviate() {
    return istruzioni.load(std::memory_order_relaxed);
}

void Connessione::contaIstruzione() {
    istruzioni.fetch_add(1, std::memory_order_relaxed);
}
