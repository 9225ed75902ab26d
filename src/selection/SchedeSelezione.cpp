#include "selection/SchedeSelezione.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "records/utente.h"
#include "selection/ElencoSchede.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/f_library.h"
#include "ui_SchedeSelezione.h"

#include <QAction>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

const PulsanteElenco pulsanti[] = {
    {"Seleziona", "seleziona", "Seleziona la Scheda evidenziata", "document-open"},
    {"Annulla", "annulla", "Chiude la finestra e annulla ogni processo in corso", "dialog-cancel"},
    {"Elimina", "elimina", "Elimina la Scheda evidenziata", "edit-delete"},
    {"Stampa", "stampa", "Anteprima di Stampa", "document-print-preview"},
};

} // namespace

SchedeSelezione::SchedeSelezione(QWidget* parent) : QDialog(parent), ui(new Ui::SchedeSelezione) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Toolbar_ = new BarraStrumenti(QStringLiteral("Toolbar"), this);
    Toolbar_->setIconSize(QSize(16, 16));
    aggiungiPulsanti(Toolbar_, ImageList1, pulsanti);
    // Keyboard: Enter (on the list) chooses, Del deletes, Ctrl+P previews, Esc cancels.
    Toolbar_->pulsante(QStringLiteral("stampa"))->setShortcut(QKeySequence::Print);
    addActions(Toolbar_->actions());
    connect(Toolbar_, &BarraStrumenti::ButtonClick, this,
            [this](QAction* a) { Toolbar_ButtonClick(BarraStrumenti::chiave(a)); });
    ui->postoToolbar->addStretch(1);
    ui->postoToolbar->addWidget(Toolbar_);

    QTreeWidget* lw = ui->LW;
    preparaElenco(lw);
    lw->setSortingEnabled(true);
    lw->sortByColumn(ColId, Qt::AscendingOrder);
    lw->installEventFilter(this);
    const QFontMetrics misure = lw->fontMetrics();
    const int margine = 3 * misure.horizontalAdvance(QLatin1Char('M'));
    lw->setColumnWidth(ColId, misure.horizontalAdvance(QStringLiteral("ID_scheda")) + margine);
    const int data = misure.horizontalAdvance(QStringLiteral("00/00/0000")) + margine;
    lw->setColumnWidth(ColDal, data);
    lw->setColumnWidth(ColAl, data);
    lw->setColumnWidth(ColIstruttore, misure.horizontalAdvance(QLatin1Char('M')) * 9);

    ui->Label1->setContentsMargins(twips::aPixel(60), 0, 0, 0);
    // The designed size (6015 x 5115 twips) is the least; the label, the athlete's name, the four
    // buttons and the five columns must fit with the fonts in use.
    const int colonne = lw->columnWidth(ColId) + 2 * data + lw->columnWidth(ColIstruttore) +
                        misure.horizontalAdvance(QStringLiteral("Categoria")) + margine +
                        lw->verticalScrollBar()->sizeHint().width() + 2 * lw->frameWidth();
    const int alto = ui->Label1->sizeHint().width() + misure.horizontalAdvance(QLatin1Char('M')) * 14 +
                     Toolbar_->sizeHint().width();
    const int larghezza = qMax(twips::aPixel(6015), qMax(colonne, alto));
    setMinimumSize(larghezza, twips::aPixel(3000));
    resize(larghezza, qMax(twips::aPixel(5115), Toolbar_->sizeHint().height() + twips::aPixel(4590)));

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

    adattaLarghezza();

    ::utente atleta;
    atleta.carica(id_utente);
    ui->utente->setText(QStringLiteral("[") + atleta.cognome + QStringLiteral(" ") + atleta.nome +
                        QStringLiteral("]"));

    if (ui->LW->topLevelItemCount() == 0) {
        mostraMessaggio(QStringLiteral("L'utente non ha schede salvate!"), TipoMessaggio::Errore,
                        Pulsanti::OK);
        for (const char* k : {"seleziona", "elimina", "stampa"})
            Toolbar_->pulsante(QString::fromLatin1(k))->setEnabled(false);
    }
    ui->LW->setFocus();
}

void SchedeSelezione::adattaLarghezza() {
    QTreeWidget* lw = ui->LW;
    int colonne = larghezzaCategoria_ + lw->verticalScrollBar()->sizeHint().width() + 2 * lw->frameWidth();
    for (int c = ColId; c < ColCategoria; ++c)
        colonne += lw->columnWidth(c);
    int larghezza = qMax(width(), colonne);
    if (const QScreen* schermo = screen())
        larghezza = qMin(larghezza, schermo->availableGeometry().width() * 9 / 10);
    if (larghezza > width())
        resize(larghezza, height());
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
    int categoria = misure.horizontalAdvance(QStringLiteral("Categoria"));
    for (const scheda& s : schede.archivio) {
        istruttore = qMax(istruttore, misure.horizontalAdvance(s.Istruttore));
        categoria = qMax(categoria, misure.horizontalAdvance(s.categoria));
        auto* riga = new RigaElenco;
        riga->impostaNumero(ColId, s.id_scheda);
        riga->impostaData(ColDal, s.PeriodoDal);
        riga->impostaData(ColAl, s.PeriodoAl);
        riga->impostaTesto(ColIstruttore, s.Istruttore);
        riga->impostaTesto(ColCategoria, s.categoria);
        righe << riga;
    }
    lw->addTopLevelItems(righe);
    // Names as wide as they are, up to a limit; a longer one shows whole in its tooltip.
    const int em = misure.horizontalAdvance(QLatin1Char('M'));
    lw->setColumnWidth(ColIstruttore, qBound(9 * em, istruttore + 2 * em, 20 * em));
    larghezzaCategoria_ = qMin(categoria + 2 * em, 20 * em);
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
