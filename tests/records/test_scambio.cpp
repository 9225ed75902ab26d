#include "ArchivioSchede.h"
#include "records/ScambioScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <vector>

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
    EXPECT_EQ(nuova.PeriodoAl, QString()); // no end date in the file, none made up
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

// The test card's file with a fourth exercise (a copy of the first), changed by `cambi`: exercises 1 and 4
// on VIBRANA n. 12.5, 2 free, 3 on OSTREL n. 1.
using Cambio = std::function<void(QJsonObject& intestazione, QJsonArray& esercizi)>;
QByteArray cambiato(const QByteArray& buono, const std::vector<Cambio>& cambi) {
    QJsonObject radice = QJsonDocument::fromJson(buono).object();
    QJsonObject testa = radice.value(QStringLiteral("intestazione")).toObject();
    QJsonArray esercizi = radice.value(QStringLiteral("esercizi")).toArray();
    esercizi.append(esercizi.at(0));
    for (const Cambio& c : cambi)
        c(testa, esercizi);
    radice.insert(QStringLiteral("intestazione"), testa);
    radice.insert(QStringLiteral("esercizi"), esercizi);
    return QJsonDocument(radice).toJson();
}
Cambio nellEsercizio(int n, const char* chiave, const QJsonValue& valore) {
    return [=](QJsonObject&, QJsonArray& esercizi) {
        QJsonObject o = esercizi.at(n - 1).toObject();
        o.insert(QLatin1String(chiave), valore);
        esercizi.replace(n - 1, o);
    };
}
Cambio nellIntestazione(const char* chiave, const QJsonValue& valore) {
    return [=](QJsonObject& testa, QJsonArray&) { testa.insert(QLatin1String(chiave), valore); };
}

TEST_F(Scambio, ValoriCheLaSchedaRifiutaElencatiTuttiSenzaScrivereNulla) {
    const QByteArray buono = esporta(caricata<scheda>(schedaDiProva()));
    const QJsonValue figura = QJsonDocument::fromJson(buono)
                                  .object()
                                  .value(QStringLiteral("esercizi"))
                                  .toArray()
                                  .at(0)
                                  .toObject()
                                  .value(QStringLiteral("figura"));
    ASSERT_TRUE(figura.isObject());
    auto rifiuto = [](const QStringList& voci, const QString& mancanti = QString()) {
        return QStringLiteral("Impossibile importare «prova.vibrana»:\n  - ") +
               voci.join(QStringLiteral("\n  - ")) + QStringLiteral("\n") + mancanti +
               QStringLiteral("Non è stato importato nulla.");
    };
    const QString serie150 = QStringLiteral("esercizio 3, «Serie»: 150 — massimo 99");
    const QString yoga = QStringLiteral("esercizio 4, «Modalità»: Yoga — non è tra i valori ammessi");
    const struct {
        const char* nome;
        std::vector<Cambio> cambi;
        QString messaggio;
    } casi[] = {
        {"serie 150", {nellEsercizio(3, "serie", 150)}, rifiuto({serie150})},
        {"secondi 75",
         {nellEsercizio(1, "recuperoSec", 75)},
         rifiuto({QStringLiteral("esercizio 1, «Recupero (secondi)»: 75 — massimo 59")})},
        {"modalità Yoga", {nellEsercizio(4, "modalita", QStringLiteral("Yoga"))}, rifiuto({yoga})},
        {"serie e modalità",
         {nellEsercizio(4, "modalita", QStringLiteral("Yoga")), nellEsercizio(3, "serie", 150)},
         rifiuto({serie150, yoga})},
        {"serie e secondi 200",
         {nellEsercizio(1, "recuperoSec", 200), nellEsercizio(1, "serie", 200)},
         rifiuto({QStringLiteral("esercizio 1, «Serie»: 200 — massimo 99"),
                  QStringLiteral("esercizio 1, «Recupero (secondi)»: 200 — massimo 59")})},
        {"esercizio libero con immagine",
         {nellEsercizio(2, "figura", figura)},
         rifiuto(
             {QStringLiteral("esercizio 2, «Immagine»: n. 12.5 (VIBRANA, vibrana_012_5.JPG) — un esercizio "
                             "libero non ha immagine")})},
        {"esercizio libero con durata fuori elenco",
         {nellEsercizio(2, "durata", QStringLiteral("90s"))},
         rifiuto({QStringLiteral("esercizio 2, «Durata»: 90s — non è tra i valori ammessi")})},
        {"data impossibile",
         {nellIntestazione("periodoDal", QStringLiteral("2026-13-45"))},
         rifiuto({QStringLiteral("intestazione, «Dal»: 2026-13-45 — non è una data")})},
        {"data non nella forma del file",
         {nellIntestazione("periodoAl", QStringLiteral("31/01/2026"))},
         rifiuto({QStringLiteral("intestazione, «Al»: 31/01/2026 — non è una data")})},
        {"frequenza e giorni",
         {nellIntestazione("giorniAllenamento", QStringLiteral("0101010101")),
          nellIntestazione("frequenzaSettimanale", 8)},
         rifiuto(
             {QStringLiteral("intestazione, «Frequenza allenamento settimanale»: 8 — non è tra i valori "
                             "ammessi"),
              QStringLiteral(
                  "intestazione, «Giorni di allenamento»: 0101010101 — non sono al più nove cifre 0 o 1")})},
        {"intestazione prima, poi gli esercizi in ordine",
         {nellEsercizio(4, "modalita", QStringLiteral("Yoga")),
          nellIntestazione("periodoAl", QStringLiteral("x")), nellEsercizio(1, "serie", 100),
          nellIntestazione("periodoDal", QStringLiteral("2026-02-30"))},
         rifiuto({QStringLiteral("intestazione, «Dal»: 2026-02-30 — non è una data"),
                  QStringLiteral("intestazione, «Al»: x — non è una data"),
                  QStringLiteral("esercizio 1, «Serie»: 100 — massimo 99"), yoga})},
        {"con una categoria che manca",
         {nellEsercizio(3, "serie", 150), nellIntestazione("categoria", QStringLiteral("Yoga"))},
         rifiuto({serie150}, QStringLiteral("Inoltre in questo archivio mancano\n  - categoria \"Yoga\"\n"))},
    };
    const QString file = cartella() + QStringLiteral("/prova.vibrana");
    ASSERT_EQ(scriviFile(file, cambiato(buono, {})), QString());
    const qlonglong prima = righe();
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ASSERT_EQ(scriviFile(file, cambiato(buono, c.cambi)), QString());
        const EsitoImportazione e = importaFile(file, Tipo::Scheda, atleta);
        EXPECT_FALSE(e.riuscito);
        EXPECT_EQ(e.id, 0);
        EXPECT_EQ(e.messaggio, c.messaggio);
        EXPECT_EQ(righe(), prima);
    }
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('|')).toStdString();

    // Not from a file: no name to give.
    const EsitoImportazione e =
        importa(cambiato(buono, {nellEsercizio(3, "serie", 150)}), Tipo::Scheda, atleta);
    EXPECT_EQ(e.messaggio, QStringLiteral("Impossibile importare:\n  - ") + serie150 +
                               QStringLiteral("\nNon è stato importato nulla."));
    // A number no byte holds is still a damaged file, and a template's exercises follow the same rules.
    EXPECT_EQ(importa(cambiato(buono, {nellEsercizio(3, "serie", 256)}), Tipo::Scheda, atleta).messaggio,
              QStringLiteral("Il file è danneggiato o non è una scheda di Vibrana."));
    SchedaModello m;
    m.categoria = QStringLiteral("Riabilitazione");
    m.esercizi.Add(esercizio(13));
    const qlonglong primaDelModello = righe();
    QByteArray modello = esporta(m);
    ASSERT_TRUE(modello.contains("\"recuperoSec\": 30"));
    modello.replace("\"recuperoSec\": 30", "\"recuperoSec\": 60");
    EXPECT_EQ(
        importa(modello, Tipo::Modello, 0).messaggio,
        QStringLiteral("Impossibile importare:\n  - esercizio 1, «Recupero (secondi)»: 60 — massimo 59\n"
                       "Non è stato importato nulla."));
    EXPECT_EQ(righe(), primaDelModello);
}

TEST_F(Scambio, ElenchiSenzaBadareAlleMaiuscoleEDateVuoteSenzaData) {
    const QByteArray buono = esporta(caricata<scheda>(schedaDiProva()));
    const EsitoImportazione e =
        importa(cambiato(buono, {nellEsercizio(1, "modalita", QStringLiteral("combinata")),
                                 nellEsercizio(1, "durata", QStringLiteral("60S")),
                                 nellEsercizio(3, "frequenza", QStringLiteral("50hz")),
                                 nellEsercizio(3, "ampiezza", QStringLiteral("h")),
                                 nellIntestazione("periodoDal", QString()),
                                 nellIntestazione("periodoAl", QString())}),
                Tipo::Scheda, atleta);
    ASSERT_TRUE(e.riuscito) << e.messaggio.toStdString();
    EXPECT_EQ(conta(QStringLiteral("schede"),
                    QStringLiteral("id_scheda = %1 AND PeriodoDal IS NULL AND PeriodoAl IS NULL").arg(e.id)),
              1);
    const scheda s = caricata<scheda>(e.id);
    ASSERT_EQ(s.esercizi.Count(), 4);
    EXPECT_EQ(s.esercizi.Item(1).modalita, QStringLiteral("Combinata"));
    EXPECT_EQ(s.esercizi.Item(1).durata, QStringLiteral("60s"));
    EXPECT_EQ(s.esercizi.Item(3).frequenza, QStringLiteral("50Hz"));
    EXPECT_EQ(s.esercizi.Item(3).ampiezza, QStringLiteral("H"));
    EXPECT_EQ(s.esercizi.Item(4).modalita, QStringLiteral("Statico a carico naturale"));

    // A date the file writes is kept as it is.
    const EsitoImportazione datata = importa(
        cambiato(buono, {nellIntestazione("periodoAl", QStringLiteral("2028-02-29"))}), Tipo::Scheda, atleta);
    ASSERT_TRUE(datata.riuscito) << datata.messaggio.toStdString();
    EXPECT_EQ(caricata<scheda>(datata.id).PeriodoAl, QStringLiteral("29/02/2028"));
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('|')).toStdString();
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
