#include "ArchivioSchede.h"
#include "records/ScambioScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace scambioScheda;

namespace {

// With the whole delivered catalogue: figure 13 is VIBRANA n. 12.5, figure 101 is OSTREL n. 1.
class Scambio : public ArchivioSchede {
protected:
    bool archivioCompleto() const override { return true; }
    void SetUp() override {
        ArchivioSchede::SetUp();
        atleta = atletaDiretto();
    }

    // A card with a platform exercise, a free one, one on the second machine and one left without a
    // picture (which a save leaves out), with apostrophes and emoji in its texts.
    std::int32_t schedaDiProva() {
        scheda s;
        s.id_utente = atleta;
        s.categoria = QStringLiteral("Tonificazione");
        s.Istruttore = QStringLiteral("Dell'Orto 💪");
        s.PeriodoDal = QStringLiteral("10/01/2026");
        s.PeriodoAl = QString();
        s.Obiettivo = QStringLiteral("l'anca \"forte\"");
        s.FreqAllen = 3;
        s.GGAllen = QStringLiteral("001010100");
        s.note = QStringLiteral("un'altra riga\nseconda 🏋️");
        s.esercizi.Add(esercizio(13, QStringLiteral("sull'avampiede 😀")));
        s.esercizi.Add(libero(QStringLiteral("Corsa all'aperto, 10'")));
        s.esercizi.Add(esercizio(101));
        s.esercizi.Add(esercizio(0));
        s.save();
        EXPECT_TRUE(s.isSaved);
        return s.id_scheda;
    }
    template <typename T> T caricata(std::int32_t id) {
        T s;
        EXPECT_TRUE(s.carica(id));
        s.caricaEsercizi();
        return s;
    }
    // The catalogue as another register may number it: figure 13 under another identifier.
    void rinumeraFigura13() const {
        eseguiDiretto(QStringLiteral("INSERT INTO figure (id_fig, numero, ID_MAC, figura) "
                                     "SELECT 900, numero, ID_MAC, figura FROM figure WHERE id_fig = 13"));
        eseguiDiretto(QStringLiteral("INSERT INTO figure_muscoli (id_fig, id_muscolo) "
                                     "SELECT 900, id_muscolo FROM figure_muscoli WHERE id_fig = 13"));
        eseguiDiretto(QStringLiteral("DELETE FROM Esercizi WHERE ID_Fig = 13"));
        eseguiDiretto(QStringLiteral("DELETE FROM figure WHERE id_fig = 13"));
    }
    qlonglong righe() const {
        return conta(QStringLiteral("schede")) + conta(QStringLiteral("Esercizi")) +
               conta(QStringLiteral("schedeModello")) + conta(QStringLiteral("EserciziModello"));
    }

    std::int32_t atleta = 0;
};

TEST_F(Scambio, IlFileNonPortaIdentificativiMaLaChiaveDelCatalogo) {
    const QByteArray dati = esporta(caricata<scheda>(schedaDiProva()));
    const QJsonObject radice = QJsonDocument::fromJson(dati).object();
    EXPECT_EQ(radice.value(QStringLiteral("formato")).toInt(), versioneFormato);
    EXPECT_EQ(radice.value(QStringLiteral("tipo")).toString(), QStringLiteral("scheda"));
    const QJsonArray esercizi = radice.value(QStringLiteral("esercizi")).toArray();
    ASSERT_EQ(esercizi.size(), 3); // the one without a picture is not part of the card
    const QJsonObject figura = esercizi[0].toObject().value(QStringLiteral("figura")).toObject();
    EXPECT_EQ(figura.value(QStringLiteral("macchina")).toString(), QStringLiteral("VIBRANA"));
    EXPECT_EQ(figura.value(QStringLiteral("numero")).toDouble(), 12.5);
    EXPECT_EQ(figura.value(QStringLiteral("file")).toString(), QStringLiteral("vibrana_012_5.JPG"));
    EXPECT_FALSE(figura.value(QStringLiteral("muscoli")).toArray().isEmpty());
    EXPECT_TRUE(esercizi[1].toObject().value(QStringLiteral("figura")).isNull());
    EXPECT_EQ(
        esercizi[2].toObject().value(QStringLiteral("figura")).toObject().value(QStringLiteral("macchina")),
        QStringLiteral("OSTREL"));
    for (const char* vietato : {"\"id_", "\"ct\"", "\"id\"", "2026-12-10"})
        EXPECT_FALSE(dati.contains(vietato)) << vietato;
    EXPECT_TRUE(dati.contains("2026-01-10"));
}

TEST_F(Scambio, AndataERitornoDannoLoStessoFile) {
    const std::int32_t origine = schedaDiProva();
    const QByteArray primo = esporta(caricata<scheda>(origine));
    // Another athlete, in a register whose catalogue numbers the picture differently.
    rinumeraFigura13();
    const std::int32_t altro = atletaDiretto(QStringLiteral("Bianchi"));
    const EsitoImportazione esito = importa(primo, Tipo::Scheda, altro);
    ASSERT_TRUE(esito.riuscito) << esito.messaggio.toStdString();
    EXPECT_TRUE(messaggi().testi().isEmpty());
    const scheda nuova = caricata<scheda>(esito.id);
    EXPECT_NE(nuova.id_scheda, origine);
    EXPECT_EQ(nuova.id_utente, altro);
    EXPECT_EQ(nuova.Istruttore, QStringLiteral("Dell'Orto 💪"));
    EXPECT_EQ(nuova.PeriodoDal, QStringLiteral("10/01/2026"));
    EXPECT_EQ(nuova.PeriodoAl, caricata<scheda>(origine).PeriodoAl); // an empty date reads as 1980
    ASSERT_EQ(nuova.esercizi.Count(), 3);
    EXPECT_EQ(nuova.esercizi.Item(1).id_fig, 900);
    EXPECT_TRUE(nuova.esercizi.Item(2).isLibero);
    EXPECT_EQ(nuova.esercizi.Item(2).note, QStringLiteral("Corsa all'aperto, 10'"));
    EXPECT_EQ(esporta(nuova), primo);

    // The same through a file, and for a template.
    SchedaModello m;
    m.categoria = QStringLiteral("Riabilitazione");
    m.descrizione = QStringLiteral("Schiena dell'anziano ✨");
    m.note = QStringLiteral("piano");
    m.esercizi.Add(esercizio(900, QStringLiteral("l'ultima")));
    m.esercizi.Add(libero(QStringLiteral("Stretching")));
    m.save();
    const QByteArray modello = esporta(caricata<SchedaModello>(m.id_scheda));
    const QString file = cartella() + QStringLiteral("/modello.vibrana");
    ASSERT_EQ(scriviFile(file, modello), QString());
    const EsitoImportazione dalFile = importaFile(file, Tipo::Modello, 0);
    ASSERT_TRUE(dalFile.riuscito) << dalFile.messaggio.toStdString();
    const SchedaModello copia = caricata<SchedaModello>(dalFile.id);
    EXPECT_FALSE(copia.preimpostata);
    EXPECT_EQ(copia.descrizione, m.descrizione);
    EXPECT_EQ(esporta(copia), modello);
}

TEST_F(Scambio, FileRifiutatiSenzaScrivereNulla) {
    const QByteArray buono = esporta(caricata<scheda>(schedaDiProva()));
    auto cambia = [&](const char* da, const char* a) {
        QByteArray d = buono;
        EXPECT_TRUE(d.contains(da)) << da;
        return d.replace(da, a);
    };
    const QString danneggiato = QStringLiteral("Il file è danneggiato o non è una scheda di Vibrana.");
    struct {
        const char* nome;
        QByteArray dati;
        Tipo tipo;
        QString messaggio; // empty: only its start is checked below
        const char* inizio;
    } casi[] = {
        {"troncato", buono.left(buono.size() / 2), Tipo::Scheda, danneggiato, ""},
        {"vuoto", QByteArray(), Tipo::Scheda, danneggiato, ""},
        {"non JSON", QByteArray("\x89PNG\r\n"), Tipo::Scheda, danneggiato, ""},
        {"altro programma", cambia("\"Vibrana\"", "\"Altro\""), Tipo::Scheda, danneggiato, ""},
        {"serie fuori misura", cambia("\"serie\": 3", "\"serie\": 300"), Tipo::Scheda, danneggiato, ""},
        {"serie come testo", cambia("\"serie\": 3", "\"serie\": \"3\""), Tipo::Scheda, danneggiato, ""},
        {"campo mancante", cambia("\"istruttore\"", "\"istruttrice\""), Tipo::Scheda, danneggiato, ""},
        {"esercizio sulla pedana senza immagine", cambia("\"figura\": {", "\"figura\": null, \"x\": {"),
         Tipo::Scheda, danneggiato, ""},
        {"versione successiva", cambia("\"formato\": 1", "\"formato\": 2"), Tipo::Scheda, QString(),
         "Il file è stato scritto da una versione più recente di Vibrana (formato 2;"},
        {"modello atteso", buono, Tipo::Modello, QString(), "Il file contiene la scheda di un atleta"},
        {"immagini e categoria mancanti",
         cambia("\"numero\": 12.5", "\"numero\": 77")
             .replace("\"OSTREL\"", "\"NUOVA\"")
             .replace("Tonificazione", "Yoga"),
         Tipo::Scheda,
         QStringLiteral("Impossibile importare: in questo archivio mancano\n"
                        "  - categoria \"Yoga\"\n"
                        "  - immagine n. 77 (VIBRANA, vibrana_012_5.JPG)\n"
                        "  - immagine n. 1 (NUOVA, ostrel_001.JPG)\n"
                        "Non è stato importato nulla."),
         ""},
    };
    const qlonglong prima = righe();
    for (const auto& c : casi) {
        const EsitoImportazione e = importa(c.dati, c.tipo, atleta);
        EXPECT_FALSE(e.riuscito) << c.nome;
        EXPECT_EQ(e.id, 0) << c.nome;
        if (!c.messaggio.isEmpty())
            EXPECT_EQ(e.messaggio, c.messaggio) << c.nome;
        else
            EXPECT_TRUE(e.messaggio.startsWith(QString::fromUtf8(c.inizio)))
                << c.nome << ": " << e.messaggio.toStdString();
    }
    EXPECT_EQ(righe(), prima);
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('|')).toStdString();

    const EsitoImportazione senzaAtleta = importa(buono, Tipo::Scheda, 9999);
    EXPECT_FALSE(senzaAtleta.riuscito);
    EXPECT_TRUE(senzaAtleta.messaggio.startsWith(QStringLiteral("L'atleta n. 9999 non è in archivio")));
    EXPECT_EQ(righe(), prima);
}

TEST_F(Scambio, UnEsercizioRifiutatoDalDatabaseNonLasciaMezzaScheda) {
    const QByteArray dati = esporta(caricata<scheda>(schedaDiProva()));
    const qlonglong prima = righe();
    rifiutaRighe(QStringLiteral("no_libero"), QStringLiteral("INSERT"), QStringLiteral("Esercizi"),
                 QStringLiteral("NEW.isLibero = 1"));
    const EsitoImportazione e = importa(dati, Tipo::Scheda, atleta);
    EXPECT_FALSE(e.riuscito);
    EXPECT_EQ(righe(), prima);
    EXPECT_FALSE(messaggi().testi().isEmpty()); // the database's own refusal was shown
}

TEST_F(Scambio, FileScrittoInteroONonScritto) {
    const QString file = cartella() + QStringLiteral("/scheda.vibrana");
    ASSERT_EQ(scriviFile(file, QByteArray("prima")), QString());
    // A place that cannot be written (its folder is a file): nothing appears, the old file stays.
    const QString bloccata = file + QStringLiteral("/x.vibrana");
    EXPECT_NE(scriviFile(bloccata, QByteArray("dati")), QString());
    EXPECT_FALSE(QFile::exists(bloccata));
    ASSERT_EQ(QDir(cartella()).entryList({QStringLiteral("*.vibrana*")}, QDir::Files),
              QStringList{QStringLiteral("scheda.vibrana")});
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("prima"));
}

} // namespace
