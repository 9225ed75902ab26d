#include "shell/frmSplash.h"

#include "base/Messaggi.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/InformazioniSistema_core.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QFrame* linea(QWidget* genitore) {
    auto* l = new QFrame(genitore);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}
} // namespace

frmSplash::frmSplash(QWidget* genitore)
    : QWidget(genitore, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(titoloApplicazione());
    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(0, 0, 0, 0);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setLineWidth(2);
    Frame1->setAutoFillBackground(true);
    Frame1->installEventFilter(this);
    esterno->addWidget(Frame1);

    auto* griglia = new QGridLayout(Frame1);
    griglia->setContentsMargins(18, 14, 18, 14);
    griglia->setHorizontalSpacing(16);

    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    const QPixmap logo = ImmaginiProgramma::logoProdotto(QSize(220, 150));
    imgLogo->setPixmap(logo);
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setMinimumSize(220, 150);

    lblProductName = new QLabel(titoloApplicazione(), Frame1);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont grande = lblProductName->font();
    grande.setPointSizeF(grande.pointSizeF() * 2.4);
    grande.setBold(true);
    lblProductName->setFont(grande);

    lblVersion = new QLabel(testoVersione(), Frame1);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* lblSottotitolo = new QLabel(QStringLiteral("Schede di allenamento per pedana vibrante"), Frame1);
    auto* lblPiattaforma = new QLabel(QStringLiteral("Per Linux e X11"), Frame1);
    auto* lblCopyright = new QLabel(QStringLiteral("Tutti i diritti riservati"), Frame1);
    lblPiattaforma->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    LogoZDF = new QLabel(Frame1);
    LogoZDF->setObjectName(QStringLiteral("LogoZDF"));
    LogoZDF->setPixmap(ImmaginiProgramma::logoFamiglia(QSize(120, 48)));
    LogoZDF->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Line1 = linea(Frame1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2 = linea(Frame1);
    Line2->setObjectName(QStringLiteral("Line2"));

    Label1 = new QLabel(QStringLiteral("Attendere prego, caricamento in corso:"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    bar = new QProgressBar(Frame1);
    bar->setObjectName(QStringLiteral("bar"));
    bar->setMinimum(1);
    bar->setMaximum(100);
    bar->setValue(1);
    bar->setTextVisible(false);

    auto* destra = new QVBoxLayout;
    destra->addWidget(lblProductName);
    destra->addWidget(lblSottotitolo);
    destra->addStretch();
    destra->addWidget(lblPiattaforma);
    destra->addWidget(lblVersion);

    griglia->addWidget(imgLogo, 0, 0, 2, 1);
    griglia->addLayout(destra, 0, 1, 2, 2);
    griglia->addWidget(Line1, 2, 0, 1, 3);
    griglia->addWidget(lblCopyright, 3, 0, 1, 2);
    griglia->addWidget(LogoZDF, 3, 2);
    griglia->addWidget(Line2, 4, 0, 1, 3);
    griglia->addWidget(Label1, 5, 0, 1, 3);
    griglia->addWidget(bar, 6, 0, 1, 3);

    adjustSize();
    setFixedSize(qMax(width(), 560), height());
    if (QScreen* schermo = QGuiApplication::primaryScreen())
        move(schermo->availableGeometry().center() - rect().center());
}

void frmSplash::barSetMax(std::int16_t max) {
    // An empty catalogue gives a maximum of 1 or less: the bar then simply shows full.
    if (max <= bar->minimum()) {
        bar->setMaximum(bar->minimum());
        bar->setMinimum(bar->minimum() - 1);
        bar->setValue(bar->maximum());
    } else {
        bar->setMinimum(1);
        bar->setMaximum(max);
    }
}

void frmSplash::barReset() {
    bar->setMinimum(1);
    if (bar->maximum() < 1)
        bar->setMaximum(1);
    bar->setValue(1);
    repaint();
}

void frmSplash::barStep() {
    // No event loop runs while start-up checks the pictures, so the bar is painted here; at most once a
    // frame and at its last step: a large catalogue's steps come faster than a screen shows them, and
    // painting every one cost more than the checking itself.
    const bool disegna =
        !disegnata_.isValid() || disegnata_.elapsed() >= 16 || bar->value() + 1 >= bar->maximum();
    if (!disegna)
        bar->setUpdatesEnabled(false); // the bar would repaint itself at once for a visible step
    if (bar->value() < bar->maximum())
        bar->setValue(bar->value() + 1);
    if (!disegna)
        bar->setUpdatesEnabled(true);
    else {
        bar->repaint();
        disegnata_.start();
    }
}

void frmSplash::keyPressEvent(QKeyEvent* e) {
    close();
    e->accept();
}

bool frmSplash::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == Frame1 && evento->type() == QEvent::MouseButtonRelease)
        close();
    return QWidget::eventFilter(oggetto, evento);
}
