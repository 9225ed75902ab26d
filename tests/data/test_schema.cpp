#include "comune/ArchivioDiProva.h"
#include "data/ConnessioneFile.h"
#include "data/CreaArchivio.h"
#include "data/GrafiaSchema.h"
#include "data/db.h"

namespace {

class Schema : public ArchivioDiProva {};

TEST_F(Schema, LeVisteEspongonoIColonneConINomiEsatti) {
    struct {
        const char* vista;
        QStringList colonne;
    } viste[] = {
        {"vw_schedacompleta",
         {"id_scheda", "Istruttore", "id_utente", "PeriodoDal", "PeriodoAl", "id_cat", "categorie.nome",
          "Obiettivo", "FreqAllen", "GGAllen", "schede.note", "utenti.nome", "cognome"}},
        {"vw_schedaModellocompleta", {"id_Scheda", "id_cat", "nome", "descrizione", "note", "preimpostata"}},
        {"vw_figure_muscoli", {"id_fig", "ID_MAC", "id_muscolo", "nome", "numero", "figura"}},
    };
    for (const auto& v : viste) {
        const RecordSet rs = db().getRs(QStringLiteral("SELECT * FROM ") + QString::fromLatin1(v.vista));
        for (const QString& c : v.colonne)
            EXPECT_TRUE(rs.nomiCampi().contains(c)) << v.vista << " manca " << c.toStdString();
    }
}

// What the server's results are respelt with is the file register's own schema, name for name.
TEST_F(Schema, LaGrafiaDeiNomiEQuellaDelFile) {
    auto file = ConnessioneFile::apri(percorsoArchivio());
    GrafiaSchema attesa;
    QStringList relazioni = tabelleRichieste() + visteRichieste();
    for (const QString& r : relazioni) {
        RecordSet info = file->interroga(QStringLiteral("PRAGMA table_info(\"%1\")").arg(r));
        ASSERT_GT(info.RecordCount(), 0) << r.toStdString();
        for (info.MoveFirst(); !info.eof(); info.MoveNext()) {
            const QString nome = info[QStringLiteral("name")].toString();
            attesa.nomi[r.toLower()].insert(nome.toLower(), nome);
            if (info[QStringLiteral("type")].toString() == QLatin1String("BOOLEAN"))
                attesa.sino.insert(nome.toLower());
        }
    }
    ASSERT_EQ(attesa.sino.size(), 3);
    const GrafiaSchema& g = grafiaSchema();
    EXPECT_EQ(g.sino, attesa.sino);
    EXPECT_EQ(QStringList(g.nomi.keys()).size(), relazioni.size());
    for (const QString& r : relazioni)
        EXPECT_EQ(g.nomi.value(r.toLower()), attesa.nomi.value(r.toLower())) << r.toStdString();
}

TEST_F(Schema, LaVistaDellaSchedaLeggeIValoriGiusti) {
    eseguiDiretto(
        QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('Ugo', 'Neri');"
                       "INSERT INTO schede (id_utente, Istruttore, PeriodoDal, id_cat, FreqAllen, note) "
                       "VALUES (1, 'Ist', '2026-12-10', 2, 3, 'note scheda');"));
    RecordSet rs = db().getRs(QStringLiteral("SELECT * From vw_schedacompleta WHERE id_scheda = 1"));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs[QStringLiteral("categorie.nome")].toString(), QStringLiteral("Tonificazione"));
    EXPECT_EQ(rs[QStringLiteral("schede.note")].toString(), QStringLiteral("note scheda"));
    EXPECT_EQ(rs[QStringLiteral("utenti.nome")].toString(), QStringLiteral("Ugo"));
    EXPECT_EQ(rs[QStringLiteral("PeriodoDal")].toDate(), QDate(2026, 12, 10));
    EXPECT_TRUE(rs[QStringLiteral("PeriodoAl")].isNull());
    EXPECT_EQ(rs[QStringLiteral("FreqAllen")].toInt(), 3);
}

TEST_F(Schema, NomiSenzaRiguardoAlleMaiuscoleEJet) {
    // The application spells the same names in several ways.
    for (const char* sql :
         {"SELECT NProg, Nprog, nprog, ID_Scheda, id_scheda, id_Scheda FROM Esercizi",
          "SELECT * FROM schedeModello", "SELECT * FROM schedemodello", "SELECT NUMERO, numero FROM figure",
          "SELECT * FROM UTENTI", "SELECT * FROM utenti"}) {
        EXPECT_NO_THROW(db().getRs(QString::fromLatin1(sql))) << sql;
    }
    EXPECT_TRUE(db().Execute(QStringLiteral(
        "INSERT INTO schedeModello (id_cat,descrizione,preimpostata,[note]) VALUES (1,'',FALSE,'')")));
    EXPECT_EQ(db().getRs(QStringLiteral("SELECT preimpostata FROM schedemodello")).campo(0), QVariant(false));
}

TEST_F(Schema, ColonneObbligatorieETestiVuoti) {
    EXPECT_FALSE(db().Execute(QStringLiteral("INSERT INTO utenti (nome) VALUES ('solo')")));
    EXPECT_TRUE(db().Execute(QStringLiteral("INSERT INTO utenti (nome,cognome,dataNascita,sesso,[Note]) "
                                            "VALUES ('','',null,'','')")));
    EXPECT_FALSE(db().Execute(
        QStringLiteral("INSERT INTO schede (id_utente,istruttore,periododal,periodoal,id_cat,FreqAllen) "
                       "VALUES ('1','',null,null,1,300)")));
}

TEST_F(Schema, LeCancellazioniSiPortanoViaIRigheDipendenti) {
    eseguiDiretto(QStringLiteral(
        "INSERT INTO utenti (nome, cognome) VALUES ('Ugo', 'Neri');"
        "INSERT INTO schede (id_utente, Istruttore, id_cat, FreqAllen) VALUES (1, 'I', 1, 3), (1, 'I', 1, 3);"
        "INSERT INTO Esercizi (NProg, ID_Scheda, Durata, Frequenza, Ampiezza, isLibero) "
        "VALUES (1, 1, '30s', '35Hz', 'L', 0), (1, 2, '30s', '35Hz', 'L', 0);"
        "INSERT INTO schedeModello (id_cat, preimpostata) VALUES (1, 0);"
        "INSERT INTO EserciziModello (NProg, ID_Scheda, Durata, Frequenza, Ampiezza, isLibero) "
        "VALUES (1, 1, '30s', '35Hz', 'L', 0);"));
    EXPECT_TRUE(db().Execute(QStringLiteral("DELETE * FROM schede WHERE id_scheda=1")));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Esercizi")), 1);
    EXPECT_TRUE(db().Execute(QStringLiteral("DELETE * FROM utenti WHERE id_utente=1")));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede")), 0);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Esercizi")), 0);
    EXPECT_TRUE(db().Execute(QStringLiteral("DELETE * FROM schedemodello WHERE id_Scheda=1")));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM EserciziModello")), 0);
}

TEST_F(Schema, UnIdentificativoCancellatoNonVieneRiusato) {
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('a','b'), ('c','d')"));
    EXPECT_TRUE(db().Execute(QStringLiteral("DELETE * FROM utenti WHERE id_utente=2")));
    EXPECT_TRUE(db().Execute(QStringLiteral("INSERT INTO utenti (nome,cognome) VALUES ('e','f')")));
    EXPECT_EQ(db().dMax(QStringLiteral("id_utente"), QStringLiteral("utenti"), QString()).toLongLong(), 3);
}

TEST_F(Schema, ContenutoDiBase) {
    EXPECT_EQ(db().DCount(QStringLiteral("id_muscolo"), QStringLiteral("muscoli"), QString()), 18);
    EXPECT_GE(db().DCount(QStringLiteral("id_cat"), QStringLiteral("categorie"), QString()), 5);
    EXPECT_EQ(db().Dlookup(QStringLiteral("Caricata"), QStringLiteral("Macchinari"),
                           QStringLiteral("ID_MAC='VIBRANA'")),
              QVariant(true));
    EXPECT_EQ(db().Dlookup(QStringLiteral("Caricata"), QStringLiteral("Macchinari"),
                           QStringLiteral("ID_MAC='OSTREL'")),
              QVariant(false));
    EXPECT_NE(db().Load_Param(QStringLiteral("PATH_MANUALE")), ERR_DATI_NON_TROVATI);
}

} // namespace
