#include "shell/frmAbout.h"

#include "base/Messaggi.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/InformazioniSistema_core.h"
#include "shell/MonitorResolution.h"
#include "ui_frmAbout.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

std::function<void(QWidget*)> frmAbout::apriInformazioniSistema = [](QWidget* genitore) {
    InformazioniSistema finestra(genitore);
    finestra.exec();
};

std::function<bool(const QString&)> frmAbout::apriCollegamento = [](const QString& indirizzo) {
    return QDesktopServices::openUrl(QUrl(indirizzo));
};

frmAbout::frmAbout(QWidget* genitore) : QDialog(genitore), ui_(std::make_unique<Ui::frmAbout>()) {
    ui_->setupUi(this);
    lblTitle = ui_->lblTitle;
    lblVersion = ui_->lblVersion;
    lblDescription = ui_->lblDescription;
    lblDisclaimer = ui_->lblDisclaimer;
    lblLink = ui_->lblLink;
    lblLinkEmailAuthor = ui_->lblLinkEmailAuthor;
    Image1 = ui_->Image1;
    Image2 = ui_->Image2;
    Line1 = ui_->Line1;
    cmdOK = ui_->cmdOK;
    cmdSysInfo = ui_->cmdSysInfo;

    setWindowTitle(QStringLiteral("Informazioni su ") + titoloApplicazione());
    Image1->setPixmap(ImmaginiProgramma::logoProdotto(QSize(150, 100)));
    Image2->setPixmap(ImmaginiProgramma::logoFamiglia(QSize(80, 80)));
    lblTitle->setText(titoloApplicazione());
    // Larger than the dialog's font, whichever font the desktop gives it.
    QFont grande = lblTitle->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    grande.setBold(true);
    lblTitle->setFont(grande);
    lblVersion->setText(testoVersione());

    for (QLabel* l : {lblLink, lblLinkEmailAuthor})
        connect(l, &QLabel::linkActivated, this, &frmAbout::apriLink);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
}

frmAbout::~frmAbout() = default;

void frmAbout::apriLink(const QString& indirizzo) {
    if (apriCollegamento && apriCollegamento(indirizzo))
        return;
    const bool posta = indirizzo.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
    const QString mostrato = posta ? indirizzo.mid(7) : indirizzo;
    mostraMessaggio(
        (posta ? QStringLiteral("Impossibile aprire il programma di posta elettronica: su questo computer "
                                "non ne risulta installato uno.\nScrivere a: ")
               : QStringLiteral("Impossibile aprire il collegamento: su questo computer non risulta "
                                "installato un browser.\nIndirizzo: ")) +
            mostrato,
        TipoMessaggio::Avviso, Pulsanti::OK);
}

void frmAbout::StartSysInfo() {
    try {
        apriInformazioniSistema(this);
    } catch (const std::exception&) {
        mostraMessaggio(QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili."),
                        TipoMessaggio::Informazione, Pulsanti::OK);
    }
}

InformazioniSistema::InformazioniSistema(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("InformazioniSistema"));
    setWindowTitle(QStringLiteral("Informazioni sul sistema"));
    auto* testo = new QPlainTextEdit(testoInformazioniSistema(leggiRisoluzione()), this);
    testo->setObjectName(QStringLiteral("testo"));
    testo->setReadOnly(true);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copia = pulsanti->addButton(QStringLiteral("&Copia"), QDialogButtonBox::ActionRole);
    connect(copia, &QPushButton::clicked, this,
            [testo] { QApplication::clipboard()->setText(testo->toPlainText()); });
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* l = new QVBoxLayout(this);
    l->addWidget(testo);
    l->addWidget(pulsanti);
    resize(560, 380);
}
