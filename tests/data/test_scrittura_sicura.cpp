#include "data/ScritturaSicura.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray leggi(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool scrivi(const QString& file, const QByteArray& dati) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dati) == dati.size();
}

QByteArray impronta(const QString& file) {
    return QCryptographicHash::hash(leggi(file), QCryptographicHash::Sha256);
}

class ScritturaSicura : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(scrivi(archivio(), "SQLite format 3 registro"));
        ASSERT_TRUE(QDir().mkpath(percorso(QStringLiteral("backup"))));
        ASSERT_TRUE(scrivi(copia(), "SQLite format 3 copia"));
    }
    QString percorso(const QString& nome) const { return dir_.filePath(nome); }
    QString archivio() const { return percorso(QStringLiteral("splash.ps")); }
    QString copia() const { return percorso(QStringLiteral("backup/splash-2026-12-10_083000.ps")); }

private:
    QTemporaryDir dir_;
};

// Every name that leads to the register, its journals or its copies, and every target that is not a
// file that can be replaced: refused with the file's name and the reason, nothing touched.
TEST_F(ScritturaSicura, BersagliOstiliRifiutati) {
    const QString sola = percorso(QStringLiteral("sola.txt"));
    ASSERT_TRUE(scrivi(sola, "di sola lettura"));
    ASSERT_TRUE(QFile::setPermissions(sola, QFile::ReadOwner | QFile::ReadGroup));
    ASSERT_TRUE(QDir().mkpath(percorso(QStringLiteral("cartella.pdf"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(percorso(QStringLiteral("tubo.pdf"))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(archivio(), percorso(QStringLiteral("collegamento.pdf"))));
    ASSERT_TRUE(QFile::link(copia(), percorso(QStringLiteral("alla-copia.pdf"))));
    // A link to the journal's name, which is not there between transactions.
    ASSERT_TRUE(QFile::link(archivio() + QStringLiteral("-wal"), percorso(QStringLiteral("al-wal.pdf"))));
    ASSERT_EQ(::link(QFile::encodeName(archivio()).constData(),
                     QFile::encodeName(percorso(QStringLiteral("duro.pdf"))).constData()),
              0);
    ASSERT_EQ(::link(QFile::encodeName(copia()).constData(),
                     QFile::encodeName(percorso(QStringLiteral("copia-dura.pdf"))).constData()),
              0);

    const struct {
        QString bersaglio;
        const char* motivo;
    } casi[] = {
        {archivio(), "è l'archivio del programma"},
        {percorso(QStringLiteral("backup/../splash.ps")), "è l'archivio del programma"},
        {percorso(QStringLiteral("collegamento.pdf")), "è l'archivio del programma"},
        {percorso(QStringLiteral("duro.pdf")), "è l'archivio del programma"},
        {archivio() + QStringLiteral("-journal"), "è un file dell'archivio del programma"},
        {archivio() + QStringLiteral("-wal"), "è un file dell'archivio del programma"},
        {archivio() + QStringLiteral("-shm"), "è un file dell'archivio del programma"},
        {percorso(QStringLiteral("al-wal.pdf")), "è un file dell'archivio del programma"},
        {copia(), "è nella cartella delle copie dell'archivio"},
        {percorso(QStringLiteral("backup/nuova.pdf")), "è nella cartella delle copie dell'archivio"},
        {percorso(QStringLiteral("alla-copia.pdf")), "è nella cartella delle copie dell'archivio"},
        {percorso(QStringLiteral("copia-dura.pdf")), "è una copia dell'archivio del programma"},
        {percorso(QStringLiteral("cartella.pdf")), "è una cartella"},
        {percorso(QStringLiteral("tubo.pdf")), "non è un file normale"},
        {sola, "non si ha il permesso di scrivere"},
        {percorso(QStringLiteral("manca/x.pdf")), "la cartella non esiste"},
    };
    const QByteArray registro = impronta(archivio());
    const QByteArray diCopia = impronta(copia());
    for (const auto& c : casi) {
        SCOPED_TRACE(c.bersaglio.toStdString());
        EXPECT_EQ(scriviFileProtetto(c.bersaglio, "nuovo", archivio()).toStdString(),
                  QStringLiteral("Impossibile scrivere «%1»: %2")
                      .arg(QFileInfo(c.bersaglio).fileName(), QString::fromUtf8(c.motivo))
                      .toStdString());
        EXPECT_EQ(impronta(archivio()), registro);
        EXPECT_EQ(impronta(copia()), diCopia);
    }
    // Nothing was put in the place of what was refused.
    EXPECT_TRUE(QFileInfo(percorso(QStringLiteral("tubo.pdf"))).exists());
    struct stat s {};
    ASSERT_EQ(::stat(QFile::encodeName(percorso(QStringLiteral("tubo.pdf"))).constData(), &s), 0);
    EXPECT_TRUE(S_ISFIFO(s.st_mode));
    EXPECT_EQ(leggi(sola), QByteArray("di sola lettura"));
    for (const char* coda : {"-journal", "-wal", "-shm"})
        EXPECT_FALSE(QFileInfo::exists(archivio() + QLatin1String(coda))) << coda;
    EXPECT_FALSE(QFileInfo::exists(percorso(QStringLiteral("backup/nuova.pdf"))));
    EXPECT_EQ(QDir(percorso(QStringLiteral("backup"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(copia()).fileName()});
}

// An ordinary file is written, replaced whole, and through a link the link stays a link.
TEST_F(ScritturaSicura, FileNormaleScrittoEIntero) {
    const QString file = percorso(QStringLiteral("scheda.pdf"));
    EXPECT_EQ(scriviFileProtetto(file, "primo", archivio()), QString());
    EXPECT_EQ(leggi(file), QByteArray("primo"));
    EXPECT_EQ(scriviFileProtetto(file, "secondo", archivio()), QString());
    EXPECT_EQ(leggi(file), QByteArray("secondo"));

    const QString link = percorso(QStringLiteral("ultima.pdf"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_EQ(scriviFileProtetto(link, "terzo", archivio()), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(leggi(file), QByteArray("terzo"));
    // No temporary file left beside it.
    EXPECT_EQ(QDir(percorso(QString())).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{QStringLiteral("scheda.pdf"), QStringLiteral("splash.ps"),
                           QStringLiteral("ultima.pdf")}));
}

} // namespace
