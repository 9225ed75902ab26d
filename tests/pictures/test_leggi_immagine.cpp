#include "base/Errore.h"
#include "comune/FotoGirata.h"
#include "pictures/LeggiImmagine.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray jpeg(int orientamento) {
    return jpegConOrientamento(rossoEBlu(20, 10), orientamento);
}

QColor colore(const QImage& img, int x, int y) {
    return img.pixelColor(x, y);
}

bool simile(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 60 && std::abs(a.green() - b.green()) < 60 &&
           std::abs(a.blue() - b.blue()) < 60;
}

struct CasoLettura {
    const char* nome;
    QByteArray contenuto; // null: no file
    QSize adatta;
    QSize attesa; // invalid: not read
    QColor altoSinistra;
    QColor bassoDestra;
};

TEST(LeggiImmagine, TabellaDeiFile) {
    const QByteArray buona = jpeg(0);
    const CasoLettura casi[] = {
        {"buona.jpg", buona, {}, {20, 10}, Qt::red, Qt::blue},
        // Decoded straight at the size asked for.
        {"ridotta.jpg", buona, {10, 10}, {10, 5}, Qt::red, Qt::blue},
        // EXIF 6: turned a quarter clockwise to stand upright; the left half comes on top.
        {"girata.jpg", jpeg(6), {}, {10, 20}, Qt::red, Qt::blue},
        // The size asked for holds the upright picture, not the stored one.
        {"girata_ridotta.jpg", jpeg(6), {40, 10}, {5, 10}, Qt::red, Qt::blue},
        // EXIF 3: upside down, so the right half comes to the left.
        {"capovolta.jpg", jpeg(3), {}, {20, 10}, Qt::blue, Qt::red},
        {"manca.jpg", {}, {}, {}, {}, {}},
        {"rovinata.jpg", "non è una foto", {}, {}, {}, {}},
        {"tagliata.jpg", buona.left(40), {}, {}, {}, {}},
        {"vuota.jpg", QByteArray(""), {}, {}, {}, {}},
    };
    QTemporaryDir cartella;
    for (const CasoLettura& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString percorso = cartella.filePath(QLatin1String(c.nome));
        if (!c.contenuto.isNull()) {
            QFile f(percorso);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.contenuto);
        }
        const QImage img = leggiImmagine(percorso, c.adatta);
        if (!c.attesa.isValid()) {
            EXPECT_TRUE(img.isNull());
            continue;
        }
        ASSERT_EQ(img.size(), c.attesa);
        if (!c.adatta.isValid()) {
            EXPECT_EQ(dimensioneImmagine(percorso), c.attesa) << "la misura dritta, senza decodificare";
        }
        EXPECT_TRUE(simile(colore(img, 1, 1), c.altoSinistra)) << colore(img, 1, 1).name().toStdString();
        EXPECT_TRUE(simile(colore(img, img.width() - 2, img.height() - 2), c.bassoDestra))
            << colore(img, img.width() - 2, img.height() - 2).name().toStdString();
    }
}

TEST(LeggiImmagine, ErroreCheNominaIlFile) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("manca.jpg"));
    try {
        leggiImmagineOErrore(percorso, QStringLiteral("Impossibile caricare l'immagine:"),
                             QStringLiteral("Prova"));
        FAIL() << "nessun errore";
    } catch (const Errore& e) {
        EXPECT_EQ(e.numero(), NumeriErrore::FileNonTrovato);
        EXPECT_EQ(e.descrizione(), QStringLiteral("Impossibile caricare l'immagine:\n") + percorso);
        EXPECT_EQ(e.sorgente(), QStringLiteral("Prova"));
    }
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(jpeg(6));
    f.close();
    EXPECT_EQ(leggiImmagineOErrore(percorso, QString(), QString()).size(), QSize(10, 20));
}

} // namespace
