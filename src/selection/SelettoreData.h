#pragma once

#include <QDate>
#include <QWidget>

class QLineEdit;
class QToolButton;
class QCalendarWidget;

// A date field that shows and accepts Italian dates (dd/MM/yyyy), may be left empty, and opens a
// calendar on its button, Alt+Down or F4.
class SelettoreData : public QWidget {
    Q_OBJECT
public:
    explicit SelettoreData(QWidget* parent = nullptr);

    // A null date when the field is empty or does not hold a real date.
    QDate data() const;
    void setData(const QDate& data);
    // The text as typed ("" when empty).
    QString testo() const;
    void setIntervallo(const QDate& minima, const QDate& massima);

    QLineEdit* campo() const { return campo_; }

public slots:
    void apriCalendario();

signals:
    void dataCambiata(const QDate& data);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QLineEdit* campo_;
    QToolButton* pulsante_;
    QDate minima_{1601, 1, 1};
    QDate massima_{9999, 12, 31};
};
