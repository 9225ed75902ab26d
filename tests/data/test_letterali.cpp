#include "base/Errore.h"
#include "data/LettoriCampi.h"
#include "data/db.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

TEST(Letterali, DataPerSQLEInversione) {
    struct {
        const char* data;
        const char* sql;
        const char* invertita;
    } casi[] = {
        {"05/12/2004", "#12/05/2004#", "12/05/2004"},
        {"31/01/99", "#01/31/99#", "01/31/99"},
        {"", "null", ""},
        {"5/12/04", "##", ""},                  // seven characters or fewer: the engine then rejects "##"
        {"1/2/2004", "#/2/1//04#", "/2/1//04"}, // the swap assumes two-digit day and month
    };
    for (const auto& c : casi) {
        EXPECT_EQ(DB::dataPerSQL(QString::fromUtf8(c.data)).toStdString(), c.sql) << c.data;
        EXPECT_EQ(DB::invertiGiornoMese(QString::fromUtf8(c.data)).toStdString(), c.invertita) << c.data;
    }
}

TEST(Letterali, CorrectApiciEBooleani) {
    EXPECT_EQ(DB::correctApici(QStringLiteral("l'amico dell'atleta")), QStringLiteral("l`amico dell`atleta"));
    EXPECT_EQ(DB::correctApici(QStringLiteral("senza apici")), QStringLiteral("senza apici"));
    EXPECT_EQ(DB::correctApici(QString()), QString());
    EXPECT_EQ(DB::convBooleanToDB(true), QStringLiteral("TRUE"));
    EXPECT_EQ(DB::convBooleanToDB(false), QStringLiteral("FALSE"));
    EXPECT_EQ(DB::testoData(QDate(2004, 12, 5)), QStringLiteral("05/12/2004"));
    EXPECT_EQ(DB::testoData(QDate()), QString());
}

TEST(Letterali, RipristinaApiciRendeLApostrofoDigitato) {
    struct {
        const char* salvato;
        const char* mostrato;
    } casi[] = {
        {"D`Amico", "D'Amico"},
        {"l`amico dell`atleta", "l'amico dell'atleta"},
        {"senza apici", "senza apici"},
        {"", ""},
    };
    for (const auto& c : casi) {
        const QString salvato = QString::fromUtf8(c.salvato), mostrato = QString::fromUtf8(c.mostrato);
        EXPECT_EQ(DB::ripristinaApici(salvato), mostrato) << c.salvato;
        // Read and written again, a text keeps its stored form.
        EXPECT_EQ(DB::correctApici(DB::ripristinaApici(salvato)), salvato) << c.salvato;
    }
}

TEST(LettoriCampi, NullEConversioni) {
    EXPECT_EQ(nzStringa(QVariant()), QString());
    EXPECT_EQ(nzStringa(QVariant(qlonglong(12))), QStringLiteral("12"));
    EXPECT_EQ(nzStringa(QVariant(QDate(2004, 12, 5))), QStringLiteral("05/12/2004"));
    // No date stays no date: nothing is made up in its place.
    for (const QVariant& vuota : {QVariant(), QVariant(QStringLiteral("")), QVariant(QStringLiteral("  "))})
        EXPECT_TRUE(nzData(vuota).isNull()) << vuota.toString().toStdString();
    EXPECT_EQ(nzData(QVariant(QDate(2004, 12, 5))), QDate(2004, 12, 5));
    EXPECT_EQ(nzData(QVariant(QStringLiteral("05/12/2004"))), QDate(2004, 12, 5));
    EXPECT_EQ(nzByte(QVariant()), 0);
    EXPECT_EQ(nzByte(QVariant(qlonglong(255))), 255);
    EXPECT_EQ(nzByte(QVariant(QStringLiteral("3"))), 3);
    EXPECT_EQ(cSingle(QVariant(12.5)), 12.5);
    EXPECT_TRUE(cBool(QVariant(true)));
    EXPECT_FALSE(cBool(QVariant(qlonglong(0))));
}

TEST(LettoriCampi, ValoriCheNonEntranoSonoErrori) {
    EXPECT_THROW(nzByte(QVariant(qlonglong(300))), Errore);
    EXPECT_THROW(nzByte(QVariant(qlonglong(-1))), Errore);
    EXPECT_THROW(nzByte(QVariant(QStringLiteral("tre"))), Errore);
    EXPECT_THROW(nzData(QVariant(QStringLiteral("ieri"))), Errore);
    EXPECT_THROW(cStringa(QVariant()), Errore);
    EXPECT_THROW(cLong(QVariant()), Errore);
    try {
        nzByte(QVariant(qlonglong(300)));
    } catch (const Errore& e) {
        EXPECT_EQ(e.numero(), NumeriErrore::Overflow);
    }
}

} // namespace
