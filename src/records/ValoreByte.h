#pragma once

#include "base/Errore.h"

#include <QString>
#include <concepts>
#include <cstdint>
#include <type_traits>

// A number held in one byte (0 to 255), as the database columns of settings and counters are.
// Assigning a value that does not fit raises the overflow error instead of wrapping round, so a
// series count typed as 300 is reported to whoever wrote it.
class ValoreByte {
public:
    ValoreByte() = default;
    template <std::integral T>
    ValoreByte(T valore) { // NOLINT: implicit on purpose, the members read like plain numbers
        bool entra;
        if constexpr (std::is_signed_v<T>)
            entra = static_cast<long long>(valore) >= 0 && static_cast<long long>(valore) <= 255;
        else
            entra = static_cast<unsigned long long>(valore) <= 255;
        if (!entra)
            throw Errore(NumeriErrore::Overflow,
                         QStringLiteral("Overflow: il valore %1 non è compreso tra 0 e 255.")
                             .arg(static_cast<long long>(valore)),
                         QStringLiteral("Vibrana"));
        valore_ = static_cast<std::uint8_t>(valore);
    }
    operator int() const { return valore_; }

private:
    std::uint8_t valore_ = 0;
};
