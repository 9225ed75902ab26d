#pragma once

#include <QString>
#include <cstdint>

// A duration in hours, minutes and seconds, each a signed 16-bit number. Additions carry
// seconds into minutes and minutes into hours; a sum beyond the 16-bit range raises the
// overflow error. The text form is minutes:seconds, with the hours in front when not zero.
class cTime {
public:
    // Stored as given, without normalising.
    void setTime(std::int16_t newH, std::int16_t newM, std::int16_t newS);
    QString getTime() const;
    void Add(std::int16_t newH, std::int16_t newM, std::int16_t newS);
    void addTime(const cTime& time);

    std::int16_t ore() const { return ore_; }
    std::int16_t minuti() const { return minuti_; }
    std::int16_t secondi() const { return secondi_; }

private:
    std::int16_t ore_ = 0;
    std::int16_t minuti_ = 0;
    std::int16_t secondi_ = 0;
};

// 16-bit arithmetic that raises the overflow error instead of wrapping round.
std::int16_t somma16(long a, long b);
std::int16_t prodotto16(long a, long b);
