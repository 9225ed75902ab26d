#include "base/ValoreIniziale.h"

#include <gtest/gtest.h>

namespace {

// One reading for the start counter and for the exercise durations.
TEST(valoreIniziale, NumeroInTestaAlTesto) {
    struct {
        const char* testo;
        double atteso;
    } casi[] = {
        // start counter
        {"8", 8},
        {" 12", 12},
        {"3.5", 3.5},
        {"4abc", 4},
        {"abc", 0},
        {"", 0},
        {"-2", -2},
        {"+7x", 7},
        {".5", 0.5},
        {"1e2", 100},
        {"ERR:Dati non trovati", 0},
        // durations
        {"30s", 30},
        {"45s", 45},
        {"s30", 0},
        {" 60s", 60},
        {"2.5s", 2.5},
        {"-5s", -5},
        {"1e2x", 100},
        {"1ex", 1},
        {"1.2.3", 1.2},
        {"30,5s", 30},
        // blanks are skipped inside the number too, line breaks included
        {"3 0s", 30},
        {"- 5", -5},
        {"\t1\r\n2", 12},
        {"-", 0},
        {".", 0},
        {"1e999", 0},
    };
    for (const auto& c : casi)
        EXPECT_DOUBLE_EQ(valoreIniziale(QString::fromUtf8(c.testo)), c.atteso) << c.testo;
}

} // namespace
