#include "comune/ArchivioDiProva.h"
#include "customisation/palestra.h"

#include <QFile>

namespace {

class Palestra : public ArchivioDiProva {
protected:
    qlonglong righe() const { return contaDiretto(QStringLiteral("SELECT count(*) FROM palestra")); }
    QStringList istruzioni() const { return istruzioniInviate(); }
};

TEST_F(Palestra, TabellaVuotaPoiInserimentoPoiAggiornamento) {
    palestra p;
    p.nome = QStringLiteral("prima");
    EXPECT_FALSE(p.carica());
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Archivio Vuoto o Problemi di connessione!")});
    EXPECT_EQ(p.nome, QStringLiteral("prima"));

    p.nome = QStringLiteral("Vibra Club");
    p.responsabile = QStringLiteral("Anna");
    p.logo = QStringLiteral("/opt/vibrana/images/logo.jpg");
    EXPECT_TRUE(p.save());
    p.nome = QStringLiteral("Vibra Club 2");
    EXPECT_TRUE(p.save());
    EXPECT_EQ(righe(), 1);
    EXPECT_EQ(istruzioni(),
              (QStringList{
                  QStringLiteral("INSERT INTO palestra (nome,responsabile,logo) VALUES ('Vibra Club','Anna',"
                                 "'/opt/vibrana/images/logo.jpg')"),
                  QStringLiteral("UPDATE palestra SET nome= 'Vibra Club 2',responsabile= 'Anna',"
                                 "logo='/opt/vibrana/images/logo.jpg' ")}));

    palestra letta;
    ASSERT_TRUE(letta.carica());
    EXPECT_EQ(letta.nome, QStringLiteral("Vibra Club 2"));
    EXPECT_EQ(letta.responsabile, QStringLiteral("Anna"));
    EXPECT_EQ(letta.logo, QStringLiteral("/opt/vibrana/images/logo.jpg"));
}

TEST_F(Palestra, NomiRegistratiConAccentoGraveRilettiConApostrofoLogoComEra) {
    // The logo must still name its file after save and load, apostrophe or not.
    const QString logo = cartella() + QStringLiteral("/images/l'logo di Sant'Anna.jpg");
    palestra p;
    p.nome = QStringLiteral("Palestra dell'Orso");
    p.responsabile = QStringLiteral("D'Angelo");
    p.logo = logo;
    for (int volta = 0; volta < 2; ++volta) { // insert, then update
        ASSERT_TRUE(p.save()) << volta;
        palestra letta;
        ASSERT_TRUE(letta.carica());
        EXPECT_EQ(letta.nome, QStringLiteral("Palestra dell'Orso"));
        EXPECT_EQ(letta.responsabile, QStringLiteral("D'Angelo"));
        EXPECT_EQ(letta.logo, logo);
        EXPECT_EQ(
            contaDiretto(QStringLiteral("SELECT count(*) FROM palestra WHERE nome = 'Palestra dell`Orso' "
                                        "AND responsabile = 'D`Angelo'")),
            1);
    }
    EXPECT_EQ(righe(), 1);
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Palestra, UnaRigaSenzaNomeVieneAggiornataNonDuplicata) {
    eseguiDiretto(
        QStringLiteral("INSERT INTO palestra (nome, responsabile, logo) VALUES (NULL, NULL, NULL)"));
    palestra p;
    ASSERT_TRUE(p.carica());
    EXPECT_EQ(p.nome, QString());
    EXPECT_EQ(p.logo, QString());
    p.nome = QStringLiteral("Nuova");
    ASSERT_TRUE(p.save());
    EXPECT_EQ(righe(), 1);
    palestra letta;
    letta.carica();
    EXPECT_EQ(letta.nome, QStringLiteral("Nuova"));
}

TEST_F(Palestra, SalvataggioRifiutatoNonEUnSuccesso) {
    eseguiDiretto(QStringLiteral(
        "INSERT INTO palestra (nome) VALUES ('x');"
        "CREATE TRIGGER blocca BEFORE UPDATE ON palestra BEGIN SELECT RAISE(ABORT, 'no'); END;"));
    palestra p;
    p.nome = QStringLiteral("y");
    EXPECT_FALSE(p.save());
    EXPECT_EQ(messaggi().testi().size(), 1);
}

} // namespace

namespace {

// Reading the gym for a printed sheet: a gym never customised is no error worth a message.
TEST_F(Palestra, LetturaSilenziosaPerLaStampa) {
    palestra p;
    p.logo = QStringLiteral("invariato");
    EXPECT_FALSE(p.leggi());
    EXPECT_EQ(p.logo, QStringLiteral("invariato"));
    EXPECT_TRUE(messaggi().testi().isEmpty());
    eseguiDiretto(
        QStringLiteral("INSERT INTO palestra (nome, responsabile, logo) VALUES ('Sole', NULL, '/a/b.jpg')"));
    EXPECT_TRUE(p.leggi());
    EXPECT_EQ(p.nome, QStringLiteral("Sole"));
    EXPECT_EQ(p.responsabile, QString());
    EXPECT_EQ(p.logo, QStringLiteral("/a/b.jpg"));
}

// The platform-time limit is off until the gym sets it, travels with the gym's record, and a gym that
// never sets it leaves the register's parameters alone.
TEST_F(Palestra, LimiteSullaPedanaConIlRecordDellaPalestra) {
    auto parametro = [this] {
        return contaDiretto(
            QStringLiteral("SELECT count(*) FROM Parametri WHERE parametro = 'LIMITE_TEMPO_PEDANA' "
                           "AND valore <> ''"));
    };
    palestra p;
    p.nome = QStringLiteral("Vibra Club");
    ASSERT_TRUE(p.save());
    EXPECT_EQ(palestra::leggiLimitePedana(), 0);
    EXPECT_EQ(contaDiretto(
                  QStringLiteral("SELECT count(*) FROM Parametri WHERE parametro = 'LIMITE_TEMPO_PEDANA'")),
              0);
    for (const int limite : {900, 75, 0}) {
        p.limitePedana = limite;
        ASSERT_TRUE(p.save()) << limite;
        palestra letta;
        letta.limitePedana = 12345;
        ASSERT_TRUE(letta.carica());
        EXPECT_EQ(letta.limitePedana, limite);
        EXPECT_EQ(palestra::leggiLimitePedana(), limite);
        EXPECT_EQ(parametro(), limite ? 1 : 0);
    }
    // A value the program did not write reads as no limit.
    eseguiDiretto(
        QStringLiteral("UPDATE Parametri SET valore = 'dieci' WHERE parametro = 'LIMITE_TEMPO_PEDANA'"));
    EXPECT_EQ(palestra::leggiLimitePedana(), 0);
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Palestra, LimiteELogoSalvatiInsiemeONessunoDeiDue) {
    palestra p;
    p.nome = QStringLiteral("Vibra Club");
    ASSERT_TRUE(p.save());
    rifiutaRighe(QStringLiteral("no_parametri"), QStringLiteral("INSERT"), QStringLiteral("Parametri"),
                 QStringLiteral("NEW.parametro = 'LIMITE_TEMPO_PEDANA'"));
    p.nome = QStringLiteral("Altro nome");
    p.limitePedana = 600;
    EXPECT_FALSE(p.save());
    palestra letta;
    ASSERT_TRUE(letta.carica());
    EXPECT_EQ(letta.nome, QStringLiteral("Vibra Club"));
    EXPECT_EQ(letta.limitePedana, 0);
}

} // namespace
