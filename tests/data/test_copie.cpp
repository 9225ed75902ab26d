#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Orologio.h"
#include "comune/ArchivioDiProva.h"
#include "data/CopieAutomatiche.h"
#include "data/CreaArchivio.h"
#include "data/db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QDateTime inizio(QDate(2026, 12, 11), QTime(8, 30, 5));

class Copie : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        // The per-user settings go to the test's folder, never the developer's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           cartella() + QStringLiteral("/impostazioni"));
        QSettings s = impostazioniUtente();
        s.clear();
        s.sync();
        impostaOrologio(inizio);
    }
    QString cartellaBackup() const { return cartella() + QStringLiteral("/backup"); }
    QStringList nomiBackup() const {
        return QDir(cartellaBackup()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // An empty file under the backup folder.
    void fileBackup(const QString& nome) const {
        QDir().mkpath(cartellaBackup());
        QFile f(cartellaBackup() + QLatin1Char('/') + nome);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    // A real copy of the register as it is now, made at `quando`.
    QString copiaVera(const QDateTime& quando, bool primaDelRipristino = false) const {
        QDir().mkpath(cartellaBackup());
        const QString nome = nomeCopia(percorsoArchivio(), quando, primaDelRipristino);
        copiaArchivio(percorsoArchivio(), nome);
        return nome;
    }
    void atleta(const QString& cognome) const {
        eseguiDiretto(
            QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('Anna', '%1')").arg(cognome));
    }
    void schedaDi(const QString& cognome) const {
        eseguiDiretto(QStringLiteral("INSERT INTO schede (id_utente, Istruttore, id_cat, FreqAllen) "
                                     "SELECT id_utente, 'Luca', (SELECT MIN(id_cat) FROM categorie), 3 "
                                     "FROM utenti WHERE cognome = '%1'")
                          .arg(cognome));
    }
    static QByteArray leggi(const QString& percorso) {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void imposta(const QString& chiave, const QVariant& valore) {
        QSettings s = impostazioniUtente();
        s.setValue(QStringLiteral("CopieAutomatiche/") + chiave, valore);
        s.sync();
    }
};

TEST(NomiCopie, DataEOraOrdinabiliConLEstensioneDellArchivio) {
    const struct {
        const char* archivio;
        bool primaDelRipristino;
        const char* atteso;
    } casi[] = {
        {"/p/splash.ps", false, "/p/backup/splash-2026-12-11_083005.ps"},
        {"/p/splash.ps", true, "/p/backup/splash-2026-12-11_083005-prima-del-ripristino.ps"},
        {"/p/registro", false, "/p/backup/registro-2026-12-11_083005"},
        {"/p/palestra.nuova.db", false, "/p/backup/palestra.nuova-2026-12-11_083005.db"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(nomeCopia(QString::fromUtf8(c.archivio), inizio, c.primaDelRipristino),
                  QString::fromUtf8(c.atteso))
            << c.archivio;
    // Names sort as the moments do, across a change of month, day and hour.
    EXPECT_LT(nomeCopia(QStringLiteral("/p/splash.ps"), QDateTime(QDate(2026, 9, 30), QTime(23, 59, 59))),
              nomeCopia(QStringLiteral("/p/splash.ps"), QDateTime(QDate(2026, 10, 1), QTime(0, 0, 0))));
}

TEST_F(Copie, LElencoTieneSoloLeCopieDellArchivioDallaPiuRecente) {
    for (const char* nome :
         {"splash-2026-12-09_070000.ps", "splash-2026-12-11_060000-prima-del-ripristino.ps",
          "splash-2026-12-10_213000.ps",
          // not copies of this register
          "splash-2026-12-10_213000.ps.nuovo", "splash-2026-13-40_000000.ps", "splash-2026-12-10_2130.ps",
          "altro-2026-12-10_213000.ps", "splash-2026-12-10_213000.db", "splash.ps"})
        fileBackup(QString::fromLatin1(nome));
    const std::vector<CopiaTrovata> copie = elencaCopie(percorsoArchivio());
    ASSERT_EQ(copie.size(), 3u);
    EXPECT_EQ(QFileInfo(copie[0].percorso).fileName(),
              QStringLiteral("splash-2026-12-11_060000-prima-del-ripristino.ps"));
    EXPECT_TRUE(copie[0].primaDelRipristino);
    EXPECT_EQ(copie[0].quando, QDateTime(QDate(2026, 12, 11), QTime(6, 0)));
    EXPECT_EQ(QFileInfo(copie[1].percorso).fileName(), QStringLiteral("splash-2026-12-10_213000.ps"));
    EXPECT_FALSE(copie[1].primaDelRipristino);
    EXPECT_EQ(QFileInfo(copie[2].percorso).fileName(), QStringLiteral("splash-2026-12-09_070000.ps"));
    EXPECT_TRUE(elencaCopie(cartella() + QStringLiteral("/altrove/splash.ps")).empty());
}

TEST_F(Copie, AllAvvioLaCopiaSoloQuandoLUltimaHaUnGiorno) {
    const struct {
        const char* caso;
        int oreFa; // the newest automatic copy, hours before now; -1: none
        bool soloPrimaDelRipristino;
        bool attesa;
    } casi[] = {
        {"nessuna copia", -1, false, true},
        {"copia di due ore fa", 2, false, false},
        {"copia di 23 ore fa", 23, false, false},
        {"copia di 24 ore fa", 24, false, true},
        {"copia di tre giorni fa", 72, false, true},
        // The register kept before a restore is not a copy of the day.
        {"solo un archivio conservato da un'ora", 1, true, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        QDir(cartellaBackup()).removeRecursively();
        if (c.oreFa >= 0)
            copiaVera(inizio.addSecs(-3600LL * c.oreFa), c.soloPrimaDelRipristino);
        const QStringList prima = nomiBackup();
        copiaAutomaticaAllAvvio();
        const QStringList nuove = [&] {
            QStringList n = nomiBackup();
            for (const QString& p : prima)
                n.removeAll(p);
            return n;
        }();
        if (c.attesa)
            EXPECT_EQ(nuove, QStringList{QStringLiteral("splash-2026-12-11_083005.ps")});
        else
            EXPECT_TRUE(nuove.isEmpty()) << nuove.join(QLatin1Char(',')).toStdString();
        EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('|')).toStdString();
    }
}

TEST_F(Copie, LaCopiaEUnArchivioSanoDiQuelMomento) {
    atleta(QStringLiteral("Rossi"));
    schedaDi(QStringLiteral("Rossi"));
    copiaAutomaticaAllAvvio();
    const QString copia = nomeCopia(percorsoArchivio(), inizio);
    ASSERT_TRUE(QFileInfo::exists(copia));
    EXPECT_TRUE(verificaArchivio(copia).isEmpty());
    const std::optional<ContenutoCopia> c = contenutoCopia(copia);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->atleti, contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")));
    EXPECT_EQ(c->schede, contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede")));
    EXPECT_GE(c->atleti, 1);
    EXPECT_TRUE(righeLog().filter(QStringLiteral("Copia automatica")).isEmpty());
}

TEST_F(Copie, LeRegoleVengonoDalleImpostazioni) {
    const struct {
        const char* caso;
        QVariant ore, daTenere;
        int oreFa; // the newest copy
        bool attesa;
    } casi[] = {
        {"ogni ora: copia di due ore fa superata", 1, QVariant(), 2, true},
        {"ogni tre giorni: copia di due giorni fa buona", 72, QVariant(), 48, false},
        {"nessuna copia da tenere: copie spente", QVariant(), 0, 30, false},
        {"valori non validi: un giorno", QStringLiteral("mai"), -4, 12, false},
        {"valori non validi: un giorno, superato", -1, QStringLiteral("tante"), 25, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        QDir(cartellaBackup()).removeRecursively();
        QSettings s = impostazioniUtente();
        s.clear();
        s.sync();
        if (c.ore.isValid())
            imposta(QStringLiteral("OreTraCopie"), c.ore);
        if (c.daTenere.isValid())
            imposta(QStringLiteral("CopieDaTenere"), c.daTenere);
        copiaVera(inizio.addSecs(-3600LL * c.oreFa));
        copiaAutomaticaAllAvvio();
        EXPECT_EQ(nomiBackup().size(), c.attesa ? 2 : 1);
    }
}

TEST_F(Copie, SiTengonoLeCopiePiuRecenti) {
    const struct {
        QVariant daTenere;
        int tenute;
    } casi[] = {{QVariant(), 10}, {3, 3}, {1, 1}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.tenute);
        QDir(cartellaBackup()).removeRecursively();
        QSettings s = impostazioniUtente();
        s.clear();
        s.sync();
        if (c.daTenere.isValid())
            imposta(QStringLiteral("CopieDaTenere"), c.daTenere);
        // Twelve daily copies of earlier days, and a register kept before a restore, older than all.
        QStringList attese;
        for (int giorno = 12; giorno >= 1; --giorno)
            fileBackup(QFileInfo(nomeCopia(percorsoArchivio(), inizio.addDays(-giorno))).fileName());
        const QString conservato =
            QFileInfo(nomeCopia(percorsoArchivio(), inizio.addDays(-30), true)).fileName();
        fileBackup(conservato);
        copiaAutomaticaAllAvvio();
        attese << QFileInfo(nomeCopia(percorsoArchivio(), inizio)).fileName();
        for (int giorno = 1; giorno < c.tenute; ++giorno)
            attese << QFileInfo(nomeCopia(percorsoArchivio(), inizio.addDays(-giorno))).fileName();
        attese << conservato;
        attese.sort();
        EXPECT_EQ(nomiBackup(), attese);
    }
}

TEST_F(Copie, UnaCopiaNonRiuscitaSiSegnalaUnaVoltaSolaEIlProgrammaProsegue) {
    // A file where the folder should be: no copy can be written (whoever runs the test).
    {
        QFile f(cartellaBackup());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const auto avvio = [] { EXPECT_NO_THROW(copiaAutomaticaAllAvvio()); };

    avvio();
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_EQ(messaggi().mostrati[0].tipo, TipoMessaggio::Avviso);
    EXPECT_TRUE(messaggi().mostrati[0].testo.startsWith(
        QStringLiteral("La copia automatica dell'archivio non è riuscita: ")))
        << messaggi().mostrati[0].testo.toStdString();
    EXPECT_TRUE(messaggi().mostrati[0].testo.contains(QDir::toNativeSeparators(cartellaBackup())));

    // The same cause at the next starts: logged, not shown again.
    impostaOrologio(inizio.addDays(1));
    avvio();
    avvio();
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_EQ(righeLog().filter(QStringLiteral("Copia automatica non riuscita")).size(), 3);

    // Once a copy succeeds the failure is forgotten: the next one is shown again.
    QFile::remove(cartellaBackup());
    avvio();
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_EQ(nomiBackup().size(), 1);
    ASSERT_TRUE(QDir(cartellaBackup()).removeRecursively());
    {
        QFile f(cartellaBackup());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    impostaOrologio(inizio.addDays(3));
    avvio();
    EXPECT_EQ(messaggi().mostrati.size(), 2u);
}

TEST_F(Copie, IlContenutoSiLeggeSenzaToccareLaCopia) {
    atleta(QStringLiteral("Rossi"));
    atleta(QStringLiteral("Verdi"));
    schedaDi(QStringLiteral("Rossi"));
    schedaDi(QStringLiteral("Rossi"));
    schedaDi(QStringLiteral("Verdi"));
    const long atletiPrima = static_cast<long>(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")));
    const long schedePrima = static_cast<long>(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede")));
    const QString copia = copiaVera(inizio);
    // The register moves on; the copy stays as it was made.
    atleta(QStringLiteral("Bianchi"));
    schedaDi(QStringLiteral("Bianchi"));
    const QByteArray byte = leggi(copia);
    const QDateTime modificata = QFileInfo(copia).lastModified();
    const std::optional<ContenutoCopia> c = contenutoCopia(copia);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->atleti, atletiPrima);
    EXPECT_EQ(c->schede, schedePrima);
    EXPECT_EQ(leggi(copia), byte);
    EXPECT_EQ(QFileInfo(copia).lastModified(), modificata);
    EXPECT_EQ(QDir(cartellaBackup()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(copia).fileName()});

    // Not a register: nothing to count.
    fileBackup(QStringLiteral("splash-2026-12-10_010101.ps"));
    EXPECT_FALSE(contenutoCopia(cartellaBackup() + QStringLiteral("/splash-2026-12-10_010101.ps")));
    EXPECT_FALSE(contenutoCopia(cartellaBackup() + QStringLiteral("/manca.ps")));
}

TEST_F(Copie, IlRipristinoRimetteLaCopiaEConservaLArchivio) {
    atleta(QStringLiteral("Rossi"));
    const QString copia = copiaVera(inizio.addDays(-1));
    atleta(QStringLiteral("Verdi"));
    schedaDi(QStringLiteral("Verdi"));
    const long atletiAdesso = static_cast<long>(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")));

    const QString conservato = ripristinaCopia(percorsoArchivio(), copia, inizio);
    EXPECT_EQ(conservato, nomeCopia(percorsoArchivio(), inizio, true));
    // The register is the copy again; through db as well.
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE cognome = 'Verdi'")), 0);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE cognome = 'Rossi'")), 1);
    EXPECT_EQ(db().DCount(QStringLiteral("id_utente"), QStringLiteral("utenti"),
                          QStringLiteral("cognome = 'Verdi'")),
              0);
    // The register as it was is in the backup folder, whole.
    const std::optional<ContenutoCopia> c = contenutoCopia(conservato);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->atleti, atletiAdesso);
    EXPECT_TRUE(verificaArchivio(conservato).isEmpty());
    // Nothing left over beside the register.
    EXPECT_FALSE(QFileInfo::exists(percorsoArchivio() + QStringLiteral(".nuovo")));

    // A second restore in the same second keeps the first register kept aside too.
    const QString ancora = ripristinaCopia(percorsoArchivio(), copia, inizio);
    EXPECT_NE(ancora, conservato);
    EXPECT_TRUE(QFileInfo::exists(conservato));
    EXPECT_TRUE(QFileInfo::exists(ancora));
}

TEST_F(Copie, UnaCopiaDanneggiataERifiutataENullaCambia) {
    atleta(QStringLiteral("Rossi"));
    const QString buona = copiaVera(inizio.addDays(-1));
    const QByteArray byteBuoni = leggi(buona);
    const struct {
        const char* caso;
        QByteArray contenuto;
    } casi[] = {
        {"vuota", QByteArray()},
        {"testo", QByteArray("Elenco atleti: Rossi, Bianchi\n")},
        {"pagine rovinate", byteBuoni.left(4096) + QByteArray(byteBuoni.size() - 4096, '\xA5')},
        {"troncata", byteBuoni.left(byteBuoni.size() / 2)},
    };
    atleta(QStringLiteral("Verdi"));
    const QByteArray archivio = leggi(percorsoArchivio());
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        const QString rovinata = cartellaBackup() + QStringLiteral("/splash-2026-12-01_000000.ps");
        {
            QFile f(rovinata);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.contenuto);
        }
        const QStringList prima = nomiBackup();
        try {
            ripristinaCopia(percorsoArchivio(), rovinata, inizio);
            ADD_FAILURE() << "copia rovinata accettata";
        } catch (const Errore& e) {
            EXPECT_TRUE(e.descrizione().contains(QStringLiteral("è danneggiata")))
                << e.descrizione().toStdString();
            EXPECT_TRUE(e.descrizione().contains(QStringLiteral("l'archivio in uso è rimasto com'era")));
        }
        EXPECT_EQ(leggi(percorsoArchivio()), archivio);
        EXPECT_EQ(nomiBackup(), prima);
        QFile::remove(rovinata);
    }
    EXPECT_THROW(ripristinaCopia(percorsoArchivio(), cartellaBackup() + QStringLiteral("/manca.ps"), inizio),
                 Errore);
    EXPECT_EQ(leggi(percorsoArchivio()), archivio);
}

} // namespace
