#pragma once

#include <cstdint>

// What a long loading step needs from the window that shows its progress (the splash window).
class AvanzamentoBarra {
public:
    virtual ~AvanzamentoBarra() = default;
    virtual void barReset() = 0;
    virtual void barSetMax(std::int16_t max) = 0;
    virtual void barStep() = 0;
};
