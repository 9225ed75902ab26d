#include "selection/SchedeMODELLOSelezione.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "records/Categorie.h"
#include "records/SchedaModello.h"
#include "selection/ElencoSchede.h"
#include "selection/ScambioElenchi.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/f_library.h"
#include "ui_SchedeMODELLOSelezione.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

const PulsanteElenco pulsanti[] = {
    {"Seleziona", "seleziona", "Seleziona il modello in evidenza", "dialog-ok-apply"},
    {"Annulla", "annulla", "Esce dalla videata annullando ogni operazione in corso", "dialog-cancel"},
    {nullptr, "sep", nullptr, nullptr},
    {"Nuova", "nuova", "Crea una nuova Scheda Modello", "document-new"},
    {"Modifica", "modifica", "Modifica la Scheda Modello selezionata", "document-edit"},
    {"Elimina", "elimina", "Elimina dall'archivio la scheda", "edit-delete"},
};

} // namespace

SchedeMODELLOSelezione::SchedeMODELLOSelezione(QWidget* parent)
    : QDialog(parent), ui(new Ui::SchedeMODELLOSelezione) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Toolbar_ = new BarraStrumenti(QStringLiteral("Toolbar"), this);
    Toolbar_->setIconSize(QSize(16, 16));
    aggiungiPulsanti(Toolbar_, ImageList1, pulsanti);
    scambioElenchi::aggiungiPulsanti(Toolbar_, ImageList1, true);
    // Keyboard: Enter (on the list) chooses, Ins or Ctrl+N makes a new template, F2 edits, Del (on the
    // list) deletes, Esc cancels.
    Toolbar_->pulsante(QStringLiteral("nuova"))
        ->setShortcuts({QKeySequence(Qt::Key_Insert), QKeySequence(QKeySequence::New)});
    Toolbar_->pulsante(QStringLiteral("modifica"))->setShortcut(QKeySequence(Qt::Key_F2));
    collocaBarra(this, Toolbar_, ui->postoToolbar, [this](const QString& k) { Toolbar_ButtonClick(k); });
    ui->postoToolbar->addStretch(1);

    QTreeWidget* lw = ui->LW;
    preparaElencoOrdinato(lw, ColId, this);
    // The identifier is kept in the row but not shown.
    lw->setColumnHidden(ColId, true);
    ui->categoria->installEventFilter(this);
    ui->categoria->lineEdit()->installEventFilter(this);

    const int larghezza = qMax(twips::aPixel(7530), Toolbar_->sizeHint().width());
    setMinimumSize(larghezza, twips::aPixel(4000));
    resize(larghezza, twips::aPixel(5805));

    connect(lw, &QTreeWidget::itemDoubleClicked, this, [this] { LW_DblClick(); });
    connect(lw->header(), &QHeaderView::sectionClicked, this, &SchedeMODELLOSelezione::LW_ColumnClick);

    Form_Load();
}

SchedeMODELLOSelezione::~SchedeMODELLOSelezione() = default;

QTreeWidget* SchedeMODELLOSelezione::LW() const {
    return ui->LW;
}

QComboBox* SchedeMODELLOSelezione::categoria() const {
    return ui->categoria;
}

void SchedeMODELLOSelezione::apri(QWidget* genitore) {
    bool nuova = false;
    {
        SchedeMODELLOSelezione lista(genitore);
        lista.exec();
        nuova = lista.nuovaRichiesta();
    }
    if (nuova && finestre().SchedeMODELLONuova)
        finestre().SchedeMODELLONuova();
}

void SchedeMODELLOSelezione::Form_Load() {
    Toolbar_->setImageList(&ImageList1);
    numeraImmaginiToolbar(Toolbar_);

    const bool selezione = idUtenteSelezionato != 0;
    Toolbar_->pulsante(QStringLiteral("seleziona"))->setEnabled(selezione);
    Toolbar_->pulsante(QStringLiteral("nuova"))
        ->setEnabled(!selezione && static_cast<bool>(finestre().SchedeMODELLONuova));
    Toolbar_->pulsante(QStringLiteral("modifica"))->setEnabled(!selezione);

    proteggi([this] { Categorie().fillcategorie(*ui->categoria); });
    ui->categoria->setCurrentIndex(ui->categoria->count() > 1 ? 1 : 0);
    proteggi([this] { fillList(); });
    // Choosing another category refills the list.
    connect(ui->categoria, &QComboBox::currentIndexChanged, this,
            [this] { proteggi([this] { fillList(); }); });
    categoriaNuovoModello = QString();
    ui->LW->setFocus();
}

void SchedeMODELLOSelezione::fillList() {
    QTreeWidget* lw = ui->LW;
    const long scelta = idRigaSelezionata(lw);
    const int posizione = lw->currentItem() ? lw->indexOfTopLevelItem(lw->currentItem()) : 0;
    const bool ordinata = lw->isSortingEnabled();
    RiempimentoElenco riempimento(lw);
    lw->clear();

    const QString filtro = ui->categoria->currentText();
    RaccoglitoreModelli modelli;
    modelli.caricaSchede();
    QList<QTreeWidgetItem*> righe;
    for (const SchedaModello& m : modelli.archivio) {
        if (m.categoria != filtro)
            continue;
        auto* riga = new RigaElenco;
        riga->impostaNumero(ColId, m.id_scheda);
        riga->impostaTesto(ColDescrizione, m.descrizione);
        righe << riga;
    }
    lw->addTopLevelItems(righe);
    lw->setSortingEnabled(ordinata);
    // Another category has other rows: start from the first.
    if (filtro == categoriaElencata_)
        selezionaDopoRicarica(lw, scelta, posizione);
    else
        selezionaDopoRicarica(lw, 0, 0);
    categoriaElencata_ = filtro;
}

bool SchedeMODELLOSelezione::categoria_Validate() {
    if (!valoreNonInLista(ui->categoria))
        return true;
    inValidazione_ = true;
    mostraMessaggio(QStringLiteral("Selezionare un valore tra quelli disponibili!"), TipoMessaggio::Errore,
                    Pulsanti::OK);
    ui->categoria->setFocus();
    ui->categoria->lineEdit()->selectAll();
    inValidazione_ = false;
    return false;
}

bool SchedeMODELLOSelezione::eventFilter(QObject* oggetto, QEvent* evento) {
    const bool sullaCategoria = oggetto == ui->categoria || oggetto == ui->categoria->lineEdit();
    if (sullaCategoria && evento->type() == QEvent::FocusOut && !inValidazione_) {
        // Only a move to another control of this window validates; a message box or another
        // window taking the focus does not.
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        const bool spostamento = motivo == Qt::TabFocusReason || motivo == Qt::BacktabFocusReason ||
                                 motivo == Qt::MouseFocusReason || motivo == Qt::ShortcutFocusReason ||
                                 motivo == Qt::OtherFocusReason;
        QWidget* verso = QApplication::focusWidget();
        const bool restaNellaCasella = verso == ui->categoria || verso == ui->categoria->lineEdit();
        if (spostamento && !restaNellaCasella && isVisible()) {
            if (categoria_Validate() && ui->categoria->currentText() != categoriaElencata_) {
                // A category typed in full, rather than chosen from the list.
                const int i = ui->categoria->findText(ui->categoria->currentText(), Qt::MatchExactly);
                if (i >= 0 && i != ui->categoria->currentIndex())
                    ui->categoria->setCurrentIndex(i);
                else
                    proteggi([this] { fillList(); });
            }
        }
        return false;
    }
    if (oggetto == ui->LW && tastoElenco(
                                 evento, [this] { LW_DblClick(); }, [this] { eliminaModello(); }))
        return true;
    return QDialog::eventFilter(oggetto, evento);
}

void SchedeMODELLOSelezione::LW_DblClick() {
    selezionaModello();
}

void SchedeMODELLOSelezione::LW_ColumnClick(int colonna) {
    ordinaPerColonna(ui->LW, colonna);
}

void SchedeMODELLOSelezione::Toolbar_ButtonClick(const QString& chiave) {
    const QString k = chiave.toLower();
    if (k == QLatin1String("seleziona") || k == QLatin1String("modifica")) {
        selezionaModello();
    } else if (k == QLatin1String("annulla")) {
        idModelloSelezionato = -1;
        reject();
    } else if (k == QLatin1String("nuova")) {
        categoriaNuovoModello = ui->categoria->currentText();
        nuovaRichiesta_ = true;
        hide();
        reject();
    } else if (k == QLatin1String("elimina")) {
        eliminaModello();
    } else if (k == QLatin1String("esportascheda") || k == QLatin1String("importascheda")) {
        proteggi([this, &k] { scambiaModello(k == QLatin1String("esportascheda")); });
    }
}

void SchedeMODELLOSelezione::scambiaModello(bool esporta) {
    if (esporta) {
        const long id = idRigaSelezionata(ui->LW);
        if (id == 0)
            return;
        SchedaModello m;
        if (!m.carica(static_cast<std::int32_t>(id)))
            return;
        m.caricaEsercizi();
        scambioElenchi::esporta(this, m);
    } else if (const auto nuovo = scambioElenchi::importa(this, scambioScheda::Tipo::Modello, 0)) {
        // The list shows the imported template's category, whatever it showed before.
        SchedaModello importato;
        const int i =
            importato.carica(*nuovo) ? ui->categoria->findText(importato.categoria, Qt::MatchExactly) : -1;
        if (i >= 0 && i != ui->categoria->currentIndex()) {
            ui->categoria->setCurrentIndex(i); // which refills the list
        } else {
            // A text typed over the entry gives way to it as well.
            if (i >= 0)
                ui->categoria->setEditText(ui->categoria->itemText(i));
            fillList();
        }
        selezionaDopoRicarica(ui->LW, *nuovo, 0);
    }
    activateWindow();
}

void SchedeMODELLOSelezione::selezionaModello() {
    scegliRigaSelezionata(this, ui->LW, idModelloSelezionato);
}

void SchedeMODELLOSelezione::eliminaModello() {
    const long id = idRigaSelezionata(ui->LW);
    if (id == 0)
        return;
    eliminaSegnalandoErrori([this, id] {
        SchedaModello modello;
        if (!modello.carica(static_cast<std::int32_t>(id)))
            return;
        if (modello.preimpostata) {
            mostraMessaggio(
                QStringLiteral("Impossibile eliminare la scheda perchè è una scheda preimpostata!"),
                TipoMessaggio::Errore, Pulsanti::OK);
            return;
        }
        if (!confermaEliminazione())
            return;
        if (modello.Elimina(static_cast<std::int32_t>(id))) {
            annunciaEliminazione();
            fillList();
        }
    });
}
