#pragma once

#include <cstdint>

// A display mode: width and height in pixels, colour depth in bits per pixel.
struct ModoSchermo {
    std::int32_t larghezza = 0;
    std::int32_t altezza = 0;
    std::int16_t profondita = 0;
    bool operator==(const ModoSchermo&) const = default;
};
