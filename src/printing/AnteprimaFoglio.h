#pragma once

#include "printing/SliderEffect.h"
#include "shell/CursoreAttesa.h"
#include "shell/ListaImmagini.h"

#include <QDialog>
#include <QMargins>
#include <memory>

class BarraStrumenti;
class QAction;
class QLabel;
class QScrollBar;
class QStatusBar;
class SuperficieFoglio;
namespace Ui {
class AnteprimaFoglio;
}

// What the two print previews share: the tool bar, one sheet at real size centred when the window is
// wider, the vertical scroll bar (also moved by dragging the sheet), the status bar, F1 for the help.
class AnteprimaFoglio : public QDialog {
    Q_OBJECT
public:
    ~AnteprimaFoglio() override;

    BarraStrumenti* Toolbar() const { return toolbar_; }
    SuperficieFoglio* canvas() const { return canvas_; }
    QScrollBar* VScroll1() const;
    QStatusBar* StatusBar1() const;
    // The text of the status bar's first panel.
    QString testoStato() const;

    // Drag scrolling of the sheet (tests give it the pointer's position).
    SliderEffect& trascinamento() { return slider_; }

    // Fits the window to the screen, as when it opens.
    void adattaAlloSchermo();

protected:
    explicit AnteprimaFoglio(QWidget* genitore);

    // Fills the tool bar's picture list with theme icons, one per button in button order, and numbers
    // the buttons to take them.
    void impostaImmaginiBarra(const QStringList& icone);
    void impostaStato(const QString& testo);
    void impostaNotaStato(const QString& testo);
    // Places the sheet and sets the scroll range for the current size.
    void aggiornaScorrimento();
    virtual void Toolbar_ButtonClick(QAction* pulsante) = 0;

    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

    SliderEffect slider_;

private:
    // The frame the window manager puts around the window (estimated until it is known).
    QMargins cornice();

    std::unique_ptr<Ui::AnteprimaFoglio> ui_;
    QMargins corniceUsata_;
    bool corniceStimata_ = false;
    ListaImmagini ImageList{QSize(24, 24)};
    BarraStrumenti* toolbar_;
    SuperficieFoglio* canvas_;
    QLabel* pannello1_;
    QLabel* pannello2_;
};
