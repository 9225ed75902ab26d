#include "comune/ArchivioDiProva.h"
#include "customisation/LogoScelto.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

const QDateTime ieri(QDate(2026, 12, 9), QTime(8, 0), Qt::UTC);

void foto(const QString& percorso, QColor colore) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QImage img(60, 30, QImage::Format_RGB32);
    img.fill(colore);
    ASSERT_TRUE(img.save(percorso, "JPG"));
    // An old date, so that a copy over it would show.
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(ieri, QFileDevice::FileModificationTime));
}

void testo(const QString& percorso, const QByteArray& dati) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

// What lies at `percorso`: "rosso" or "verde" for a picture of that colour, "cartella", "nulla",
// or "altro".
QString cosaCe(const QString& percorso) {
    const QFileInfo info(percorso);
    if (info.isDir())
        return QStringLiteral("cartella");
    if (!info.exists())
        return QStringLiteral("nulla");
    const QImage img(percorso);
    if (img.isNull())
        return QStringLiteral("altro");
    const QColor c = img.pixelColor(img.width() / 2, img.height() / 2);
    if (c.red() > 200 && c.green() < 60)
        return QStringLiteral("rosso");
    if (c.green() > 200 && c.red() < 60)
        return QStringLiteral("verde");
    return QStringLiteral("altro");
}

struct CasoLogo {
    const char* nome;
    void (*prepara)(const QString& cartella);
    const char* scelto; // from the program folder
    const char* preso;  // where the logo is taken from now on; empty when refused
    const char* avviso; // the message's first line; empty when taken
    const char* dopo;   // what images/logo.jpg (or the logo taken) is afterwards
    bool ancoraDiIeri;  // the file in the images folder was left untouched
};

void PrintTo(const CasoLogo& c, std::ostream* uscita) {
    *uscita << c.nome;
}

class LogoDellaPalestra : public ArchivioDiProva, public ::testing::WithParamInterface<CasoLogo> {};

TEST_P(LogoDellaPalestra, PresoCopiatoORifiutato) {
    const CasoLogo c = GetParam();
    const QString cartella = this->cartella();
    c.prepara(cartella);
    const QString scelto = cartella + QLatin1Char('/') + QLatin1String(c.scelto);
    const QString nelleImmagini =
        cartella + QStringLiteral("/images/") + QFileInfo(QLatin1String(c.preso)).fileName();
    const QString esaminato = *c.preso ? nelleImmagini : cartella + QStringLiteral("/images/logo.jpg");

    const LogoScelto logo = prendiLogo(scelto);

    EXPECT_EQ(logo.preso(), *c.preso != 0);
    if (*c.preso) {
        EXPECT_EQ(QDir::cleanPath(logo.percorso),
                  QDir::cleanPath(cartella + QLatin1Char('/') + QLatin1String(c.preso)));
        EXPECT_EQ(logo.avviso, QString());
    } else {
        EXPECT_EQ(logo.percorso, QString());
        // The message names the file refused, or the place the copy could not be made.
        const QString nominato = QString::fromUtf8(c.avviso).startsWith(QStringLiteral("Il file scelto"))
                                     ? scelto
                                     : cartellaLoghi() + QStringLiteral("/logo.jpg");
        EXPECT_EQ(logo.avviso,
                  QString::fromUtf8(c.avviso) + QLatin1Char('\n') + QDir::toNativeSeparators(nominato));
    }
    EXPECT_EQ(cosaCe(esaminato), QLatin1String(c.dopo));
    if (c.ancoraDiIeri) {
        EXPECT_EQ(QFileInfo(esaminato).lastModified(), ieri);
    }
    // Nothing half-copied is left behind.
    if (QFileInfo(cartella + QStringLiteral("/images")).isDir()) {
        EXPECT_EQ(QDir(cartella + QStringLiteral("/images"))
                      .entryList({QStringLiteral("*.copia")}, QDir::AllEntries),
                  QStringList());
    }
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

const char* nonLeggibile = "Il file scelto non è un'immagine leggibile:";
const char* nonCopiabile = "Impossibile copiare il logo nella cartella delle immagini del programma:";

INSTANTIATE_TEST_SUITE_P(
    Tabella, LogoDellaPalestra,
    ::testing::Values(
        CasoLogo{"DaAltroveSenzaCartellaImmagini",
                 [](const QString& c) { foto(c + QStringLiteral("/altrove/logo.jpg"), Qt::green); },
                 "altrove/logo.jpg", "images/logo.jpg", "", "verde", false},
        CasoLogo{"SostituisceQuelloConLoStessoNome",
                 [](const QString& c) {
                     foto(c + QStringLiteral("/images/logo.jpg"), Qt::red);
                     foto(c + QStringLiteral("/altrove/logo.jpg"), Qt::green);
                 },
                 "altrove/logo.jpg", "images/logo.jpg", "", "verde", false},
        CasoLogo{"GiaNelleImmaginiRestaDovE",
                 [](const QString& c) { foto(c + QStringLiteral("/images/Logo.JPG"), Qt::red); },
                 "images/Logo.JPG", "images/Logo.JPG", "", "rosso", true},
        // The images folder reached through a link: the file must not be copied onto itself.
        CasoLogo{"GiaNelleImmaginiPerAltraVia",
                 [](const QString& c) {
                     foto(c + QStringLiteral("/images/logo.jpg"), Qt::red);
                     ASSERT_TRUE(QFile::link(c + QStringLiteral("/images"), c + QStringLiteral("/via")));
                 },
                 "via/logo.jpg", "images/logo.jpg", "", "rosso", true},
        CasoLogo{"NonUnImmagineLasciaIlVecchio",
                 [](const QString& c) {
                     foto(c + QStringLiteral("/images/logo.jpg"), Qt::red);
                     testo(c + QStringLiteral("/altrove/logo.jpg"), "non è una foto");
                 },
                 "altrove/logo.jpg", "", nonLeggibile, "rosso", true},
        CasoLogo{"FileSparito", [](const QString&) {}, "altrove/logo.jpg", "", nonLeggibile, "nulla", false},
        // A file where the images folder should be.
        CasoLogo{"CartellaImmaginiImpossibile",
                 [](const QString& c) {
                     testo(c + QStringLiteral("/images"), "un file");
                     foto(c + QStringLiteral("/altrove/logo.jpg"), Qt::green);
                 },
                 "altrove/logo.jpg", "", nonCopiabile, "nulla", false},
        // A folder of the logo's name that cannot be replaced: it stays as it was.
        CasoLogo{"PostoOccupatoRestaComEra",
                 [](const QString& c) {
                     testo(c + QStringLiteral("/images/logo.jpg/dentro.txt"), "occupato");
                     foto(c + QStringLiteral("/altrove/logo.jpg"), Qt::green);
                 },
                 "altrove/logo.jpg", "", nonCopiabile, "cartella", false}),
    [](const ::testing::TestParamInfo<CasoLogo>& i) { return std::string(i.param.nome); });

} // namespace
