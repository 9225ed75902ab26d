#include "selection/UtentiSelezione.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "records/utente.h"
#include "selection/DelegatoTestoIntero.h"
#include "selection/ElencoSchede.h"
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

namespace {

// Each column sorts by its value: identifiers as numbers, birth dates as dates, names alphabetically
// without regard to letter case.
class RigaAtleta : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& altra) const override {
        const int c = treeWidget() ? treeWidget()->sortColumn() : 0;
        switch (c) {
        case UtentiSelezione::ColId:
            return text(c).toLongLong() < altra.text(c).toLongLong();
        case UtentiSelezione::ColDataNascita: {
            const QDate a = data(c, Qt::UserRole).toDate(), b = altra.data(c, Qt::UserRole).toDate();
            if (a != b)
                return a < b;
            return text(UtentiSelezione::ColId).toLongLong() <
                   altra.text(UtentiSelezione::ColId).toLongLong();
        }
        default: {
            const int r = QString::localeAwareCompare(text(c).toLower(), altra.text(c).toLower());
            if (r != 0)
                return r < 0;
            return text(UtentiSelezione::ColId).toLongLong() <
                   altra.text(UtentiSelezione::ColId).toLongLong();
        }
        }
    }
};

} // namespace

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

    LW_->sortByColumn(ColId, Qt::AscendingOrder);
    LW_->header()->setSortIndicatorShown(true);
    LW_->header()->setSectionsClickable(true);
    LW_->setItemDelegate(new DelegatoTestoIntero(LW_));
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
    // Keyboard: Ins or Ctrl+N adds, F2 edits, Del (on the list) deletes, Enter chooses, Esc cancels.
    ui_->nuovo->setShortcuts({QKeySequence(Qt::Key_Insert), QKeySequence(QKeySequence::New)});
    ui_->modifica->setShortcut(QKeySequence(Qt::Key_F2));
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
    QTreeWidgetItem* daSelezionare = nullptr;
    for (const utente& u : atleti) {
        auto* riga = new RigaAtleta;
        riga->setText(ColId, QString::number(u.id_utente));
        riga->setText(ColCognome, u.cognome);
        riga->setText(ColNome, u.nome);
        riga->setText(ColDataNascita, u.dataNascita.toString(QStringLiteral("dd/MM/yyyy")));
        riga->setData(ColDataNascita, Qt::UserRole, u.dataNascita);
        riga->setTextAlignment(ColId, Qt::AlignRight | Qt::AlignVCenter);
        if (u.id_utente == scelto)
            daSelezionare = riga;
        righe << riga;
    }
    LW_->addTopLevelItems(righe);
    LW_->setSortingEnabled(true);
    if (!daSelezionare && LW_->topLevelItemCount() > 0)
        daSelezionare = LW_->topLevelItem(0);
    if (daSelezionare) {
        LW_->setCurrentItem(daSelezionare);
        LW_->scrollToItem(daSelezionare);
    }
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
        } else if (oggetto == LW_) {
            if (invio) {
                LW_DblClick();
                return true;
            }
            if (tasto->key() == Qt::Key_Delete) {
                eliminaUtente();
                return true;
            }
        }
    }
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
    LW_->sortByColumn(colonna, Qt::AscendingOrder);
    if (QTreeWidgetItem* c = LW_->currentItem())
        LW_->scrollToItem(c);
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
}

long UtentiSelezione::idSelezionato() const {
    const QTreeWidgetItem* riga = LW_->currentItem();
    if (!riga || !riga->isSelected())
        return 0;
    return riga->text(ColId).toLong();
}

void UtentiSelezione::aggiornaComandi() {
    const bool c = idSelezionato() != 0;
    for (const char* k : {"seleziona", "modifica", "elimina"})
        if (auto* a = Toolbar_->findChild<QAction*>(QString::fromLatin1(k)))
            a->setEnabled(c);
}

void UtentiSelezione::selezionaUtente() {
    const long id = idSelezionato();
    if (id == 0)
        return;
    idUtenteSelezionato = static_cast<std::int32_t>(id);
    accept();
}

void UtentiSelezione::modificaUtente() {
    const long id = idSelezionato();
    if (id == 0)
        return;
    UtentiNuovo form(this);
    form.Tag = QString::number(id);
    form.parent = objectName();
    form.exec();
    activateWindow();
}

void UtentiSelezione::nuovoUtente() {
    UtentiNuovo form(this);
    form.Tag = QStringLiteral("0");
    form.parent = objectName();
    form.exec();
    activateWindow();
}

void UtentiSelezione::eliminaUtente() {
    const long id = idSelezionato();
    if (id == 0)
        return;
    try {
        if (mostraMessaggio(
                QStringLiteral("Sei sicuro di cancellare l'atleta? Verranno cancellate tutte le sue schede!"),
                TipoMessaggio::Errore, Pulsanti::SiNo, {}, Risposta::No) != Risposta::Si)
            return;
        const int posizione = LW_->indexOfTopLevelItem(LW_->currentItem());
        utente u;
        if (u.Elimina(static_cast<std::int32_t>(id))) {
            mostraMessaggio(QStringLiteral("Utente e schede eliminati"), TipoMessaggio::Informazione,
                            Pulsanti::OK);
            FillListAtleti();
            // The row that took the deleted one's place, or the new last row.
            const int righe = LW_->topLevelItemCount();
            if (righe > 0 && posizione >= 0) {
                QTreeWidgetItem* vicina = LW_->topLevelItem(qMin(posizione, righe - 1));
                LW_->setCurrentItem(vicina);
                LW_->scrollToItem(vicina);
            }
        }
    } catch (const Errore& e) {
        mostraMessaggio(QStringLiteral("Si è verificato un errore:") + e.descrizione() + QLatin1Char('\r') +
                            QStringLiteral("Contattare il supporto tecnico"),
                        TipoMessaggio::Errore, Pulsanti::OK);
    } catch (const std::exception& e) {
        mostraMessaggio(QStringLiteral("Si è verificato un errore:") + QString::fromLocal8Bit(e.what()) +
                            QLatin1Char('\r') + QStringLiteral("Contattare il supporto tecnico"),
                        TipoMessaggio::Errore, Pulsanti::OK);
    }
}
