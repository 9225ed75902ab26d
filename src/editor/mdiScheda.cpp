#include "editor/mdiScheda.h"

#include "base/Messaggi.h"
#include "base/Orologio.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "customisation/palestra.h"
#include "editor/CancelloEditor.h"
#include "editor/ImmaginiScheda.h"
#include "editor/SchedaCorpo.h"
#include "editor/SchedaIntestazione.h"
#include "editor/SchedaIntestazioneMODELLO.h"
#include "pictures/SchedaPreviewFigura.h"
#include "pictures/SchedaSelezioneFIGURE.h"
#include "records/AperturaScheda.h"
#include "records/RegoleScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"
#include "selection/ScambioElenchi.h"
#include "shell/BarraStrumenti.h"
#include "shell/CarattereModuli.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/f_library.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <vector>

namespace {

// A child window of the editor: it closes only when the editor's gate is open.
class FinestraFiglia : public QMdiSubWindow {
public:
    using QMdiSubWindow::QMdiSubWindow;

protected:
    void closeEvent(QCloseEvent* e) override {
        if (!puoiChiudereEditor()) {
            // The window inside still gets its say (the body writes its panels back), and stays shown
            // whatever it answers.
            if (widget()) {
                QCloseEvent chiusura;
                QCoreApplication::sendEvent(widget(), &chiusura);
            }
            e->ignore();
            return;
        }
        QMdiSubWindow::closeEvent(e);
    }
};

} // namespace

BarraStatoEditor::BarraStatoEditor(QStatusBar* barra) {
    status_ = new QLabel(barra);
    status_->setObjectName(QStringLiteral("status"));
    status_->setMinimumWidth(300);
    // The platform time and the date share one panel: at 1024 pixels the totals beside them must
    // still be read whole.
    auto* destra = new QWidget(barra);
    destra->setObjectName(QStringLiteral("pannelliDestra"));
    auto* fila = new QHBoxLayout(destra);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(3);
    // The platform time goes by its symbol, its hint says what it counts.
    auto* simbolo = new QLabel(destra);
    simbolo->setObjectName(QStringLiteral("simboloPedana"));
    simbolo->setPixmap(ImmaginiProgramma::icona(QStringLiteral("chronometer")).pixmap(QSize(16, 16)));
    simbolo->setToolTip(QStringLiteral("Tempo sulla pedana"));
    pedana_ = new QLabel(destra);
    pedana_->setObjectName(QStringLiteral("pedana"));
    pedana_->setAccessibleName(QStringLiteral("Tempo sulla pedana"));
    date2_ = new QLabel(destra);
    date2_->setObjectName(QStringLiteral("date2"));
    fila->addWidget(simbolo);
    fila->addWidget(pedana_);
    fila->addSpacing(6);
    fila->addWidget(date2_);
    barra->addWidget(status_, 1);
    // The editor is always maximised: the grip's room goes to the totals too.
    barra->setSizeGripEnabled(false);
    barra->addPermanentWidget(destra);
}

void BarraStatoEditor::segnalaPannello(const QString& chiave, bool oltreLimite, const QString& suggerimento) {
    QLabel* p = pannello(chiave);
    if (!p)
        return;
    p->setToolTip(suggerimento);
    // Amber, with dark text that stays readable on it in any theme.
    p->setStyleSheet(
        oltreLimite ? QStringLiteral("QLabel { background-color: #FFBF00; color: black; padding: 0 2px; }")
                    : QString());
    p->setProperty("oltreLimite", oltreLimite);
}

void BarraStatoEditor::impostaTestoPannello(const QString& chiave, const QString& testo) {
    if (QLabel* p = pannello(chiave))
        p->setText(testo);
}

QLabel* BarraStatoEditor::pannello(const QString& chiave) const {
    if (chiave.compare(QLatin1String("status"), Qt::CaseInsensitive) == 0)
        return status_;
    if (chiave.compare(QLatin1String("date2"), Qt::CaseInsensitive) == 0)
        return date2_;
    if (chiave.compare(QLatin1String("pedana"), Qt::CaseInsensitive) == 0)
        return pedana_;
    return nullptr;
}

mdiScheda::mdiScheda(QWidget* genitore) : QMainWindow(genitore) {
    setObjectName(QStringLiteral("mdiScheda"));
    setWindowTitle(QStringLiteral(" Arvel"));
    setFont(carattereModuli());
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("area"));
    // On a screen too short or narrow for the windows side by side, the user can still reach all.
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    // The training-days list behaves as a drop-down: working in another child window closes it.
    area_->viewport()->installEventFilter(this);
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* attiva) {
        if (SchedaIntestazione* t = intestazione(); t && attiva != subIntestazione_)
            t->nascondiTutto();
    });

    ToolbarSchede = new BarraStrumenti(QStringLiteral("ToolbarSchede"), this);
    ToolbarSchede->setIconSize(QSize(24, 24));
    QAction* salva = ToolbarSchede->aggiungiPulsante(QStringLiteral("Salva"), QStringLiteral("salva"),
                                                     QStringLiteral("Salva in archivio la scheda corrente"));
    QAction* modello = ToolbarSchede->aggiungiPulsante(
        QStringLiteral("Salva su nuovo Modello"), QStringLiteral("SalvaSuModello"),
        QStringLiteral("Salva la scheda corrente come Modello"));
    ToolbarSchede->aggiungiSeparatore();
    QAction* annulla = ToolbarSchede->aggiungiPulsante(QStringLiteral("Annulla"), QStringLiteral("annulla"),
                                                       QStringLiteral("Annulla l'ultima modifica"));
    QAction* ripeti = ToolbarSchede->aggiungiPulsante(QStringLiteral("Ripeti"), QStringLiteral("ripeti"),
                                                      QStringLiteral("Ripristina la modifica annullata"));
    ToolbarSchede->aggiungiSeparatore(QStringLiteral("sepStoria"));
    QAction* stampa = ToolbarSchede->aggiungiPulsante(QStringLiteral("Stampa"), QStringLiteral("stampa"),
                                                      QStringLiteral("Anteprima di stampa"));
    QAction* esporta = ToolbarSchede->aggiungiPulsante(
        QStringLiteral("Esporta scheda…"), QStringLiteral("esporta"),
        QStringLiteral("Scrive la scheda in un file .vibrana da portare in un'altra palestra"));
    esporta->setObjectName(QStringLiteral("cmdEsportaScheda"));
    esporta->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    ToolbarSchede->aggiungiSeparatore();
    QAction* fine = ToolbarSchede->aggiungiPulsante(QStringLiteral("Fine"), QStringLiteral("fine"),
                                                    QStringLiteral("Esce dall'inserimento/modifica Schede"));
    salva->setShortcut(QKeySequence::Save);
    modello->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    stampa->setShortcut(QKeySequence::Print);
    fine->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
    annulla->setShortcuts(QKeySequence::Undo);
    // Ctrl+Y as well where the platform's own redo key is another.
    QList<QKeySequence> tastiRipeti = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!tastiRipeti.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        tastiRipeti << QKeySequence(Qt::CTRL | Qt::Key_Y);
    ripeti->setShortcuts(tastiRipeti);
    storia_ = std::make_unique<StoriaScheda>(*this);
    connect(&storia_->pila(), &QUndoStack::canUndoChanged, annulla, &QAction::setEnabled);
    connect(&storia_->pila(), &QUndoStack::canRedoChanged, ripeti, &QAction::setEnabled);
    annulla->setEnabled(false);
    ripeti->setEnabled(false);
    // The fields' own undo would take the keys: in the editor they walk the card's history.
    qApp->installEventFilter(this);
    for (QAction* a : ToolbarSchede->actions())
        a->setShortcutContext(Qt::WindowShortcut);
    addToolBar(Qt::TopToolBarArea, ToolbarSchede);
    connect(ToolbarSchede, &BarraStrumenti::ButtonClick, this, &mdiScheda::ToolbarSchede_ButtonClick);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    barraStato_ = std::make_unique<BarraStatoEditor>(StatusBar1);

    auto* guida = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(guida, &QShortcut::activated, this, [] { proteggi([] { apriGuida(); }); });

    MDIForm_Load();
}

mdiScheda::~mdiScheda() {
    qApp->removeEventFilter(this);
    // The area outlives this body and activates its windows as they go; the handler reads members.
    disconnect(area_, nullptr, this, nullptr);
    // Going for good: the children may close now, while the card they write into still exists (a
    // field losing the focus as its window goes may still write back).
    setPuoiChiudere(true);
    for (QPointer<QMdiSubWindow>* figlia :
         {&subIntestazione_, &subIntestazioneModello_, &subCorpo_, &subSelezione_, &subPreview_})
        scaricaFiglia(*figlia);
}

bool mdiScheda::puoiChiudere() {
    return puoiChiudereEditor();
}

void mdiScheda::setPuoiChiudere(bool valore) {
    setPuoiChiudereEditor(valore);
}

void mdiScheda::MDIForm_Load() {
    const char* const icone[] = {
        "document-save",  "document-save-as-template", "edit-undo",       "edit-redo",
        "document-print", "document-export",           "application-exit"};
    ImageListToolBar.Clear();
    int i = 0;
    for (const char* nome : icone) {
        QIcon icona = ImmaginiProgramma::icona(QString::fromLatin1(nome));
        if (icona.isNull() && i == 1)
            icona = ImmaginiProgramma::icona(QStringLiteral("document-save-as"));
        ImageListToolBar.aggiungi(QString::number(++i), icona.pixmap(ImageListToolBar.dimensione()));
    }
    ToolbarSchede->setImageList(&ImageListToolBar);
    numeraImmaginiToolbar(ToolbarSchede);
    setWindowState(windowState() | Qt::WindowMaximized);
}

SchedaIntestazione* mdiScheda::intestazione() const {
    return subIntestazione_ ? qobject_cast<SchedaIntestazione*>(subIntestazione_->widget()) : nullptr;
}
SchedaIntestazioneMODELLO* mdiScheda::intestazioneModello() const {
    return subIntestazioneModello_
               ? qobject_cast<SchedaIntestazioneMODELLO*>(subIntestazioneModello_->widget())
               : nullptr;
}
SchedaCorpo* mdiScheda::corpo() const {
    return subCorpo_ ? qobject_cast<SchedaCorpo*>(subCorpo_->widget()) : nullptr;
}
SchedaSelezioneFIGURE* mdiScheda::selezioneFigure() const {
    return subSelezione_ ? qobject_cast<SchedaSelezioneFIGURE*>(subSelezione_->widget()) : nullptr;
}
SchedaPreviewFigura* mdiScheda::previewFigura() const {
    return subPreview_ ? qobject_cast<SchedaPreviewFigura*>(subPreview_->widget()) : nullptr;
}

void mdiScheda::aggiornaPulsanti() {
    const bool modello = scheda_ && scheda_->isModello;
    ToolbarSchede->pulsante(QStringLiteral("annulla"))->setEnabled(storia_->pila().canUndo());
    ToolbarSchede->pulsante(QStringLiteral("ripeti"))->setEnabled(storia_->pila().canRedo());
    ToolbarSchede->pulsante(QStringLiteral("salva"))->setEnabled(salvaAbilitato_);
    ToolbarSchede->pulsante(QStringLiteral("SalvaSuModello"))
        ->setEnabled(static_cast<bool>(finestre().SchedeMODELLONuova));
    ToolbarSchede->pulsante(QStringLiteral("stampa"))
        ->setEnabled(!modello && static_cast<bool>(finestre().AnteprimaScheda));
    QAction* esporta = ToolbarSchede->pulsante(QStringLiteral("esporta"));
    esporta->setText(modello ? QStringLiteral("Esporta modello…") : QStringLiteral("Esporta scheda…"));
    esporta->setToolTip(
        modello ? QStringLiteral("Scrive il modello in un file .vibrana da portare in un'altra palestra")
                : QStringLiteral("Scrive la scheda in un file .vibrana da portare in un'altra palestra"));
}

void mdiScheda::nessunTempoPedana() {
    // A platform time from earlier values would contradict the message beside it.
    barraStato_->impostaTestoPannello(QStringLiteral("pedana"), QString());
    barraStato_->segnalaPannello(QStringLiteral("pedana"), false, QString());
}

void mdiScheda::ricontaTempi() {
    // The totals count what a save would store: while a timing box on view holds a refused value
    // nothing would be, and a total from an earlier value would contradict the box.
    if (SchedaCorpo* c = corpo())
        if (const long n = c->esercizioConTempiRifiutati()) {
            barraStato_->impostaTestoPannello(
                QStringLiteral("status"),
                QStringLiteral("Tempi Vibrana: correggere i valori dell'esercizio %1 per calcolare i tempi")
                    .arg(n));
            nessunTempoPedana();
            return;
        }
    try {
        contaTempi.contaEstampa();
    } catch (const Errore& e) {
        if (e.numero() != NumeriErrore::Overflow)
            throw;
        barraStato_->impostaTestoPannello(
            QStringLiteral("status"),
            QStringLiteral("Tempi Vibrana: la durata dell'allenamento è troppo lunga per essere calcolata"));
        nessunTempoPedana();
    }
}

void mdiScheda::mostra() {
    ToolbarSchede->setVisible(true);
    if (idUtenteSelezionato != 0)
        utente_.carica(idUtenteSelezionato);
    scaricaFiglia(subIntestazione_);
    scaricaFiglia(subIntestazioneModello_);
    scaricaFiglia(subCorpo_);
    contaTempi.scheda = nullptr;
    storia_->ricomincia(nullptr);
    scheda_.reset();
    salvaAbilitato_ = true;

    scheda_ =
        caricaPerEditor(AperturaScheda::da(idSchedaSelezionata, idModelloSelezionato, idUtenteSelezionato));
    salvaAbilitato_ = salvabile(*scheda_);
    // A card named without its athlete still shows whose it is.
    if (idUtenteSelezionato == 0)
        if (const std::int32_t atleta = atletaDellaScheda(*scheda_))
            utente_.carica(atleta);

    contaTempi.scheda = scheda_.get();
    contaTempi.display = barraStato_.get();
    // Read on every opening, so a limit changed in "Personalizza" holds from the next card on.
    contaTempi.limitePedana = palestra::leggiLimitePedana();
    barraStato_->impostaTestoPannello(QStringLiteral("date2"), oggi().toString(QStringLiteral("dd/MM/yyyy")));
    ricontaTempi();

    // Without a window manager the maximised state alone leaves the window at its default size.
    if (!isVisible())
        if (QScreen* s = screen())
            setGeometry(s->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    show();
    disponiFinestre();
    // An opened card starts with nothing to undo, whatever defaults the windows gave it.
    storia_->ricomincia(scheda_.get());
    setPuoiChiudere(false);
    aggiornaPulsanti();
    raise();
    activateWindow();
}

QMdiSubWindow* mdiScheda::aggiungiFiglia(QWidget* finestra) {
    auto* sub = new FinestraFiglia(area_);
    sub->setWidget(finestra);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    sub->setWindowTitle(finestra->windowTitle());
    sub->setObjectName(QStringLiteral("sub") + finestra->objectName());
    area_->addSubWindow(sub);
    return sub;
}

bool mdiScheda::event(QEvent* evento) {
    // The status bar holds the time totals: a button's hint, which its tooltip already gives, must
    // not cover them while the mouse rests on it.
    if (evento->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(evento);
}

bool mdiScheda::eventFilter(QObject* oggetto, QEvent* evento) {
    // The undo keys reach the toolbar's commands even from a text field; with nothing to undo they
    // do nothing there either, rather than the field's own undo.
    if ((evento->type() == QEvent::ShortcutOverride || evento->type() == QEvent::KeyPress) &&
        oggetto->isWidgetType() && isAncestorOf(static_cast<QWidget*>(oggetto))) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->matches(QKeySequence::Undo) || tasto->matches(QKeySequence::Redo) ||
            tasto->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
            evento->ignore();
            return true;
        }
    }
    if (oggetto == area_->viewport() && evento->type() == QEvent::Resize && subSelezione_)
        allineaSelezione();
    return QMainWindow::eventFilter(oggetto, evento);
}

void mdiScheda::allineaSelezione() {
    // 250 twips from the right edge of what the area shows, whenever that changes (the frame is
    // laid out after it is shown, and maximising comes later still).
    const int x = qMax(0, area_->viewport()->width() - subSelezione_->width() - twips::aPixel(250));
    subSelezione_->move(x, subSelezione_->y());
    // The preview opens beside the selection where it is now; once on view it stays where the user
    // put it.
    if (subPreview_ && !subPreview_->isVisible())
        subPreview_->move(qMax(0, subSelezione_->x() - twips::aPixel(1500)),
                          subSelezione_->y() + twips::aPixel(200));
}

void mdiScheda::disponiFinestre() {
    if (!subSelezione_) {
        subSelezione_ = aggiungiFiglia(new SchedaSelezioneFIGURE);
        subSelezione_->widget()->setObjectName(QStringLiteral("SchedaSelezioneFIGURE"));
    }
    if (!subPreview_) {
        subPreview_ = aggiungiFiglia(new SchedaPreviewFigura);
        subPreview_->widget()->setObjectName(QStringLiteral("SchedaPreviewFigura"));
        selezioneFigure()->setPreview(previewFigura());
    }
    // Each child keeps the outer size it was designed with (it sets it itself).
    subSelezione_->move(subSelezione_->x(), 0);
    allineaSelezione();
    subSelezione_->show();

    // The header follows what is edited, so a card never reaches the template header.
    const bool perScheda = !scheda_->isModello;
    QPointer<QMdiSubWindow>& testa = perScheda ? subIntestazione_ : subIntestazioneModello_;
    if (!testa) {
        if (perScheda) {
            auto* t = new SchedaIntestazione(static_cast<::scheda&>(*scheda_),
                                             utente_.cognome + QLatin1Char(' ') + utente_.nome);
            connect(t, &SchedaIntestazione::campoModificato, storia_.get(), &StoriaScheda::testaModificata);
            testa = aggiungiFiglia(t);
        } else {
            auto* t = new SchedaIntestazioneMODELLO(static_cast<SchedaModello&>(*scheda_));
            connect(t, &SchedaIntestazioneMODELLO::campoModificato, storia_.get(),
                    &StoriaScheda::testaModificata);
            testa = aggiungiFiglia(t);
        }
    }
    testa->move(0, 0);
    testa->show();
    const int h = testa->height();

    if (!subCorpo_)
        subCorpo_ = aggiungiFiglia(creaCorpo());
    subCorpo_->move(0, h);
    subCorpo_->show();

    subPreview_->hide();
    allineaSelezione();
    area_->setActiveSubWindow(testa);
}

SchedaCorpo* mdiScheda::creaCorpo() {
    auto* c = new SchedaCorpo(*scheda_);
    connect(c, &SchedaCorpo::tempiCambiati, this, &mdiScheda::ricontaTempi);
    connect(c, &SchedaCorpo::esercizioModificato, storia_.get(), &StoriaScheda::esercizioModificato);
    // Paging, inserting and deleting are commands: a refused value in any window stops them.
    connect(c, &SchedaCorpo::paginaRichiesta, this, [this, c](int pagina) {
        if (const controlliEditor::Rifiuto r = primoRifiuto()) {
            c->restaSullaPagina();
            rifiuta(r);
            return;
        }
        c->vaiAPagina(pagina);
    });
    // A click on the other kind that shows a refusal does nothing else.
    connect(c, &SchedaCorpo::tipoRichiesto, this, [this, c](int k) {
        if (const controlliEditor::Rifiuto r = primoRifiuto()) {
            c->annullaCambioTipo(k);
            rifiuta(r);
            return;
        }
        c->cambiaTipo(k);
    });
    connect(c, &SchedaCorpo::inserimentoRichiesto, this, [this, c](int k) {
        if (!campiAccettati())
            return;
        c->ScriviDati();
        storia_->inserisci(c->primoEsercizio() + k);
    });
    connect(c, &SchedaCorpo::eliminazioneRichiesta, this, [this, c](int k) {
        if (!campiAccettati())
            return;
        c->ScriviDati();
        storia_->elimina(c->primoEsercizio() + k);
    });
    return c;
}

void mdiScheda::mostraEsercizio(long posizione) {
    if (SchedaCorpo* c = corpo()) {
        c->mostraEsercizio(posizione);
        area_->setActiveSubWindow(subCorpo_);
    }
    ricontaTempi();
}

void mdiScheda::mostraTesta(CampoTesta campo) {
    if (SchedaIntestazione* t = intestazione(); t && !scheda_->isModello) {
        t->mostraCampo(campo);
        area_->setActiveSubWindow(subIntestazione_);
    } else if (SchedaIntestazioneMODELLO* m = intestazioneModello(); m && scheda_->isModello) {
        m->mostraCampo(campo);
        area_->setActiveSubWindow(subIntestazioneModello_);
    }
}

void mdiScheda::scaricaFiglia(QPointer<QMdiSubWindow>& figlia) {
    if (!figlia)
        return;
    const bool prima = puoiChiudere();
    setPuoiChiudere(true);
    QMdiSubWindow* sub = figlia;
    figlia = nullptr;
    sub->close();
    if (area_->subWindowList().contains(sub))
        area_->removeSubWindow(sub);
    delete sub;
    setPuoiChiudere(prima);
}

void mdiScheda::scriviPannelli() {
    if (scheda_ && !scheda_->isModello)
        if (SchedaIntestazione* t = intestazione())
            t->nascondiTutto();
    if (SchedaCorpo* c = corpo())
        c->ScriviDati();
}

controlliEditor::Rifiuto mdiScheda::primoRifiuto() const {
    std::vector<const controlliEditor::ControlliCampi*> forme;
    if (scheda_ && !scheda_->isModello)
        if (SchedaIntestazione* t = intestazione())
            forme.push_back(&t->controlli());
    if (SchedaCorpo* c = corpo())
        forme.push_back(&c->controlli());
    // The field being typed in speaks first: taking the focus off a refused value would have it
    // refused twice.
    for (const auto* f : forme)
        if (controlliEditor::Rifiuto r = f->rifiutoDi(QApplication::focusWidget()))
            return r;
    for (const auto* f : forme)
        if (controlliEditor::Rifiuto r = f->primoRifiuto())
            return r;
    return {};
}

void mdiScheda::rifiuta(const controlliEditor::Rifiuto& rifiuto) {
    if (SchedaIntestazione* t = intestazione())
        t->nascondiTutto();
    controlliEditor::mostraRifiuto(rifiuto);
}

bool mdiScheda::campiAccettati() {
    const controlliEditor::Rifiuto r = primoRifiuto();
    if (!r)
        return true;
    rifiuta(r);
    return false;
}

bool mdiScheda::schedaAccettata() {
    const auto difetto = regoleScheda::primoDifetto(*scheda_);
    if (!difetto)
        return true;
    // Shown where it is, so the field that refuses it speaks for it.
    if (difetto->esercizio > 0)
        mostraEsercizio(difetto->esercizio);
    if (campiAccettati())
        mostraMessaggio(regoleScheda::descrivi(*difetto), TipoMessaggio::Errore, Pulsanti::OK);
    return false;
}

void mdiScheda::ToolbarSchede_ButtonClick(QAction* Button) {
    ToolbarSchede_ButtonClickChiave(BarraStrumenti::chiave(Button));
}

void mdiScheda::ToolbarSchede_ButtonClickChiave(const QString& chiave) {
    if (!scheda_)
        return;
    proteggi([this, &chiave] {
        const QString k = chiave.toLower();
        // Fine checks once the user has chosen to save.
        const bool storia = k == QLatin1String("annulla") || k == QLatin1String("ripeti");
        const bool usaIValori = (k == QLatin1String("salva") && salvaAbilitato_) ||
                                k == QLatin1String("salvasumodello") || k == QLatin1String("stampa") ||
                                k == QLatin1String("esporta") || storia;
        if (usaIValori && !campiAccettati())
            return;
        scriviPannelli();
        if (k == QLatin1String("salva")) {
            if (!salvaAbilitato_ || !schedaAccettata())
                return;
            scheda_->save();
            // A save the database refused has been reported already and must not look done.
            if (scheda_->isSaved) {
                // The history stays; what is typed next is a step of its own.
                storia_->chiudiPasso();
                mostraMessaggio(QStringLiteral("Salvataggio effettuato"), TipoMessaggio::Informazione,
                                Pulsanti::OK);
            }
        } else if (k == QLatin1String("salvasumodello")) {
            if (schedaAccettata())
                salvaSuNuovoModello();
        } else if (k == QLatin1String("stampa")) {
            stampa();
        } else if (k == QLatin1String("esporta")) {
            // What is on screen, saved or not: the file is a copy, the card stays as it is.
            if (schedaAccettata())
                scambioElenchi::esporta(this, *scheda_);
        } else if (k == QLatin1String("fine")) {
            chiudiScheda();
        } else if (k == QLatin1String("annulla")) {
            storia_->annulla();
        } else if (k == QLatin1String("ripeti")) {
            storia_->ripeti();
        }
    });
    aggiornaPulsanti();
}

void mdiScheda::stampa() {
    if (scheda_->isModello || !finestre().AnteprimaScheda)
        return;
    // The sheets show the card as it is on screen; printing it stores nothing unless the user says so.
    if (!scheda_->isSaved) {
        const Risposta r = mostraMessaggio(QStringLiteral("La scheda ha modifiche non salvate.\n"
                                                          "Salvarle prima della stampa?"),
                                           TipoMessaggio::Domanda, Pulsanti::SiNoAnnulla);
        if (r == Risposta::Annulla)
            return;
        if (r == Risposta::Si) {
            if (!schedaAccettata())
                return;
            scheda_->save();
            if (!scheda_->isSaved)
                return;
            storia_->chiudiPasso();
        }
    }
    finestre().AnteprimaScheda(static_cast<const ::scheda&>(*scheda_));
}

void mdiScheda::salvaSuNuovoModello() {
    if (!finestre().SchedeMODELLONuova)
        return;
    struct Pulisci {
        ~Pulisci() {
            categoriaNuovoModello.clear();
            idModelloSelezionato = 0;
        }
    } pulisci;
    if (SchedaCorpo* c = corpo())
        c->ScriviDati();
    categoriaNuovoModello = scheda_->categoria;
    idModelloSelezionato = 0;
    finestre().SchedeMODELLONuova();
    if (idModelloSelezionato <= 0)
        return;

    auto nuovo = std::make_unique<SchedaModello>();
    nuovo->carica(idModelloSelezionato);
    scheda_->travasaTo(*nuovo, true);
    nuovo->save();
    if (!nuovo->isSaved)
        return;
    const QString descrizione = nuovo->descrizione;

    if (!scheda_->isModello) {
        mostraMessaggio(QStringLiteral("Creata la nuova Scheda Modello '") + descrizione +
                            QStringLiteral("'"),
                        TipoMessaggio::Informazione, Pulsanti::OK);
        return;
    }
    if (!scheda_->preimpostata &&
        mostraMessaggio(QStringLiteral("Salvare le modifiche al modello precedente?"),
                        TipoMessaggio::Informazione, Pulsanti::SiNo) == Risposta::Si)
        scheda_->save();

    setPuoiChiudere(true);
    scaricaFiglia(subIntestazioneModello_);
    scaricaFiglia(subCorpo_);
    setPuoiChiudere(false);
    // The exercises are read back so that they carry their stored identifiers.
    nuovo->caricaEsercizi();
    storia_->ricomincia(nullptr);
    scheda_ = std::move(nuovo);
    contaTempi.scheda = scheda_.get();
    ricontaTempi();
    disponiFinestre();
    storia_->ricomincia(scheda_.get());
    salvaAbilitato_ = salvabile(*scheda_);
    aggiornaPulsanti();
    mostraMessaggio(QStringLiteral("Creata e aperta la nuova Scheda Modello '") + descrizione +
                        QStringLiteral("'"),
                    TipoMessaggio::Informazione, Pulsanti::OK);
}

void mdiScheda::chiudiScheda() {
    if (!salvabile(*scheda_)) {
        setPuoiChiudere(true);
        scarica();
        return;
    }
    const Risposta r = mostraMessaggio(QStringLiteral("Salvo le ultime modifiche?"),
                                       TipoMessaggio::Informazione, Pulsanti::SiNoAnnulla);
    if (r == Risposta::Annulla) {
        setPuoiChiudere(false);
        return;
    }
    if (r == Risposta::Si) {
        if (!campiAccettati() || !schedaAccettata()) {
            setPuoiChiudere(false);
            return;
        }
        scheda_->save();
        // A refused save leaves the editor open, so nothing typed is lost.
        if (!scheda_->isSaved)
            return;
    }
    setPuoiChiudere(true);
    idUtenteSelezionato = 0;
    idSchedaSelezionata = 0;
    idModelloSelezionato = 0;
    scarica();
}

void mdiScheda::scarica() {
    scaricaFiglia(subIntestazione_);
    scaricaFiglia(subIntestazioneModello_);
    scaricaFiglia(subCorpo_);
    scaricaFiglia(subSelezione_);
    scaricaFiglia(subPreview_);
    hide();
    emit chiuso();
}

void mdiScheda::closeEvent(QCloseEvent* e) {
    if (inChiusura) {
        setPuoiChiudere(true);
        e->accept();
        return;
    }
    e->ignore();
    // While editing every child refuses to go, and so does the editor.
    if (!puoiChiudere())
        return;
    scarica();
}
