#include "base/CartellaProgramma.h"
#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "pictures/FileConsegnati.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"
#include "shell/OwnMenu.h"
#include "shell/Principale.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// True when the picture has something drawn in it: a theme icon that cannot be loaded (no icon theme,
// no SVG icon engine) gives an empty, fully transparent picture.
bool disegnata(const QPixmap& p) {
    const QImage i = p.toImage();
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            if (i.pixelColor(x, y).alpha() > 0)
                return true;
    return false;
}

// The main window with stand-ins for the windows of the other subsystems: each records its call and
// answers with the selection the test chose.
class FinestraPrincipale : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        salvato = finestre();
        finestre() = RegistroFinestre{};
        RegistroFinestre& f = finestre();
        f.UtentiSelezione = [this](const QString& modo) {
            chiamate << QStringLiteral("UtentiSelezione ") + modo;
            idUtenteSelezionato = utenteScelto;
        };
        f.SchedeSelezione = [this](std::int32_t id) {
            chiamate << QStringLiteral("SchedeSelezione %1").arg(id);
            idSchedaSelezionata = schedaScelta;
        };
        f.SchedeMODELLOSelezione = [this] {
            chiamate << QStringLiteral("SchedeMODELLOSelezione");
            idModelloSelezionato = modelloScelto;
        };
        f.mdiSchedaMostra = [this] {
            chiamate << QStringLiteral("mdiScheda.mostra %1/%2/%3")
                            .arg(idUtenteSelezionato)
                            .arg(idSchedaSelezionata)
                            .arg(idModelloSelezionato);
        };
        f.SchedeInScadenza = [this] {
            chiamate << QStringLiteral("SchedeInScadenza");
            idUtenteSelezionato = utenteScelto;
            idSchedaSelezionata = schedaScelta;
        };
        f.PrinterDaNonFare = [this] { chiamate << QStringLiteral("PrinterDaNonFare"); };
        f.frmPersonalizza = [this] { chiamate << QStringLiteral("frmPersonalizza"); };
        f.frmAbout = [this] { chiamate << QStringLiteral("frmAbout"); };
        f.scaricaEditorScheda = [this] { chiamate << QStringLiteral("scaricaEditorScheda"); };
    }
    void TearDown() override {
        chiudi();
        finestre() = salvato;
        ArchivioDiProva::TearDown();
    }
    void chiudi() {
        if (Principale* p = principaleCaricata())
            p->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QStringList voci(const QMenu* menu) {
        QStringList v;
        for (const QAction* a : menu->actions())
            if (a->isVisible())
                v << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return v;
    }

    RegistroFinestre salvato;
    QStringList chiamate;
    std::int32_t utenteScelto = 0, schedaScelta = 0, modelloScelto = 0;
};

TEST_F(FinestraPrincipale, MenuConDidascalieEOrdine) {
    Principale& p = principale();
    EXPECT_EQ(p.windowTitle(), QStringLiteral(" Arvel"));
    QStringList titoli;
    for (const QAction* a : p.menuBar()->actions())
        titoli << a->text();
    EXPECT_EQ(titoli, (QStringList{QStringLiteral("&Vibrana"), QStringLiteral("&Utenti"),
                                   QStringLiteral("&Schede"), QStringLiteral("?")}));
    EXPECT_EQ(voci(p.mnuZDF),
              (QStringList{QStringLiteral("Pe&rsonalizza"), QStringLiteral("Ri&pristina copia..."),
                           QStringLiteral("-"), QStringLiteral("&Esci")}));
    EXPECT_EQ(voci(p.mnuUtenti), QStringList{QStringLiteral("&Gestione...")});
    EXPECT_EQ(voci(p.mnuSchede),
              (QStringList{QStringLiteral("&Nuova Scheda"), QStringLiteral("&Apri..."),
                           QStringLiteral("Schede in s&cadenza..."), QStringLiteral("-"),
                           QStringLiteral("N&uova da Modello"), QStringLiteral("Ges&tione Schede Modello..."),
                           QStringLiteral("-"), QStringLiteral("&Stampa \"ISTRUZIONI D'USO\"")}));
    EXPECT_EQ(voci(p.mnuHelp), (QStringList{QStringLiteral("Guida del programma"), QStringLiteral("-"),
                                            QStringLiteral("&Informazioni su...")}));
    // The user manual's item exists but is never shown.
    EXPECT_EQ(p.mnuHelpManuale->text(), QStringLiteral("Manua&le d'uso di Vibrana"));
    EXPECT_FALSE(p.mnuHelpManuale->isVisible());
    EXPECT_FALSE(p.sep88->isVisible());
    EXPECT_EQ(p.mnuHelpHelp->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(p.mnuSchedeInScadenza->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_TRUE(p.windowState() & Qt::WindowMaximized);
}

TEST_F(FinestraPrincipale, MenuDisegnatiConImmaginiEBarre) {
    Principale& p = principale();
    const OwnMenu& om = ownMenu();
    EXPECT_TRUE(om.agganciato());
    const std::pair<QAction*, const char*> chiavi[] = {
        {p.mnuZDFPersonalizza, "lista"},       {p.mnuZDFEsci, "esci"},    {p.mnuUtentiGestione, "utenti"},
        {p.mnuSchedeNuova, "nuova"},           {p.mnuSchedeApri, "apri"}, {p.mnuSchedeDaModello, "damodello"},
        {p.mnuSchedeGestioneModello, "lista"}, {p.mnuHelpHelp, "hint"},   {p.mnuHelpAbout, "info"},
        {p.mnuSchedeInScadenza, "scadenze"}};
    for (const auto& [voce, chiave] : chiavi) {
        ASSERT_NE(om.voceDi(voce), nullptr) << voce->text().toStdString();
        EXPECT_EQ(om.voceDi(voce)->chiaveNormale, QString::fromLatin1(chiave));
        EXPECT_TRUE(disegnata(p.ImageList_OwnerMenu.immagine(QString::fromLatin1(chiave)))) << chiave;
    }
    EXPECT_GT(p.mnuZDF->larghezzaBarra(), 0);
    EXPECT_GT(p.mnuSchede->larghezzaBarra(), 0);
    EXPECT_GT(p.mnuHelp->larghezzaBarra(), 0);
    EXPECT_EQ(p.mnuUtenti->larghezzaBarra(), 0);
    EXPECT_EQ(om.sottomenuDi(p.mnuSchede)->coloreBarra, QColor(255, 128, 128));
    EXPECT_TRUE(om.sottomenuDi(p.mnuSchede)->allineatoInBasso);
}

TEST_F(FinestraPrincipale, BarraDegliStrumenti) {
    Principale& p = principale();
    struct Pulsante {
        const char* didascalia;
        const char* chiave;
        const char* suggerimento;
        int immagine;
    };
    const Pulsante attesi[] = {{"Nuova Scheda", "nuova", "Crea una nuova Scheda", 1},
                               {"Nuova da Modello", "nuovaDaModello",
                                "Crea una nuova scheda a partire da uno dei Modelli già pronti", 2},
                               {"", "sep", "", 0},
                               {"Apri Scheda", "apri", "Apre una scheda in archivio", 3},
                               {"Schede in scadenza", "scadenze",
                                "Elenca le schede che stanno per scadere o sono appena scadute (Ctrl+E)", 4},
                               {"Esci", "esci", "Uscita dal programma", 5}};
    const QList<QAction*> pulsanti = p.Toolbar1->actions();
    ASSERT_EQ(pulsanti.size(), 6);
    for (int i = 0; i < 6; ++i) {
        const Pulsante& a = attesi[i];
        EXPECT_EQ(BarraStrumenti::chiave(pulsanti[i]), QString::fromUtf8(a.chiave));
        EXPECT_EQ(pulsanti[i]->isSeparator(), a.immagine == 0);
        EXPECT_EQ(BarraStrumenti::numeroImmagine(pulsanti[i]), a.immagine);
        if (a.immagine == 0)
            continue;
        EXPECT_EQ(pulsanti[i]->text(), QString::fromUtf8(a.didascalia));
        EXPECT_EQ(pulsanti[i]->toolTip(), QString::fromUtf8(a.suggerimento));
        EXPECT_TRUE(disegnata(pulsanti[i]->icon().pixmap(24, 24))) << a.chiave;
    }
}

TEST_F(FinestraPrincipale, ComandiEStatoDiSelezione) {
    struct Caso {
        const char* nome;
        const char* comando; // the menu command, triggered as a click on it does
        std::int32_t utente, scheda, modello;
        QStringList attese;
    };
    const QString sel = QStringLiteral("UtentiSelezione SELEZIONA");
    const Caso casi[] = {
        {"nuova", "mnuSchedeNuova", 5, 0, 0, {sel, QStringLiteral("mdiScheda.mostra 5/0/0")}},
        // Cancelling the athlete list opens nothing, whatever an earlier command had chosen.
        {"nuova annullata", "mnuSchedeNuova", 0, 0, 0, {sel}},
        {"apri",
         "mnuSchedeApri",
         5,
         7,
         0,
         {sel, QStringLiteral("SchedeSelezione 5"), QStringLiteral("mdiScheda.mostra 5/7/0")}},
        {"apri senza scheda", "mnuSchedeApri", 5, 0, 0, {sel, QStringLiteral("SchedeSelezione 5")}},
        {"apri senza atleta", "mnuSchedeApri", 0, 7, 0, {sel}},
        // The list hands over the chosen or renewed card with its athlete.
        {"in scadenza",
         "mnuSchedeInScadenza",
         5,
         7,
         0,
         {QStringLiteral("SchedeInScadenza"), QStringLiteral("mdiScheda.mostra 5/7/0")}},
        {"in scadenza chiusa", "mnuSchedeInScadenza", 0, 0, 0, {QStringLiteral("SchedeInScadenza")}},
        {"da modello",
         "mnuSchedeDaModello",
         5,
         0,
         3,
         {sel, QStringLiteral("SchedeMODELLOSelezione"), QStringLiteral("mdiScheda.mostra 5/0/3")}},
        {"da modello annullato",
         "mnuSchedeDaModello",
         5,
         0,
         -1,
         {sel, QStringLiteral("SchedeMODELLOSelezione")}},
        {"da modello senza atleta", "mnuSchedeDaModello", 0, 0, 3, {sel}},
        {"gestione modelli",
         "mnuSchedeGestioneModello",
         0,
         0,
         4,
         {QStringLiteral("SchedeMODELLOSelezione"), QStringLiteral("mdiScheda.mostra 0/0/4")}},
        {"gestione modelli annullata",
         "mnuSchedeGestioneModello",
         0,
         0,
         -1,
         {QStringLiteral("SchedeMODELLOSelezione")}},
        {"gestione atleti", "mnuUtentiGestione", 5, 0, 0, {QStringLiteral("UtentiSelezione MODIFICA")}},
        {"istruzioni", "mnuSchedeCosaNonFare", 0, 0, 0, {QStringLiteral("PrinterDaNonFare")}},
        {"personalizza", "mnuZDFPersonalizza", 0, 0, 0, {QStringLiteral("frmPersonalizza")}},
        {"informazioni", "mnuHelpAbout", 0, 0, 0, {QStringLiteral("frmAbout")}},
    };
    for (const Caso& c : casi) {
        Principale& p = principale();
        p.mostra();
        chiamate.clear();
        idUtenteSelezionato = 9;
        idSchedaSelezionata = 9;
        idModelloSelezionato = 9;
        utenteScelto = c.utente;
        schedaScelta = c.scheda;
        modelloScelto = c.modello;
        attiva(p, c.comando);
        EXPECT_EQ(chiamate, c.attese) << c.nome;
        const bool editorAperto = chiamate.filter(QStringLiteral("mdiScheda")).size() == 1;
        // Handing over to the card editor hides the main window; anything else leaves it on screen.
        EXPECT_EQ(p.isVisible(), !editorAperto) << c.nome;
    }
}

TEST_F(FinestraPrincipale, TastiDellaBarraInQualunqueMaiuscolo) {
    const std::pair<const char*, const char*> casi[] = {
        {"nuova", "UtentiSelezione SELEZIONA|mdiScheda.mostra 5/0/0"},
        {"NUOVA", "UtentiSelezione SELEZIONA|mdiScheda.mostra 5/0/0"},
        {"nuovaDaModello", "UtentiSelezione SELEZIONA|SchedeMODELLOSelezione|mdiScheda.mostra 5/0/2"},
        {"NuovaDaModello", "UtentiSelezione SELEZIONA|SchedeMODELLOSelezione|mdiScheda.mostra 5/0/2"},
        {"Apri", "UtentiSelezione SELEZIONA|SchedeSelezione 5|mdiScheda.mostra 5/1/0"},
        {"Scadenze", "SchedeInScadenza|mdiScheda.mostra 5/1/0"},
        {"sep", ""},
        {"sconosciuto", ""},
        {"ESCI", "scaricaEditorScheda"},
    };
    utenteScelto = 5;
    schedaScelta = 1;
    modelloScelto = 2;
    for (const auto& [chiave, attese] : casi) {
        Principale& p = principale();
        p.mostra();
        chiamate.clear();
        p.Toolbar1_ButtonClickChiave(QString::fromLatin1(chiave));
        EXPECT_EQ(chiamate.join(QLatin1Char('|')), QString::fromLatin1(attese)) << chiave;
    }
    // "esci" closed the window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(principaleCaricata(), nullptr);
    EXPECT_TRUE(inChiusura);
}

TEST_F(FinestraPrincipale, PulsanteDellaBarraCliccato) {
    utenteScelto = 5;
    Principale& p = principale();
    p.mostra();
    attiva(*p.Toolbar1, "nuova");
    EXPECT_EQ(chiamate, (QStringList{QStringLiteral("UtentiSelezione SELEZIONA"),
                                     QStringLiteral("mdiScheda.mostra 5/0/0")}));
}

TEST_F(FinestraPrincipale, ComandiSenzaFinestraRegistrataDisattivati) {
    finestre() = RegistroFinestre{};
    Principale& p = principale();
    for (QAction* a : {p.mnuSchedeNuova, p.mnuSchedeApri, p.mnuSchedeDaModello, p.mnuSchedeGestioneModello,
                       p.mnuUtentiGestione, p.mnuSchedeCosaNonFare, p.mnuZDFPersonalizza, p.mnuZDFRipristina,
                       p.mnuSchedeInScadenza})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (const char* k : {"nuova", "nuovaDaModello", "apri", "scadenze"})
        EXPECT_FALSE(p.Toolbar1->pulsante(QString::fromLatin1(k))->isEnabled()) << k;
    EXPECT_TRUE(p.mnuZDFEsci->isEnabled());
    EXPECT_TRUE(p.mnuHelpHelp->isEnabled());
    EXPECT_TRUE(p.Toolbar1->pulsante(QStringLiteral("esci"))->isEnabled());

    // A window registered later enables its command the next time the main window is shown.
    finestre().UtentiSelezione = [](const QString&) {};
    p.mostra();
    EXPECT_TRUE(p.mnuUtentiGestione->isEnabled());
    EXPECT_FALSE(p.mnuSchedeNuova->isEnabled()); // the card editor is still missing
}

TEST_F(FinestraPrincipale, EsciChiudeEScaricaLEditor) {
    Principale& p = principale();
    p.mostra();
    attiva(p, "mnuZDFEsci");
    EXPECT_TRUE(inChiusura);
    EXPECT_EQ(chiamate, QStringList{QStringLiteral("scaricaEditorScheda")});
    EXPECT_FALSE(ownMenu().agganciato());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(principaleCaricata(), nullptr);
    // Referred to again, the window is created afresh.
    EXPECT_TRUE(principale().mnuSchedeNuova->isEnabled());
    EXPECT_TRUE(ownMenu().agganciato());
}

class LogoNellaFinestra : public FinestraPrincipale {
protected:
    void SetUp() override {
        FinestraPrincipale::SetUp();
        const QString file = cartella() + QStringLiteral("/images/LogoVibrana.JPG");
        QDir().mkpath(QFileInfo(file).absolutePath());
        QImage logo(900, 600, QImage::Format_RGB32);
        logo.fill(Qt::darkRed);
        ASSERT_TRUE(logo.save(file));
        ASSERT_TRUE(QFileInfo::exists(percorsoProgramma(FileConsegnati::logoProdotto)));
    }
    void dimensione(Principale& p, int l, int a) {
        p.resize(l, a);
        QApplication::processEvents();
    }
    static QPoint centroArea(const Principale& p) { return p.centralWidget()->rect().center(); }
};

TEST_F(LogoNellaFinestra, AdattatoAllAltezzaECentrato) {
    Principale& p = principale();
    p.setWindowState(Qt::WindowNoState);
    p.show();
    struct Caso {
        int larghezza, altezza;
        bool adatta; // false: the window is too small, the logo keeps its size
    };
    const Caso casi[] = {
        {1200, 900, true}, // limit about 900 / 1.5 = 600 pixels: the width is brought to it
        {1500, 1200, true}, {1800, 1500, true}, // never enlarged beyond the picture's own size
        {1200, 900, true},                      // grows and shrinks with the window
        {460, 900, false},                      // 460 pixels = 6900 twips: kept as it is, only centred
        {1200, 460, false},
    };
    QSize precedente;
    for (const Caso& c : casi) {
        dimensione(p, c.larghezza, c.altezza);
        ASSERT_EQ(p.size(), QSize(c.larghezza, c.altezza));
        // The limit is the outer height (frame included) / 1.5.
        const int limite = static_cast<int>(p.frameGeometry().height() / 1.5);
        QSize atteso = QSize(900, 600);
        if (atteso.width() > limite || atteso.height() > limite)
            atteso = atteso.scaled(limite, limite, Qt::KeepAspectRatio);
        if (!c.adatta)
            atteso = precedente;
        precedente = p.logoVibrana->size();
        EXPECT_TRUE(p.logoVibrana->isVisible());
        EXPECT_NEAR(p.logoVibrana->width(), atteso.width(), 1) << c.larghezza << "x" << c.altezza;
        EXPECT_NEAR(p.logoVibrana->height(), atteso.height(), 1) << c.larghezza << "x" << c.altezza;
        const QPoint centro = p.logoVibrana->geometry().center();
        EXPECT_NEAR(centro.x(), centroArea(p).x(), 1);
        EXPECT_NEAR(centro.y(), centroArea(p).y(), 1);
    }
}

TEST_F(FinestraPrincipale, SenzaLogoNonSiMostraNulla) {
    Principale& p = principale();
    p.setWindowState(Qt::WindowNoState);
    p.show();
    p.resize(1000, 800);
    QApplication::processEvents();
    EXPECT_FALSE(p.logoVibrana->isVisible());
}

} // namespace
