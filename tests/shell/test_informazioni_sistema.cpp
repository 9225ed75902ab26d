#include "comune/ArchivioDiProva.h"
#include "shell/InformazioniSistema_core.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

class Informazioni : public ArchivioDiProva {};

TEST_F(Informazioni, TestoDelleInformazioniDiSistema) {
    eseguiDiretto(
        QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('Anna', 'Rossi'), ('Bruno', 'Verdi')"));
    const QString testo = testoInformazioniSistema(ModoSchermo{1280, 1024, 24});
    const QStringList righe = testo.split(QLatin1Char('\n'));
    EXPECT_EQ(righe.value(0), QStringLiteral("Programma: Vibrana Versione 1.2.2"));
    EXPECT_TRUE(righe.contains(QStringLiteral("Schermo: 1280 x 1024 pixel, 24 bit per pixel")))
        << testo.toStdString();
    EXPECT_TRUE(righe.contains(QStringLiteral("Cartella del programma: ") + cartella()))
        << testo.toStdString();
    EXPECT_TRUE(testo.contains(QStringLiteral("Archivio: ") + percorsoArchivio()));
    EXPECT_TRUE(righe.contains(QStringLiteral("  Atleti: 2")));
    EXPECT_TRUE(righe.contains(
        QStringLiteral("  Muscoli: %1")
            .arg(QLocale().toString(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM muscoli"))))));
    EXPECT_TRUE(testo.contains(QStringLiteral("Qt: ") + QString::fromLatin1(qVersion())));
    EXPECT_TRUE(testo.contains(QStringLiteral("Sistema operativo: ")));
    EXPECT_TRUE(messaggi().mostrati.empty());
}

// Without its file the register has nothing to count: the text says so and asks nothing of it.
TEST_F(Informazioni, ArchivioMancante) {
    ASSERT_TRUE(QFile::remove(percorsoArchivio()));
    const QStringList righe = testoInformazioniSistema(ModoSchermo{}).split(QLatin1Char('\n'));
    EXPECT_EQ(righe.last(), QStringLiteral("Archivio: %1 (non trovato)").arg(percorsoArchivio()));
    EXPECT_TRUE(righe.filter(QStringLiteral("Atleti")).isEmpty());
    EXPECT_TRUE(messaggi().mostrati.empty()) << messaggi().testi().join(QLatin1Char('\n')).toStdString();
}

} // namespace
