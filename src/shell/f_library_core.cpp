#include "shell/f_library_core.h"

#include "base/Errore.h"

#include <cmath>

std::int16_t arrotondaSuperiore(double numero) {
    double r = std::floor(numero);
    if (r != numero)
        r += 1;
    if (!std::isfinite(r) || r < -32768 || r > 32767)
        throw Errore(NumeriErrore::Overflow, QStringLiteral("Overflow"),
                     QStringLiteral("arrotondaSuperiore"));
    return static_cast<std::int16_t>(r);
}
