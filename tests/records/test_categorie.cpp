#include "ArchivioSchede.h"
#include "records/Categorie.h"

namespace {

// Stands in for a drop-down list: anything with addItem.
struct ListaFinta {
    QStringList voci;
    void addItem(const QString& testo) { voci << testo; }
};

class CategorieProva : public ArchivioSchede {};

TEST_F(CategorieProva, InOrdineDiNomeQualunqueSiaLIdentificativo) {
    const QStringList attese{QStringLiteral("Dimagrimento"),    QStringLiteral("Flessibilità e mobilità"),
                             QStringLiteral("Forza e potenza"), QStringLiteral("Riabilitazione"),
                             QStringLiteral("Terza età"),       QStringLiteral("Tonificazione")};
    Categorie c;
    const Collezione<categoria> elenco = c.getCategorie();
    QStringList nomi;
    for (const categoria& v : elenco)
        nomi << v.nome;
    EXPECT_EQ(nomi, attese);
    EXPECT_EQ(elenco.Item(1).id_cat, 1);
    EXPECT_EQ(elenco.Item(6).id_cat, 2);

    eseguiDiretto(
        QStringLiteral("INSERT INTO categorie (id_cat, nome) VALUES (0, 'Zumba'), (99, 'Aerobica')"));
    const Collezione<categoria> dopo = c.getCategorie();
    EXPECT_EQ(dopo.Item(1).nome, QStringLiteral("Aerobica"));
    EXPECT_EQ(dopo.Item(1).id_cat, 99);
    EXPECT_EQ(dopo.Item(dopo.Count()).nome, QStringLiteral("Zumba"));
}

TEST_F(CategorieProva, RiempireDueVolteMostraDueVolte) {
    ListaFinta lista;
    lista.addItem(QStringLiteral("già presente"));
    Categorie c;
    c.fillcategorie(lista);
    c.fillcategorie(lista);
    ASSERT_EQ(lista.voci.size(), 13);
    EXPECT_EQ(lista.voci[0], QStringLiteral("già presente"));
    EXPECT_EQ(lista.voci[1], QStringLiteral("Dimagrimento"));
    EXPECT_EQ(lista.voci[7], QStringLiteral("Dimagrimento"));
}

TEST_F(CategorieProva, CatalogoVuoto) {
    eseguiDiretto(QStringLiteral("DELETE FROM categorie"));
    ListaFinta lista;
    lista.addItem(QStringLiteral("x"));
    Categorie().fillcategorie(lista);
    EXPECT_EQ(lista.voci, QStringList{QStringLiteral("x")});
    EXPECT_EQ(Categorie().getCategorie().Count(), 0);
}

} // namespace
