#include "selection/SelettoreData.h"

#include "base/Orologio.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>

namespace {
const QString formato = QStringLiteral("dd/MM/yyyy");

QDate leggi(const QString& testo) {
    QDate d = QDate::fromString(testo.trimmed(), formato);
    if (!d.isValid())
        d = QDate::fromString(testo.trimmed(), QStringLiteral("d/M/yyyy"));
    return d;
}
} // namespace

SelettoreData::SelettoreData(QWidget* parent) : QWidget(parent) {
    campo_ = new QLineEdit(this);
    campo_->setPlaceholderText(QStringLiteral("gg/mm/aaaa"));
    campo_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(R"(\d{0,2}(/\d{0,2}(/\d{0,4})?)?)")), campo_));
    campo_->installEventFilter(this);
    pulsante_ = new QToolButton(this);
    pulsante_->setIcon(
        QIcon::fromTheme(QStringLiteral("view-calendar"), style()->standardIcon(QStyle::SP_ArrowDown)));
    pulsante_->setToolTip(QStringLiteral("Scegli la data dal calendario (Alt+Giù)"));
    pulsante_->setFocusPolicy(Qt::NoFocus);
    auto* riga = new QHBoxLayout(this);
    riga->setContentsMargins(0, 0, 0, 0);
    riga->setSpacing(1);
    riga->addWidget(campo_, 1);
    riga->addWidget(pulsante_);
    setFocusProxy(campo_);
    connect(pulsante_, &QToolButton::clicked, this, &SelettoreData::apriCalendario);
    connect(campo_, &QLineEdit::textChanged, this, [this] { emit dataCambiata(data()); });
}

QDate SelettoreData::data() const {
    const QDate d = leggi(campo_->text());
    if (!d.isValid() || d < minima_ || d > massima_)
        return {};
    return d;
}

void SelettoreData::setData(const QDate& data) {
    campo_->setText(data.isValid() ? data.toString(formato) : QString());
}

QString SelettoreData::testo() const {
    return campo_->text();
}

void SelettoreData::setIntervallo(const QDate& minima, const QDate& massima) {
    minima_ = minima;
    massima_ = massima;
}

void SelettoreData::apriCalendario() {
    auto* calendario = new QCalendarWidget;
    calendario->setWindowFlags(Qt::Popup);
    calendario->setAttribute(Qt::WA_DeleteOnClose);
    calendario->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calendario->setFirstDayOfWeek(Qt::Monday);
    calendario->setDateRange(minima_, massima_);
    calendario->setGridVisible(true);
    const QDate attuale = data();
    calendario->setSelectedDate(attuale.isValid() ? attuale : oggi());
    connect(calendario, &QCalendarWidget::activated, this, [this, calendario](const QDate& d) {
        setData(d);
        calendario->close();
        campo_->setFocus();
    });
    connect(calendario, &QCalendarWidget::clicked, this, [this, calendario](const QDate& d) {
        setData(d);
        calendario->close();
        campo_->setFocus();
    });
    calendario->adjustSize();
    calendario->move(mapToGlobal(QPoint(0, height())));
    calendario->show();
    calendario->setFocus();
}

bool SelettoreData::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == campo_ && evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() == Qt::Key_F4 ||
            (tasto->key() == Qt::Key_Down && (tasto->modifiers() & Qt::AltModifier))) {
            apriCalendario();
            return true;
        }
    }
    if (oggetto == campo_ && evento->type() == QEvent::FocusOut) {
        // Tidy a typed date into its full form (1/2/2004 -> 01/02/2004).
        const QDate d = data();
        if (d.isValid() && campo_->text() != d.toString(formato))
            setData(d);
    }
    return QWidget::eventFilter(oggetto, evento);
}
