#include "Catalogo.h"
#include "Manichino.h"
#include "MappaCorpo.h"
#include "pictures/ZoneMappa.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The committed catalogue SQL is what the tool writes from its table: pictures and rows cannot drift.
TEST(Disegni, IlCatalogoSqlCorrispondeAllaTabellaDegliEsercizi) {
    QTemporaryDir dir;
    const QString uscita = dir.filePath(QStringLiteral("figure.sql"));
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(VIBRANA_DISEGNI_ESEGUIBILE), {QStringLiteral("sql"), uscita});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0);
    QFile generato(uscita), consegnato(QStringLiteral(VIBRANA_SQL_FIGURE));
    ASSERT_TRUE(generato.open(QIODevice::ReadOnly));
    ASSERT_TRUE(consegnato.open(QIODevice::ReadOnly));
    EXPECT_EQ(generato.readAll(), consegnato.readAll())
        << "10_figure.sql is stale: rebuild the target vibrana_catalogo_sql";
}

TEST(Disegni, TabellaDegliEserciziBenFormata) {
    QSet<int> id;
    QSet<QString> percorsi;
    const QStringList codici = ZoneMappa::codici();
    for (const Esercizio& e : catalogo()) {
        EXPECT_FALSE(id.contains(e.id_fig)) << e.id_fig;
        id.insert(e.id_fig);
        EXPECT_FALSE(percorsi.contains(percorsoFigura(e))) << qPrintable(percorsoFigura(e));
        percorsi << percorsoFigura(e);
        EXPECT_GE(e.muscoli.size(), 1) << e.id_fig;
        EXPECT_LE(e.muscoli.size(), 3) << e.id_fig;
        EXPECT_EQ(QSet<QString>(e.muscoli.begin(), e.muscoli.end()).size(), e.muscoli.size()) << e.id_fig;
        for (const QString& m : e.muscoli)
            EXPECT_TRUE(codici.contains(m)) << e.id_fig << " " << qPrintable(m);
        EXPECT_FALSE(e.nome.isEmpty());
    }
}

TEST(Disegni, NomiDeiFileDelleFigure) {
    struct Caso {
        double numero;
        Macchina m;
        const char* atteso;
    };
    const Caso casi[] = {
        {1, Macchina::Vibrana, "images\\esercizi\\vibrana_001.JPG"},
        {12.5, Macchina::Vibrana, "images\\esercizi\\vibrana_012_5.JPG"},
        {140, Macchina::Vibrana, "images\\esercizi\\vibrana_140.JPG"},
        {3, Macchina::Ostrel, "images\\esercizi\\ostrel_003.JPG"},
    };
    for (const Caso& c : casi) {
        Esercizio e{0, c.numero, c.m, QString(), {}, Posa()};
        EXPECT_EQ(percorsoFigura(e), QLatin1String(c.atteso)) << c.numero;
    }
}

// Every figure rests on something: no part of the body sinks through the floor, and a figure that
// stands on the platform is not left hanging in the air.
TEST(Disegni, NessunaFiguraAttraversaIlPavimento) {
    for (const Esercizio& e : catalogo()) {
        const double q = quotaMinima(e.posa);
        EXPECT_GT(q, -0.03) << e.id_fig << " " << qPrintable(e.nome);
        EXPECT_LT(q, altezzaPedana(e.macchina) + 0.02) << e.id_fig << " " << qPrintable(e.nome);
    }
    for (const Posa& p : posizioniSbagliate())
        EXPECT_GT(quotaMinima(p), -0.03);
}

// The drawn body covers the centre of every zone whatever group is shown (same framing).
TEST(Disegni, MappaDisegnataNelleZone) {
    const QImage corpo = disegnaMappa();
    ASSERT_EQ(corpo.size(), ZoneMappa::dimensioneImmagine);
    for (const ZoneMappa::Zona& z : ZoneMappa::zone()) {
        const QPoint c = ZoneMappa::inPixel(z.rettangolo()).center().toPoint();
        EXPECT_NE(corpo.pixel(c), qRgb(255, 255, 255)) << z.arrayNome << z.indice;
    }
    EXPECT_EQ(disegnaMappa(QStringLiteral("XYZ")), corpo); // an unknown group highlights nothing
}
