#pragma once

#include <QSize>

class QWidget;

// Child windows of the card editor live inside a QMdiSubWindow; their sizes and visibility are those
// of that frame. Outside an MDI area (tests, tools) the widget is its own frame.
namespace FinestraFiglia {

QWidget* cornice(QWidget* finestra);
// Outer size in pixels, frame included.
void impostaDimensioneEsterna(QWidget* finestra, QSize pixel);
QSize dimensioneEsterna(QWidget* finestra);
// F1 on the window or any of its controls opens the program's help.
void collegaGuida(QWidget* finestra);

} // namespace FinestraFiglia
