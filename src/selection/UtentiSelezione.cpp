#include "selection/UtentiSelezione.h"

#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "records/utente.h"
#include "selection/ElencoSchede.h"
#include "selection/EsportaElenco.h"
#include "selection/UtentiNuovo.h"
#include "shell/f_library.h"

#include "ui_UtentiSelezione.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolBar>
#include <QTreeWidget>
#include <map>

UtentiSelezione::UtentiSelezione(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::UtentiSelezione>()) {
    ui_->setupUi(this);
    Label1_ = ui_->Label1;
    Ricerca_ = ui_->Ricerca;
    LW_ = ui_->LW;
    Toolbar_ = ui_->Toolbar;
    Tag = SELEZIONA;

    Ricerca_->installEventFilter(this);
    // A surname or a first name is short: the box keeps a sensible width on a wide window.
    Ricerca_->setMaximumWidth(qMax(twips::aPixel(1950), Ricerca_->fontMetrics().averageCharWidth() * 36));

    preparaElenco(LW_);
    LW_->sortByColumn(ColId, Qt::AscendingOrder);
    // Identifier and birth date keep their width; surname and first name share whatever the window
    // gives beyond it.
    const QFontMetrics misure = LW_->fontMetrics();
    QHeaderView* intestazione = LW_->header();
    intestazione->setStretchLastSection(false);
    intestazione->setMinimumSectionSize(misure.horizontalAdvance(QLatin1Char('M')) * 4);
    LW_->setColumnWidth(ColId, misure.horizontalAdvance(QStringLiteral("ID_atleta")) + 28);
    LW_->setColumnWidth(ColDataNascita, misure.horizontalAdvance(QStringLiteral("Data Nascita")) + 28);
    for (int c : {ColCognome, ColNome})
        intestazione->setSectionResizeMode(c, QHeaderView::Stretch);
    LW_->installEventFilter(this);

    // Each button's key is its name; the toolbar owns its commands, where callers look them up.
    for (QAction* a : Toolbar_->actions()) {
        a->setParent(Toolbar_);
        a->setData(a->objectName());
        connect(a, &QAction::triggered, this, [this, a] { Toolbar_ButtonClick(a->data().toString()); });
    }
    // Keyboard: Ins or Ctrl+N adds, F2 edits, Del (on the list) deletes, Enter chooses, Ctrl+S exports,
    // Esc cancels.
    ui_->nuovo->setShortcuts({QKeySequence(Qt::Key_Insert), QKeySequence(QKeySequence::New)});
    ui_->modifica->setShortcut(QKeySequence(Qt::Key_F2));
    ui_->esporta->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addActions(Toolbar_->actions());

    // The designed size (4575 x 6030 twips) is the least; the toolbar's five buttons and the four
    // columns must fit whole with the fonts in use.
    const QMargins margini = ui_->griglia->contentsMargins();
    const int colonne = LW_->columnWidth(ColId) + LW_->columnWidth(ColDataNascita) +
                        misure.horizontalAdvance(QLatin1Char('M')) * 18 +
                        LW_->verticalScrollBar()->sizeHint().width() + 2 * LW_->frameWidth();
    const int larghezza = qMax(twips::aPixel(4575), qMax(Toolbar_->sizeHint().width(), colonne) +
                                                        margini.left() + margini.right());
    setMinimumSize(larghezza, twips::aPixel(4000));
    resize(larghezza, twips::aPixel(6030) + twips::aPixel(1500));

    connect(Ricerca_, &QLineEdit::textChanged, this, &UtentiSelezione::Ricerca_Change);
    connect(LW_, &QTreeWidget::itemDoubleClicked, this, [this] { LW_DblClick(); });
    connect(LW_->header(), &QHeaderView::sectionClicked, this, &UtentiSelezione::LW_ColumnClick);
    connect(LW_, &QTreeWidget::itemSelectionChanged, this, &UtentiSelezione::aggiornaComandi);

    FillListAtleti();
    Ricerca_->setFocus();
}

UtentiSelezione::~UtentiSelezione() = default;

void UtentiSelezione::FillListAtleti() {
    const long scelto = idSelezionato();
    RiempimentoElenco riempimento(LW_);
    LW_->clear();

    const std::vector<utente> atleti = utente::caricaTutti();
    QList<QTreeWidgetItem*> righe;
    righe.reserve(static_cast<qsizetype>(atleti.size()));
    for (const utente& u : atleti) {
        auto* riga = new RigaElenco;
        riga->impostaNumero(ColId, u.id_utente);
        riga->impostaTesto(ColCognome, u.cognome);
        riga->impostaTesto(ColNome, u.nome);
        riga->impostaData(ColDataNascita, u.dataNascita.toString(QStringLiteral("dd/MM/yyyy")));
        righe << riga;
    }
    LW_->addTopLevelItems(righe);
    LW_->setSortingEnabled(true);
    // The athlete chosen before, else the first row.
    selezionaDopoRicarica(LW_, scelto, 0);
    aggiornaComandi();
}

void UtentiSelezione::selezionaId(long id) {
    for (int i = 0; i < LW_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* riga = LW_->topLevelItem(i);
        if (riga->text(ColId).toLong() == id) {
            LW_->setCurrentItem(riga);
            LW_->scrollToItem(riga);
            return;
        }
    }
}

void UtentiSelezione::Ricerca_Change(const QString& testo) {
    // Surname and first name are the two columns after the identifier.
    QString t = testo;
    cercaInLista(LW_, t, 2);
}

bool UtentiSelezione::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        const bool invio = tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
        if (oggetto == Ricerca_) {
            if (invio) {
                selezionaUtente();
                return true;
            }
            // Up and down move through the list while typing.
            if (tasto->key() == Qt::Key_Down || tasto->key() == Qt::Key_Up ||
                tasto->key() == Qt::Key_PageDown || tasto->key() == Qt::Key_PageUp) {
                QApplication::sendEvent(LW_, evento);
                return true;
            }
        }
    }
    if (oggetto == LW_ && tastoElenco(
                              evento, [this] { LW_DblClick(); }, [this] { eliminaUtente(); }))
        return true;
    return QDialog::eventFilter(oggetto, evento);
}

void UtentiSelezione::LW_DblClick() {
    if (Tag == MODIFICA)
        modificaUtente();
    else if (Tag == SELEZIONA)
        selezionaUtente();
}

void UtentiSelezione::LW_ColumnClick(int colonna) {
    // Each click sorts ascending by the clicked column, as the register always has.
    ordinaPerColonna(LW_, colonna);
}

void UtentiSelezione::Toolbar_ButtonClick(const QString& chiave) {
    const QString k = chiave.toLower();
    if (k == QLatin1String("seleziona"))
        selezionaUtente();
    else if (k == QLatin1String("annulla"))
        reject();
    else if (k == QLatin1String("nuovo"))
        nuovoUtente();
    else if (k == QLatin1String("modifica"))
        modificaUtente();
    else if (k == QLatin1String("elimina"))
        eliminaUtente();
    else if (k == QLatin1String("esporta"))
        esportaUtenti();
}

long UtentiSelezione::idSelezionato() const {
    return idRigaSelezionata(LW_);
}

void UtentiSelezione::aggiornaComandi() {
    const bool c = idSelezionato() != 0;
    for (const char* k : {"seleziona", "modifica", "elimina"})
        if (auto* a = Toolbar_->findChild<QAction*>(QString::fromLatin1(k)))
            a->setEnabled(c);
}

void UtentiSelezione::selezionaUtente() {
    scegliRigaSelezionata(this, LW_, idUtenteSelezionato);
}

void UtentiSelezione::modificaUtente() {
    const long id = idSelezionato();
    if (id == 0)
        return;
    apriModulo(id);
}

void UtentiSelezione::nuovoUtente() {
    apriModulo(0);
}

void UtentiSelezione::apriModulo(long id) {
    UtentiNuovo form(this);
    form.Tag = QString::number(id);
    // The list shows what the form stored, on the athlete's row.
    if (const std::optional<std::int32_t> salvato = form.esegui()) {
        FillListAtleti();
        selezionaId(*salvato);
    }
    activateWindow();
}

void UtentiSelezione::eliminaUtente() {
    const long id = idSelezionato();
    if (id == 0)
        return;
    eliminaSegnalandoErrori([this, id] {
        if (!confermaEliminazione(QStringLiteral(
                "Sei sicuro di cancellare l'atleta? Verranno cancellate tutte le sue schede!")))
            return;
        const int posizione = LW_->indexOfTopLevelItem(LW_->currentItem());
        utente u;
        if (u.Elimina(static_cast<std::int32_t>(id))) {
            annunciaEliminazione(QStringLiteral("Utente e schede eliminati"));
            FillListAtleti();
            // The row that took the deleted one's place, or the new last row.
            selezionaDopoRicarica(LW_, 0, posizione);
        }
    });
}

void UtentiSelezione::esportaUtenti() {
    esportaElenco(
        this, QStringLiteral("Esporta l'elenco degli utenti"), QStringLiteral("utenti.csv"),
        [this] {
            // Read afresh, in the order the list shows.
            std::map<long, utente> perId;
            for (utente& u : utente::caricaTutti())
                perId.emplace(u.id_utente, std::move(u));
            std::vector<utente> atleti;
            for (long id : idInOrdine(LW_))
                if (auto it = perId.find(id); it != perId.end())
                    atleti.push_back(it->second);
            return tabellaAtleti(atleti);
        },
        LW_->topLevelItemCount());
}
