#include "editor/ControlliEditor.h"

#include "base/Messaggi.h"
#include "shell/f_library.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace controlliEditor {

namespace {

// Set while the focus is being put back, so the field that loses it meanwhile is not checked.
bool inRitorno = false;

class ControlloUscita : public QObject {
public:
    ControlloUscita(QWidget* campo, std::function<QString()> errore)
        : QObject(campo), campo_(campo), errore_(std::move(errore)) {}

    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() != QEvent::FocusOut || inRitorno)
            return QObject::eventFilter(oggetto, evento);
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        // Other windows, menus and drop-down lists taking the focus are not the user leaving.
        if (motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason || !campo_->isVisible())
            return QObject::eventFilter(oggetto, evento);
        const QString testo = errore_();
        if (testo.isEmpty())
            return QObject::eventFilter(oggetto, evento);
        mostraMessaggio(testo, TipoMessaggio::Errore, Pulsanti::OK);
        QPointer<QWidget> campo(campo_);
        auto ritorna = [campo] {
            if (!campo)
                return;
            inRitorno = true;
            campo->setFocus(Qt::OtherFocusReason);
            inRitorno = false;
        };
        ritorna();
        // The widget that took the focus may still be completing the change; come back afterwards.
        QTimer::singleShot(0, campo_, ritorna);
        return QObject::eventFilter(oggetto, evento);
    }

private:
    QWidget* campo_;
    std::function<QString()> errore_;
};

class SelezionaTutto : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::FocusIn)
            if (auto* campo = qobject_cast<QLineEdit*>(oggetto))
                QTimer::singleShot(0, campo, [campo] { campo->selectAll(); });
        return QObject::eventFilter(oggetto, evento);
    }
};

} // namespace

QString messaggioElenco() {
    return QStringLiteral("Selezionare un valore tra quelli disponibili!");
}

void validaAllUscita(QWidget* campo, std::function<QString()> errore) {
    campo->installEventFilter(new ControlloUscita(campo, std::move(errore)));
}

void validaElenco(QComboBox* box) {
    validaAllUscita(box, [box] { return valoreNonInLista(box) ? messaggioElenco() : QString(); });
}

void soloCifre(QLineEdit* campo, int cifre) {
    campo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(cifre)), campo));
    campo->installEventFilter(new SelezionaTutto(campo));
}

long leggiNumero(const QString& testo) {
    long n = 0;
    for (const QChar c : testo.trimmed()) {
        if (c < u'0' || c > u'9')
            break;
        n = n * 10 + (c.unicode() - u'0');
        if (n > 1000000)
            break;
    }
    return n;
}

} // namespace controlliEditor
