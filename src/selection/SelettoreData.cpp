#include "selection/SelettoreData.h"

#include "base/Messaggi.h"
#include "base/Orologio.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {
const QString formato = QStringLiteral("dd/MM/yyyy");

int anno(const QString& cifre) {
    const int a = cifre.toInt();
    if (cifre.size() == 4)
        return a;
    return a < 30 ? 2000 + a : 1900 + a;
}
} // namespace

QDate interpretaData(const QString& testo) {
    const QString t = testo.trimmed();
    static const QRegularExpression soloCifre(QStringLiteral("^(\\d{2})(\\d{2})(\\d{2}|\\d{4})$"));
    static const QRegularExpression conSeparatori(
        QStringLiteral("^(\\d{1,2})\\s*[/.\\-]\\s*(\\d{1,2})\\s*[/.\\-]\\s*(\\d{2}|\\d{4})$"));
    QRegularExpressionMatch m = soloCifre.match(t);
    if (!m.hasMatch())
        m = conSeparatori.match(t);
    if (!m.hasMatch())
        return {};
    return QDate(anno(m.captured(3)), m.captured(2).toInt(), m.captured(1).toInt());
}

SelettoreData::SelettoreData(QWidget* parent) : QWidget(parent) {
    campo_ = new QLineEdit(this);
    campo_->setObjectName(QStringLiteral("campo"));
    campo_->setPlaceholderText(QStringLiteral("gg/mm/aaaa"));
    // Either the digits alone (typed fast or pasted) or parts with one separator each: a separator
    // typed right after one put in automatically is refused, so it is not doubled.
    campo_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(R"(\s*(\d{0,8}|\d{1,2}[/.\-](\d{1,2}([/.\-]\d{0,4})?)?)\s*)")),
        campo_));
    campo_->installEventFilter(this);
    pulsante_ = new QToolButton(this);
    pulsante_->setObjectName(QStringLiteral("calendario"));
    pulsante_->setIcon(
        QIcon::fromTheme(QStringLiteral("view-calendar"), style()->standardIcon(QStyle::SP_ArrowDown)));
    pulsante_->setToolTip(QStringLiteral("Scegli la data dal calendario (F4 o Alt+Giù)"));
    pulsante_->setFocusPolicy(Qt::NoFocus);
    auto* riga = new QHBoxLayout(this);
    riga->setContentsMargins(0, 0, 0, 0);
    riga->setSpacing(1);
    riga->addWidget(campo_, 1);
    riga->addWidget(pulsante_);
    // A label's access key gives focus only to a widget that accepts it; the field takes it over.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(campo_);
    // Room for a full date, no more: the field never stretches across a wide window.
    const int larghezza = campo_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) +
                          campo_->textMargins().left() + campo_->textMargins().right() + 16;
    campo_->setMinimumWidth(larghezza);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(pulsante_, &QToolButton::clicked, this, &SelettoreData::apriCalendario);
    connect(campo_, &QLineEdit::textEdited, this, &SelettoreData::sistemaDigitazione);
    // The text itself, not the signal's copy: a completion made while typing changes it again inside.
    connect(campo_, &QLineEdit::textChanged, this, [this] {
        ultimoTesto_ = campo_->text();
        emit dataCambiata(data());
    });
}

QDate SelettoreData::data() const {
    const QDate d = interpretaData(campo_->text());
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

bool SelettoreData::isVuota() const {
    return campo_->text().trimmed().isEmpty();
}

bool SelettoreData::isAccettabile() const {
    return (isVuota() && !obbligatoria_) || data().isValid();
}

void SelettoreData::setIntervallo(const QDate& minima, const QDate& massima) {
    minima_ = minima;
    massima_ = massima;
}

void SelettoreData::sistemaDigitazione(const QString& testo) {
    // Only typing at the end is helped along; a correction in the middle stays as typed.
    if (campo_->cursorPosition() != testo.size() || testo.size() <= ultimoTesto_.size())
        return;
    QString t = testo;
    t.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('/'));
    if (!t.isEmpty() && t.back().isDigit()) {
        QStringList parti = t.split(QLatin1Char('/'));
        // Digits alone (typed or pasted): day and month take two each, the rest is the year.
        if (parti.size() == 1 && t.size() > 2) {
            parti = {t.left(2), t.mid(2, 2)};
            if (t.size() > 4)
                parti << t.mid(4);
        }
        // A third digit in the day or the month starts the next part.
        if (parti.size() < 3 && parti.back().size() > 2) {
            const QString ultima = parti.back();
            parti.back() = ultima.left(2);
            parti << ultima.mid(2);
        }
        t = parti.join(QLatin1Char('/'));
        if (parti.size() < 3 && parti.back().size() == 2)
            t += QLatin1Char('/');
    }
    if (t != testo)
        campo_->setText(t);
}

void SelettoreData::completa() {
    const QDate d = data();
    if (d.isValid() && campo_->text() != d.toString(formato))
        setData(d);
}

QString SelettoreData::errore() const {
    if (isAccettabile())
        return {};
    QString testo = QStringLiteral("Data non valida: «") + campo_->text().trimmed() + QStringLiteral("»");
    if (!nomeCampo_.isEmpty())
        testo += QStringLiteral(" nel campo «") + nomeCampo_ + QStringLiteral("»");
    const QDate d = interpretaData(campo_->text());
    if (d.isValid())
        testo += QStringLiteral(".\nLa data deve essere compresa tra il ") + minima_.toString(formato) +
                 QStringLiteral(" e il ") + massima_.toString(formato) + QLatin1Char('.');
    else
        testo += QStringLiteral(".\nScrivere la data come gg/mm/aaaa, per esempio 01/02/1985.");
    return testo;
}

bool SelettoreData::controlla() {
    completa();
    if (isAccettabile())
        return true;
    if (inControllo_)
        return false;
    inControllo_ = true;
    mostraMessaggio(errore(), TipoMessaggio::Avviso, Pulsanti::OK);
    inControllo_ = false;
    if (window()->isVisible()) {
        campo_->setFocus(Qt::OtherFocusReason);
        campo_->selectAll();
    }
    return false;
}

void SelettoreData::controllaDopoUscita() {
    if (campo_->hasFocus() || !isVisible() || !window()->isVisible() || isAccettabile())
        return;
    // A click that took the focus is let finish first: a save button checks the field itself, and
    // the user sees one message, not two.
    if (QApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(30, this, &SelettoreData::controllaDopoUscita);
        return;
    }
    // A cancel button, like a closed window, lets the user leave without a valid date.
    if (const QWidget* verso = QApplication::focusWidget()) {
        const QVariant controllo = verso->property("controllaDati");
        if (controllo.isValid() && !controllo.toBool())
            return;
    }
    controlla();
}

void SelettoreData::apriCalendario() {
    auto* calendario = new QCalendarWidget;
    calendario->setObjectName(QStringLiteral("calendarioData"));
    calendario->setWindowFlags(Qt::Popup);
    calendario->setAttribute(Qt::WA_DeleteOnClose);
    calendario->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calendario->setFirstDayOfWeek(Qt::Monday);
    calendario->setDateRange(minima_, massima_);
    calendario->setGridVisible(true);
    const QDate attuale = data();
    calendario->setSelectedDate(attuale.isValid() ? attuale : oggi());
    const auto scegli = [this, calendario](const QDate& d) {
        setData(d);
        calendario->close();
        campo_->setFocus(Qt::PopupFocusReason);
    };
    connect(calendario, &QCalendarWidget::activated, this, scegli);
    connect(calendario, &QCalendarWidget::clicked, this, scegli);
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
        completa();
        // Switching to another program or opening the calendar is not leaving the field.
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason && !isAccettabile() &&
            !inControllo_)
            QTimer::singleShot(0, this, &SelettoreData::controllaDopoUscita);
    }
    return QWidget::eventFilter(oggetto, evento);
}
