#include "selection/SchedeSelezione.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "records/utente.h"
#include "selection/ElencoSchede.h"
#include "selection/EsportaElenco.h"
#include "selection/ScambioElenchi.h"
#include "shell/BarraStrumenti.h"
#include "shell/CarattereModuli.h"
#include "shell/Finestre.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/f_library.h"
#include "ui_SchedeSelezione.h"

#include <QAction>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <map>

namespace {

const PulsanteElenco pulsanti[] = {
    {"Seleziona", "seleziona", "Seleziona la Scheda evidenziata", "document-open"},
    {"Annulla", "annulla", "Chiude la finestra e annulla ogni processo in corso", "dialog-cancel"},
    {"Elimina", "elimina", "Elimina la Scheda evidenziata", "edit-delete"},
    {"Stampa", "stampa", "Anteprima di Stampa", "document-print-preview"},
    {"Esporta...", "esporta",
     "Esporta le schede dell'utente in un file CSV per il foglio di calcolo (Ctrl+S)", "text-csv"},
};

} // namespace

SchedeSelezione::SchedeSelezione(QWidget* parent) : QDialog(parent), ui(new Ui::SchedeSelezione) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Toolbar_ = new BarraStrumenti(QStringLiteral("Toolbar"), this);
    Toolbar_->setIconSize(QSize(16, 16));
    aggiungiPulsanti(Toolbar_, ImageList1, pulsanti);
    scambioElenchi::aggiungiPulsanti(Toolbar_, ImageList1, false);
    // Keyboard: Enter (on the list) chooses, Del deletes, Ctrl+P previews, Ctrl+S exports the list,
    // Esc cancels.
    Toolbar_->pulsante(QStringLiteral("stampa"))->setShortcut(QKeySequence::Print);
    Toolbar_->pulsante(QStringLiteral("esporta"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // The designed width holds four captions and the athlete's name: the list's export joins the
    // card exchange under one small button with a menu.
    QAction* csv = Toolbar_->pulsante(QStringLiteral("esporta"));
    if (QMenu* menu = Toolbar_->findChild<QMenu*>(QStringLiteral("menuScambio"))) {
        Toolbar_->removeAction(csv);
        menu->addSeparator();
        menu->addAction(csv);
        csv->setShortcutContext(Qt::WindowShortcut);
        csv->setShortcutVisibleInContextMenu(true);
        connect(csv, &QAction::triggered, Toolbar_, [this, csv] { emit Toolbar_->ButtonClick(csv); });
        addAction(csv);
        if (QAction* scambio = Toolbar_->pulsante(QStringLiteral("scambio")))
            scambio->setToolTip(
                QStringLiteral("Esporta l'elenco in CSV, o esporta e importa schede .vibrana"));
    }
    collocaBarra(this, Toolbar_, ui->postoToolbar, [this](const QString& k) { Toolbar_ButtonClick(k); });

    // Laid out for the 8-point dialog font: in it the designed 6015 x 5115 twips hold the label, the
    // athlete's name, the four buttons and the columns.
    setFont(carattereModuli());
    QTreeWidget* lw = ui->LW;
    preparaElencoOrdinato(lw, ColId, this);

    ui->Label1->setContentsMargins(twips::aPixel(60), 0, 0, 0);
    // A long name gives way to the buttons; the whole of it is in the tooltip.
    ui->utente->setMinimumWidth(0);
    ui->utente->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ui->griglia->setColumnStretch(1, 1);
    setMinimumSize(twips::aPixel(6015), twips::aPixel(3000));
    resize(twips::aPixel(6015), twips::aPixel(5115));

    connect(lw, &QTreeWidget::itemDoubleClicked, this, [this] { LW_DblClick(); });
    connect(lw->header(), &QHeaderView::sectionClicked, this, &SchedeSelezione::LW_ColumnClick);
}

SchedeSelezione::~SchedeSelezione() = default;

QTreeWidget* SchedeSelezione::LW() const {
    return ui->LW;
}

QLabel* SchedeSelezione::utente() const {
    return ui->utente;
}

void SchedeSelezione::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!caricata_) {
        caricata_ = true;
        proteggi([this] { Form_Load(); });
    }
}

void SchedeSelezione::Form_Load() {
    Toolbar_->setImageList(&ImageList1);
    numeraImmaginiToolbar(Toolbar_);
    // Nothing to preview with when no print preview is installed.
    Toolbar_->pulsante(QStringLiteral("stampa"))->setEnabled(static_cast<bool>(finestre().PrinterCanvas));

    // The caller normally fills the list just before showing it; a second load would only repeat it.
    if (riempitaPer_ != id_utente)
        fillList();

    ::utente atleta;
    atleta.carica(id_utente);
    ui->utente->setText(QStringLiteral("[") + atleta.cognome + QStringLiteral(" ") + atleta.nome +
                        QStringLiteral("]"));
    ui->utente->setToolTip(ui->utente->text());

    if (ui->LW->topLevelItemCount() == 0) {
        mostraMessaggio(QStringLiteral("L'utente non ha schede salvate!"), TipoMessaggio::Errore,
                        Pulsanti::OK);
        abilitaComandiScheda(false);
    }
    ui->LW->setFocus();
}

void SchedeSelezione::abilitaComandiScheda(bool abilita) {
    for (const char* k : {"seleziona", "elimina", "esporta"})
        Toolbar_->pulsante(QString::fromLatin1(k))->setEnabled(abilita);
    Toolbar_->pulsante(QStringLiteral("stampa"))
        ->setEnabled(abilita && static_cast<bool>(finestre().PrinterCanvas));
}

void SchedeSelezione::adattaColonne() {
    // The identifier and the dates whole; the instructor and the category share what is left, the
    // category taking the rest (a cut cell shows whole in its tooltip).
    QTreeWidget* lw = ui->LW;
    const QFontMetrics misure = lw->fontMetrics();
    const int margine = misure.horizontalAdvance(QLatin1Char('M'));
    // The header text and room for the sort arrow.
    lw->setColumnWidth(ColId, misure.horizontalAdvance(QStringLiteral("ID_scheda")) + 2 * margine);
    const int data = misure.horizontalAdvance(QStringLiteral("00/00/0000")) + margine;
    lw->setColumnWidth(ColDal, data);
    lw->setColumnWidth(ColAl, data);
    const int resto = lw->viewport()->width() - lw->columnWidth(ColId) - 2 * data;
    // Before the list has its size the rest may be smaller than the header: the header wins.
    const int minimo = misure.horizontalAdvance(QStringLiteral("Istruttore")) + margine;
    lw->setColumnWidth(ColIstruttore, qMax(minimo, qMin(larghezzaIstruttore_ + margine, resto / 2)));
}

void SchedeSelezione::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    adattaColonne();
}

void SchedeSelezione::fillList() {
    QTreeWidget* lw = ui->LW;
    const long scelta = idRigaSelezionata(lw);
    const int posizione = lw->currentItem() ? lw->indexOfTopLevelItem(lw->currentItem()) : 0;
    RiempimentoElenco riempimento(lw);
    lw->clear();

    raccoglitore schede;
    schede.id_utente = id_utente;
    schede.caricaSchede();
    QList<QTreeWidgetItem*> righe;
    righe.reserve(schede.archivio.Count());
    const QFontMetrics misure = lw->fontMetrics();
    int istruttore = misure.horizontalAdvance(QStringLiteral("Istruttore"));
    for (const scheda& s : schede.archivio) {
        istruttore = qMax(istruttore, misure.horizontalAdvance(s.Istruttore));
        auto* riga = new RigaElenco;
        riga->impostaNumero(ColId, s.id_scheda);
        riga->impostaData(ColDal, s.PeriodoDal);
        riga->impostaData(ColAl, s.PeriodoAl);
        riga->impostaTesto(ColIstruttore, s.Istruttore);
        riga->impostaTesto(ColCategoria, s.categoria);
        righe << riga;
    }
    lw->addTopLevelItems(righe);
    larghezzaIstruttore_ = istruttore;
    adattaColonne();
    lw->setSortingEnabled(true);
    selezionaDopoRicarica(lw, scelta, posizione);
    riempitaPer_ = id_utente;
}

bool SchedeSelezione::eventFilter(QObject* oggetto, QEvent* evento) {
    const auto elimina = [this] {
        if (Toolbar_->pulsante(QStringLiteral("elimina"))->isEnabled())
            eliminaScheda();
    };
    if (oggetto == ui->LW && tastoElenco(
                                 evento, [this] { LW_DblClick(); }, elimina))
        return true;
    return QDialog::eventFilter(oggetto, evento);
}

void SchedeSelezione::LW_DblClick() {
    selezionaScheda();
}

void SchedeSelezione::LW_ColumnClick(int colonna) {
    // Each click sorts ascending by the clicked column, as the other lists do.
    ordinaPerColonna(ui->LW, colonna);
}

void SchedeSelezione::Toolbar_ButtonClick(const QString& chiave) {
    const QString k = chiave.toLower();
    if (k == QLatin1String("seleziona"))
        selezionaScheda();
    else if (k == QLatin1String("annulla"))
        reject();
    else if (k == QLatin1String("elimina"))
        eliminaScheda();
    else if (k == QLatin1String("stampa"))
        stampaScheda();
    else if (k == QLatin1String("esportascheda") || k == QLatin1String("importascheda"))
        proteggi([this, &k] { scambiaScheda(k == QLatin1String("esportascheda")); });
    else if (k == QLatin1String("esporta"))
        esportaSchede();
}

void SchedeSelezione::scambiaScheda(bool esporta) {
    if (esporta) {
        const long id = idRigaSelezionata(ui->LW);
        if (id == 0)
            return;
        scheda s;
        if (!s.carica(static_cast<std::int32_t>(id)))
            return;
        s.caricaEsercizi();
        scambioElenchi::esporta(this, s);
    } else if (const auto nuova = scambioElenchi::importa(this, scambioScheda::Tipo::Scheda, id_utente)) {
        fillList();
        selezionaDopoRicarica(ui->LW, *nuova, 0);
        // The athlete's first card: the commands turned off at load act on it now.
        abilitaComandiScheda(true);
    }
    activateWindow();
}

void SchedeSelezione::esportaSchede() {
    esportaElenco(
        this, QStringLiteral("Esporta le schede dell'utente"), QStringLiteral("schede.csv"),
        [this] {
            raccoglitore lette;
            lette.id_utente = id_utente;
            lette.caricaSchede();
            std::map<long, scheda> perId;
            for (const scheda& s : lette.archivio)
                perId.emplace(s.id_scheda, s);
            std::vector<scheda> schede;
            for (long id : idInOrdine(ui->LW))
                if (auto it = perId.find(id); it != perId.end())
                    schede.push_back(it->second);
            return tabellaSchede(schede);
        },
        ui->LW->topLevelItemCount());
}

void SchedeSelezione::selezionaScheda() {
    scegliRigaSelezionata(this, ui->LW, idSchedaSelezionata);
}

void SchedeSelezione::stampaScheda() {
    const long id = idRigaSelezionata(ui->LW);
    if (id == 0 || !finestre().PrinterCanvas)
        return;
    idSchedaSelezionata = static_cast<std::int32_t>(id);
    setCursor(Qt::WaitCursor);
    proteggi([] { finestre().PrinterCanvas(); });
    unsetCursor();
    idSchedaSelezionata = 0;
    activateWindow();
}

void SchedeSelezione::eliminaScheda() {
    const long id = idRigaSelezionata(ui->LW);
    if (id == 0)
        return;
    eliminaSegnalandoErrori([this, id] {
        if (!confermaEliminazione())
            return;
        scheda s;
        if (s.Elimina(static_cast<std::int32_t>(id))) {
            annunciaEliminazione();
            fillList();
        }
    });
}
