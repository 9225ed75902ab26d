// The delivered catalogue and templates, read from a database built from every delivered SQL file.
#include "comune/ArchivioDiProva.h"
#include "data/ConnessioneFile.h"
#include "pictures/ZoneMappa.h"
#include "records/Figure.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <cmath>

namespace {

class CatalogoConsegnato : public ArchivioDiProva {
protected:
    bool archivioCompleto() const override { return true; }

    // Rows of a query as lists of texts.
    QList<QStringList> righe(const QString& sql) const {
        auto c = ConnessioneFile::apri(percorsoArchivio());
        RecordSet rs = c->interroga(sql);
        QList<QStringList> r;
        for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
            QStringList campi;
            for (int i = 0; i < rs.contaCampi(); ++i)
                campi << rs.campo(i).toString();
            r << campi;
        }
        return r;
    }
};

} // namespace

TEST_F(CatalogoConsegnato, OgniFiguraNominaUnImmagineCheSiCarica) {
    const auto figure = righe(QStringLiteral("SELECT id_fig, figura FROM figure"));
    ASSERT_GE(figure.size(), 45);
    QSet<QString> percorsi;
    for (const QStringList& f : figure) {
        const QString relativo = f[1];
        EXPECT_FALSE(relativo.startsWith(QLatin1Char('\\'))) << qPrintable(relativo);
        EXPECT_FALSE(percorsi.contains(relativo.toLower())) << "immagine ripetuta " << qPrintable(relativo);
        percorsi << relativo.toLower();
        // exact spelling on disk, so the file is found on a case-sensitive file system without help
        const QString file = QStringLiteral(VIBRANA_CARTELLA_BUILD) + QLatin1Char('/') +
                             QString(relativo).replace(QLatin1Char('\\'), QLatin1Char('/'));
        QImageReader r(file);
        const QImage img = r.read();
        EXPECT_FALSE(img.isNull()) << "figura " << qPrintable(f[0]) << ": " << qPrintable(file);
        EXPECT_GE(std::min(img.width(), img.height()), 150) << qPrintable(file);
    }
}

TEST_F(CatalogoConsegnato, IlCatalogoSiCaricaConIConteggiAttesi) {
    Figure distinte;
    distinte.init(true);
    EXPECT_TRUE(distinte.isVibranaLoaded);
    EXPECT_FALSE(distinte.isOstrelLoaded);
    EXPECT_GE(distinte.figureVibrana.Count(), 40);
    EXPECT_EQ(distinte.figureOstrel.Count(), 0);
    EXPECT_EQ(distinte.muscoli.Count(), 18);
    EXPECT_GE(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM figure WHERE ID_MAC = 'OSTREL'")), 5);

    // ascending numbers, none repeated, at least one between two whole numbers
    bool frazionario = false;
    for (long i = 1; i <= distinte.figureVibrana.Count(); ++i) {
        const figura& f = distinte.figureVibrana[i];
        if (i > 1) {
            EXPECT_LT(distinte.figureVibrana[i - 1].numero, f.numero);
        }
        frazionario = frazionario || f.numero != std::floor(f.numero);
    }
    EXPECT_TRUE(frazionario);

    Figure perMuscolo;
    perMuscolo.init(false);
    EXPECT_EQ(
        perMuscolo.figureVibrana.Count(),
        contaDiretto(QStringLiteral("SELECT COUNT(*) FROM figure_muscoli fm JOIN figure f ON f.id_fig = "
                                    "fm.id_fig WHERE f.ID_MAC = 'VIBRANA'")));
}

TEST_F(CatalogoConsegnato, OgniGruppoDellaMappaHaFigureEOgniFiguraDaUnoATreMuscoli) {
    QStringList codici;
    for (const QStringList& r : righe(QStringLiteral("SELECT id_muscolo FROM muscoli ORDER BY id_muscolo")))
        codici << r[0];
    EXPECT_EQ(codici, ZoneMappa::codici());
    for (const QString& c : ZoneMappa::codici())
        EXPECT_GE(
            contaDiretto(QStringLiteral("SELECT COUNT(*) FROM vw_figure_muscoli WHERE ID_MAC = 'VIBRANA' AND "
                                        "id_muscolo = '%1'")
                             .arg(c)),
            1)
            << qPrintable(c);
    EXPECT_EQ(contaDiretto(
                  QStringLiteral("SELECT COUNT(*) FROM figure f WHERE (SELECT COUNT(*) FROM figure_muscoli "
                                 "m WHERE m.id_fig = f.id_fig) NOT BETWEEN 1 AND 3")),
              0);
    // folders of the picture window: some groups share one
    EXPECT_GE(
        contaDiretto(QStringLiteral("SELECT COUNT(*) FROM (SELECT nome FROM muscoli GROUP BY nome HAVING "
                                    "COUNT(*) > 1)")),
        2);
}

// The names must fit the drawing: ADD's zones lie on the belly, ADU's between the thighs.
TEST_F(CatalogoConsegnato, INomiDeiMuscoliCorrispondonoAlleZone) {
    const QMap<QString, QString> attesi{{"ADD", "Addominali"}, {"ADU", "Adduttori"}};
    for (auto it = attesi.begin(); it != attesi.end(); ++it) {
        const auto r =
            righe(QStringLiteral("SELECT nome FROM muscoli WHERE id_muscolo = '%1'").arg(it.key()));
        ASSERT_EQ(r.size(), 1);
        EXPECT_EQ(r[0][0], it.value());
    }
}

TEST_F(CatalogoConsegnato, ModelliConsegnatiCoerenti) {
    const auto modelli = righe(QStringLiteral("SELECT id_Scheda FROM schedeModello WHERE preimpostata = 1"));
    ASSERT_GE(modelli.size(), 3);
    const QSet<QString> durate{"30s", "45s", "60s"}, frequenze{"30Hz", "35Hz", "40Hz", "50Hz"},
        ampiezze{"L", "H"};
    const QSet<QString> modalita{"Statico a carico naturale", "Statico a carico aggiuntivo",
                                 "Dinamico a carico naturale", "Dinamico a carico aggiuntivo", "Combinata"};
    for (const QStringList& m : modelli) {
        const auto es =
            righe(QStringLiteral("SELECT NProg, ID_Fig, Durata, Frequenza, Ampiezza, Modalita, isLibero, "
                                 "Note, (SELECT COUNT(*) FROM figure f WHERE f.id_fig = e.ID_Fig) "
                                 "FROM EserciziModello e WHERE ID_Scheda = %1 ORDER BY NProg")
                      .arg(m[0]));
        EXPECT_GE(es.size(), 4) << "modello " << qPrintable(m[0]);
        EXPECT_LE(es.size(), 10) << "modello " << qPrintable(m[0]);
        for (int i = 0; i < es.size(); ++i) {
            const QStringList& e = es[i];
            const QString dove = QStringLiteral("modello %1 esercizio %2").arg(m[0], e[0]);
            EXPECT_EQ(e[0].toInt(), i + 1) << qPrintable(dove);
            EXPECT_TRUE(durate.contains(e[2])) << qPrintable(dove);
            EXPECT_TRUE(frequenze.contains(e[3])) << qPrintable(dove);
            EXPECT_TRUE(ampiezze.contains(e[4])) << qPrintable(dove);
            if (e[6] == QLatin1String("true") || e[6] == QLatin1String("1")) {
                EXPECT_EQ(e[1].toInt(), 0) << qPrintable(dove);
                EXPECT_FALSE(e[7].isEmpty()) << qPrintable(dove);
            } else {
                EXPECT_EQ(e[8].toInt(), 1) << "figura inesistente, " << qPrintable(dove);
                EXPECT_TRUE(modalita.contains(e[5])) << qPrintable(dove);
            }
        }
    }
}
