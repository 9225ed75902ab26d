#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;

// Asks to confirm a new display mode within a countdown; when time runs out it answers as "Annulla".
// Sets esitoConferma: 1 = keep, 2 = go back. Closed any other way, esitoConferma stays as it was.
class ResolutionConfirm : public QDialog {
    Q_OBJECT
public:
    explicit ResolutionConfirm(QWidget* genitore = nullptr);

    std::int16_t secondiRimasti = 0;

    QLabel* Label2;
    QLabel* Label1;
    QLabel* lblSec;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QTimer* Timer;

    void impostaSecondi(std::int16_t secondi);

public slots:
    void Timer_Timer();
    void OKButton_Click();
    void CancelButton_Click();
};
