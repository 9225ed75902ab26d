#include "shell/ResolutionConfirm.h"

#include "shell/MonitorResolution.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

ResolutionConfirm::ResolutionConfirm(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("ResolutionConfirm"));
    setWindowTitle(QStringLiteral("Conferma Cambio Risoluzione"));
    setModal(true);

    Label2 = new QLabel(
        QStringLiteral("Se riuscite a leggere queste scritte il cambio risoluzione è andato a buon "
                       "fine. Premere OK prima che scada il tempo"),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label1 = new QLabel(QStringLiteral("Secondi rimasti ... "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblSec = new QLabel(this);
    lblSec->setObjectName(QStringLiteral("lblSec"));
    QFont grassetto = lblSec->font();
    grassetto.setBold(true);
    lblSec->setFont(grassetto);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Annulla"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* secondi = new QHBoxLayout;
    secondi->addWidget(Label1);
    secondi->addWidget(lblSec);
    secondi->addStretch();
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(OKButton);
    pulsanti->addWidget(CancelButton);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Label2);
    l->addLayout(secondi);
    l->addLayout(pulsanti);
    setFixedWidth(420);

    Timer = new QTimer(this);
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &ResolutionConfirm::Timer_Timer);
    connect(OKButton, &QPushButton::clicked, this, &ResolutionConfirm::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &ResolutionConfirm::CancelButton_Click);

    impostaSecondi(16);
    Timer->start();
}

void ResolutionConfirm::impostaSecondi(std::int16_t secondi) {
    secondiRimasti = secondi;
    lblSec->setText(QString::number(secondi));
}

void ResolutionConfirm::Timer_Timer() {
    if (secondiRimasti < 1)
        CancelButton_Click();
    else
        impostaSecondi(static_cast<std::int16_t>(secondiRimasti - 1));
}

void ResolutionConfirm::OKButton_Click() {
    Timer->stop();
    esitoConferma = 1;
    accept();
}

void ResolutionConfirm::CancelButton_Click() {
    Timer->stop();
    esitoConferma = 2;
    reject();
}
