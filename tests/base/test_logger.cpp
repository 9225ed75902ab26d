#include "base/Errore.h"
#include "base/Logger.h"
#include "base/Orologio.h"

#include <QDir>
#include <QFile>
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

TEST_F(LoggerTest, CartellaNonScrivibileEUnErrore) {
    Logger log(dir.path() + QStringLiteral("/non/esiste"));
    EXPECT_THROW(log.log(QStringLiteral("x")), Errore);
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
        Logger log(c.cartella);
        try {
            log.log(QStringLiteral("x"));
            ADD_FAILURE() << "nessun errore";
        } catch (const Errore& e) {
            EXPECT_EQ(e.descrizione().toStdString(),
                      QStringLiteral("Impossibile scrivere il file di log \"%1/log.txt\": %2.")
                          .arg(c.cartella, c.motivo)
                          .toStdString());
        }
    }
}

} // namespace
