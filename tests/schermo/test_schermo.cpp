#include "ControlloFinestre.h"
#include "base/CartellaProgramma.h"
#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "editor/CancelloEditor.h"
#include "editor/ImmaginiScheda.h"
#include "editor/RegistraEditor.h"
#include "editor/mdiScheda.h"
#include "pictures/BodyMap.h"
#include "pictures/FileConsegnati.h"
#include "pictures/SchedaSelezioneFIGURE.h"
#include "pictures/ZoneMappa.h"
#include "records/Esercizio.h"
#include "records/scheda.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/ModuloBase.h"
#include "shell/Principale.h"
#include "shell/SenzaAvanzamento.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <map>

namespace {

// The screen this run stands for, as CTest names it: "1024x768@1", "1280x800@2" (logical size,
// device pixel ratio). A run on some other screen would check nothing it claims to.
struct SchermoAtteso {
    QSize logico;
    qreal rapporto = 1;
};

std::optional<SchermoAtteso> schermoAtteso() {
    const QString s = qEnvironmentVariable("VIBRANA_PROVA_SCHERMO");
    const QStringList parti = s.split(QRegularExpression(QStringLiteral("[x@]")));
    if (parti.size() != 3)
        return std::nullopt;
    return SchermoAtteso{QSize(parti[0].toInt(), parti[1].toInt()), parti[2].toDouble()};
}

struct Selezione {
    std::int32_t utente, scheda, modello;
    QString categoria;
};

Selezione selezione() {
    return {idUtenteSelezionato, idSchedaSelezionata, idModelloSelezionato, categoriaNuovoModello};
}

void ripristina(const Selezione& s) {
    idUtenteSelezionato = s.utente;
    idSchedaSelezionata = s.scheda;
    idModelloSelezionato = s.modello;
    categoriaNuovoModello = s.categoria;
}

QList<QWidget*> finestreVisibili() {
    QList<QWidget*> visibili;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
            visibili << w;
    return visibili;
}

class Schermo : public ArchivioDiProva {
protected:
    bool archivioCompleto() const override { return true; }

    void SetUp() override {
        ArchivioDiProva::SetUp();
        ASSERT_TRUE(copiaImmaginiConsegnate());
        // No sound server: the body map's click returns at once instead of looking for one.
        qputenv("PULSE_SERVER", "unix:/inesistente/vibrana-prova");
        salvato_ = finestre();
        registraFinestreProgramma();
        impostaFileGuida(QStringLiteral(VIBRANA_CARTELLA_BUILD "/HELP/HELP.hlp"));
        SenzaAvanzamento barra;
        finestre().caricaEditorScheda(barra);

        // Long texts where the windows show what the user typed, emoji included.
        eseguiDiretto(
            QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome, dataNascita, sesso, Note) VALUES "
                           "(9, 'Maria Antonietta 😀', 'Bevilacqua Della Gherardesca', '1971-03-14', 'F', "
                           "'Ginocchio destro operato nel 2019: niente salti 🙂');"));
        scheda s;
        s.id_utente = 9;
        s.categoria = QStringLiteral("Tonificazione");
        s.Istruttore = QStringLiteral("Anna Maria Lucchesi");
        s.FreqAllen = 3;
        s.PeriodoDal = QStringLiteral("01/12/2026");
        s.PeriodoAl = QStringLiteral("31/12/2026");
        s.Obiettivo = QStringLiteral("Tonificare gambe e glutei, perdere 3 kg 💪");
        for (int i = 1; i <= 12; ++i) {
            Esercizio e;
            e.id_fig = i;
            e.durata = QStringLiteral("45s");
            e.frequenza = QStringLiteral("40Hz");
            e.ampiezza = QStringLiteral("H");
            e.modalita = QStringLiteral("Statico a carico naturale");
            e.serie = 2;
            e.recuperoMin = 1;
            e.note = QStringLiteral("Schiena dritta, respirare con calma");
            s.esercizi.Add(e);
        }
        s.save();
        idUtenteSelezionato = 9;
        idSchedaSelezionata = s.id_scheda;
        idModelloSelezionato = 1;
    }

    void TearDown() override {
        for (const FinestraElencata& f : elencoFinestre())
            if (f.chiudi)
                f.chiudi();
        qunsetenv("PULSE_SERVER");
        setPuoiChiudereEditor(true);
        if (finestre().scaricaEditorScheda)
            finestre().scaricaEditorScheda();
        if (Principale* p = principaleCaricata())
            p->nascondi();
        setPuoiChiudereEditor(false);
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }

    // Saves a picture of each window when VIBRANA_PROVA_SCATTI names a folder, to look at them.
    static void scatta(const QString& nome, QWidget* w) {
        const QString cartella = qEnvironmentVariable("VIBRANA_PROVA_SCATTI");
        if (cartella.isEmpty())
            return;
        QDir().mkpath(cartella);
        w->grab().save(cartella + QLatin1Char('/') +
                       QString(nome).replace(QLatin1Char(' '), QLatin1Char('_')) + QLatin1Char('_') +
                       QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(".png"));
    }

    RegistroFinestre salvato_;
};

TEST_F(Schermo, LoSchermoEQuelloDellaProva) {
    const auto atteso = schermoAtteso();
    ASSERT_TRUE(atteso) << "VIBRANA_PROVA_SCHERMO non dice quale schermo prova questa esecuzione";
    const QScreen* s = QGuiApplication::primaryScreen();
    EXPECT_EQ(s->geometry().size(), atteso->logico);
    EXPECT_DOUBLE_EQ(s->devicePixelRatio(), atteso->rapporto);
}

// Every window of the program, opened as a user first meets it, lies whole on the screen with every
// control and every text whole inside it.
TEST_F(Schermo, OgniFinestraIntera) {
    ASSERT_FALSE(elencoFinestre().empty());
    QSet<QString> classiViste;
    std::map<QString, QStringList> difetti;
    for (const FinestraElencata& voce : elencoFinestre()) {
        for (QWidget* w : finestreVisibili())
            w->hide();
        const Selezione prima = selezione();
        bool vista = false;
        const auto esamina = [&] {
            // Windows that settle their size once shown do it on the next turns of the loop.
            QApplication::processEvents();
            QApplication::processEvents();
            for (QWidget* w : finestreVisibili()) {
                vista = true;
                difetti[voce.nome] << difettiFinestra(w);
                classiViste.unite(classiIn(w));
                scatta(voce.nome, w);
            }
        };
        QTimer attesa;
        attesa.setInterval(10);
        QObject::connect(&attesa, &QTimer::timeout, [&] {
            QWidget* modale = QApplication::activeModalWidget();
            if (!modale)
                return;
            attesa.stop();
            esamina();
            if (auto* d = qobject_cast<QDialog*>(modale))
                d->reject();
            else
                modale->close();
        });
        attesa.start();
        voce.apri();
        attesa.stop();
        if (!vista)
            esamina();
        if (voce.chiudi)
            voce.chiudi();
        ripristina(prima);
        EXPECT_TRUE(vista) << voce.nome.toStdString() << ": nessuna finestra aperta";
    }
    for (const auto& [nome, elenco] : difetti)
        for (const QString& d : elenco)
            ADD_FAILURE() << nome.toStdString() << " -> " << d.toStdString();

    // A window written later and not listed would escape the check: every window class of the sources
    // must have been on screen.
    const QSet<QString> scritte = classiFinestreNeiSorgenti(QStringLiteral(VIBRANA_SORGENTI));
    ASSERT_FALSE(scritte.isEmpty());
    for (const QString& c : scritte)
        EXPECT_TRUE(classiViste.contains(c))
            << c.toStdString() << " non compare in nessuna finestra elencata";
}

// The click on a muscle where the picture shows it selects that muscle, whatever the screen's scale:
// for each group, the middle of its topmost zone, clicked on the map, lists that group and the
// picture under the pointer turns to the group's highlight.
TEST_F(Schermo, LaMappaPrendeIlClicDoveSiVedeIlMuscolo) {
    idModelloSelezionato = 0;
    mdiScheda& e = editorScheda();
    e.mostra();
    SchedaSelezioneFIGURE* selezione = e.selezioneFigure();
    ASSERT_NE(selezione, nullptr);
    auto* mappa = selezione->findChild<BodyMap*>();
    ASSERT_NE(mappa, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&e));
    const qreal rapporto = mappa->devicePixelRatioF();
    if (const auto atteso = schermoAtteso()) {
        EXPECT_DOUBLE_EQ(rapporto, atteso->rapporto);
    }

    for (const QString& codice : ZoneMappa::codici()) {
        const QRect zona = ZoneMappa::zoneDelGruppo(codice).first().rettangolo();
        // Twips of the design area to the control's logical pixels.
        const QPoint puntoTwip = zona.center();
        ASSERT_EQ(ZoneMappa::codiceInPunto(puntoTwip), codice);
        const QPoint punto(
            qRound(puntoTwip.x() * mappa->width() / double(ZoneMappa::areaControllo.width())),
            qRound(puntoTwip.y() * mappa->height() / double(ZoneMappa::areaControllo.height())));
        QWidget* sotto = mappa->childAt(punto);
        ASSERT_NE(sotto, nullptr) << codice.toStdString();
        QTest::mouseClick(sotto, Qt::LeftButton, {}, sotto->mapFrom(mappa, punto));
        EXPECT_TRUE(mappa->immagineMostrata().endsWith(
            QStringLiteral("Corpo_") + codice + QStringLiteral(".JPG"), Qt::CaseInsensitive))
            << codice.toStdString() << " -> " << mappa->immagineMostrata().toStdString();

        // The highlight is where the click was: the shown picture differs there from the plain body.
        const QImage vista = mappa->Image1()->grab().toImage();
        const QImage corpo(percorsoProgramma(FileConsegnati::corpo));
        ASSERT_FALSE(corpo.isNull()) << "manca il corpo senza gruppi";
        const QImage pianta = corpo.scaled(vista.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QPoint pixel = (mappa->Image1()->mapFrom(mappa, punto) * vista.devicePixelRatio());
        // Within a few pixels of the click: a zone's middle may fall on the highlight's outline.
        int differenza = 0;
        const int raggio = qRound(3 * vista.devicePixelRatio());
        for (int dy = -raggio; dy <= raggio; ++dy)
            for (int dx = -raggio; dx <= raggio; ++dx) {
                const QPoint q = pixel + QPoint(dx, dy);
                if (!vista.rect().contains(q))
                    continue;
                const QColor v = vista.pixelColor(q);
                const QColor p = pianta.pixelColor(q);
                differenza = qMax(differenza, qAbs(v.red() - p.red()) + qAbs(v.green() - p.green()) +
                                                  qAbs(v.blue() - p.blue()));
            }
        EXPECT_GT(differenza, 60) << codice.toStdString()
                                  << ": sotto il clic l'immagine non mostra il gruppo evidenziato";
    }
}

// The delivered logos have more pixels than the windows show: on a dense display they are drawn with
// the screen's pixels, not enlarged from a picture of the window's size.
TEST_F(Schermo, ILoghiUsanoIPixelDelloSchermo) {
    const qreal rapporto = QGuiApplication::primaryScreen()->devicePixelRatio();
    const struct {
        const char* nome;
        QPixmap logo;
        QSize massimo;
    } casi[] = {
        {"prodotto", ImmaginiProgramma::logoProdotto(QSize(150, 100)), QSize(150, 100)},
        {"famiglia", ImmaginiProgramma::logoFamiglia(QSize(80, 80)), QSize(80, 80)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ASSERT_FALSE(c.logo.isNull());
        EXPECT_EQ(c.logo.deviceIndependentSize().toSize(), c.massimo);
        EXPECT_NEAR(c.logo.devicePixelRatio(), rapporto, 0.01);
    }
}

// A name typed with an emoji is drawn with a font that has the emoji, not an empty box.
TEST_F(Schermo, LeEmojiHannoUnCarattere) {
    const QString testo = QStringLiteral("Maria 😀");
    QLabel etichetta(testo);
    QTextLayout disposizione(testo, etichetta.font());
    disposizione.beginLayout();
    disposizione.createLine();
    disposizione.endLayout();
    bool trovata = false;
    for (const QGlyphRun& corsa : disposizione.glyphRuns()) {
        if (corsa.rawFont().supportsCharacter(static_cast<uint>(0x1F600)) &&
            !corsa.glyphIndexes().contains(0))
            trovata = true;
    }
    EXPECT_TRUE(trovata) << "nessun carattere installato disegna U+1F600";

    // The colour emoji font the program depends on is there for the fonts to fall back on.
    bool aColori = false;
    for (const QString& famiglia : QFontDatabase::families())
        aColori =
            aColori || (famiglia.contains(QStringLiteral("Emoji"), Qt::CaseInsensitive) &&
                        QRawFont::fromFont(QFont(famiglia)).supportsCharacter(static_cast<uint>(0x1F600)));
    EXPECT_TRUE(aColori) << "manca un carattere di emoji a colori";
}

} // namespace
