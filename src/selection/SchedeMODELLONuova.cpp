#include "selection/SchedeMODELLONuova.h"

#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "records/Categorie.h"
#include "records/SchedaModello.h"
#include "selection/ElencoSchede.h"
#include "shell/ImmaginiProgramma.h"
#include "ui_SchedeMODELLONuova.h"

#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

SchedeMODELLONuova::SchedeMODELLONuova(QWidget* parent) : QDialog(parent), ui(new Ui::SchedeMODELLONuova) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->Image1->setPixmap(ImmaginiProgramma::icona(QStringLiteral("document-new")).pixmap(QSize(32, 32)));
    ui->descrizione->installEventFilter(this);
    ui->cmdOK->setToolTip(QStringLiteral("Crea la nuova Scheda Modello"));
    connect(ui->cmdOK, &QPushButton::clicked, this, [this] { proteggi([this] { cmdOK_Click(); }); });
    // Three lines of description in view; the window starts at the least size that shows everything
    // (never below its design, 4005 x 1815 twips) and may grow.
    const QFontMetrics misure = ui->descrizione->fontMetrics();
    ui->descrizione->setMinimumHeight(3 * misure.lineSpacing() + 2 * ui->descrizione->frameWidth() +
                                      2 * static_cast<int>(ui->descrizione->document()->documentMargin()));
    ui->descrizione->setMinimumWidth(misure.horizontalAdvance(QLatin1Char('M')) * 16);
    setMinimumSize(layout()->minimumSize().expandedTo(QSize(twips::aPixel(4005), twips::aPixel(1815))));
    resize(minimumSize());
    Form_Load();
}

SchedeMODELLONuova::~SchedeMODELLONuova() = default;

QComboBox* SchedeMODELLONuova::categoria() const {
    return ui->categoria;
}

QPlainTextEdit* SchedeMODELLONuova::descrizione() const {
    return ui->descrizione;
}

QPushButton* SchedeMODELLONuova::cmdOK() const {
    return ui->cmdOK;
}

void SchedeMODELLONuova::Form_Load() {
    proteggi([this] { Categorie().fillcategorie(*ui->categoria); });
    if (!categoriaNuovoModello.isEmpty())
        ui->categoria->setEditText(categoriaNuovoModello);
    else
        ui->categoria->setCurrentIndex(ui->categoria->count() > 1 ? 1 : 0);
    ui->descrizione->setFocus();
}

bool SchedeMODELLONuova::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == ui->descrizione && evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        // Enter confirms; Shift+Enter still breaks the line.
        if ((tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) &&
            !(tasto->modifiers() & Qt::ShiftModifier)) {
            proteggi([this] { cmdOK_Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void SchedeMODELLONuova::cmdOK_Click() {
    const QString descrizione = ui->descrizione->toPlainText().trimmed();
    const QString categoria = ui->categoria->currentText().trimmed();
    if (descrizione.isEmpty() || categoria.isEmpty()) {
        mostraMessaggio(QStringLiteral("Inserire tutti i dati"), TipoMessaggio::Errore, Pulsanti::OK);
        if (categoria.isEmpty())
            ui->categoria->setFocus();
        else
            ui->descrizione->setFocus();
        return;
    }
    SchedaModello modello;
    modello.categoria = categoria;
    modello.descrizione = descrizione;
    const std::int32_t nuovo = modello.save();
    // A refused insert has already been reported; the window stays open with what was typed.
    if (nuovo <= 0)
        return;
    idModelloSelezionato = nuovo;
    hide();
    accept();
}
