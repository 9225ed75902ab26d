#include "selection/SchedeInScadenza.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "printing/DialoghiStampa.h"
#include "printing/StampaPdf.h"
#include "records/Scadenze.h"
#include "selection/ElencoSchede.h"
#include "shell/BarraStrumenti.h"
#include "shell/CarattereModuli.h"
#include "shell/CursoreAttesa.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/f_library.h"
#include "ui_SchedeInScadenza.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTreeWidget>
#include <functional>

namespace {

const PulsanteElenco pulsanti[] = {
    {"Apri", "apri", "Apre la scheda evidenziata (Invio)", "document-open"},
    {"Rinnova", "rinnova",
     "Crea una nuova scheda uguale a quella evidenziata per il periodo successivo e la apre (Ctrl+R)",
     "view-refresh"},
    {nullptr, "sep1", nullptr, nullptr},
    {"Stampa tutte", "stampatutte", "Stampa insieme tutte le schede scelte (Ctrl+P)", "document-print"},
    {"PDF tutte", "pdftutte", "Salva ogni scheda scelta in un file PDF in una cartella (Ctrl+S)",
     "document-save-as"},
    {nullptr, "sep2", nullptr, nullptr},
    {"Chiudi", "chiudi", "Chiude la finestra (Esc)", "dialog-close"},
};

// The progress window of a batch: shown at once, stopped by its button or by Esc.
class Avanzamento {
public:
    Avanzamento(QWidget* padre, const QString& titolo, int totale)
        : finestra_(titolo, QStringLiteral("&Interrompi"), 0, totale, padre) {
        finestra_.setObjectName(QStringLiteral("avanzamento"));
        finestra_.setWindowTitle(QStringLiteral("Schede in scadenza"));
        finestra_.setWindowModality(Qt::WindowModal);
        finestra_.setMinimumDuration(0);
        finestra_.setAutoReset(false);
        finestra_.setAutoClose(false);
        finestra_.show();
        finestra_.setValue(0);
    }
    // Before card i of n: false once the user stopped.
    bool operator()(int i, int n) {
        if (finestra_.wasCanceled())
            return false;
        finestra_.setLabelText(i < n ? QStringLiteral("Scheda %1 di %2...").arg(i + 1).arg(n)
                                     : QStringLiteral("Fatto."));
        finestra_.setValue(i);
        // The dialog itself lets events through only once it has decided to show: a click on
        // "Interrompi" counts from the first card on.
        QCoreApplication::processEvents();
        return !finestra_.wasCanceled();
    }

private:
    QProgressDialog finestra_;
};

QString elencoNumeri(const QList<std::int32_t>& numeri) {
    QStringList t;
    for (std::int32_t n : numeri)
        t << QString::number(n);
    return t.join(QStringLiteral(", "));
}

} // namespace

SchedeInScadenza::SchedeInScadenza(QWidget* parent) : QDialog(parent), ui(new Ui::SchedeInScadenza) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // F1 opens the guide at this window's section.
    setProperty("sezioneGuida", QStringLiteral("scadenze"));

    Toolbar_ = new BarraStrumenti(QStringLiteral("Toolbar"), this);
    Toolbar_->setIconSize(QSize(16, 16));
    Toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    aggiungiPulsanti(Toolbar_, ImageList1, pulsanti);
    Toolbar_->pulsante(QStringLiteral("rinnova"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Toolbar_->pulsante(QStringLiteral("stampatutte"))->setShortcut(QKeySequence::Print);
    Toolbar_->pulsante(QStringLiteral("pdftutte"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    collocaBarra(this, Toolbar_, ui->postoToolbar, [this](const QString& k) { Toolbar_ButtonClick(k); });

    setFont(carattereModuli());
    QTreeWidget* lw = ui->LW;
    preparaElencoOrdinato(lw, ColGiorni, this);
    // Several rows at once for printing; opening and renewing act on the current one.
    lw->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lw->header()->setMinimumSectionSize(twips::aPixel(300));

    ui->riga->setContentsMargins(twips::aPixel(60), twips::aPixel(30), 0, 0);
    ui->riepilogo->setContentsMargins(twips::aPixel(60), 0, 0, 0);
    ui->giorni->setValue(giorniScadenzaSalvati());
    ui->giorni->setSuffix(QStringLiteral(" giorni"));

    setMinimumSize(twips::aPixel(6000), twips::aPixel(3000));
    resize(twips::aPixel(9300), twips::aPixel(5700));

    connect(lw, &QTreeWidget::itemDoubleClicked, this, [this] { proteggi([this] { apriScheda(); }); });
    connect(lw, &QTreeWidget::itemSelectionChanged, this, &SchedeInScadenza::aggiornaComandi);
    connect(lw->header(), &QHeaderView::sectionClicked, this, [lw](int c) { ordinaPerColonna(lw, c); });
    connect(ui->giorni, &QSpinBox::valueChanged, this, [this](int n) {
        proteggi([this, n] {
            salvaGiorniScadenza(n);
            fillList();
        });
    });
}

SchedeInScadenza::~SchedeInScadenza() = default;

QTreeWidget* SchedeInScadenza::LW() const {
    return ui->LW;
}

QSpinBox* SchedeInScadenza::giorni() const {
    return ui->giorni;
}

QLabel* SchedeInScadenza::riepilogo() const {
    return ui->riepilogo;
}

void SchedeInScadenza::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (caricata_)
        return;
    caricata_ = true;
    Toolbar_->setImageList(&ImageList1);
    numeraImmaginiToolbar(Toolbar_);
    proteggi([this] { fillList(); });
    aggiornaComandi();
    ui->LW->setFocus();
}

void SchedeInScadenza::fillList() {
    QTreeWidget* lw = ui->LW;
    const long scelta = schedaCorrente();
    const int posizione = lw->currentItem() ? lw->indexOfTopLevelItem(lw->currentItem()) : 0;
    {
        RiempimentoElenco riempimento(lw);
        lw->clear();
        const std::vector<SchedaInScadenza> elenco = schedeInScadenza(ui->giorni->value());
        QList<QTreeWidgetItem*> righe;
        righe.reserve(static_cast<qsizetype>(elenco.size()));
        for (const SchedaInScadenza& s : elenco) {
            auto* riga = new RigaElenco;
            riga->impostaTesto(ColAtleta, (s.cognome + QLatin1Char(' ') + s.nome).simplified());
            riga->setData(ColAtleta, Qt::UserRole + 1, s.id_utente);
            riga->impostaNumero(ColId, s.id_scheda);
            riga->impostaData(ColDal, s.PeriodoDal);
            riga->impostaData(ColAl, s.PeriodoAl);
            riga->impostaNumero(ColGiorni, s.giorniRimasti);
            riga->impostaTesto(ColIstruttore, s.Istruttore);
            riga->impostaTesto(ColCategoria, s.categoria);
            // A period already over stands out.
            if (s.giorniRimasti < 0)
                for (int c = 0; c < lw->columnCount(); ++c)
                    riga->setForeground(c, QColor(128, 0, 0));
            righe << riga;
        }
        lw->addTopLevelItems(righe);
        lw->setSortingEnabled(true);
    }
    const int n = lw->topLevelItemCount();
    // Restore the row that was current, found by its card number.
    QTreeWidgetItem* corrente = nullptr;
    for (int i = 0; i < n && !corrente && scelta != 0; ++i)
        if (lw->topLevelItem(i)->data(ColId, Qt::UserRole).toLongLong() == scelta)
            corrente = lw->topLevelItem(i);
    if (!corrente && n > 0)
        corrente = lw->topLevelItem(qBound(0, posizione, n - 1));
    if (corrente) {
        lw->setCurrentItem(corrente);
        lw->scrollToItem(corrente);
    }
    ui->riepilogo->setText(n == 0   ? QStringLiteral("Nessuna scheda in scadenza")
                           : n == 1 ? QStringLiteral("1 scheda")
                                    : QStringLiteral("%1 schede").arg(n));
    adattaColonne();
    aggiornaComandi();
}

void SchedeInScadenza::adattaColonne() {
    QTreeWidget* lw = ui->LW;
    for (int c = 0; c < lw->columnCount() - 1; ++c)
        lw->resizeColumnToContents(c);
    // A long name or instructor gives way: the whole text is in the tooltip.
    const int massimo = twips::aPixel(2800);
    for (int c : {int(ColAtleta), int(ColIstruttore)})
        if (lw->columnWidth(c) > massimo)
            lw->setColumnWidth(c, massimo);
}

QList<std::int32_t> SchedeInScadenza::schedeScelte() const {
    QList<std::int32_t> schede;
    const QTreeWidget* lw = ui->LW;
    for (int i = 0; i < lw->topLevelItemCount(); ++i)
        if (lw->topLevelItem(i)->isSelected())
            schede << static_cast<std::int32_t>(lw->topLevelItem(i)->data(ColId, Qt::UserRole).toLongLong());
    return schede;
}

std::int32_t SchedeInScadenza::schedaCorrente(std::int32_t* atleta) const {
    const QTreeWidgetItem* riga = ui->LW->currentItem();
    if (!riga || !riga->isSelected())
        return 0;
    if (atleta)
        *atleta = riga->data(ColAtleta, Qt::UserRole + 1).toInt();
    return static_cast<std::int32_t>(riga->data(ColId, Qt::UserRole).toLongLong());
}

void SchedeInScadenza::aggiornaComandi() {
    const bool una = schedaCorrente() != 0;
    const bool alcune = !schedeScelte().isEmpty();
    Toolbar_->pulsante(QStringLiteral("apri"))->setEnabled(una);
    Toolbar_->pulsante(QStringLiteral("rinnova"))->setEnabled(una);
    Toolbar_->pulsante(QStringLiteral("stampatutte"))->setEnabled(alcune);
    Toolbar_->pulsante(QStringLiteral("pdftutte"))->setEnabled(alcune);
}

bool SchedeInScadenza::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == ui->LW && tastoElenco(
                                 evento, [this] { proteggi([this] { apriScheda(); }); }, [] {}))
        return true;
    return QDialog::eventFilter(oggetto, evento);
}

void SchedeInScadenza::Toolbar_ButtonClick(const QString& chiave) {
    const QString k = chiave.toLower();
    if (k == QLatin1String("chiudi")) {
        reject();
        return;
    }
    // A shortcut still reaches a button that the state of the list has switched off.
    if (QAction* a = Toolbar_->pulsante(k); a && !a->isEnabled())
        return;
    proteggi([this, &k] {
        if (k == QLatin1String("apri"))
            apriScheda();
        else if (k == QLatin1String("rinnova"))
            rinnova();
        else if (k == QLatin1String("stampatutte"))
            stampaTutte();
        else if (k == QLatin1String("pdftutte"))
            pdfTutte();
    });
}

void SchedeInScadenza::apriScheda() {
    std::int32_t atleta = 0;
    const std::int32_t id = schedaCorrente(&atleta);
    if (id == 0)
        return;
    idUtenteSelezionato = atleta;
    idSchedaSelezionata = id;
    accept();
}

void SchedeInScadenza::rinnova() {
    std::int32_t atleta = 0;
    const std::int32_t id = schedaCorrente(&atleta);
    if (id == 0)
        return;
    std::int32_t nuova = 0;
    {
        CursoreAttesa attesa;
        nuova = rinnovaScheda(id);
    }
    if (nuova == 0)
        return; // the reason has been shown; the list stays as it was
    idUtenteSelezionato = atleta;
    idSchedaSelezionata = nuova;
    accept();
}

void SchedeInScadenza::stampaTutte() {
    const QList<std::int32_t> schede = schedeScelte();
    if (schede.isEmpty())
        return;
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("Schede in scadenza"));
    stampante.setPageSize(formatoFoglio());
    stampante.setFullPage(true);
    if (!dialoghi().sceltaStampante(stampante, 0, 0, this))
        return;
    stampante.setPageSize(formatoFoglio());
    stampante.setFullPage(true);
    QList<std::int32_t> saltate;
    std::optional<int> fogli;
    {
        Avanzamento avanzamento(this, QStringLiteral("Stampa delle schede..."),
                                static_cast<int>(schede.size()));
        QPainter p;
        if (!p.begin(&stampante))
            throw Errore(NumeriErrore::ErroreArchivio,
                         QStringLiteral("Impossibile avviare la stampa sulla stampante scelta."));
        try {
            fogli = disegnaSchede(p, stampante, twips::perUnitaDi(stampante.resolution()), schede,
                                  std::ref(avanzamento), &saltate);
        } catch (...) {
            stampante.abort();
            p.end();
            throw;
        }
        // Stopped: the job is withdrawn, nothing of it is printed.
        if (!fogli)
            stampante.abort();
        if (!p.end() && fogli)
            throw Errore(NumeriErrore::ErroreArchivio, QStringLiteral("La stampa non è stata completata."));
    }
    if (!fogli) {
        mostraMessaggio(QStringLiteral("Stampa interrotta: non è stato stampato nulla."),
                        TipoMessaggio::Informazione, Pulsanti::OK);
        return;
    }
    if (!saltate.isEmpty())
        mostraMessaggio(QStringLiteral("Schede senza esercizi, non stampate: %1").arg(elencoNumeri(saltate)),
                        TipoMessaggio::Avviso, Pulsanti::OK);
}

void SchedeInScadenza::pdfTutte() {
    const QList<std::int32_t> schede = schedeScelte();
    if (schede.isEmpty())
        return;
    const QString cartella =
        dialoghi().scegliCartella(this, QStringLiteral("Cartella in cui salvare le schede in PDF"),
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (cartella.isEmpty())
        return;
    int scritte = 0;
    QStringList errori;
    bool completo = false;
    {
        Avanzamento avanzamento(this, QStringLiteral("Salvataggio delle schede in PDF..."),
                                static_cast<int>(schede.size()));
        completo = scriviSchedePdf(schede, cartella, std::ref(avanzamento), [&](const SchedaScritta& s) {
            if (s.errore.isEmpty())
                ++scritte;
            else
                errori << QStringLiteral("Scheda %1: %2").arg(s.id).arg(s.errore);
        });
    }
    QString testo = (scritte == 1 ? QStringLiteral("1 scheda salvata in %2")
                                  : QStringLiteral("%1 schede salvate in %2").arg(scritte))
                        .arg(QDir::toNativeSeparators(cartella));
    if (!completo)
        testo += QStringLiteral("\rSalvataggio interrotto: le altre schede non sono state salvate.");
    if (!errori.isEmpty())
        testo += QStringLiteral("\rNon salvate:\r") + errori.join(QLatin1Char('\r'));
    mostraMessaggio(testo, errori.isEmpty() ? TipoMessaggio::Informazione : TipoMessaggio::Avviso,
                    Pulsanti::OK);
}
