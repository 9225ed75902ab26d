#include "base/Logger.h"
#include "base/Orologio.h"
#include "comune/MessaggiRegistrati.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class LoggerTest : public ::testing::Test {
protected:
    void TearDown() override { impostaOrologio(QDateTime()); }
    QTemporaryDir dir;
};

TEST_F(LoggerTest, CreaAccodaENonRiscrive) {
    Logger log(dir.path());
    impostaOrologio(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
    log.log(QStringLiteral("Application START"));
    EXPECT_EQ(leggi(log.percorsoFile()), QStringLiteral("[10/12/2026 09:05:07] Application START\n"));
    log.log(QString());
    log.log(QStringLiteral("Perché l'atleta è già qui — ✓"));
    EXPECT_EQ(leggi(log.percorsoFile()),
              QStringLiteral("[10/12/2026 09:05:07] Application START\n[10/12/2026 09:05:07] \n"
                             "[10/12/2026 09:05:07] Perché l'atleta è già qui — ✓\n"));
}

TEST_F(LoggerTest, AMezzanotteSoloLaData) {
    Logger log(dir.path());
    impostaOrologio(QDateTime(QDate(2026, 1, 2), QTime(0, 0, 0)));
    log.log(QStringLiteral("x"));
    EXPECT_EQ(leggi(log.percorsoFile()), QStringLiteral("[02/01/2026] x\n"));
}

TEST_F(LoggerTest, FileCancellatoVieneRicreato) {
    Logger log(dir.path());
    log.log(QStringLiteral("prima"));
    ASSERT_TRUE(QFile::remove(log.percorsoFile()));
    log.log(QStringLiteral("dopo"));
    const QString testo = leggi(log.percorsoFile());
    EXPECT_FALSE(testo.contains(QStringLiteral("prima")));
    EXPECT_TRUE(testo.endsWith(QStringLiteral("] dopo\n")));
}

TEST_F(LoggerTest, UnaScritturaFallitaESegnalataUnaVoltaSolaEIlLavoroProsegue) {
    RegistratoreInstallato registro;
    Logger log(dir.path() + QStringLiteral("/non/esiste"));
    for (int i = 0; i < 40; ++i)
        EXPECT_FALSE(log.log(QStringLiteral("Execute - SELECT 1")));
    ASSERT_EQ(registro->mostrati.size(), 1u);
    EXPECT_TRUE(
        registro->mostrati[0].testo.startsWith(QStringLiteral("Impossibile scrivere il file di log \"%1\"")
                                                   .arg(QDir::toNativeSeparators(log.percorsoFile()))));
    EXPECT_EQ(registro->mostrati[0].tipo, TipoMessaggio::Avviso);
}

TEST_F(LoggerTest, OltreIlLimiteIlFileDiventaIlPrecedenteEUnoNuovoComincia) {
    const qint64 limite = 1000;
    Logger log(dir.path(), limite);
    QStringList scritte;
    for (int i = 0; i < 200; ++i) {
        scritte << QStringLiteral("riga %1").arg(i, 4, 10, QLatin1Char('0'));
        ASSERT_TRUE(log.log(scritte.last()));
        // Never more than the limit and one line in either file, and never a third file.
        EXPECT_LE(QFileInfo(log.percorsoFile()).size(), limite + 40);
        EXPECT_LE(QFileInfo(log.percorsoPrecedente()).size(), limite + 40);
        EXPECT_LE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
    EXPECT_TRUE(QFileInfo::exists(log.percorsoPrecedente()));
    // The two files together end with every line of the last stretch, in order, none repeated.
    const QString insieme = leggi(log.percorsoPrecedente()) + leggi(log.percorsoFile());
    const QStringList righe = insieme.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(righe.size(), 20);
    for (int i = 0; i < righe.size(); ++i)
        EXPECT_TRUE(righe[i].endsWith(scritte[scritte.size() - righe.size() + i])) << righe[i].toStdString();
}

// A huge message (a statement carrying an imported note) would otherwise be one line past any bound.
TEST_F(LoggerTest, OgniRigaHaUnLimiteEIDueFileRestanoNelLoro) {
    const qint64 limite = 64 * 1024;
    Logger log(dir.path(), limite);
    impostaOrologio(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
    const QString enorme = QStringLiteral("inizio\r\n") + QString(5 * 1024 * 1024, QChar(u'è'));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(log.log(enorme));
        // One line at most past the limit in either file, whatever was passed.
        const qint64 unaRiga = 3 * (Logger::lunghezzaMassima + Logger::marcaTaglio.size()) + 40;
        EXPECT_LE(QFileInfo(log.percorsoFile()).size(), limite + unaRiga);
        EXPECT_LE(QFileInfo(log.percorsoPrecedente()).size(), limite + unaRiga);
    }
    const QStringList righe = leggi(log.percorsoFile()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(righe.size(), 3); // line breaks in the message do not start lines of their own
    const QString attesa = QStringLiteral("[10/12/2026 09:05:07] ") + QStringLiteral("inizio  ") +
                           QString(Logger::lunghezzaMassima - 8, QChar(u'è')) + Logger::marcaTaglio;
    for (const QString& r : righe)
        EXPECT_EQ(r, attesa);
    // A message within the bound is kept whole.
    ASSERT_TRUE(log.log(QString(Logger::lunghezzaMassima, QLatin1Char('a'))));
    EXPECT_TRUE(leggi(log.percorsoFile())
                    .endsWith(QString(Logger::lunghezzaMassima, QLatin1Char('a')) + QLatin1Char('\n')));
}

TEST_F(LoggerTest, UnLogCheNonSiPuoScrivereLoDiceInItaliano) {
    struct Caso {
        const char* nome;
        QString cartella;
        QString motivo;
    } casi[] = {
        {"al posto del file una cartella", dir.path(),
         QStringLiteral("al suo posto c'è una cartella con lo stesso nome")},
        {"cartella mancante", dir.path() + QStringLiteral("/non/esiste"),
         QStringLiteral("la cartella %1/non/esiste non esiste").arg(dir.path())},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("log.txt")));
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        RegistratoreInstallato registro;
        Logger log(c.cartella);
        EXPECT_FALSE(log.log(QStringLiteral("x")));
        ASSERT_EQ(registro->mostrati.size(), 1u);
        EXPECT_EQ(
            registro->mostrati[0].testo.toStdString(),
            QStringLiteral("Impossibile scrivere il file di log \"%1/log.txt\": %2. Il programma continua "
                           "senza registrare gli eventi.")
                .arg(c.cartella, c.motivo)
                .toStdString());
    }
}

} // namespace
