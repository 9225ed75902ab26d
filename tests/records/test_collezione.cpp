#include "records/Collezione.h"
#include "records/ValoreByte.h"

#include <gtest/gtest.h>

namespace {

TEST(Collezione, IndiciDaUnoEInserimentoPrima) {
    Collezione<QString> c;
    c.Add(QStringLiteral("b"));
    c.Add(QStringLiteral("d"));
    c.Add(QStringLiteral("a"), 1);
    c.Add(QStringLiteral("c"), 3);
    ASSERT_EQ(c.Count(), 4);
    QString tutto;
    for (long i = 1; i <= c.Count(); ++i)
        tutto += c.Item(i);
    EXPECT_EQ(tutto, QStringLiteral("abcd"));
    c.Remove(2);
    EXPECT_EQ(c.Item(2), QStringLiteral("c"));
    for (long fuori : {0L, 4L, -1L})
        EXPECT_THROW(c.Item(fuori), Errore) << fuori;
    EXPECT_THROW(c.Remove(0), Errore);
    EXPECT_THROW(c.Add(QStringLiteral("x"), 9), Errore);
}

TEST(Collezione, IRiferimentiRestanoValidiELeCopieSonoSeparate) {
    Collezione<QString> c;
    QString& primo = c.Add(QStringLiteral("uno"));
    for (int i = 0; i < 100; ++i)
        c.Add(QString::number(i), 1);
    primo += QStringLiteral("!");
    EXPECT_EQ(c.Item(101), QStringLiteral("uno!"));

    Collezione<QString> copia = c;
    copia.Item(101) = QStringLiteral("altro");
    EXPECT_EQ(c.Item(101), QStringLiteral("uno!"));
    c.Clear();
    EXPECT_TRUE(c.isEmpty());
    EXPECT_EQ(copia.Count(), 101);
}

TEST(ValoreByte, SoloDaZeroADuecentocinquantacinque) {
    struct {
        long long valore;
        bool entra;
    } casi[] = {{0, true},    {255, true}, {99, true},        {256, false},
                {300, false}, {-1, false}, {1LL << 40, false}};
    for (const auto& c : casi) {
        ValoreByte b = 7;
        if (c.entra) {
            b = c.valore;
            EXPECT_EQ(b, c.valore);
        } else {
            EXPECT_THROW(b = c.valore, Errore) << c.valore;
            EXPECT_EQ(b, 7);
        }
    }
    EXPECT_THROW(ValoreByte(static_cast<signed char>(-3)), Errore);
    EXPECT_EQ(ValoreByte(static_cast<unsigned char>(200)), 200);
}

} // namespace
