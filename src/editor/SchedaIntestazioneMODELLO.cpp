#include "editor/SchedaIntestazioneMODELLO.h"
#include "ui_SchedaIntestazioneMODELLO.h"

#include "base/Twips.h"
#include "editor/CancelloEditor.h"
#include "editor/ControlliEditor.h"
#include "pictures/FinestraFiglia.h"
#include "records/Categorie.h"
#include "records/SchedaModello.h"

#include <QCloseEvent>

SchedaIntestazioneMODELLO::SchedaIntestazioneMODELLO(SchedaModello& modello, QWidget* genitore)
    : QWidget(genitore), ui(std::make_unique<Ui::SchedaIntestazioneMODELLO>()), modello_(modello) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("SchedaIntestazioneMODELLO"));
    FinestraFiglia::mantieniDimensione(this, [] { return QSize(twips::aPixel(4950), twips::aPixel(2700)); });
    controlliEditor::altezzeDisegnate(this);
    Form_Load();
    connect(ui->categoria, &QComboBox::activated, this, [this] {
        cambia(CampoTesta::Categoria, [this] { modello_.categoria = ui->categoria->currentText(); });
    });
    connect(ui->descrizione, &QPlainTextEdit::textChanged, this, [this] {
        cambia(CampoTesta::Descrizione, [this] { modello_.descrizione = ui->descrizione->toPlainText(); });
    });
    connect(ui->note, &QPlainTextEdit::textChanged, this,
            [this] { cambia(CampoTesta::Note, [this] { modello_.note = ui->note->toPlainText(); }); });
}

SchedaIntestazioneMODELLO::~SchedaIntestazioneMODELLO() = default;

void SchedaIntestazioneMODELLO::modificata() {
    if (!caricamento_)
        modello_.isSaved = false;
}

void SchedaIntestazioneMODELLO::cambia(CampoTesta campo, const std::function<void()>& scrivi) {
    const QString prima = valoreTesta(modello_, campo);
    scrivi();
    const QString dopo = valoreTesta(modello_, campo);
    if (dopo == prima)
        return;
    modificata();
    if (!caricamento_)
        emit campoModificato(campo, prima, dopo);
}

void SchedaIntestazioneMODELLO::mostraCampo(CampoTesta campo) {
    caricamento_ = true;
    switch (campo) {
    case CampoTesta::Categoria:
        ui->categoria->setEditText(modello_.categoria);
        break;
    case CampoTesta::Descrizione:
        ui->descrizione->setPlainText(modello_.descrizione);
        break;
    case CampoTesta::Note:
        ui->note->setPlainText(modello_.note);
        break;
    default:
        break;
    }
    caricamento_ = false;
}

void SchedaIntestazioneMODELLO::Form_Load() {
    SchedaModello& m = modello_;
    caricamento_ = true;
    Categorie().fillcategorie(*ui->categoria);
    ui->categoria->setEditText(m.categoria);
    ui->descrizione->setPlainText(m.descrizione);
    ui->note->setPlainText(m.note);
    caricamento_ = false;
    if (ui->categoria->currentText().isEmpty() && ui->categoria->count() > 1) {
        ui->categoria->setCurrentIndex(1);
        m.categoria = ui->categoria->currentText();
        m.isSaved = false;
    }
}

void SchedaIntestazioneMODELLO::closeEvent(QCloseEvent* e) {
    if (!puoiChiudereEditor()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
