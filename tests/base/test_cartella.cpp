#include "base/CartellaProgramma.h"

#include <QDir>
#include <QFile>
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

} // namespace
