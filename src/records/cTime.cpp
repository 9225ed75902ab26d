#include "records/cTime.h"

#include "base/Errore.h"

namespace {

std::int16_t entro16(long v) {
    if (v < -32768 || v > 32767)
        throw Errore(NumeriErrore::Overflow, QStringLiteral("Overflow"), QStringLiteral("cTime"));
    return static_cast<std::int16_t>(v);
}

// Division rounding towards minus infinity, so negative parts borrow correctly.
long diviso60(long v) {
    return v >= 0 ? v / 60 : -((-v + 59) / 60);
}

QString dueCifre(std::int16_t v) {
    if (v >= 0)
        return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    return QStringLiteral("-%1").arg(-static_cast<int>(v), 2, 10, QLatin1Char('0'));
}

} // namespace

std::int16_t somma16(long a, long b) {
    return entro16(a + b);
}
std::int16_t prodotto16(long a, long b) {
    return entro16(a * b);
}

void cTime::setTime(std::int16_t newH, std::int16_t newM, std::int16_t newS) {
    ore_ = newH;
    minuti_ = newM;
    secondi_ = newS;
}

QString cTime::getTime() const {
    QString t;
    if (ore_ != 0)
        t = QString::number(ore_) + QLatin1Char(':');
    return t + dueCifre(minuti_) + QLatin1Char(':') + dueCifre(secondi_);
}

void cTime::Add(std::int16_t newH, std::int16_t newM, std::int16_t newS) {
    const std::int16_t s = somma16(secondi_, newS);
    const std::int16_t m = somma16(somma16(minuti_, newM), diviso60(s));
    secondi_ = static_cast<std::int16_t>(s % 60);
    minuti_ = static_cast<std::int16_t>(m % 60);
    ore_ = somma16(somma16(diviso60(m), newH), ore_);
}

void cTime::addTime(const cTime& time) {
    Add(time.ore(), time.minuti(), time.secondi());
}
