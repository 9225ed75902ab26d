#include "shell/Principale.h"

#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "data/ConnessioneServer.h"
#include "data/CopieAutomatiche.h"
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
#include "ui_Principale.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <vector>

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

// The drop-down menus of the menu bar, left to right. Those with the side bar show the program's
// banner picture down their left edge.
struct MenuPrincipale {
    MenuDisegnato* Principale::*membro;
    const char* nome;
    const char* titolo;
    bool barraLaterale;
};
constexpr MenuPrincipale menuPrincipali[] = {
    {&Principale::mnuZDF, "mnuZDF", "&Vibrana", true},
    {&Principale::mnuUtenti, "mnuUtenti", "&Utenti", false},
    {&Principale::mnuSchede, "mnuSchede", "&Schede", true},
    {&Principale::mnuHelp, "mnuHelp", "?", true},
};

bool conUtenti(const RegistroFinestre& f) {
    return static_cast<bool>(f.UtentiSelezione);
}
bool conEditor(const RegistroFinestre& f) {
    return conUtenti(f) && f.mdiSchedaMostra;
}

// Every item of the menus, in menu order, with the toolbar button that gives the same command.
// The window builds its menus, the drawn menus' pictures, the toolbar, the enabled states and the
// toolbar's dispatch from this one list.
struct Comando {
    int menu; // row of menuPrincipali
    QAction* Principale::*membro;
    const char* nome;
    const char* didascalia = nullptr; // nullptr: a separator
    void (Principale::*gestore)() = nullptr;
    const char* immagineMenu = ""; // key of the picture in the drawn menu ("": none)
    const char* icona = "";        // the theme icon of that picture and of the toolbar button
    int tasto = 0;
    bool nascosto = false;
    // Whether the windows the command needs are registered; nullptr: always available.
    bool (*attivo)(const RegistroFinestre&) = nullptr;
    // The toolbar button: its place (0 = none), key, caption and tooltip, a separator before it.
    int posizionePulsante = 0;
    const char* chiavePulsante = "";
    const char* pulsante = "";
    const char* suggerimento = "";
    bool separatorePrima = false;
};

const Comando comandi[] = {
    {.menu = 0,
     .membro = &Principale::mnuZDFPersonalizza,
     .nome = "mnuZDFPersonalizza",
     .didascalia = "Pe&rsonalizza",
     .gestore = &Principale::mnuZDFPersonalizza_Click,
     .immagineMenu = "lista",
     .icona = "view-list-details",
     .attivo = [](const RegistroFinestre& f) { return static_cast<bool>(f.frmPersonalizza); }},
    {.menu = 0,
     .membro = &Principale::mnuZDFRipristina,
     .nome = "mnuZDFRipristina",
     .didascalia = "Ri&pristina copia...",
     .gestore = &Principale::mnuZDFRipristina_Click,
     .immagineMenu = "ripristina",
     .icona = "document-revert",
     .attivo = [](const RegistroFinestre& f) { return static_cast<bool>(f.RipristinaCopia); }},
    {.menu = 0, .membro = &Principale::sep0, .nome = "sep0"},
    {.menu = 0,
     .membro = &Principale::mnuZDFEsci,
     .nome = "mnuZDFEsci",
     .didascalia = "&Esci",
     .gestore = &Principale::mnuZDFEsci_Click,
     .immagineMenu = "esci",
     .icona = "application-exit",
     .posizionePulsante = 5,
     .chiavePulsante = "esci",
     .pulsante = "Esci",
     .suggerimento = "Uscita dal programma"},
    {.menu = 1,
     .membro = &Principale::mnuUtentiGestione,
     .nome = "mnuUtentiGestione",
     .didascalia = "&Gestione...",
     .gestore = &Principale::mnuUtentiGestione_Click,
     .immagineMenu = "utenti",
     .icona = "system-users",
     .attivo = conUtenti},
    {.menu = 2,
     .membro = &Principale::mnuSchedeNuova,
     .nome = "mnuSchedeNuova",
     .didascalia = "&Nuova Scheda",
     .gestore = &Principale::mnuSchedeNuova_Click,
     .immagineMenu = "nuova",
     .icona = "document-new",
     .attivo = conEditor,
     .posizionePulsante = 1,
     .chiavePulsante = "nuova",
     .pulsante = "Nuova Scheda",
     .suggerimento = "Crea una nuova Scheda"},
    {.menu = 2,
     .membro = &Principale::mnuSchedeApri,
     .nome = "mnuSchedeApri",
     .didascalia = "&Apri...",
     .gestore = &Principale::mnuSchedeApri_Click,
     .immagineMenu = "apri",
     .icona = "document-open",
     .attivo = [](const RegistroFinestre& f) { return conEditor(f) && f.SchedeSelezione; },
     .posizionePulsante = 3,
     .chiavePulsante = "apri",
     .pulsante = "Apri Scheda",
     .suggerimento = "Apre una scheda in archivio",
     .separatorePrima = true},
    {.menu = 2,
     .membro = &Principale::mnuSchedeInScadenza,
     .nome = "mnuSchedeInScadenza",
     .didascalia = "Schede in s&cadenza...",
     .gestore = &Principale::mnuSchedeInScadenza_Click,
     .immagineMenu = "scadenze",
     .icona = "view-calendar-upcoming-days",
     .tasto = (Qt::CTRL | Qt::Key_E).toCombined(),
     .attivo = [](const RegistroFinestre& f) { return conEditor(f) && f.SchedeInScadenza; },
     .posizionePulsante = 4,
     .chiavePulsante = "scadenze",
     .pulsante = "Schede in scadenza",
     .suggerimento = "Elenca le schede che stanno per scadere o sono appena scadute (Ctrl+E)"},
    {.menu = 2, .membro = &Principale::sep4, .nome = "sep4"},
    {.menu = 2,
     .membro = &Principale::mnuSchedeDaModello,
     .nome = "mnuSchedeDaModello",
     .didascalia = "N&uova da Modello",
     .gestore = &Principale::mnuSchedeDaModello_Click,
     .immagineMenu = "damodello",
     .icona = "document-new-from-template",
     .attivo = [](const RegistroFinestre& f) { return conEditor(f) && f.SchedeMODELLOSelezione; },
     .posizionePulsante = 2,
     .chiavePulsante = "nuovaDaModello",
     .pulsante = "Nuova da Modello",
     .suggerimento = "Crea una nuova scheda a partire da uno dei Modelli già pronti"},
    {.menu = 2,
     .membro = &Principale::mnuSchedeGestioneModello,
     .nome = "mnuSchedeGestioneModello",
     .didascalia = "Ges&tione Schede Modello...",
     .gestore = &Principale::mnuSchedeGestioneModello_Click,
     .immagineMenu = "lista",
     .icona = "view-list-details",
     .attivo = [](const RegistroFinestre& f) { return static_cast<bool>(f.SchedeMODELLOSelezione); }},
    {.menu = 2, .membro = &Principale::sep5, .nome = "sep5"},
    {.menu = 2,
     .membro = &Principale::mnuSchedeCosaNonFare,
     .nome = "mnuSchedeCosaNonFare",
     .didascalia = "&Stampa \"ISTRUZIONI D'USO\"",
     .gestore = &Principale::mnuSchedeCosaNonFare_Click,
     .attivo = [](const RegistroFinestre& f) { return static_cast<bool>(f.PrinterDaNonFare); }},
    {.menu = 3,
     .membro = &Principale::mnuHelpHelp,
     .nome = "mnuHelpHelp",
     .didascalia = "Guida del programma",
     .gestore = &Principale::mnuHelpHelp_Click,
     .immagineMenu = "hint",
     .icona = "help-contents",
     .tasto = Qt::Key_F1},
    // The user manual's item exists but is never shown.
    {.menu = 3, .membro = &Principale::sep88, .nome = "sep88", .nascosto = true},
    {.menu = 3,
     .membro = &Principale::mnuHelpManuale,
     .nome = "mnuHelpManuale",
     .didascalia = "Manua&le d'uso di Vibrana",
     .gestore = &Principale::mnuHelpManuale_Click,
     .nascosto = true},
    {.menu = 3, .membro = &Principale::sep9, .nome = "sep9"},
    {.menu = 3,
     .membro = &Principale::mnuHelpAbout,
     .nome = "mnuHelpAbout",
     .didascalia = "&Informazioni su...",
     .gestore = &Principale::mnuHelpAbout_Click,
     .immagineMenu = "info",
     .icona = "help-about",
     .attivo = [](const RegistroFinestre& f) { return static_cast<bool>(f.frmAbout); }},
};

// The commands that have a toolbar button, in button order.
const std::vector<const Comando*>& comandiDellaBarra() {
    static const std::vector<const Comando*> barra = [] {
        std::vector<const Comando*> v;
        for (const Comando& c : comandi)
            if (c.posizionePulsante > 0)
                v.push_back(&c);
        std::ranges::sort(v, {}, &Comando::posizionePulsante);
        return v;
    }();
    return barra;
}

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

Principale::Principale(QWidget* genitore) : QMainWindow(genitore), ui_(std::make_unique<Ui::Principale>()) {
    ui_->setupUi(this);
    logoVibrana = ui_->logoVibrana;
    setAttribute(Qt::WA_DeleteOnClose);
    // With several PCs on one register, each shows which one it works on.
    if (db().suServer())
        setWindowTitle(
            QStringLiteral(" Arvel - Registro condiviso su %1").arg(indirizzoVisibile(indirizzoServer())));
    setWindowIcon(ImmaginiProgramma::icona(QStringLiteral("document-new")));

    // The logo is drawn on white; the client area takes the same, system-chosen, background.
    ui_->area->setBackgroundRole(QPalette::Base);
    logoOriginale_ = ImmaginiProgramma::logoProdotto();
    if (!logoOriginale_.isNull()) {
        logoVibrana->setPixmap(logoOriginale_);
        logoVibrana->resize(logoOriginale_.deviceIndependentSize().toSize());
    } else {
        logoVibrana->hide();
    }

    creaMenu();
    creaBarra();
    Form_Load();
}

void Principale::creaMenu() {
    for (const MenuPrincipale& m : menuPrincipali) {
        auto* menu = new MenuDisegnato(QString::fromUtf8(m.titolo), this);
        menu->setObjectName(QString::fromLatin1(m.nome));
        menuBar()->addMenu(menu);
        this->*m.membro = menu;
    }
    for (const Comando& c : comandi) {
        MenuDisegnato* menu = this->*menuPrincipali[c.menu].membro;
        QAction* a = c.didascalia ? menu->addAction(QString::fromUtf8(c.didascalia)) : menu->addSeparator();
        a->setObjectName(QString::fromLatin1(c.nome));
        if (c.tasto != 0) {
            a->setShortcut(QKeySequence(c.tasto));
            a->setShortcutContext(Qt::WindowShortcut);
        }
        if (c.nascosto)
            a->setVisible(false);
        if (c.gestore)
            connect(a, &QAction::triggered, this, c.gestore);
        this->*c.membro = a;
    }
}

void Principale::creaBarra() {
    Toolbar1 = new BarraStrumenti(QStringLiteral("Toolbar1"), this);
    Toolbar1->setIconSize(QSize(24, 24));
    for (const Comando* c : comandiDellaBarra()) {
        if (c->separatorePrima)
            Toolbar1->aggiungiSeparatore(QStringLiteral("sep"));
        Toolbar1->aggiungiPulsante(QString::fromUtf8(c->pulsante), QString::fromLatin1(c->chiavePulsante),
                                   QString::fromUtf8(c->suggerimento));
    }
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    connect(Toolbar1, &BarraStrumenti::ButtonClick, this, &Principale::Toolbar1_ButtonClick);
}

Principale::~Principale() {
    if (!scaricata_)
        Form_Unload();
}

void Principale::Form_Load() {
    // The toolbar numbers its pictures in button order, so the lists are filled in that order.
    imgListMenu0.Clear();
    imgListMenu1.Clear();
    for (const Comando* c : comandiDellaBarra()) {
        const QIcon i = ImmaginiProgramma::icona(QString::fromLatin1(c->icona));
        imgListMenu0.aggiungi(QString::fromLatin1(c->chiavePulsante), i.pixmap(imgListMenu0.dimensione()));
        imgListMenu1.aggiungi(QString::fromLatin1(c->chiavePulsante),
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
    ImageList_OwnerMenu.Clear();
    for (const Comando& c : comandi)
        if (*c.immagineMenu)
            ImageList_OwnerMenu.aggiungi(
                QString::fromLatin1(c.immagineMenu),
                ImmaginiProgramma::icona(QString::fromLatin1(c.icona)).pixmap(QSize(16, 16)));
    Picture1 = ImmaginiProgramma::barraMenu();
    const QColor coloreBarra(255, 128, 128);

    OwnMenu& om = ownMenu();
    om.inizializzaMenu(this, &ImageList_OwnerMenu);
    om.impostaBarraMenu(menuBar());
    for (int m = 0; m < std::ssize(menuPrincipali); ++m) {
        if (menuPrincipali[m].barraLaterale)
            om.aggiungiSottomenu(m, 1, Picture1, 1, coloreBarra);
        else
            om.aggiungiSottomenu(m, 1, QPixmap(), 0, QColor());
        // Items count from 0 among those on view; a hidden one is not drawn, so not registered.
        int posizione = 0;
        for (const Comando& c : comandi)
            if (c.menu == m && !c.nascosto)
                om.aggiungiVoce(this->*c.membro, posizione++, QString::fromLatin1(c.immagineMenu));
    }
    om.agganciaFinestra();
}

void Principale::aggiornaComandi() {
    const RegistroFinestre& f = finestre();
    for (const Comando& c : comandi)
        if (c.attivo)
            (this->*c.membro)->setEnabled(c.attivo(f));
    // A toolbar button is available exactly when its menu command is.
    for (const Comando* c : comandiDellaBarra())
        Toolbar1->pulsante(QString::fromLatin1(c->chiavePulsante))
            ->setEnabled((this->*c->membro)->isEnabled());
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

void Principale::mnuSchedeInScadenza_Click() {
    proteggi([this] {
        azzeraSelezione();
        if (!finestre().SchedeInScadenza)
            return;
        finestre().SchedeInScadenza();
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

void Principale::mnuZDFRipristina_Click() {
    proteggi([] {
        // A shared register is copied by the server's own tools, never by a PC.
        if (db().suServer())
            mostraMessaggio(testoCopieSulServer(indirizzoVisibile(indirizzoServer())),
                            TipoMessaggio::Informazione, Pulsanti::OK);
        else if (finestre().RipristinaCopia)
            finestre().RipristinaCopia();
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
    for (const Comando* c : comandiDellaBarra())
        if (chiave.compare(QLatin1String(c->chiavePulsante), Qt::CaseInsensitive) == 0) {
            (this->*c->gestore)();
            return;
        }
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
