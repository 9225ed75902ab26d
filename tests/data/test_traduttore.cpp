#include "base/Errore.h"
#include "data/TraduttoreJet.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const char* jet;
    const char* sqlite;
};

class Traduzione : public ::testing::TestWithParam<Caso> {};

TEST_P(Traduzione, DaJetASqlite) {
    EXPECT_EQ(traduciJet(QString::fromUtf8(GetParam().jet)).toStdString(), GetParam().sqlite);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Traduzione,
    ::testing::Values(Caso{"DELETE * FROM schede WHERE id_scheda=3", "DELETE FROM schede WHERE id_scheda=3"},
                      Caso{"delete * from utenti", "delete from utenti"},
                      Caso{"DELETE FROM utenti", "DELETE FROM utenti"},
                      Caso{"SELECT * FROM x WHERE d = #12/05/2004#",
                           "SELECT * FROM x WHERE d = '2004-12-05'"},
                      Caso{"VALUES (#1/2/2004#)", "VALUES ('2004-01-02')"},
                      Caso{"VALUES (#12/31/99#, #01/01/05#)", "VALUES ('1999-12-31', '2005-01-01')"},
                      Caso{"SET a = TRUE, b = false, c = True", "SET a = 1, b = 0, c = 1"},
                      Caso{"SELECT TRUEVALUE, XFALSE FROM t", "SELECT TRUEVALUE, XFALSE FROM t"},
                      Caso{"INSERT INTO utenti (nome,[Note]) VALUES ('a','b')",
                           "INSERT INTO utenti (nome,\"Note\") VALUES ('a','b')"},
                      // Nothing inside a literal is touched.
                      Caso{"VALUES ('#12/05/2004# TRUE [x] DELETE * FROM')",
                           "VALUES ('#12/05/2004# TRUE [x] DELETE * FROM')"},
                      Caso{"VALUES ('l`amico', 'it''s')", "VALUES ('l`amico', 'it''s')"},
                      Caso{"VALUES (\"doppie 'virgolette'\")", "VALUES ('doppie ''virgolette''')"},
                      Caso{"SELECT * FROM t WHERE a = ''", "SELECT * FROM t WHERE a = ''"},
                      Caso{"SELECT  * FROM muscoli ORDER BY NOME", "SELECT  * FROM muscoli ORDER BY NOME"}));

// The same statements for the server: [names] differ, the rest is shared.
struct CasoServer {
    const char* jet;
    const char* server;
};

class TraduzioneServer : public ::testing::TestWithParam<CasoServer> {};

TEST_P(TraduzioneServer, DaJetAPostgreSQL) {
    EXPECT_EQ(traduciJet(QString::fromUtf8(GetParam().jet), Dialetto::PostgreSQL).toStdString(),
              GetParam().server);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, TraduzioneServer,
    ::testing::Values(CasoServer{"DELETE * FROM schede WHERE id_scheda=3",
                                 "DELETE FROM schede WHERE id_scheda=3"},
                      CasoServer{"SET a = TRUE, b = false, c = True", "SET a = 1, b = 0, c = 1"},
                      CasoServer{"INSERT INTO utenti (nome,[Note]) VALUES ('a','b')",
                                 "INSERT INTO utenti (nome,\"note\") VALUES ('a','b')"},
                      CasoServer{"SELECT [categorie.Nome] FROM v", "SELECT \"categorie.nome\" FROM v"},
                      CasoServer{"SELECT * FROM x WHERE d = #12/05/2004 7:05#",
                                 "SELECT * FROM x WHERE d = '2004-12-05 07:05:00'"},
                      CasoServer{"VALUES (\"a \\ b\", '[X] TRUE')", "VALUES ('a \\ b', '[X] TRUE')"}));

TEST(TraduzioneErrata, RifiutaDateEStringheMalformate) {
    for (const char* jet :
         {"UPDATE t SET d = ##", "UPDATE t SET d = #13/45/2004#", "UPDATE t SET d = #12/05/2004",
          "UPDATE t SET d = #ieri#", "VALUES ('aperta", "SELECT [aperta FROM t", "SELECT [] FROM t"}) {
        EXPECT_THROW(traduciJet(QString::fromUtf8(jet)), Errore) << jet;
        EXPECT_THROW(traduciJet(QString::fromUtf8(jet), Dialetto::PostgreSQL), Errore) << jet;
    }
}

} // namespace
