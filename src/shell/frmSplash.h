#pragma once

#include "shell/AvanzamentoBarra.h"

#include <QElapsedTimer>
#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;

// The window on screen while the program starts; its bar follows the check of the figure pictures.
// A key press anywhere in it, or a click on its frame, closes it.
class frmSplash : public QWidget, public AvanzamentoBarra {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* genitore = nullptr);

    void barSetMax(std::int16_t max) override;
    void barReset() override;
    void barStep() override;

    QFrame* Frame1;
    QLabel* Label1;
    QProgressBar* bar;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* imgLogo;
    QLabel* LogoZDF;
    QFrame* Line1;
    QFrame* Line2;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QElapsedTimer disegnata_; // since the bar was last painted
};
