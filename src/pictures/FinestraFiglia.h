#pragma once

#include <QSize>
#include <functional>

class QWidget;

// Child windows of the card editor live inside a QMdiSubWindow; their sizes and visibility are those
// of that frame. Outside an MDI area (tests, tools) the widget is its own frame.
namespace FinestraFiglia {

QWidget* cornice(QWidget* finestra);
// Outer size in pixels, frame included.
void impostaDimensioneEsterna(QWidget* finestra, QSize pixel);
QSize dimensioneEsterna(QWidget* finestra);
// Keeps the window's outer size at `dimensione()` whenever it is put into an MDI frame or that frame
// is shown (an MDI area sizes a frame it shows by the widget's hint, which a window without layouts
// does not give). The size is applied at once too.
void mantieniDimensione(QWidget* finestra, std::function<QSize()> dimensione);
// F1 on the window or any of its controls opens the program's help.
void collegaGuida(QWidget* finestra);

} // namespace FinestraFiglia
