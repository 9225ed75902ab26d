#include "base/Errore.h"
#include "records/cTime.h"

#include <gtest/gtest.h>

namespace {

TEST(cTime, SommeERiporti) {
    struct {
        int h, m, s;    // start, set directly
        int ah, am, as; // added
        const char* atteso;
    } casi[] = {
        {0, 59, 59, 0, 0, 1, "1:00:00"},
        {0, 0, 0, 0, 0, 90, "01:30"},
        {0, 0, 0, 0, 75, 0, "1:15:00"},
        {0, 0, 0, 0, 0, 5, "00:05"},
        {0, 0, 0, 0, 0, 0, "00:00"},
        {0, 5, 30, 0, 0, 0, "05:30"},
        {1, 5, 3, 0, 0, 0, "1:05:03"},
        {0, 0, 90, 0, 0, 0, "01:30"},      // an addition normalises what setTime stored
        {2, 59, 59, 0, 59, 59, "3:59:58"}, // two carries at once
        {0, 0, 0, 0, 150, 0, "2:30:00"},
        {0, 0, 0, 0, 100, 6000, "3:20:00"},
        {0, 0, 0, 0, 0, -1, "-1:-01:-01"}, // floor for the carry, remainder with the dividend's sign
        {0, 0, 0, 12, 0, 0, "12:00:00"},
    };
    for (const auto& c : casi) {
        cTime t;
        t.setTime(static_cast<std::int16_t>(c.h), static_cast<std::int16_t>(c.m),
                  static_cast<std::int16_t>(c.s));
        t.Add(static_cast<std::int16_t>(c.ah), static_cast<std::int16_t>(c.am),
              static_cast<std::int16_t>(c.as));
        EXPECT_EQ(t.getTime().toStdString(), c.atteso)
            << c.h << ":" << c.m << ":" << c.s << " + " << c.ah << ":" << c.am << ":" << c.as;
    }
}

TEST(cTime, SenzaSommaNienteNormalizzazione) {
    struct {
        int h, m, s;
        const char* atteso;
    } casi[] = {
        {0, 0, 90, "00:90"},
        {0, 120, 5, "120:05"},
        {-2, 3, 4, "-2:03:04"},
    };
    for (const auto& c : casi) {
        cTime t;
        t.setTime(static_cast<std::int16_t>(c.h), static_cast<std::int16_t>(c.m),
                  static_cast<std::int16_t>(c.s));
        EXPECT_EQ(t.getTime().toStdString(), c.atteso);
    }
}

TEST(cTime, AddTimeNonCambiaLAltro) {
    cTime a, b;
    a.setTime(0, 40, 50);
    b.setTime(1, 30, 20);
    a.addTime(b);
    EXPECT_EQ(a.getTime(), QStringLiteral("2:11:10"));
    EXPECT_EQ(b.getTime(), QStringLiteral("1:30:20"));
    EXPECT_EQ(a.ore(), 2);
    EXPECT_EQ(a.minuti(), 11);
    EXPECT_EQ(a.secondi(), 10);
}

TEST(cTime, OltreISedicibitEUnErrore) {
    cTime t;
    t.setTime(0, 0, 32767);
    try {
        t.Add(0, 0, 1);
        ADD_FAILURE();
    } catch (const Errore& e) {
        EXPECT_EQ(e.numero(), NumeriErrore::Overflow);
    }
    EXPECT_EQ(t.getTime(), QStringLiteral("00:32767")); // nothing written yet

    cTime ore;
    ore.setTime(32767, 59, 0);
    // Seconds and minutes are written before the hours overflow.
    EXPECT_THROW(ore.Add(0, 1, 0), Errore);
    EXPECT_EQ(ore.minuti(), 0);
    EXPECT_EQ(ore.ore(), 32767);
}

} // namespace
