#include "shell/Principale.h"

#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "data/ConnessioneServer.h"
#include "data/Server.h"
#include "data/db.h"
#include "pictures/FileConsegnati.h"
#include "pictures/RidimensionatoreImmagini.h"
#include "shell/BarraStrumenti.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/OwnMenu.h"
#include "shell/f_library.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>

namespace {

QPointer<Principale>& istanza() {
    static QPointer<Principale> p;
    return p;
}

void azzeraSelezione() {
    idUtenteSelezionato = 0;
    idSchedaSelezionata = 0;
    idModelloSelezionato = 0;
}

// A window below this size in either direction keeps the logo as it is.
constexpr double latoMinimoTwips = 7000;

} // namespace

Principale& principale() {
    auto& p = istanza();
    if (!p)
        p = new Principale;
    return *p;
}

Principale* principaleCaricata() {
    return istanza();
}

Principale::Principale(QWidget* genitore) : QMainWindow(genitore) {
    setObjectName(QStringLiteral("Principale"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Arvel"));
    // With several PCs on one register, each shows which one it works on.
    if (db().suServer())
        setWindowTitle(
            QStringLiteral(" Arvel - Registro condiviso su %1").arg(indirizzoVisibile(indirizzoServer())));
    setWindowIcon(ImmaginiProgramma::icona(QStringLiteral("document-new")));

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    // The logo is drawn on white; the client area takes the same, system-chosen, background.
    area->setBackgroundRole(QPalette::Base);
    area->setAutoFillBackground(true);
    setCentralWidget(area);
    logoVibrana = new QLabel(area);
    logoVibrana->setObjectName(QStringLiteral("logoVibrana"));
    logoOriginale_ = ImmaginiProgramma::logoProdotto();
    if (!logoOriginale_.isNull()) {
        logoVibrana->setPixmap(logoOriginale_);
        logoVibrana->resize(logoOriginale_.deviceIndependentSize().toSize());
    } else {
        logoVibrana->hide();
    }

    // Menus, captions exactly as the user knows them.
    QMenuBar* barra = menuBar();
    mnuZDF = new MenuDisegnato(QStringLiteral("&Vibrana"), this);
    mnuZDF->setObjectName(QStringLiteral("mnuZDF"));
    mnuZDFPersonalizza = mnuZDF->addAction(QStringLiteral("Pe&rsonalizza"));
    sep0 = mnuZDF->addSeparator();
    mnuZDFEsci = mnuZDF->addAction(QStringLiteral("&Esci"));
    barra->addMenu(mnuZDF);

    mnuUtenti = new MenuDisegnato(QStringLiteral("&Utenti"), this);
    mnuUtenti->setObjectName(QStringLiteral("mnuUtenti"));
    mnuUtentiGestione = mnuUtenti->addAction(QStringLiteral("&Gestione..."));
    barra->addMenu(mnuUtenti);

    mnuSchede = new MenuDisegnato(QStringLiteral("&Schede"), this);
    mnuSchede->setObjectName(QStringLiteral("mnuSchede"));
    mnuSchedeNuova = mnuSchede->addAction(QStringLiteral("&Nuova Scheda"));
    mnuSchedeApri = mnuSchede->addAction(QStringLiteral("&Apri..."));
    sep4 = mnuSchede->addSeparator();
    mnuSchedeDaModello = mnuSchede->addAction(QStringLiteral("N&uova da Modello"));
    mnuSchedeGestioneModello = mnuSchede->addAction(QStringLiteral("Ges&tione Schede Modello..."));
    sep5 = mnuSchede->addSeparator();
    mnuSchedeCosaNonFare = mnuSchede->addAction(QStringLiteral("&Stampa \"ISTRUZIONI D'USO\""));
    barra->addMenu(mnuSchede);

    mnuHelp = new MenuDisegnato(QStringLiteral("?"), this);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpHelp = mnuHelp->addAction(QStringLiteral("Guida del programma"));
    mnuHelpHelp->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpHelp->setShortcutContext(Qt::WindowShortcut);
    sep88 = mnuHelp->addSeparator();
    sep88->setVisible(false);
    mnuHelpManuale = mnuHelp->addAction(QStringLiteral("Manua&le d'uso di Vibrana"));
    mnuHelpManuale->setVisible(false);
    sep9 = mnuHelp->addSeparator();
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("&Informazioni su..."));
    barra->addMenu(mnuHelp);

    const std::pair<QAction*, const char*> nomi[] = {{mnuZDFPersonalizza, "mnuZDFPersonalizza"},
                                                     {sep0, "sep0"},
                                                     {mnuZDFEsci, "mnuZDFEsci"},
                                                     {mnuUtentiGestione, "mnuUtentiGestione"},
                                                     {mnuSchedeNuova, "mnuSchedeNuova"},
                                                     {mnuSchedeApri, "mnuSchedeApri"},
                                                     {sep4, "sep4"},
                                                     {mnuSchedeDaModello, "mnuSchedeDaModello"},
                                                     {mnuSchedeGestioneModello, "mnuSchedeGestioneModello"},
                                                     {sep5, "sep5"},
                                                     {mnuSchedeCosaNonFare, "mnuSchedeCosaNonFare"},
                                                     {mnuHelpHelp, "mnuHelpHelp"},
                                                     {sep88, "sep88"},
                                                     {mnuHelpManuale, "mnuHelpManuale"},
                                                     {sep9, "sep9"},
                                                     {mnuHelpAbout, "mnuHelpAbout"}};
    for (const auto& [azione, nome] : nomi)
        azione->setObjectName(QString::fromLatin1(nome));

    connect(mnuZDFPersonalizza, &QAction::triggered, this, &Principale::mnuZDFPersonalizza_Click);
    connect(mnuZDFEsci, &QAction::triggered, this, &Principale::mnuZDFEsci_Click);
    connect(mnuUtentiGestione, &QAction::triggered, this, &Principale::mnuUtentiGestione_Click);
    connect(mnuSchedeNuova, &QAction::triggered, this, &Principale::mnuSchedeNuova_Click);
    connect(mnuSchedeApri, &QAction::triggered, this, &Principale::mnuSchedeApri_Click);
    connect(mnuSchedeDaModello, &QAction::triggered, this, &Principale::mnuSchedeDaModello_Click);
    connect(mnuSchedeGestioneModello, &QAction::triggered, this, &Principale::mnuSchedeGestioneModello_Click);
    connect(mnuSchedeCosaNonFare, &QAction::triggered, this, &Principale::mnuSchedeCosaNonFare_Click);
    connect(mnuHelpHelp, &QAction::triggered, this, &Principale::mnuHelpHelp_Click);
    connect(mnuHelpManuale, &QAction::triggered, this, &Principale::mnuHelpManuale_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &Principale::mnuHelpAbout_Click);

    Toolbar1 = new BarraStrumenti(QStringLiteral("Toolbar1"), this);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->aggiungiPulsante(QStringLiteral("Nuova Scheda"), QStringLiteral("nuova"),
                               QStringLiteral("Crea una nuova Scheda"));
    Toolbar1->aggiungiPulsante(
        QStringLiteral("Nuova da Modello"), QStringLiteral("nuovaDaModello"),
        QStringLiteral("Crea una nuova scheda a partire da uno dei Modelli già pronti"));
    Toolbar1->aggiungiSeparatore(QStringLiteral("sep"));
    Toolbar1->aggiungiPulsante(QStringLiteral("Apri Scheda"), QStringLiteral("apri"),
                               QStringLiteral("Apre una scheda in archivio"));
    Toolbar1->aggiungiPulsante(QStringLiteral("Esci"), QStringLiteral("esci"),
                               QStringLiteral("Uscita dal programma"));
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    connect(Toolbar1, &BarraStrumenti::ButtonClick, this, &Principale::Toolbar1_ButtonClick);

    Form_Load();
}

Principale::~Principale() {
    if (!scaricata_)
        Form_Unload();
}

void Principale::Form_Load() {
    const std::pair<const char*, const char*> pulsanti[] = {{"nuova", "document-new"},
                                                            {"nuovaDaModello", "document-new-from-template"},
                                                            {"apri", "document-open"},
                                                            {"esci", "application-exit"}};
    imgListMenu0.Clear();
    imgListMenu1.Clear();
    for (const auto& [chiave, icona] : pulsanti) {
        const QIcon i = ImmaginiProgramma::icona(QString::fromLatin1(icona));
        imgListMenu0.aggiungi(QString::fromLatin1(chiave), i.pixmap(imgListMenu0.dimensione()));
        imgListMenu1.aggiungi(QString::fromLatin1(chiave),
                              i.pixmap(imgListMenu1.dimensione(), QIcon::Active));
    }
    Toolbar1->setImageList(&imgListMenu0);
    Toolbar1->setHotImageList(&imgListMenu1);
    numeraImmaginiToolbar(Toolbar1);

    setWindowState(windowState() | Qt::WindowMaximized);
    preparaMenu();
    aggiornaComandi();
}

void Principale::preparaMenu() {
    const std::pair<const char*, const char*> immagini[] = {
        {"utenti", "system-users"}, {"esci", "application-exit"},
        {"libro", "help-contents"}, {"nuova", "document-new"},
        {"apri", "document-open"},  {"damodello", "document-new-from-template"},
        {"info", "help-about"},     {"lista", "view-list-details"},
        {"hint", "help-contents"}};
    ImageList_OwnerMenu.Clear();
    for (const auto& [chiave, icona] : immagini)
        ImageList_OwnerMenu.aggiungi(
            QString::fromLatin1(chiave),
            ImmaginiProgramma::icona(QString::fromLatin1(icona)).pixmap(QSize(16, 16)));
    Picture1 = ImmaginiProgramma::barraMenu();
    const QColor coloreBarra(255, 128, 128);

    OwnMenu& om = ownMenu();
    om.inizializzaMenu(this, &ImageList_OwnerMenu);
    om.impostaBarraMenu(menuBar());

    om.aggiungiSottomenu(0, 1, Picture1, 1, coloreBarra);
    om.aggiungiVoce(mnuZDFPersonalizza, 0, QStringLiteral("lista"));
    om.aggiungiVoce(sep0, 1, QString());
    om.aggiungiVoce(mnuZDFEsci, 2, QStringLiteral("esci"));

    om.aggiungiSottomenu(1, 1, QPixmap(), 0, QColor());
    om.aggiungiVoce(mnuUtentiGestione, 0, QStringLiteral("utenti"));

    om.aggiungiSottomenu(2, 1, Picture1, 1, coloreBarra);
    om.aggiungiVoce(mnuSchedeNuova, 0, QStringLiteral("nuova"));
    om.aggiungiVoce(mnuSchedeApri, 1, QStringLiteral("apri"));
    om.aggiungiVoce(sep4, 2, QString());
    om.aggiungiVoce(mnuSchedeDaModello, 3, QStringLiteral("damodello"));
    om.aggiungiVoce(mnuSchedeGestioneModello, 4, QStringLiteral("lista"));
    om.aggiungiVoce(sep5, 5, QString());
    om.aggiungiVoce(mnuSchedeCosaNonFare, 6, QString());

    om.aggiungiSottomenu(3, 1, Picture1, 1, coloreBarra);
    om.aggiungiVoce(mnuHelpHelp, 0, QStringLiteral("hint"));
    om.aggiungiVoce(sep9, 1, QString());
    om.aggiungiVoce(mnuHelpAbout, 2, QStringLiteral("info"));

    om.agganciaFinestra();
}

void Principale::aggiornaComandi() {
    const RegistroFinestre& f = finestre();
    const bool editor = static_cast<bool>(f.mdiSchedaMostra);
    const bool utenti = static_cast<bool>(f.UtentiSelezione);
    const bool modelli = static_cast<bool>(f.SchedeMODELLOSelezione);
    mnuSchedeNuova->setEnabled(utenti && editor);
    mnuSchedeApri->setEnabled(utenti && editor && f.SchedeSelezione);
    mnuSchedeDaModello->setEnabled(utenti && editor && modelli);
    mnuSchedeGestioneModello->setEnabled(modelli);
    mnuUtentiGestione->setEnabled(utenti);
    mnuSchedeCosaNonFare->setEnabled(static_cast<bool>(f.PrinterDaNonFare));
    mnuZDFPersonalizza->setEnabled(static_cast<bool>(f.frmPersonalizza));
    mnuHelpAbout->setEnabled(static_cast<bool>(f.frmAbout));
    Toolbar1->pulsante(QStringLiteral("nuova"))->setEnabled(mnuSchedeNuova->isEnabled());
    Toolbar1->pulsante(QStringLiteral("nuovaDaModello"))->setEnabled(mnuSchedeDaModello->isEnabled());
    Toolbar1->pulsante(QStringLiteral("apri"))->setEnabled(mnuSchedeApri->isEnabled());
}

void Principale::nascondi() {
    hide();
}

void Principale::mostra() {
    // Without a window manager the maximised state alone leaves the window at its default size.
    if (isMaximized() && !isVisible())
        if (QScreen* s = screen()) {
            setGeometry(s->availableGeometry());
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    show();
    raise();
    activateWindow();
}

void Principale::apriEditoreScheda() {
    if (!finestre().mdiSchedaMostra)
        return;
    finestre().mdiSchedaMostra();
    nascondi();
}

void Principale::mnuSchedeNuova_Click() {
    proteggi([this] {
        azzeraSelezione();
        if (!finestre().UtentiSelezione)
            return;
        finestre().UtentiSelezione(QStringLiteral("SELEZIONA"));
        if (idUtenteSelezionato != 0)
            apriEditoreScheda();
    });
}

void Principale::mnuSchedeApri_Click() {
    proteggi([this] {
        azzeraSelezione();
        if (!finestre().UtentiSelezione)
            return;
        finestre().UtentiSelezione(QStringLiteral("SELEZIONA"));
        if (idUtenteSelezionato == 0 || !finestre().SchedeSelezione)
            return;
        finestre().SchedeSelezione(idUtenteSelezionato);
        if (idSchedaSelezionata != 0)
            apriEditoreScheda();
    });
}

void Principale::mnuSchedeDaModello_Click() {
    proteggi([this] {
        azzeraSelezione();
        if (!finestre().UtentiSelezione)
            return;
        finestre().UtentiSelezione(QStringLiteral("SELEZIONA"));
        if (idUtenteSelezionato == 0 || !finestre().SchedeMODELLOSelezione)
            return;
        finestre().SchedeMODELLOSelezione();
        if (idModelloSelezionato > 0)
            apriEditoreScheda();
    });
}

void Principale::mnuSchedeGestioneModello_Click() {
    proteggi([this] {
        azzeraSelezione();
        if (!finestre().SchedeMODELLOSelezione)
            return;
        finestre().SchedeMODELLOSelezione();
        // No athlete is chosen here, so the editor opens the template itself.
        if (idModelloSelezionato > 0)
            apriEditoreScheda();
    });
}

void Principale::mnuUtentiGestione_Click() {
    proteggi([] {
        if (finestre().UtentiSelezione)
            finestre().UtentiSelezione(QStringLiteral("MODIFICA"));
    });
}

void Principale::mnuSchedeCosaNonFare_Click() {
    proteggi([] {
        if (finestre().PrinterDaNonFare)
            finestre().PrinterDaNonFare();
    });
}

void Principale::mnuZDFPersonalizza_Click() {
    proteggi([] {
        if (finestre().frmPersonalizza)
            finestre().frmPersonalizza();
    });
}

void Principale::mnuZDFEsci_Click() {
    close();
}

void Principale::mnuHelpHelp_Click() {
    setFocus();
    proteggi([] { apriGuida(); });
}

void Principale::mnuHelpManuale_Click() {
    proteggi([] {
        const QString cartella = cartellaProgramma();
        const QString programma =
            cartella + QLatin1Char('/') + db().Load_Param(QStringLiteral("PATH_MANUALE"));
        QProcess::startDetached(risolviPercorso(programma), {cartella});
    });
}

void Principale::mnuHelpAbout_Click() {
    proteggi([] {
        if (finestre().frmAbout)
            finestre().frmAbout();
    });
}

void Principale::Toolbar1_ButtonClick(QAction* Button) {
    Toolbar1_ButtonClickChiave(BarraStrumenti::chiave(Button));
}

void Principale::Toolbar1_ButtonClickChiave(const QString& chiave) {
    const QString k = chiave.toLower();
    if (k == QLatin1String("apri"))
        mnuSchedeApri_Click();
    else if (k == QLatin1String("nuova"))
        mnuSchedeNuova_Click();
    else if (k == QLatin1String("nuovadamodello"))
        mnuSchedeDaModello_Click();
    else if (k == QLatin1String("esci"))
        mnuZDFEsci_Click();
}

void Principale::showEvent(QShowEvent* e) {
    aggiornaComandi();
    QMainWindow::showEvent(e);
    disponiLogo();
}

void Principale::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    disponiLogo();
}

void Principale::disponiLogo() {
    if (logoOriginale_.isNull())
        return;
    QWidget* area = centralWidget();
    const QSize finestra = frameGeometry().size();
    if (twips::daPixel(finestra.height()) > latoMinimoTwips &&
        twips::daPixel(finestra.width()) > latoMinimoTwips) {
        // Fitted from the picture's own size each time, so the logo grows back when the window does.
        logoVibrana->hide();
        logoVibrana->setScaledContents(false);
        logoVibrana->resize(logoOriginale_.deviceIndependentSize().toSize());
        RidimensionatoreImmagini ridimensionatore;
        ridimensionatore.MAX = twips::daPixel(finestra.height()) / 1.5;
        ridimensionatore.setImage(logoVibrana);
        ridimensionatore.ridimensiona();
    }
    // Centred in the empty client area, below the menu bar and the toolbar.
    logoVibrana->move((area->width() - logoVibrana->width()) / 2,
                      (area->height() - logoVibrana->height()) / 2);
    logoVibrana->show();
}

void Principale::closeEvent(QCloseEvent* e) {
    Form_Unload();
    e->accept();
    QMainWindow::closeEvent(e);
}

void Principale::Form_Unload() {
    if (scaricata_)
        return;
    scaricata_ = true;
    inChiusura = true;
    if (finestre().scaricaEditorScheda)
        finestre().scaricaEditorScheda();
    // The help window belongs to the program's session; it goes with the main window.
    if (FinestraGuida* guida = finestraGuida())
        guida->close();
    ownMenu().sganciaFinestra();
}
