#pragma once

#include <QLabel>
#include <QWidget>

// The label of the progress window: shows the percentage, with the bar drawn over it from its left edge.
class EtichettaAvanzamento : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QRect retStatus; // the bar, in the label's coordinates

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A small window that shows how far a long loading has got: a title, a bar and a percentage.
// It repaints only when the whole percentage changes, at most 100 times however many steps there are.
class Tool_BarProg : public QWidget {
    Q_OBJECT
public:
    explicit Tool_BarProg(QWidget* genitore = nullptr);

    float Totale = 0;
    float frazione = 0;
    float percentualeMostrata = 0;
    float ultimoPasso = 0;

    EtichettaAvanzamento* Status;

    void setTitolo(const QString& s);
    // A step of 0 means the step after the last one; the caller's variable receives it.
    // Throws Errore when Totale is 0. A step above Totale is ignored.
    void update(float& nPasso);
    void update(float&& nPasso) { update(nPasso); }
    using QWidget::update;
    void Chiudi();

    // How many times the window has been repainted by update (and on loading).
    int ridisegni() const { return ridisegni_; }

private:
    void azzeraBarra();
    void ridisegna();

    int ridisegni_ = 0;
};
