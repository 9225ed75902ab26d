#include "shell/RipristinaCopia.h"

#include "base/Messaggi.h"
#include "base/Orologio.h"
#include "base/variabiliGlobali.h"
#include "data/CopieAutomatiche.h"
#include "data/db.h"
#include "shell/CursoreAttesa.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"
#include "shell/SenzaAvanzamento.h"
#include "ui_RipristinaCopia.h"

#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeWidget>

namespace {

const QString formatoData = QStringLiteral("dd/MM/yyyy HH:mm:ss");

} // namespace

RipristinaCopia::RipristinaCopia(QWidget* parent) : QDialog(parent), ui(new Ui::RipristinaCopia) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QString cartella = QDir::toNativeSeparators(cartellaCopie(db().percorsoArchivio()));
    ui->lblSpiegazione->setText(
        QStringLiteral("All'avvio il programma fa una copia dell'archivio al giorno nella cartella %1 e "
                       "tiene le più recenti. Ripristinando una copia, l'archivio in uso viene sostituito; "
                       "com'è adesso resta conservato nella stessa cartella.")
            .arg(cartella));

    QTreeWidget* lw = ui->LW;
    const QFontMetrics misure = lw->fontMetrics();
    const int margine = misure.horizontalAdvance(QLatin1Char('M')) * 2;
    lw->setColumnWidth(ColData, misure.horizontalAdvance(QStringLiteral("00/00/0000 00:00:00")) + margine);
    lw->setColumnWidth(ColTipo, misure.horizontalAdvance(QStringLiteral("Prima del ripristino")) + margine);
    lw->setColumnWidth(ColDimensione, misure.horizontalAdvance(QStringLiteral("000,0 MB")) + margine);
    lw->setColumnWidth(ColAtleti, misure.horizontalAdvance(QStringLiteral("illeggibile")) + margine);
    // The counts keep their width. A stretched last column grew past the list's right edge on X11,
    // cutting its right-aligned numbers: it keeps the width of the other count.
    lw->header()->setMinimumSectionSize(lw->columnWidth(ColAtleti));
    lw->header()->setStretchLastSection(false);
    lw->setColumnWidth(ColSchede, lw->columnWidth(ColAtleti));

    ui->cmdRipristina->setDefault(true);
    connect(ui->cmdRipristina, &QPushButton::clicked, this, [this] { ripristina(); });
    connect(ui->cmdChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lw, &QTreeWidget::itemDoubleClicked, this, [this] { ripristina(); });
    connect(lw, &QTreeWidget::itemSelectionChanged, this, &RipristinaCopia::aggiornaComandi);
    auto* guida = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(guida, &QShortcut::activated, this, [] { proteggi([] { apriGuida(QStringLiteral("copie")); }); });

    // Every column whole, with room for the scroll bar, within the designed greatest width.
    const QMargins bordi = layout()->contentsMargins();
    const int larghezza = lw->columnWidth(ColData) + lw->columnWidth(ColTipo) +
                          lw->columnWidth(ColDimensione) + 2 * lw->columnWidth(ColAtleti) +
                          2 * lw->frameWidth() + lw->verticalScrollBar()->sizeHint().width() + bordi.left() +
                          bordi.right();
    resize(qMin(larghezza, maximumWidth()), height());
    riempi();
}

RipristinaCopia::~RipristinaCopia() = default;

QTreeWidget* RipristinaCopia::LW() const {
    return ui->LW;
}

void RipristinaCopia::riempi() {
    CursoreAttesa attesa;
    QTreeWidget* lw = ui->LW;
    lw->clear();
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    for (const CopiaTrovata& c : elencaCopie(db().percorsoArchivio())) {
        auto* riga = new QTreeWidgetItem(lw);
        riga->setData(ColData, Qt::UserRole, c.percorso);
        riga->setText(ColData, c.quando.toString(formatoData));
        riga->setText(ColTipo, c.primaDelRipristino ? QStringLiteral("Prima del ripristino")
                                                    : QStringLiteral("Automatica"));
        riga->setText(ColDimensione,
                      italiano.formattedDataSize(c.dimensione, 1, QLocale::DataSizeTraditionalFormat));
        riga->setTextAlignment(ColDimensione, Qt::AlignRight | Qt::AlignVCenter);
        riga->setToolTip(ColData, QDir::toNativeSeparators(c.percorso));
        if (const std::optional<ContenutoCopia> contenuto = contenutoCopia(c.percorso)) {
            riga->setText(ColAtleti, QString::number(contenuto->atleti));
            riga->setText(ColSchede, QString::number(contenuto->schede));
        } else {
            riga->setText(ColAtleti, QStringLiteral("illeggibile"));
            riga->setToolTip(ColAtleti, QStringLiteral("Il file non si legge come archivio di Vibrana"));
        }
        riga->setTextAlignment(ColAtleti, Qt::AlignRight | Qt::AlignVCenter);
        riga->setTextAlignment(ColSchede, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (lw->topLevelItemCount() > 0)
        lw->setCurrentItem(lw->topLevelItem(0));
    ui->lblCopie->setText(lw->topLevelItemCount() > 0
                              ? QStringLiteral("&Copie disponibili (la più recente in alto):")
                              : QStringLiteral("&Copie disponibili: nessuna copia finora."));
    aggiornaComandi();
    lw->setFocus();
}

void RipristinaCopia::aggiornaComandi() {
    ui->cmdRipristina->setEnabled(ui->LW->currentItem() != nullptr);
}

void RipristinaCopia::ripristina() {
    QTreeWidgetItem* riga = ui->LW->currentItem();
    if (!riga)
        return;
    const QString copia = riga->data(ColData, Qt::UserRole).toString();
    const QString contenuto =
        riga->text(ColSchede).isEmpty()
            ? QString()
            : QStringLiteral(" (%1 atleti, %2 schede)").arg(riga->text(ColAtleti), riga->text(ColSchede));
    const QString domanda =
        QStringLiteral("Ripristinare la copia del %1%2?\n"
                       "L'archivio in uso sarà sostituito dalla copia; com'è adesso resterà conservato "
                       "nella cartella delle copie.")
            .arg(riga->text(ColData), contenuto);
    if (mostraMessaggio(domanda, TipoMessaggio::Domanda, Pulsanti::SiNo, {}, Risposta::No) != Risposta::Si)
        return;
    QString conservato;
    const bool riuscito = proteggi([&] {
        CursoreAttesa attesa;
        conservato = ripristinaCopia(db().percorsoArchivio(), copia, adesso());
    });
    if (!riuscito) {
        riempi();
        return;
    }
    proteggi([] { riavviaDatiProgramma(); });
    mostraMessaggio(QStringLiteral("Copia ripristinata. L'archivio com'era prima è conservato in %1.")
                        .arg(QDir::toNativeSeparators(conservato)),
                    TipoMessaggio::Informazione, Pulsanti::OK);
    accept();
}

void riavviaDatiProgramma() {
    CursoreAttesa attesa;
    idUtenteSelezionato = 0;
    idSchedaSelezionata = 0;
    idModelloSelezionato = 0;
    categoriaNuovoModello.clear();
    // The card editor keeps the pictures of the catalogue it read at start-up: it reads them again.
    RegistroFinestre& f = finestre();
    if (f.scaricaEditorScheda)
        f.scaricaEditorScheda();
    if (f.caricaEditorScheda) {
        SenzaAvanzamento senzaBarra;
        f.caricaEditorScheda(senzaBarra);
    }
}
