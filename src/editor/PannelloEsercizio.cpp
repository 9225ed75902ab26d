#include "editor/PannelloEsercizio.h"
#include "ui_PannelloEsercizio.h"

#include "editor/ControlliEditor.h"
#include "records/RegoleScheda.h"
#include "shell/ImmaginiProgramma.h"

#include <utility>

PannelloEsercizio::PannelloEsercizio(QWidget* genitore)
    : QWidget(genitore), ui(std::make_unique<Ui::PannelloEsercizio>()) {
    ui->setupUi(this);
    ui->TipoEsercizio->addTab(QStringLiteral("Vibrana"));
    ui->TipoEsercizio->setTabData(0, QStringLiteral("vibrana"));
    ui->TipoEsercizio->addTab(QStringLiteral("Libero"));
    ui->TipoEsercizio->setTabData(1, QStringLiteral("libero"));
    ui->TipoEsercizio->setDrawBase(false);
    ui->TipoEsercizio->setFocusPolicy(Qt::StrongFocus);
    ui->InserisciEsecizio->setIcon(ImmaginiProgramma::icona(QStringLiteral("list-add")));
    ui->EliminaEsercizio->setIcon(ImmaginiProgramma::icona(QStringLiteral("edit-delete")));
    // The entries are the card's own lists, so the panel offers exactly what the card accepts.
    using regoleScheda::Campo;
    for (const auto& [box, campo] :
         {std::pair{ui->durata, Campo::durata}, std::pair{ui->frequenza, Campo::frequenza},
          std::pair{ui->ampiezza, Campo::ampiezza}, std::pair{ui->modalita, Campo::modalita}}) {
        box->clear();
        box->addItems(regoleScheda::elenco(campo));
    }
    ui->FrameLibero->hide();
    controlliEditor::altezzeDisegnate(this);
}

PannelloEsercizio::~PannelloEsercizio() = default;

QString PannelloEsercizio::tipo() const {
    return ui->TipoEsercizio->tabData(ui->TipoEsercizio->currentIndex()).toString();
}

void PannelloEsercizio::selezionaTipo(const QString& chiave) {
    ui->TipoEsercizio->setCurrentIndex(chiave == QLatin1String("libero") ? 1 : 0);
    applicaTipo();
}

void PannelloEsercizio::applicaTipo() {
    const bool libero = tipo() == QLatin1String("libero");
    ui->FrameVibrana->setVisible(!libero);
    ui->FrameLibero->setVisible(libero);
}
