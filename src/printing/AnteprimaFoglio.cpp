#include "printing/AnteprimaFoglio.h"

#include "base/Messaggi.h"
#include "base/Twips.h"
#include "printing/Foglio.h"
#include "printing/SuperficieFoglio.h"
#include "shell/BarraStrumenti.h"
#include "shell/FinestraGuida.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/f_library.h"
#include "ui_AnteprimaFoglio.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QWindow>
#include <cmath>

AnteprimaFoglio::AnteprimaFoglio(QWidget* genitore)
    : QDialog(genitore), ui_(std::make_unique<Ui::AnteprimaFoglio>()) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    toolbar_ = new BarraStrumenti(QStringLiteral("Toolbar"), this);
    toolbar_->setIconSize(QSize(24, 24));
    ui_->layoutFinestra->setMenuBar(toolbar_);
    connect(toolbar_, &BarraStrumenti::ButtonClick, this, [this](QAction* a) { Toolbar_ButtonClick(a); });

    QPalette sfondo = ui_->area->palette();
    sfondo.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    ui_->area->setPalette(sfondo);
    canvas_ = new SuperficieFoglio(ui_->area);
    ui_->area->installEventFilter(this);
    canvas_->installEventFilter(this);
    connect(canvas_, &SuperficieFoglio::mossoMouse, this, [this](Qt::MouseButtons b) {
        slider_.setDisplacement((b & Qt::LeftButton) ? 1 : 0, ui_->VScroll1);
    });
    connect(ui_->VScroll1, &QScrollBar::valueChanged, this,
            [this](int v) { canvas_->move(canvas_->x(), -twips::aPixel(v)); });

    pannello1_ = new QLabel(this);
    pannello1_->setObjectName(QStringLiteral("pannello1"));
    pannello1_->setMinimumWidth(120);
    pannello2_ = new QLabel(this);
    pannello2_->setObjectName(QStringLiteral("pannello2"));
    ui_->StatusBar1->addWidget(pannello1_);
    ui_->StatusBar1->addWidget(pannello2_, 1);

    auto* guida = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(guida, &QShortcut::activated, this, [] { proteggi([] { apriGuida(); }); });
}

AnteprimaFoglio::~AnteprimaFoglio() = default;

QScrollBar* AnteprimaFoglio::VScroll1() const {
    return ui_->VScroll1;
}

QStatusBar* AnteprimaFoglio::StatusBar1() const {
    return ui_->StatusBar1;
}

QString AnteprimaFoglio::testoStato() const {
    return pannello1_->text();
}

void AnteprimaFoglio::impostaImmaginiBarra(const QStringList& icone) {
    ImageList.Clear();
    for (const QString& nome : icone)
        ImageList.aggiungi(nome, ImmaginiProgramma::icona(nome).pixmap(ImageList.dimensione()));
    toolbar_->setImageList(&ImageList);
    numeraImmaginiToolbar(toolbar_);
}

void AnteprimaFoglio::impostaStato(const QString& testo) {
    pannello1_->setText(testo);
}

void AnteprimaFoglio::impostaNotaStato(const QString& testo) {
    pannello2_->setText(testo);
}

QMargins AnteprimaFoglio::cornice() {
    QMargins m = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    corniceStimata_ = m.isNull() && !(windowFlags() & Qt::FramelessWindowHint);
    if (corniceStimata_) {
        // The window manager has not said yet how wide its frame is: take the style's title bar and
        // a thin border, and fit again once the real frame is known.
        const int bordo = 4;
        m = QMargins(bordo, style()->pixelMetric(QStyle::PM_TitleBarHeight) + bordo, bordo, bordo);
    }
    return m;
}

void AnteprimaFoglio::adattaAlloSchermo() {
    if (isMaximized() || isFullScreen())
        return;
    if (const QScreen* schermo = screen()) {
        // The whole window, its title bar and borders included, on the screen, 100 twips above the
        // bottom; setGeometry places what lies inside the frame.
        const QRect disponibile = schermo->availableGeometry().adjusted(0, 0, 0, -twips::aPixel(100));
        corniceUsata_ = cornice();
        setGeometry(disponibile.marginsRemoved(corniceUsata_));
    }
    aggiornaScorrimento();
}

bool AnteprimaFoglio::event(QEvent* evento) {
    const bool fatto = QDialog::event(evento);
    if (corniceStimata_ && (evento->type() == QEvent::Move || evento->type() == QEvent::Resize) &&
        windowHandle() && !windowHandle()->frameMargins().isNull() &&
        windowHandle()->frameMargins() != corniceUsata_) {
        corniceStimata_ = false;
        adattaAlloSchermo();
    }
    return fatto;
}

void AnteprimaFoglio::aggiornaScorrimento() {
    QWidget* area = ui_->area;
    QScrollBar* vs = ui_->VScroll1;
    const double extra = Foglio::altezza - twips::daPixel(area->height()) + 200;
    if (extra > 0) {
        const int massimo = static_cast<int>(std::nearbyint(extra));
        vs->setRange(0, massimo);
        vs->setSingleStep(std::max(1, static_cast<int>(std::nearbyint(extra / 20))));
        vs->setPageStep(std::max(1, static_cast<int>(std::nearbyint(extra / 10))));
    } else {
        vs->setRange(0, 0);
    }
    const int sinistra = area->width() > canvas_->width() ? (area->width() - canvas_->width()) / 2 : 0;
    canvas_->move(sinistra, -twips::aPixel(vs->value()));
}

bool AnteprimaFoglio::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == ui_->area && evento->type() == QEvent::Resize && !isMinimized())
        aggiornaScorrimento();
    // The wheel over the sheet, or beside it, scrolls it as over its scroll bar.
    if ((oggetto == ui_->area || oggetto == canvas_) && evento->type() == QEvent::Wheel) {
        QApplication::sendEvent(ui_->VScroll1, evento);
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void AnteprimaFoglio::keyPressEvent(QKeyEvent* evento) {
    QScrollBar* vs = ui_->VScroll1;
    switch (evento->key()) {
    case Qt::Key_Down:
        vs->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_Up:
        vs->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_PageDown:
        vs->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return;
    case Qt::Key_PageUp:
        vs->triggerAction(QAbstractSlider::SliderPageStepSub);
        return;
    case Qt::Key_Home:
        vs->setValue(vs->minimum());
        return;
    case Qt::Key_End:
        vs->setValue(vs->maximum());
        return;
    default:
        QDialog::keyPressEvent(evento);
    }
}
