#pragma once

#include <cstdint>

// Rounds up to the next whole number (a whole number stays as it is), as a 16-bit integer.
// Throws Errore (overflow) when the result does not fit.
std::int16_t arrotondaSuperiore(double numero);
