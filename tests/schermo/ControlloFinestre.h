#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

// What a user would find wrong in a window on screen: a control cut by its window or by the control
// that holds it, a window that leaves the screen's free area, a label or button whose text does not fit
// (unless its tooltip shows the text whole). One line per fault, naming the control.
QStringList difettiFinestra(QWidget* finestra);

// The class names of a window and of everything inside it.
QSet<QString> classiIn(QWidget* finestra);

// The window classes written in the program's sources (dialogs, main windows, forms and controls
// derived from QWidget), found in the .h and .cpp files under `cartella`.
QSet<QString> classiFinestreNeiSorgenti(const QString& cartella);
