#include "customisation/frmPersonalizza.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Messaggi.h"
#include "customisation/LogoScelto.h"
#include "pictures/LeggiImmagine.h"
#include "printing/AnteprimaFoglio.h"
#include "printing/DialoghiStampa.h"
#include "shell/FinestraGuida.h"
#include "ui_frmPersonalizza.h"

#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QShortcut>

frmPersonalizza::frmPersonalizza(QWidget* genitore)
    : QDialog(genitore), ui_(std::make_unique<Ui::frmPersonalizza>()) {
    ui_->setupUi(this);
    ui_->tbsOptions->setTabToolTip(0, QStringLiteral("Personalizzazioni della palestra"));
    ridimensionatore_.MAX = 2400; // the logo's box, 160 x 160 pixels
    connect(ui_->cmdApriIMG, &QPushButton::clicked, this,
            [this] { proteggi([this] { cmdApriIMG_Click(); }); });
    connect(ui_->cmdOK, &QPushButton::clicked, this, [this] { proteggi([this] { cmdOK_Click(); }); });
    connect(ui_->cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(ui_->cmdApply, &QPushButton::clicked, this, [this] { proteggi([this] { cmdApply_Click(); }); });
    connect(ui_->chkLimitePedana, &QCheckBox::toggled, ui_->txtLimitePedana, &QWidget::setEnabled);
    auto* guida = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(guida, &QShortcut::activated, this, [] { proteggi([] { apriGuida(); }); });
}

frmPersonalizza::~frmPersonalizza() = default;

void frmPersonalizza::setVisible(bool visibile) {
    if (visibile && !caricata_) {
        caricata_ = true;
        proteggi([this] { Form_Load(); });
    }
    QDialog::setVisible(visibile);
}

bool frmPersonalizza::logoCaricato() const {
    return !ui_->logo->pixmap().isNull();
}

void frmPersonalizza::Form_Load() {
    ridimensionatore_.setImage(ui_->logo);
    CursoreAttesa attesa;
    palestra_.carica();
    ui_->nome->setText(palestra_.nome);
    ui_->responsabile->setText(palestra_.responsabile);
    // Show the start of a long text, not its tail.
    ui_->nome->setCursorPosition(0);
    ui_->responsabile->setCursorPosition(0);
    limiteLetto_ = palestra_.limitePedana;
    ui_->chkLimitePedana->setChecked(limiteLetto_ > 0);
    if (limiteLetto_ > 0)
        ui_->txtLimitePedana->setValue((limiteLetto_ + 59) / 60);
    tag_ = palestra_.logo;
    if (!palestra_.logo.isEmpty())
        mostraLogo(palestra_.logo);
}

void frmPersonalizza::mostraLogo(const QString& percorso) {
    tag_ = percorso;
    QLabel* logo = ui_->logo;
    logo->setScaledContents(false);
    logo->setGeometry(0, 0, ui_->riquadroLogo->width(), ui_->riquadroLogo->height());
    const QPixmap immagine = QPixmap::fromImage(leggiImmagine(risolviPercorso(percorso)));
    logo->setPixmap(immagine);
    if (immagine.isNull()) {
        // A logo moved or deleted since it was chosen: its path is kept until another one is chosen.
        ui_->noImage->setVisible(true);
        ui_->noImage->setToolTip(
            QStringLiteral("Immagine non trovata: %1").arg(QDir::toNativeSeparators(percorso)));
        return;
    }
    ridimensionatore_.ridimensiona();
    ui_->noImage->setVisible(false);
    ui_->noImage->setToolTip(QString());
}

void frmPersonalizza::cmdApriIMG_Click() {
    const QString scelto =
        dialoghi().apriFile(this, QStringLiteral("Seleziona Immagine"), cartellaLoghi(),
                            QStringLiteral("File Immagine (*.JPG *.BMP *.GIF *.jpg *.bmp *.gif "
                                           "*.jpeg *.JPEG)"));
    if (scelto.isEmpty())
        return;
    CursoreAttesa attesa;
    const LogoScelto logo = prendiLogo(scelto);
    if (logo.preso())
        mostraLogo(logo.percorso);
    else
        mostraMessaggio(logo.avviso, TipoMessaggio::Errore, Pulsanti::OK);
}

bool frmPersonalizza::salvaPalestra() {
    CursoreAttesa attesa;
    palestra_.nome = ui_->nome->text();
    palestra_.responsabile = ui_->responsabile->text();
    palestra_.logo = tag_;
    palestra_.limitePedana = limiteScelto();
    return palestra_.save();
}

int frmPersonalizza::limiteScelto() const {
    if (!ui_->chkLimitePedana->isChecked())
        return 0;
    const int minuti = ui_->txtLimitePedana->value();
    if (limiteLetto_ > 0 && minuti == (limiteLetto_ + 59) / 60)
        return limiteLetto_;
    return minuti * 60;
}

void frmPersonalizza::cmdOK_Click() {
    if (salvaPalestra())
        accept();
}

void frmPersonalizza::cmdCancel_Click() {
    reject();
}

void frmPersonalizza::cmdApply_Click() {
    salvaPalestra();
}
