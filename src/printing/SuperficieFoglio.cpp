#include "printing/SuperficieFoglio.h"

#include "base/Twips.h"
#include "printing/DisegnaFoglio.h"

#include <QMouseEvent>
#include <QPainter>

SuperficieFoglio::SuperficieFoglio(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("canvas"));
    setFixedSize(twips::aPixel(Foglio::larghezza), twips::aPixel(Foglio::altezza));
    setMouseTracking(true);
    setAutoFillBackground(false);
    setCursor(Qt::OpenHandCursor);
}

void SuperficieFoglio::mostra(const Foglio* foglio) {
    foglio_ = foglio;
    update();
}

void SuperficieFoglio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (foglio_)
        disegnaFoglio(p, *foglio_, twips::perPixel);
}

void SuperficieFoglio::mouseMoveEvent(QMouseEvent* evento) {
    emit mossoMouse(evento->buttons());
    QWidget::mouseMoveEvent(evento);
}
