#include "ArchivioStampa.h"
#include "StrumentiPdf.h"
#include "base/Errore.h"
#include "comune/FotoGirata.h"
#include "customisation/palestra.h"
#include "pictures/SchedaPreviewFigura.h"
#include "printing/DisegnaFoglio.h"
#include "printing/FoglioIstruzioni.h"
#include "printing/JpegNelPdf.h"
#include "printing/Page.h"
#include "printing/StampaPdf.h"
#include "printing/pages.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// 1 pixel = 15 twips, as on screen.
QImage disegna(const Foglio& f) {
    QImage img(756, 1059, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    disegnaFoglio(p, f, 15);
    p.end();
    return img;
}

QColor campione(const QImage& img, double xTwip, double yTwip) {
    return img.pixelColor(static_cast<int>(xTwip / 15), static_cast<int>(yTwip / 15));
}

bool vicino(QColor a, QColor b, int scarto = 40) {
    return std::abs(a.red() - b.red()) <= scarto && std::abs(a.green() - b.green()) <= scarto &&
           std::abs(a.blue() - b.blue()) <= scarto;
}

QPointF centro(const ElementoFoglio& e) {
    return {e.left + e.width / 2, e.top + e.height / 2};
}

class Disegno : public ArchivioStampa {
protected:
    void SetUp() override {
        ArchivioStampa::SetUp();
        dimenticaImmaginiFoglio();
        figura(1, QColor(0, 0, 255));
    }
    Foglio foglioScheda(int esercizi) { return primoFoglio(scheda(esercizi)); }
    static Foglio primoFoglio(std::int32_t id) {
        pages p;
        p.createPages(id);
        Foglio f = superficieScheda();
        p.PreviewPage(1, f);
        return f;
    }
    // Figure 1 as a camera held sideways stores it: upright, red above and blue below.
    void figuraGirata() const {
        QFile f(cartella() + QStringLiteral("/images/esercizi/f1.jpg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(jpegConOrientamento(rossoEBlu(40, 20), 6));
        f.close();
        dimenticaImmaginiFoglio();
    }
};

TEST_F(Disegno, LogoEFiguraDoveLiDiceIlModello) {
    palestraDiretta(immagine(QStringLiteral("images/logo.jpg"), QColor(255, 0, 0), 200, 100));
    const Foglio f = foglioScheda(3);
    const QImage img = disegna(f);
    const QPointF logo = centro(f.el(QStringLiteral("logoPalestra")));
    EXPECT_TRUE(vicino(campione(img, logo.x(), logo.y()), Qt::red))
        << campione(img, logo.x(), logo.y()).name().toStdString();
    for (int k = 0; k < 3; ++k) {
        const QPointF fig = centro(f.el(QStringLiteral("figura"), k));
        EXPECT_TRUE(vicino(campione(img, fig.x(), fig.y()), Qt::blue)) << k;
    }
    // Where no block stands the sheet stays white.
    EXPECT_TRUE(vicino(campione(img, 3000, 3000), Qt::white));
    // The number square is yellow.
    const ElementoFoglio& n = f.el(QStringLiteral("nprog"), 0);
    EXPECT_TRUE(vicino(campione(img, n.left + 20, n.top + 20), Qt::yellow));
}

// A photo taken sideways stands upright on the sheet as in the figure's preview window.
// With a limit set by the gym the header carries the session's platform time in its free space: the
// text appears there, on what was blank paper, and no other pixel of the sheet changes.
TEST_F(Disegno, TempoSullaPedanaNelloSpazioLiberoDellIntestazione) {
    const Foglio senza = foglioScheda(3);
    EXPECT_FALSE(senza.el(QStringLiteral("tempoPedana")).visibile);
    const QImage prima = disegna(senza);

    palestra p;
    p.limitePedana = 600;
    ASSERT_TRUE(p.save());
    const Foglio con = foglioScheda(3);
    const ElementoFoglio& tempo = con.el(QStringLiteral("tempoPedana"));
    ASSERT_TRUE(tempo.visibile);
    EXPECT_EQ(tempo.testo, QStringLiteral("Tempo sulla pedana: 04:30")); // 3 exercises of 3 x 30 s
    const QImage dopo = disegna(con);
    // One pixel of slack round the element for anti-aliasing.
    const QRect posto(static_cast<int>(tempo.left / 15) - 1, static_cast<int>(tempo.top / 15) - 1,
                      static_cast<int>(tempo.width / 15) + 3, static_cast<int>(tempo.height / 15) + 3);
    int cambiati = 0, fuori = 0, occupati = 0;
    for (int y = 0; y < prima.height(); ++y)
        for (int x = 0; x < prima.width(); ++x) {
            const bool dentro = posto.contains(x, y);
            if (dentro && prima.pixel(x, y) != qRgb(255, 255, 255))
                ++occupati;
            if (prima.pixel(x, y) != dopo.pixel(x, y))
                ++(dentro ? cambiati : fuori);
        }
    EXPECT_GT(cambiati, 50);
    EXPECT_EQ(fuori, 0);
    EXPECT_EQ(occupati, 0) << "the text lies over something of the design";
    // Every element of the design is where it was.
    for (const ElementoFoglio& e : senza.elementi()) {
        if (e.nome == QLatin1String("tempoPedana"))
            continue;
        const ElementoFoglio& d = con.el(e.nome, e.indice);
        EXPECT_EQ(QRectF(e.left, e.top, e.width, e.height), QRectF(d.left, d.top, d.width, d.height))
            << e.nome.toStdString() << " " << e.indice;
        EXPECT_EQ(e.visibile, d.visibile) << e.nome.toStdString();
    }
}

TEST_F(Disegno, FotoGirataDrittaSulFoglioComeNellAnteprima) {
    figuraGirata();
    const QString file = cartella() + QStringLiteral("/images/esercizi/f1.jpg");
    const Foglio foglio = foglioScheda(1);
    const QImage img = disegna(foglio);
    const ElementoFoglio& fig = foglio.el(QStringLiteral("figura"), 0);
    const double x = fig.left + fig.width / 2;
    EXPECT_TRUE(vicino(campione(img, x, fig.top + fig.height / 4), Qt::red));
    EXPECT_TRUE(vicino(campione(img, x, fig.top + fig.height * 3 / 4), Qt::blue));

    SchedaPreviewFigura anteprima;
    anteprima.LoadImage(file);
    const QImage mostrata = anteprima.Image1()->pixmap().toImage();
    ASSERT_EQ(mostrata.size(), QSize(20, 40));
    EXPECT_TRUE(vicino(mostrata.pixelColor(10, 10), Qt::red));
    EXPECT_TRUE(vicino(mostrata.pixelColor(10, 30), Qt::blue));
}

TEST_F(Disegno, ImmagineIntrovabileLasciaUnaCorniceVuota) {
    eseguiDiretto(QStringLiteral("INSERT INTO figure (id_fig, numero, ID_MAC, figura) VALUES "
                                 "(9, 9, 'VIBRANA', 'images\\esercizi\\manca.jpg')"));
    pages p;
    p.createPages(scheda(1, QString(), QStringLiteral("001010100"), 9));
    Foglio f = superficieScheda();
    p.PreviewPage(1, f);
    const QImage img = disegna(f);
    const ElementoFoglio& fig = f.el(QStringLiteral("figura"), 0);
    // Framed in grey, empty inside but for the file name.
    const QColor bordo = campione(img, fig.left + 1, fig.top + fig.height / 2);
    EXPECT_LT(bordo.red(), 0xE0);
    EXPECT_EQ(bordo.red(), bordo.blue());
    EXPECT_TRUE(vicino(campione(img, fig.left + fig.width / 2, fig.top + fig.height * 0.8), Qt::white));
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Disegno, LogoIllegibileNonLasciaNessunRiquadro) {
    palestraDiretta(cartella() + QStringLiteral("/images/spostato.jpg"));
    const QImage img = disegna(foglioScheda(3));
    // The logo's square at the top right (15 cm, 0.3 cm, 2300 twips a side), down to above the rule.
    int segnati = 0;
    for (double y = 200; y < 1950; y += 15)
        for (double x = 8520; x < 10790; x += 15)
            segnati += vicino(campione(img, x, y), Qt::white, 8) ? 0 : 1;
    EXPECT_EQ(segnati, 0);
}

TEST_F(Disegno, IstruzioniConFigureEAvvertenze) {
    for (int i = 0; i < 5; ++i)
        immagine(QStringLiteral("images/istruzioni/sbagliato_%1.JPG").arg(i), QColor(0, 160, 0), 80, 100);
    const Foglio f = FoglioIstruzioni::crea();
    const QImage img = disegna(f);
    for (int i = 0; i < 5; ++i) {
        const QPointF c = centro(f.el(QStringLiteral("Image1"), i));
        EXPECT_TRUE(vicino(campione(img, c.x(), c.y()), QColor(0, 160, 0))) << i;
    }
    const ElementoFoglio& avv = f.el(QStringLiteral("avvertenze"));
    EXPECT_DOUBLE_EQ(avv.top, 10858.5);
    EXPECT_EQ(avv.testo.count(QLatin1Char('\r')), 5);
    EXPECT_TRUE(avv.testo.startsWith(QStringLiteral("- Non utilizzare mai la VIBRANA")));
    EXPECT_NEAR(f.el(QStringLiteral("LogoArvel")).top, 14946, 0.01);
    EXPECT_NEAR(f.el(QStringLiteral("LogoArvel")).left, 9079.75, 0.01);
    EXPECT_NEAR(f.el(QStringLiteral("logoVibrana")).top, 15181, 0.01);
}

class Pdf : public Disegno {};

TEST_F(Pdf, OgniFoglioUnaPaginaConTestoRicercabile) {
    const QString file = cartella() + QStringLiteral("/scheda.pdf");
    EXPECT_EQ(scriviSchedaPdf(scheda(13), file), 2);
    EXPECT_EQ(StrumentiPdf::pagine(file), 2);
    const QStringList testi = StrumentiPdf::testiPagine(file);
    ASSERT_EQ(testi.size(), 2);
    EXPECT_TRUE(testi[0].contains(QStringLiteral("Pagina 1/2")));
    EXPECT_TRUE(testi[1].contains(QStringLiteral("Pagina 2/2")));
    EXPECT_TRUE(testi[0].contains(QStringLiteral("Rossi Mario")));
    EXPECT_FALSE(testi[0].contains(QStringLiteral("Bere molta acqua")));
    EXPECT_TRUE(testi[1].contains(QStringLiteral("Bere molta acqua")));
}

TEST_F(Pdf, UnaFiguraUsataPiuVolteEIncorporataUnaVolta) {
    const QString file = cartella() + QStringLiteral("/scheda.pdf");
    scriviSchedaPdf(scheda(12), file);
    const auto im = StrumentiPdf::immagini(file);
    EXPECT_EQ(im.disegni, 12);
    EXPECT_EQ(im.oggetti, 1);
}

QByteArray contenuto(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The colour of the PDF's page 1 at a point of the sheet given in twips.
QColor nelPdf(const QString& file, QPointF twip) {
    const QImage pagina = StrumentiPdf::pagina(file, 1, 72);
    return pagina.pixelColor(static_cast<int>(twip.x() * 72 / 1440), static_cast<int>(twip.y() * 72 / 1440));
}

TEST_F(Pdf, LeFotoJpegEntranoNelPdfComeSonoNelFile) {
    const QString file = cartella() + QStringLiteral("/scheda.pdf");
    const std::int32_t id = scheda(3);
    scriviSchedaPdf(id, file);
    const QByteArray pdf = contenuto(file);
    EXPECT_EQ(pdf.count(contenuto(cartella() + QStringLiteral("/images/esercizi/f1.jpg"))), 1);
    EXPECT_TRUE(StrumentiPdf::riferimentiCoerenti(file));
    EXPECT_EQ(StrumentiPdf::immagini(file).disegni, 3);
    const Foglio f = primoFoglio(id);
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(vicino(nelPdf(file, centro(f.el(QStringLiteral("figura"), k))), Qt::blue)) << k;
}

TEST_F(Pdf, UnaFotoGirataEntraDritta) {
    figuraGirata();
    const QString file = cartella() + QStringLiteral("/scheda.pdf");
    const std::int32_t id = scheda(1);
    scriviSchedaPdf(id, file);
    EXPECT_TRUE(StrumentiPdf::riferimentiCoerenti(file));
    const Foglio foglio = primoFoglio(id);
    const ElementoFoglio& fig = foglio.el(QStringLiteral("figura"), 0);
    const double x = fig.left + fig.width / 2;
    EXPECT_TRUE(vicino(nelPdf(file, {x, fig.top + fig.height / 4}), Qt::red));
    EXPECT_TRUE(vicino(nelPdf(file, {x, fig.top + fig.height * 3 / 4}), Qt::blue));
}

// A picture as small as the writer's stand-ins must not be taken for one of them.
TEST_F(Pdf, UnaFiguraMinuscolaAccantoAlleFotoJpeg) {
    const QString minuscola = cartella() + QStringLiteral("/images/esercizi/f2.png");
    QImage png(2, 2, QImage::Format_RGB32);
    png.fill(QColor(0, 160, 0));
    ASSERT_TRUE(png.save(minuscola, "PNG"));
    eseguiDiretto(QStringLiteral("INSERT INTO figure (id_fig, numero, ID_MAC, figura) "
                                 "VALUES (2, 2, 'VIBRANA', 'images\\esercizi\\f2.png')"));
    const std::int32_t id = scheda(2);
    eseguiDiretto(
        QStringLiteral("UPDATE Esercizi SET ID_Fig = 2 WHERE ID_Scheda = %1 AND NProg = 2").arg(id));
    const QString file = cartella() + QStringLiteral("/scheda.pdf");
    scriviSchedaPdf(id, file);
    EXPECT_TRUE(StrumentiPdf::riferimentiCoerenti(file));
    EXPECT_EQ(StrumentiPdf::immagini(file).oggetti, 2);
    const Foglio f = primoFoglio(id);
    EXPECT_TRUE(vicino(nelPdf(file, centro(f.el(QStringLiteral("figura"), 0))), Qt::blue));
    EXPECT_TRUE(vicino(nelPdf(file, centro(f.el(QStringLiteral("figura"), 1))), QColor(0, 160, 0)));
}

TEST_F(Pdf, SchedaSenzaEserciziNonScriveNulla) {
    const QString file = cartella() + QStringLiteral("/vuota.pdf");
    try {
        scriviSchedaPdf(scheda(0), file);
        ADD_FAILURE() << "nessun errore";
    } catch (const Errore& e) {
        EXPECT_EQ(e.descrizione(), QStringLiteral("Nessun esercizio caricato in questa scheda!"));
    }
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(Pdf, FoglioIstruzioniDiUnaPagina) {
    const QString file = cartella() + QStringLiteral("/istruzioni.pdf");
    scriviIstruzioniPdf(file);
    EXPECT_EQ(StrumentiPdf::pagine(file), 1);
    const QString testo = StrumentiPdf::testiPagine(file).value(0);
    EXPECT_TRUE(testo.contains(QStringLiteral("ISTRUZIONI D'USO")));
    EXPECT_TRUE(testo.contains(QStringLiteral("controindicazioni")));
    // Found as written: no letters joined into one ligature glyph.
    for (const char* parola : {"offre", "fisiologica", "flessibilità"})
        EXPECT_TRUE(testo.contains(QString::fromUtf8(parola))) << parola;
}

// What the sheet draws in a box: the text that fits as it is, a longer one at a smaller size, and
// one too long even at three quarters of the size cut after the last whole line with an ellipsis.
TEST(Adatta, IlTestoStaTuttoNelRiquadro) {
    const QString corto = QStringLiteral("Modalità: Combinata 5 kg");
    const QString lungo =
        QStringLiteral("Modalità: Dinamico a carico aggiuntivo manubri 3 kg + cavigliere 1 kg");
    const QString lunghissimo =
        lungo + QStringLiteral(" + elastico medio alle caviglie, tenere le braccia tese "
                               "in avanti fino al termine della serie");
    struct Caso {
        QString testo;
        bool piccolo;
        bool tagliato;
    } casi[] = {{corto, false, false}, {lungo, true, false}, {lunghissimo, true, true}};
    const QRectF riquadro(0, 0, 2535, 450);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.testo.toStdString());
        QImage img(200, 60, QImage::Format_RGB32);
        QPainter p(&img);
        p.scale(1.0 / 15, 1.0 / 15);
        QFont f;
        f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
        f.setPixelSize(165);
        f.setHintingPreference(QFont::PreferNoHinting);
        p.setFont(f);
        const QString scritto = adattaAlRiquadro(p, riquadro, flags, c.testo);
        const int px = p.font().pixelSize();
        EXPECT_EQ(px < 165, c.piccolo) << px;
        EXPECT_GE(px, 165 * 3 / 4);
        EXPECT_EQ(scritto == c.testo, !c.tagliato) << scritto.toStdString();
        if (c.tagliato) {
            EXPECT_TRUE(scritto.endsWith(QChar(0x2026))) << scritto.toStdString();
            EXPECT_TRUE(c.testo.startsWith(scritto.section(QLatin1Char('\n'), 0, 0)));
        }
        const QRectF occupato = p.boundingRect(riquadro, flags, scritto);
        EXPECT_LE(occupato.height(), riquadro.height() + 0.5);
        EXPECT_LE(occupato.width(), riquadro.width() + 0.5);
    }
}

// A long mode and load, drawn alone at 5 twips a pixel: no ink where the notes begin, and the text
// on the sheet is the whole text while it can be set at three quarters of its size or more.
TEST_F(Pdf, UnaModalitaLungaStaNelSuoRiquadro) {
    struct Caso {
        const char* modalita;
        const char* peso;
        bool intero;
    } casi[] = {
        {"Dinamico a carico aggiuntivo", "manubri 3 kg + cavigliere 1 kg", true},
        {"Dinamico a carico aggiuntivo",
         "manubri 3 kg + cavigliere 1 kg + elastico medio alle caviglie, "
         "tenere le braccia tese in avanti fino al termine della serie",
         false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.peso);
        const std::int32_t id = scheda(1);
        eseguiDiretto(QStringLiteral("UPDATE Esercizi SET Modalita = '%1', Peso = '%2', Note = 'xyz' "
                                     "WHERE ID_Scheda = %3")
                          .arg(QString::fromUtf8(c.modalita), QString::fromUtf8(c.peso))
                          .arg(id));
        pages pg;
        pg.createPages(id);
        Foglio f = superficieScheda();
        pg.PreviewPage(1, f);
        for (const ElementoFoglio& e : f.elementi())
            const_cast<ElementoFoglio&>(e).visibile = e.nome == QStringLiteral("modalita") && e.indice == 0;
        const ElementoFoglio& m = f.el(QStringLiteral("modalita"), 0);
        const ElementoFoglio& note = f.el(QStringLiteral("note"), 0);
        ASSERT_LE(note.top, m.top + m.height);

        const double scala = 5;
        QImage img(static_cast<int>(m.width / scala) + 2, static_cast<int>((m.height + 200) / scala),
                   QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.translate(-m.left / scala, -m.top / scala);
        disegnaFoglio(p, f, scala);
        p.end();
        int inchiostroSopra = 0, inchiostroSulleNote = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 160)
                    ++(m.top + y * scala < note.top ? inchiostroSopra : inchiostroSulleNote);
        EXPECT_GT(inchiostroSopra, 500);
        EXPECT_EQ(inchiostroSulleNote, 0);

        const QString file = cartella() + QStringLiteral("/lunga.pdf");
        scriviSchedaPdf(id, file);
        QString testo = StrumentiPdf::testiPagine(file).value(0);
        testo.remove(QRegularExpression(QStringLiteral("\\s")));
        const QString intero = QStringLiteral("Modalità:%1%2")
                                   .arg(QString::fromUtf8(c.modalita), QString::fromUtf8(c.peso))
                                   .remove(QRegularExpression(QStringLiteral("\\s")));
        EXPECT_EQ(testo.contains(intero), c.intero) << testo.toStdString();
        // Either way the start is there and the notes follow.
        EXPECT_TRUE(testo.contains(QStringLiteral("Modalità:Dinamicoacarico"))) << testo.toStdString();
        EXPECT_TRUE(testo.contains(QStringLiteral("Note:xyz")));
        EXPECT_EQ(testo.contains(QChar(0x2026)), !c.intero);
    }
}

} // namespace

namespace {
QByteArray jpeg(const QImage& img, bool progressivo = false) {
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    QImageWriter w(&b, "jpeg");
    w.setProgressiveScanWrite(progressivo);
    w.write(img);
    return dati;
}
} // namespace

TEST(JpegIntatto, QualiFileUnPdfPortaComeSono) {
    const QByteArray colore = jpeg(rossoEBlu(40, 20));
    QByteArray quattro = colore;
    const qsizetype sof = quattro.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    quattro[sof + 9] = 4; // four components: CMYK, which a PDF reader would show inverted
    QByteArray senzaAltezza = colore;
    senzaAltezza[sof + 5] = 0;
    senzaAltezza[sof + 6] = 0;
    QByteArray png;
    {
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        rossoEBlu(4, 4).save(&b, "PNG");
    }
    const struct {
        const char* nome;
        QByteArray dati;
        int componenti; // 0: refused
        QByteArray incorporati;
    } casi[] = {
        {"colore", colore, 3, colore},
        {"grigio", jpeg(rossoEBlu(40, 20).convertToFormat(QImage::Format_Grayscale8)), 1, {}},
        {"progressivo", jpeg(rossoEBlu(40, 20), true), 3, {}},
        {"dritto per Exif", jpegConOrientamento(rossoEBlu(40, 20), 1), 3, {}},
        {"girato per Exif", jpegConOrientamento(rossoEBlu(40, 20), 6), 0, {}},
        {"coda dopo la fine", colore + QByteArray("coda"), 3, colore},
        {"troncato", colore.left(colore.size() - 20), 0, {}},
        {"quattro componenti", quattro, 0, {}},
        {"altezza data dopo", senzaAltezza, 0, {}},
        {"PNG", png, 0, {}},
        {"vuoto", QByteArray(), 0, {}},
    };
    for (const auto& c : casi) {
        const auto j = jpegIntatto(c.dati);
        EXPECT_EQ(j ? j->componenti : 0, c.componenti) << c.nome;
        if (!j)
            continue;
        EXPECT_EQ(j->larghezza, 40) << c.nome;
        EXPECT_EQ(j->altezza, 20) << c.nome;
        EXPECT_EQ(j->dati, c.incorporati.isEmpty() ? c.dati : c.incorporati) << c.nome;
    }
    EXPECT_TRUE(jpeg(rossoEBlu(40, 20), true).contains(QByteArray("\xFF\xC2", 2)));
}

// A file without the stand-ins it handed out, or not a PDF at all, is refused and left as it was.
TEST(JpegIntatto, UnPdfSenzaISegnapostoRestaComEra) {
    QTemporaryDir cartella;
    const QString foto = cartella.filePath(QStringLiteral("foto.jpg"));
    QFile f(foto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(jpeg(rossoEBlu(40, 20)));
    f.close();
    JpegNelPdf jpegNelPdf;
    const QImage segnaposto = jpegNelPdf.immagine(foto, [](const QString&) { return QImage(); });
    EXPECT_FALSE(segnaposto.isNull());
    ASSERT_TRUE(jpegNelPdf.usato());

    QByteArray vuoto;
    {
        QBuffer b(&vuoto);
        b.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&b);
        QPainter p(&pdf);
        p.drawLine(0, 0, 100, 100);
    }
    for (const QByteArray& dati : {vuoto, QByteArray("non un PDF"), vuoto.left(vuoto.size() / 2)}) {
        QByteArray copia = dati;
        EXPECT_FALSE(jpegNelPdf.sostituisci(copia));
        EXPECT_EQ(copia, dati);
    }
}
