#pragma once

#include "shell/AvanzamentoBarra.h"

// Progress that nobody watches: loading without the splash window (tests, timings).
class SenzaAvanzamento : public AvanzamentoBarra {
public:
    void barReset() override {}
    void barSetMax(std::int16_t) override {}
    void barStep() override {}
};
