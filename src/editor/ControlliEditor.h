#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

// Small behaviours shared by the editor's forms.
namespace controlliEditor {

// The message of the list boxes whose text must be one of their entries.
QString messaggioElenco();

// When the user moves the focus away from `campo` and `errore` returns a text, that text is shown
// (stop symbol) and the focus goes back to the field. An empty text lets the focus go.
void validaAllUscita(QWidget* campo, std::function<QString()> errore);

// A list box whose text must equal one of its entries, letter case included.
void validaElenco(QComboBox* box);

// Only digits can be typed (at most `cifre`), and the whole text is selected on entry.
void soloCifre(QLineEdit* campo, int cifre = 3);

// The leading digits of a text as a number; an empty text or one without leading digits gives 0.
long leggiNumero(const QString& testo);

} // namespace controlliEditor
