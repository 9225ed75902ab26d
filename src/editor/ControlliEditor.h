#pragma once

#include "base/Messaggi.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

// Small behaviours shared by the editor's forms.
namespace controlliEditor {

// The check of one field: the message refusing its value, or an empty text.
using Controllo = std::function<QString()>;

// The heights the editor's forms are designed with: drop-downs 315 twips, text boxes 285.
void altezzeDisegnate(QWidget* forma);

// A text that differs from one of the box's entries only in letter case becomes that entry, as the
// box's completion already shows it.
void correggiMaiuscole(QComboBox* box);

// Only digits can be typed (at most `cifre`), and the whole text is selected on entry.
void soloCifre(QLineEdit* campo, int cifre = 3);

// A value a field refuses: the field, the message and its symbol. Empty when nothing is refused.
struct Rifiuto {
    QWidget* campo = nullptr;
    QString messaggio;
    TipoMessaggio tipo = TipoMessaggio::Errore;
    explicit operator bool() const { return campo != nullptr; }
};

// Shows the refusal and puts the focus on its field; the field the focus leaves meanwhile is not
// checked, so the user sees one message.
void mostraRifiuto(const Rifiuto& rifiuto);

// The checked fields of one form, in the order the user reads them. The same check runs when the
// user leaves a field and, for every field at once, before a command uses what the form shows.
class ControlliCampi {
public:
    // Fields are looked at only while visible within `forma` (a hidden frame's fields are not).
    explicit ControlliCampi(const QWidget* forma) : forma_(forma) {}

    // Checked when left and before commands. When the user moves the focus away and `errore`
    // returns a text, that text is shown (stop symbol) and the focus goes back to the field.
    void aggiungi(QWidget* campo, Controllo errore);
    // A list box whose text must equal one of its entries, letter case included.
    void aggiungiElenco(QComboBox* box);
    // A field that checks itself when left: here only for the commands.
    void aggiungiPerComandi(QWidget* campo, Controllo errore, TipoMessaggio tipo);

    // The refusal of the field that holds `fuoco` (or is it), if it refuses its value.
    Rifiuto rifiutoDi(const QWidget* fuoco) const;
    // The first field in order that refuses its value.
    Rifiuto primoRifiuto() const;

private:
    struct Voce {
        QWidget* campo;
        Controllo errore;
        TipoMessaggio tipo;
    };
    Rifiuto controlla(const Voce& voce) const;

    const QWidget* forma_;
    std::vector<Voce> voci_;
};

} // namespace controlliEditor
