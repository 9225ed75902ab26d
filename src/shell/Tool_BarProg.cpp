#include "shell/Tool_BarProg.h"

#include "base/Errore.h"

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

void EtichettaAvanzamento::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        p.fillRect(rect(), palette().base());
        if (retStatus.width() > 0)
            p.fillRect(retStatus, palette().highlight());
    }
    QLabel::paintEvent(e);
    // The part of the text over the bar in the highlighted-text colour, so it stays readable.
    if (retStatus.width() > 0) {
        QPainter p(this);
        p.setClipRect(retStatus);
        p.setPen(palette().color(QPalette::HighlightedText));
        p.drawText(contentsRect(), static_cast<int>(alignment()), text());
    }
}

Tool_BarProg::Tool_BarProg(QWidget* genitore) : QWidget(genitore, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Tool_BarProg"));
    setWindowTitle(QStringLiteral("  Attendere prego..."));
    auto* l = new QVBoxLayout(this);
    Status = new EtichettaAvanzamento(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setAlignment(Qt::AlignCenter);
    Status->setFrameShape(QFrame::Panel);
    Status->setFrameShadow(QFrame::Sunken);
    Status->setFixedSize(300, 24);
    l->addWidget(Status);
    setFixedSize(sizeHint());
    azzeraBarra();
}

void Tool_BarProg::azzeraBarra() {
    setCursor(Qt::WaitCursor);
    percentualeMostrata = 0;
    ultimoPasso = 0;
    Status->retStatus = QRect(0, 0, 0, Status->height());
    Status->setText(QStringLiteral("0%"));
    setTitolo(QStringLiteral("Elaborazione in corso..."));
    ridisegna();
}

void Tool_BarProg::setTitolo(const QString& s) {
    setWindowTitle(s);
}

void Tool_BarProg::update(float& nPasso) {
    if (nPasso == 0)
        nPasso = ultimoPasso + 1;
    if (Totale == 0)
        throw Errore(11, QStringLiteral("Divisione per zero"), QStringLiteral("Tool_BarProg"));
    frazione = nPasso / Totale;
    if (nPasso > Totale)
        return;
    // From the step itself: the single-precision fraction times 100 falls just short of some whole
    // percentages (53 of 100 gave 52%), which were then never shown.
    const float p = static_cast<float>(std::floor(static_cast<double>(nPasso) * 100 / Totale));
    if (p != percentualeMostrata) {
        Status->retStatus =
            QRect(0, 0, static_cast<int>(std::lround(Status->width() * frazione)), Status->height());
        Status->setText(QString::number(static_cast<int>(p)) + QLatin1Char('%'));
        ridisegna();
        percentualeMostrata = p;
    }
    ultimoPasso = nPasso;
}

void Tool_BarProg::ridisegna() {
    ++ridisegni_;
    if (isVisible())
        repaint();
}

void Tool_BarProg::Chiudi() {
    unsetCursor();
    close();
}
