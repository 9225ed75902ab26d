#include "records/LimitiEsercizio.h"

#include <gtest/gtest.h>

namespace {

using limitiEsercizio::Numero;

TEST(limitiEsercizio, OgniCasellaAccettaFinoAlSuoMassimo) {
    struct {
        Numero campo;
        const char* testo;
        const char* messaggio; // "" when accepted
    } casi[] = {
        {Numero::serie, "99", ""},
        {Numero::serie, "100", "Valore troppo grande!"},
        {Numero::serie, "150", "Valore troppo grande!"},
        {Numero::serie, "0099", ""},
        {Numero::recuperoSec, "59", ""},
        {Numero::recuperoSec, "60", "Inserire un numero tra 0 e 59"},
        {Numero::recuperoSec, "75", "Inserire un numero tra 0 e 59"},
        {Numero::recuperoMin, "255", ""},
        {Numero::recuperoMin, "256", "Inserire un numero tra 0 e 255"},
        {Numero::recuperoMin, "300", "Inserire un numero tra 0 e 255"},
        // An empty box reads 0, as the exercise reads it.
        {Numero::serie, "", ""},
        {Numero::recuperoSec, "", ""},
        {Numero::recuperoMin, "", ""},
        // Too long to be a byte, and never wrapped round into one.
        {Numero::recuperoMin, "99999999999", "Inserire un numero tra 0 e 255"},
        {Numero::serie, "4294967296", "Valore troppo grande!"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(limitiEsercizio::controlla(c.campo, QString::fromLatin1(c.testo)),
                  QString::fromUtf8(c.messaggio))
            << static_cast<int>(c.campo) << " " << c.testo;
}

TEST(limitiEsercizio, LeggiNumeroPrendeLeCifreIniziali) {
    const std::pair<const char*, long> casi[] = {{"", 0},    {"12", 12}, {" 7 ", 7}, {"12abc", 12},
                                                 {"abc", 0}, {"007", 7}, {"-3", 0}};
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(limitiEsercizio::leggiNumero(QString::fromLatin1(testo)), atteso) << testo;
}

} // namespace
