#pragma once

#include <QDate>
#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

// The date a user typed, in any of the forms the date field takes: day, month and year separated by
// "/", "." or "-" ("1/2/85", "01.02.1985", "1-2-1985"), or the digits alone ("010285", "01021985").
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. A null date when the text is empty or is
// no real date.
QDate interpretaData(const QString& testo);

// A date field for Italian dates (dd/MM/yyyy) that may be left empty.
//
// Typing: digits typed without separators move on by themselves from day to month to year
// ("15031985" shows 15/03/1985); a "/", "." or "-" typed ends a part early. Leaving the field
// completes a date to its full form (1/2/85 becomes 01/02/1985). Leaving it with text that is no
// date (or a date outside the range) shows "Data non valida: ..." naming the field and brings the
// focus back, unless the focus went to a widget whose property "controllaDati" is false (a cancel
// button) or the window was closed.
//
// Keyboard: F4 or Alt+Down opens the calendar, as does the button beside the field; a label whose
// buddy is this widget focuses the field with its access key.
//
// The field itself accepts an empty text; a form that needs a date checks isVuota() or makes the
// field obbligatoria.
class SelettoreData : public QWidget {
    Q_OBJECT
public:
    explicit SelettoreData(QWidget* parent = nullptr);

    // The date shown; null when the field is empty or does not hold a valid date in the range.
    QDate data() const;
    // Shows `data` in full form; a null date empties the field.
    void setData(const QDate& data);
    // The text as typed ("" when empty).
    QString testo() const;
    // True when nothing but blanks was typed.
    bool isVuota() const;
    // True when the field holds a valid date in the range, or is empty and may be.
    bool isAccettabile() const;
    // A field that must hold a date refuses to be left empty, with the same message.
    void setObbligatoria(bool obbligatoria) { obbligatoria_ = obbligatoria; }
    // The message controlla would show, or an empty text when the field is acceptable.
    QString errore() const;

    // Dates outside [minima, massima] are not valid. Default: 1 January 1601 to 31 December 9999.
    void setIntervallo(const QDate& minima, const QDate& massima);
    QDate minima() const { return minima_; }
    QDate massima() const { return massima_; }

    // The field's name as the user knows it (the label's text), used in the message.
    void setNomeCampo(const QString& nome) { nomeCampo_ = nome; }
    QString nomeCampo() const { return nomeCampo_; }

    // Checks the field now, as leaving it does: completes a valid date to its full form and returns
    // true for it or for an empty field; otherwise shows "Data non valida: ...", puts the focus back
    // with the text selected and returns false. Forms call it before they save.
    bool controlla();

    // The text box inside (for tests and for forms that need its signals).
    QLineEdit* campo() const { return campo_; }

public slots:
    void apriCalendario();

signals:
    // The date shown changed (a null date when the text is empty or not yet a valid date).
    void dataCambiata(const QDate& data);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void sistemaDigitazione(const QString& testo);
    void completa();
    void controllaDopoUscita();

    QLineEdit* campo_;
    QToolButton* pulsante_;
    QString nomeCampo_;
    QString ultimoTesto_;
    bool inControllo_ = false;
    bool obbligatoria_ = false;
    QDate minima_{1601, 1, 1};
    QDate massima_{9999, 12, 31};
};
