#include "base/CartellaProgramma.h"
#include "comune/MessaggiRegistrati.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void tocca(const QString& percorso) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(CartellaProgramma, VariabileDAmbienteEPercorsiSenzaMaiuscole) {
    QTemporaryDir dir;
    tocca(dir.path() + QStringLiteral("/images/bodymap/Corpo_PET.JPG"));
    qputenv("VIBRANA_CARTELLA", dir.path().toLocal8Bit());
    EXPECT_EQ(cartellaProgramma(), dir.path());
    const QString atteso = dir.path() + QStringLiteral("/images/bodymap/Corpo_PET.JPG");
    for (const char* scritto : {"\\images\\BODYMAP\\Corpo_PET.JPG", "\\images\\BodyMap\\corpo_pet.jpg",
                                "images/bodymap/Corpo_PET.JPG", "/IMAGES/bodymap/CORPO_PET.jpg"}) {
        EXPECT_EQ(percorsoProgramma(QString::fromLatin1(scritto)), atteso) << scritto;
    }
    // A missing file keeps the written name after the part that exists.
    EXPECT_EQ(percorsoProgramma(QStringLiteral("\\IMAGES\\manca\\x.jpg")),
              dir.path() + QStringLiteral("/images/manca/x.jpg"));
    qunsetenv("VIBRANA_CARTELLA");
}

TEST(CartellaProgramma, CopiaSoloIFileMancanti) {
    QTemporaryDir origine, destinazione;
    tocca(origine.path() + QStringLiteral("/splash.ps"));
    tocca(origine.path() + QStringLiteral("/images/a.JPG"));
    QFile esistente(destinazione.path() + QStringLiteral("/splash.ps"));
    ASSERT_TRUE(esistente.open(QIODevice::WriteOnly));
    esistente.write("dati dell'utente");
    esistente.close();

    EXPECT_TRUE(copiaFileMancanti(origine.path(), destinazione.path()));
    QFile letto(destinazione.path() + QStringLiteral("/splash.ps"));
    ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
    EXPECT_EQ(letto.readAll(), QByteArray("dati dell'utente"));
    EXPECT_TRUE(QFile::exists(destinazione.path() + QStringLiteral("/images/a.JPG")));
}

// The installed layout in temporary folders: an installed copy, an executable's folder, a per-user
// folder, and per-user settings of their own.
class Preparazione : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           radice.path() + QStringLiteral("/config"));
        qunsetenv("VIBRANA_CARTELLA");
        luoghi.installata = radice.path() + QStringLiteral("/share/vibrana");
        luoghi.eseguibile = radice.path() + QStringLiteral("/bin");
        luoghi.utente = radice.path() + QStringLiteral("/utente/vibrana");
        QDir().mkpath(luoghi.eseguibile);
        scrivi(luoghi.installata + QStringLiteral("/splash.ps"), "consegnato");
        scrivi(luoghi.installata + QStringLiteral("/images/FolderXP.JPG"), "immagine");
    }
    void TearDown() override {
        dimenticaCartellaProgramma();
        QStandardPaths::setTestModeEnabled(false);
    }
    static void scrivi(const QString& percorso, const QByteArray& contenuto) {
        QDir().mkpath(QFileInfo(percorso).absolutePath());
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }
    static QByteArray leggi(const QString& percorso) {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString archivioUtente() const { return luoghi.utente + QStringLiteral("/splash.ps"); }
    QString archivioEseguibile() const { return luoghi.eseguibile + QStringLiteral("/splash.ps"); }
    QVariant impostazione(const QString& chiave) const {
        return QSettings(QStringLiteral("Vibrana"), QStringLiteral("Vibrana")).value(chiave);
    }
    // The files under a folder with their contents, to see that nothing was touched.
    static QStringList stato(const QString& cartella) {
        QStringList s;
        QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            s << f + QLatin1Char('=') + QString::fromLatin1(leggi(f));
        }
        s.sort();
        return s;
    }

    QTemporaryDir radice;
    LuoghiProgramma luoghi;
    RegistratoreInstallato messaggi;
};

TEST_F(Preparazione, IlPrimoAvvioRiempieLaCartellaDellUtenteSenzaDomande) {
    ASSERT_TRUE(preparaCartellaProgramma(luoghi));
    EXPECT_TRUE(messaggi->mostrati.empty());
    EXPECT_EQ(cartellaProgramma(), luoghi.utente);
    EXPECT_EQ(leggi(archivioUtente()), QByteArray("consegnato"));
    EXPECT_TRUE(QFile::exists(luoghi.utente + QStringLiteral("/images/FolderXP.JPG")));
    EXPECT_TRUE(impostazione(QStringLiteral("Archivio/Creato")).toBool());
    EXPECT_EQ(impostazione(QStringLiteral("Archivio/Percorso")).toString(), archivioUtente());

    // The next start uses the user's register as it is.
    scrivi(archivioUtente(), "atleti dell'istruttore");
    dimenticaCartellaProgramma();
    ASSERT_TRUE(preparaCartellaProgramma(luoghi));
    EXPECT_TRUE(messaggi->mostrati.empty());
    EXPECT_EQ(leggi(archivioUtente()), QByteArray("atleti dell'istruttore"));
}

TEST_F(Preparazione, UnArchivioPersoNonVieneMaiSostituitoInSilenzio) {
    struct Caso {
        const char* nome;
        bool eseguibile; // the register lived beside the executable, else in the per-user folder
        Risposta risposta;
    };
    const Caso casi[] = {{"utente, No", false, Risposta::No},
                         {"utente, Sì", false, Risposta::Si},
                         {"eseguibile, No", true, Risposta::No},
                         {"eseguibile, Sì", true, Risposta::Si}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        QSettings(QStringLiteral("Vibrana"), QStringLiteral("Vibrana")).clear();
        QDir(luoghi.utente).removeRecursively();
        const QString archivio = c.eseguibile ? archivioEseguibile() : archivioUtente();
        const QString cartella = c.eseguibile ? luoghi.eseguibile : luoghi.utente;
        scrivi(archivio, "atleti");
        dimenticaCartellaProgramma();
        ASSERT_TRUE(preparaCartellaProgramma(luoghi));
        EXPECT_EQ(cartellaProgramma(), cartella);
        ASSERT_TRUE(messaggi->mostrati.empty());

        QFile::remove(archivio);
        scrivi(cartella + QStringLiteral("/log.txt"), "righe");
        const QStringList prima = stato(radice.path());
        dimenticaCartellaProgramma();
        messaggi->rispondi(c.risposta);
        const bool avviato = preparaCartellaProgramma(luoghi);

        ASSERT_EQ(messaggi->mostrati.size(), 1u);
        const auto& m = messaggi->mostrati[0];
        EXPECT_EQ(m.pulsanti, Pulsanti::SiNo);
        // A hasty Enter must not replace a lost register.
        EXPECT_EQ(m.predefinita, Risposta::No);
        // The folder actually searched is named, never another one.
        EXPECT_TRUE(m.testo.startsWith(
            QStringLiteral("Nella cartella %1 non c'è l'archivio splash.ps.").arg(cartella)))
            << m.testo.toStdString();
        EXPECT_TRUE(m.testo.contains(QStringLiteral("vibrana-archivio copia")));
        EXPECT_TRUE(m.testo.endsWith(QStringLiteral("Iniziare con un archivio vuoto?")));
        if (c.risposta == Risposta::No) {
            EXPECT_FALSE(avviato);
            EXPECT_EQ(stato(radice.path()), prima);
        } else {
            EXPECT_TRUE(avviato);
            EXPECT_EQ(cartellaProgramma(), cartella);
            EXPECT_EQ(leggi(archivio), QByteArray("consegnato"));
            EXPECT_EQ(leggi(cartella + QStringLiteral("/log.txt")), QByteArray("righe"));
        }
        messaggi->mostrati.clear();
        QFile::remove(archivioEseguibile());
    }
}

TEST_F(Preparazione, UnaCartellaIndicataSenzaArchivioChiedePrimaDiCrearlo) {
    luoghi.variabile = radice.path() + QStringLiteral("/indicata");
    QDir().mkpath(luoghi.variabile);
    messaggi->rispondi(Risposta::No);
    EXPECT_FALSE(preparaCartellaProgramma(luoghi));
    ASSERT_EQ(messaggi->mostrati.size(), 1u);
    EXPECT_EQ(
        messaggi->mostrati[0].testo,
        QStringLiteral("Nella cartella %1 non c'è l'archivio splash.ps.\n\nIniziare con un archivio vuoto?")
            .arg(luoghi.variabile));
    EXPECT_FALSE(QFile::exists(luoghi.variabile + QStringLiteral("/splash.ps")));
    // Folders named for one run are not remembered as the register's place.
    EXPECT_FALSE(impostazione(QStringLiteral("Archivio/Percorso")).isValid());
}

TEST_F(Preparazione, ConLArchivioSulServerNessunArchivioLocaleEChiestoOCreato) {
    struct Caso {
        const char* nome;
        bool variabile; // a folder named by VIBRANA_CARTELLA, else the per-user one on its first start
    } casi[] = {{"cartella dell'utente", false}, {"cartella indicata", true}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        QSettings(QStringLiteral("Vibrana"), QStringLiteral("Vibrana")).clear();
        QDir(luoghi.utente).removeRecursively();
        luoghi.variabile = c.variabile ? radice.path() + QStringLiteral("/indicata") : QString();
        const QString cartella = c.variabile ? luoghi.variabile : luoghi.utente;
        dimenticaCartellaProgramma();
        ASSERT_TRUE(preparaCartellaProgramma(luoghi, false));
        EXPECT_TRUE(messaggi->mostrati.empty()) << messaggi->testi().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(cartellaProgramma(), cartella);
        EXPECT_FALSE(QFile::exists(cartella + QStringLiteral("/splash.ps")));
        EXPECT_FALSE(QFile::exists(archivioUtente()));
        // The pictures still come from the installed copy.
        EXPECT_EQ(QFile::exists(luoghi.utente + QStringLiteral("/images/FolderXP.JPG")), !c.variabile);
        EXPECT_FALSE(impostazione(QStringLiteral("Archivio/Creato")).toBool());
        EXPECT_FALSE(impostazione(QStringLiteral("Archivio/Percorso")).isValid());
    }
}

TEST_F(Preparazione, SenzaCopiaInstallataUnMessaggioEFine) {
    QDir(luoghi.installata).removeRecursively();
    EXPECT_FALSE(preparaCartellaProgramma(luoghi));
    ASSERT_EQ(messaggi->mostrati.size(), 1u);
    EXPECT_EQ(messaggi->mostrati[0].tipo, TipoMessaggio::Errore);
    EXPECT_TRUE(messaggi->mostrati[0].testo.contains(luoghi.installata))
        << messaggi->mostrati[0].testo.toStdString();
    EXPECT_FALSE(impostazione(QStringLiteral("Archivio/Creato")).toBool());
}

} // namespace
