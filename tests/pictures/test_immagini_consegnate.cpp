// The pictures, sound and help file that the build leaves in the program folder.
#include "base/CartellaProgramma.h"
#include "pictures/FileConsegnati.h"
#include "pictures/ZoneMappa.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString cartellaBuild = QStringLiteral(VIBRANA_CARTELLA_BUILD);

// Resolves a program path in the build's program folder the way the program does.
class CartellaBuild : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("VIBRANA_CARTELLA", cartellaBuild.toLocal8Bit());
        dimenticaCartellaProgramma();
    }
    void TearDown() override {
        qunsetenv("VIBRANA_CARTELLA");
        dimenticaCartellaProgramma();
    }
    static QImage carica(const QString& relativo) {
        QImageReader r(percorsoProgramma(relativo));
        QImage img = r.read();
        EXPECT_FALSE(img.isNull()) << qPrintable(relativo) << ": " << qPrintable(r.errorString());
        return img.convertToFormat(QImage::Format_RGB32);
    }
};

int differenza(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}
bool sfondo(QRgb c) {
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}
bool rosso(QRgb c) {
    return qRed(c) > 150 && qRed(c) - qGreen(c) > 80 && qRed(c) - qBlue(c) > 80;
}

QRect inPixelInterno(const QRect& twip) {
    QRectF r = ZoneMappa::inPixel(twip);
    return QRect(QPoint(int(std::ceil(r.left())), int(std::ceil(r.top()))),
                 QPoint(int(std::floor(r.right())) - 1, int(std::floor(r.bottom())) - 1));
}

} // namespace

TEST_F(CartellaBuild, ImmaginiDellaMappaConLaStessaInquadratura) {
    const QImage corpo = carica(FileConsegnati::corpo);
    ASSERT_EQ(corpo.size(), ZoneMappa::dimensioneImmagine);
    for (const QString& c : ZoneMappa::codici()) {
        const QImage g = carica(FileConsegnati::corpoGruppo(c));
        EXPECT_EQ(g.size(), corpo.size()) << qPrintable(c);
    }
}

// Every zone lies over the drawn body, so a click there is a click on a muscle.
TEST_F(CartellaBuild, SottoOgniZonaCeIlCorpo) {
    const QImage corpo = carica(FileConsegnati::corpo);
    ASSERT_FALSE(corpo.isNull());
    for (const ZoneMappa::Zona& z : ZoneMappa::zone()) {
        const QRect r = inPixelInterno(z.rettangolo());
        const QPoint centro = ZoneMappa::inPixel(z.rettangolo()).center().toPoint();
        EXPECT_FALSE(sfondo(corpo.pixel(centro))) << z.arrayNome << " " << z.indice << " al centro";
        int corpoDentro = 0, tutti = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x, ++tutti)
                corpoDentro += !sfondo(corpo.pixel(x, y));
        EXPECT_GE(corpoDentro * 10, tutti * 6) << z.arrayNome << " " << z.indice;
    }
}

// A group's picture is red inside that group's zones and equal to the plain body elsewhere.
TEST_F(CartellaBuild, OgniGruppoEvidenziatoSoloNelleSueZone) {
    const QImage corpo = carica(FileConsegnati::corpo);
    ASSERT_FALSE(corpo.isNull());
    const int margine = 8; // JPEG blocks spread a change a few pixels around it
    for (const QString& c : ZoneMappa::codici()) {
        const QImage g = carica(FileConsegnati::corpoGruppo(c));
        ASSERT_EQ(g.size(), corpo.size());
        QRegion zone, vicino;
        for (const ZoneMappa::Zona& z : ZoneMappa::zoneDelGruppo(c)) {
            const QRect r = inPixelInterno(z.rettangolo());
            zone += r;
            vicino += r.adjusted(-margine, -margine, margine, margine);
            int rossi = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    rossi += rosso(g.pixel(x, y)) && !rosso(corpo.pixel(x, y));
            EXPECT_GE(rossi * 4, r.width() * r.height())
                << qPrintable(c) << " zona " << z.arrayNome << z.indice;
        }
        int lontani = 0;
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x)
                if (!vicino.contains(QPoint(x, y)) && differenza(g.pixel(x, y), corpo.pixel(x, y)) > 40)
                    ++lontani;
        EXPECT_EQ(lontani, 0) << qPrintable(c);
    }
}

TEST_F(CartellaBuild, CartellaLoghiEPosizioniSbagliate) {
    struct Caso {
        QString percorso;
        double proporzione; // width / height, 0 = any
        QSize esatta;       // empty = any
    };
    const Caso casi[] = {
        {FileConsegnati::simboloCartella, 0, QSize(25, 25)},
        {FileConsegnati::logoProdotto, 0, QSize()},
        {FileConsegnati::logoFamiglia, 0, QSize()},
        {FileConsegnati::logoMacchina, 1350.0 / 405, QSize()},
        {FileConsegnati::logoProduttore, 1755.0 / 540, QSize()},
        {FileConsegnati::posizioneSbagliata(0), 1830.0 / 2730, QSize()},
        {FileConsegnati::posizioneSbagliata(1), 1755.0 / 2895, QSize()},
        {FileConsegnati::posizioneSbagliata(2), 2235.0 / 2145, QSize()},
        {FileConsegnati::posizioneSbagliata(3), 2235.0 / 2145, QSize()},
        {FileConsegnati::posizioneSbagliata(4), 2235.0 / 2145, QSize()},
    };
    for (const Caso& c : casi) {
        const QImage img = carica(c.percorso);
        ASSERT_FALSE(img.isNull()) << qPrintable(c.percorso);
        if (c.esatta.isValid()) {
            EXPECT_EQ(img.size(), c.esatta) << qPrintable(c.percorso);
        }
        if (c.proporzione > 0) {
            EXPECT_NEAR(double(img.width()) / img.height(), c.proporzione, c.proporzione * 0.05)
                << qPrintable(c.percorso);
        }
    }
    // the wrong positions are crossed out: red along both diagonals
    for (int i = 0; i < FileConsegnati::numeroPosizioniSbagliate; ++i) {
        const QImage img = carica(FileConsegnati::posizioneSbagliata(i));
        int suDiagonali = 0;
        for (int k = 1; k < 10; ++k) {
            const double t = 0.12 + 0.76 * k / 10.0;
            suDiagonali += rosso(img.pixel(int(t * img.width()), int(t * img.height())));
            suDiagonali += rosso(img.pixel(int((1 - t) * img.width()), int(t * img.height())));
        }
        EXPECT_GE(suDiagonali, 14) << i;
    }
}

// A short, soft click: PCM, under 150 ms, not loud, and fading out rather than ending in a pop.
TEST_F(CartellaBuild, SuonoBreveEMorbido) {
    QFile f(percorsoProgramma(FileConsegnati::suonoMappa));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(f.fileName());
    const QByteArray w = f.readAll();
    ASSERT_GE(w.size(), 44);
    ASSERT_EQ(w.left(4), QByteArray("RIFF"));
    ASSERT_EQ(w.mid(8, 8), QByteArray("WAVEfmt "));
    auto u16 = [&](int o) { return qFromLittleEndian<quint16>(w.constData() + o); };
    auto u32 = [&](int o) { return qFromLittleEndian<quint32>(w.constData() + o); };
    EXPECT_EQ(u16(20), 1);  // PCM
    ASSERT_EQ(u16(34), 16); // bits
    const int canali = u16(22);
    const quint32 frequenza = u32(24);
    ASSERT_EQ(w.mid(36, 4), QByteArray("data"));
    const quint32 byte = u32(40);
    ASSERT_EQ(qsizetype(44 + byte), w.size());
    const double durata = double(byte) / (2.0 * canali * frequenza);
    EXPECT_GT(durata, 0.01);
    EXPECT_LT(durata, 0.150);
    int picco = 0, coda = 0;
    const int n = int(byte / 2);
    for (int i = 0; i < n; ++i) {
        const int v = std::abs(int(qFromLittleEndian<qint16>(w.constData() + 44 + 2 * i)));
        picco = std::max(picco, v);
        if (i >= n - n / 10)
            coda = std::max(coda, v);
    }
    EXPECT_GT(picco, 1000);      // audible
    EXPECT_LT(picco, 32767 / 2); // soft
    EXPECT_LT(coda, picco / 10); // fades out
}

// The help file sits where F1 looks for it, its contents table leads to real sections, and it names
// the main window's commands as the menus show them.
TEST_F(CartellaBuild, GuidaConIndiceEComandi) {
    QFile f(percorsoProgramma(FileConsegnati::guida));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(f.fileName());
    const QString html = QString::fromUtf8(f.readAll());
    QSet<QString> ancore;
    for (const auto& m : QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html))
        ancore << m.captured(1);
    int collegamenti = 0;
    for (const auto& m : QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html)) {
        EXPECT_TRUE(ancore.contains(m.captured(1))) << qPrintable(m.captured(1));
        ++collegamenti;
    }
    EXPECT_GE(collegamenti, 10);
    EXPECT_LT(html.indexOf(QStringLiteral("Indice")), html.indexOf(QStringLiteral("<h2>1.")));
    for (const char* comando :
         {"Personalizza", "Esci", "Gestione...", "Nuova Scheda", "Apri...", "Nuova da Modello",
          "Gestione Schede Modello...", "ISTRUZIONI D'USO", "Guida del programma", "Informazioni su...",
          "Salva su nuovo Modello", "Zoom Immagine", "Seleziona Immagine"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(comando))) << comando;
}
