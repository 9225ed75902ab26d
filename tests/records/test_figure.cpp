#include "comune/ArchivioDiProva.h"
#include "records/Figure.h"

#include <QDir>
#include <QFile>
#include <vector>

namespace {

// A small catalogue: three platform figures numbered out of order, one of them training three
// muscles, and one figure of the second machine.
class CatalogoFigure : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(
            QStringLiteral("INSERT INTO figure (id_fig, numero, ID_MAC, figura) VALUES"
                           " (1, 2, 'VIBRANA', 'images\\Vibrana\\fig2.jpg'),"
                           " (2, 10, 'VIBRANA', 'images\\Vibrana\\fig10.jpg'),"
                           " (3, 1.5, 'VIBRANA', 'images\\Vibrana\\fig1_5.jpg'),"
                           " (4, 1, 'OSTREL', 'images\\Ostrel\\o1.jpg');"
                           "INSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES"
                           " (1, 'QUA'), (1, 'GLU'), (1, 'POL'), (2, 'PET'), (3, 'BIC'), (4, 'DOR');"));
    }

    static std::vector<int> identificativi(const Collezione<figura>& c) {
        std::vector<int> r;
        for (const figura& f : c)
            r.push_back(f.id_fig);
        return r;
    }
};

TEST_F(CatalogoFigure, InitConESenzaMuscoliOrdinatiPerNumero) {
    struct {
        bool distinct;
        std::vector<int> attesi;
    } casi[] = {
        {true, {3, 1, 2}},        // 1.5, 2, 10: numeric order, not text order
        {false, {3, 1, 1, 1, 2}}, // the figure of three muscles appears three times
    };
    for (const auto& c : casi) {
        Figure f;
        f.init(c.distinct);
        EXPECT_TRUE(f.isVibranaLoaded);
        EXPECT_FALSE(f.isOstrelLoaded);
        EXPECT_EQ(identificativi(f.figureVibrana), c.attesi) << "distinct " << c.distinct;
        EXPECT_EQ(f.figureOstrel.Count(), 0);
        EXPECT_EQ(f.muscoli.Count(), 18);
        EXPECT_FLOAT_EQ(f.figureVibrana.Item(1).numero, 1.5f);
    }
}

TEST_F(CatalogoFigure, ConMuscoliOgniVoceHaIlSuoMuscolo) {
    Figure f;
    f.init(false);
    QStringList muscoliFigura1;
    for (const figura& v : f.figureVibrana)
        if (v.id_fig == 1)
            muscoliFigura1 << v.id_muscolo + QLatin1Char('=') + v.nomeMuscolo;
    muscoliFigura1.sort();
    EXPECT_EQ(muscoliFigura1, (QStringList{QStringLiteral("GLU=Glutei"), QStringLiteral("POL=Polpacci"),
                                           QStringLiteral("QUA=Quadricipiti")}));

    Figure senza;
    senza.init(true);
    for (const figura& v : senza.figureVibrana) {
        EXPECT_TRUE(v.id_muscolo.isEmpty());
        EXPECT_TRUE(v.nomeMuscolo.isEmpty());
    }
}

TEST_F(CatalogoFigure, MacchineSpenteEAccese) {
    eseguiDiretto(QStringLiteral("UPDATE Macchinari SET Caricata = 0 WHERE ID_MAC = 'VIBRANA';"
                                 "UPDATE Macchinari SET Caricata = 1 WHERE ID_MAC = 'OSTREL';"));
    Figure f;
    f.init(true);
    EXPECT_FALSE(f.isVibranaLoaded);
    EXPECT_TRUE(f.isOstrelLoaded);
    EXPECT_EQ(f.figureVibrana.Count(), 0);
    EXPECT_EQ(identificativi(f.figureOstrel), std::vector<int>{4});
    EXPECT_EQ(f.muscoli.Count(), 18); // the muscles are loaded whatever the machines say
}

TEST_F(CatalogoFigure, MuscoliInOrdineDiNome) {
    Figure f;
    f.init(true);
    QStringList nomi;
    for (const muscolo& m : f.muscoli)
        nomi << m.nome;
    QStringList ordinati = nomi;
    std::sort(ordinati.begin(), ordinati.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(nomi, ordinati);
    EXPECT_EQ(f.muscoli.Item(1).nome, QStringLiteral("Addominali"));
    EXPECT_EQ(f.muscoli.Item(1).id_muscolo, QStringLiteral("ADD"));
    EXPECT_EQ(f.muscoli.Item(1).nomeMuscolo, QStringLiteral("Retto dell'addome"));
}

TEST_F(CatalogoFigure, MacchinaMancanteEUnErrore) {
    eseguiDiretto(QStringLiteral("DELETE FROM figure WHERE ID_MAC = 'OSTREL';"
                                 "DELETE FROM Macchinari WHERE ID_MAC = 'OSTREL';"));
    Figure f;
    EXPECT_THROW(f.init(true), Errore);
}

TEST_F(CatalogoFigure, CaricaUnaFigura) {
    figura f;
    f.id_muscolo = QStringLiteral("XYZ");
    ASSERT_TRUE(f.carica(2));
    EXPECT_EQ(f.id_fig, 2);
    EXPECT_FLOAT_EQ(f.numero, 10.0f);
    EXPECT_EQ(f.ID_MAC, QStringLiteral("VIBRANA"));
    EXPECT_EQ(f.percorsoRelativo(), QStringLiteral("images\\Vibrana\\fig10.jpg"));
    EXPECT_EQ(f.id_muscolo, QStringLiteral("XYZ")); // not part of the figure row
    EXPECT_TRUE(messaggi().testi().isEmpty());

    EXPECT_FALSE(f.carica(99));
    EXPECT_EQ(f.id_fig, 2); // unchanged
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("ERR:Problemi di connessione")});
    EXPECT_EQ(messaggi().mostrati.back().tipo, TipoMessaggio::Errore);
}

TEST_F(CatalogoFigure, PercorsoCompletoDellaFigura) {
    figura f;
    f.setFigura(QStringLiteral("images\\Vibrana\\fig2.jpg"));
    // No such file: the path is given as stored, under the program folder, with no check.
    EXPECT_EQ(f.Figura(), cartella() + QStringLiteral("/images/Vibrana/fig2.jpg"));

    // An existing file is found whatever the letter case of the stored path.
    QDir(cartella()).mkpath(QStringLiteral("IMAGES/vibrana"));
    QFile file(cartella() + QStringLiteral("/IMAGES/vibrana/Fig2.JPG"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(f.Figura(), cartella() + QStringLiteral("/IMAGES/vibrana/Fig2.JPG"));
    EXPECT_EQ(f.percorsoRelativo(), QStringLiteral("images\\Vibrana\\fig2.jpg"));
}

} // namespace
