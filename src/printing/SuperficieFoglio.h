#pragma once

#include "printing/Foglio.h"

#include <QWidget>

// A sheet shown at its real size (15 twips to a logical pixel), drawn by the sheets' renderer.
class SuperficieFoglio : public QWidget {
    Q_OBJECT
public:
    explicit SuperficieFoglio(QWidget* genitore = nullptr);

    // The sheet shown; nullptr shows an empty white page.
    void mostra(const Foglio* foglio);
    const Foglio* foglio() const { return foglio_; }

signals:
    // Every move of the pointer over the sheet, with the buttons held (drag scrolling).
    void mossoMouse(Qt::MouseButtons pulsanti);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    const Foglio* foglio_ = nullptr;
};
