#include "editor/ControlliEditor.h"

#include "base/Twips.h"
#include "records/LimitiEsercizio.h"
#include "shell/f_library.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace controlliEditor {

namespace {

// Set while the focus is being put back, so the field that loses it meanwhile is not checked.
bool inRitorno = false;

// The field refused on leaving, until the event that left it is done: a click that leaves a
// refused field and lands on a command is one action, and the user hears about the field once.
QPointer<QWidget> appenaRifiutato;

// Puts the focus on the field now and once more when the events in progress are done: the widget
// that took it may still be completing the change.
void riportaFuoco(QWidget* destinazione) {
    QPointer<QWidget> campo(destinazione);
    auto ritorna = [campo] {
        if (!campo)
            return;
        inRitorno = true;
        // A field in another child window of the editor brings that window forward.
        for (QWidget* w = campo->parentWidget(); w; w = w->parentWidget())
            if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
                if (QMdiArea* area = sub->mdiArea(); area && area->activeSubWindow() != sub)
                    area->setActiveSubWindow(sub);
                break;
            }
        campo->setFocus(Qt::OtherFocusReason);
        inRitorno = false;
    };
    ritorna();
    QTimer::singleShot(0, destinazione, ritorna);
}

class ControlloUscita : public QObject {
public:
    ControlloUscita(QWidget* campo, Controllo errore)
        : QObject(campo), campo_(campo), errore_(std::move(errore)) {}

    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() != QEvent::FocusOut || inRitorno)
            return QObject::eventFilter(oggetto, evento);
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        // Other windows, menus and drop-down lists taking the focus are not the user leaving.
        if (motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason || !campo_->isVisible())
            return QObject::eventFilter(oggetto, evento);
        // A drop-down opening its own list hands the focus to the list: the user is still choosing.
        if (const QWidget* nuovo = QApplication::focusWidget();
            nuovo && nuovo->window()->windowType() == Qt::Popup)
            return QObject::eventFilter(oggetto, evento);
        const QString testo = errore_();
        if (testo.isEmpty())
            return QObject::eventFilter(oggetto, evento);
        mostraMessaggio(testo, TipoMessaggio::Errore, Pulsanti::OK);
        appenaRifiutato = campo_;
        QTimer::singleShot(0, [] { appenaRifiutato = nullptr; });
        riportaFuoco(campo_);
        return QObject::eventFilter(oggetto, evento);
    }

private:
    QWidget* campo_;
    Controllo errore_;
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

void altezzeDisegnate(QWidget* forma) {
    for (QComboBox* box : forma->findChildren<QComboBox*>())
        box->setFixedHeight(twips::aPixel(315));
    for (QLineEdit* campo : forma->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(campo->parentWidget()))
            campo->setFixedHeight(twips::aPixel(285));
}

void correggiMaiuscole(QComboBox* box) {
    if (!valoreNonInLista(box))
        return;
    const QString testo = box->currentText();
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).compare(testo, Qt::CaseInsensitive) == 0) {
            box->setCurrentIndex(i);
            box->setEditText(box->itemText(i));
            return;
        }
}

void soloCifre(QLineEdit* campo, int cifre) {
    campo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(cifre)), campo));
    campo->installEventFilter(new SelezionaTutto(campo));
}

void mostraRifiuto(const Rifiuto& rifiuto) {
    if (!rifiuto)
        return;
    if (rifiuto.campo != appenaRifiutato)
        mostraMessaggio(rifiuto.messaggio, rifiuto.tipo, Pulsanti::OK);
    riportaFuoco(rifiuto.campo);
    // Ready to be typed over.
    auto* testo = qobject_cast<QLineEdit*>(rifiuto.campo);
    if (auto* box = qobject_cast<QComboBox*>(rifiuto.campo))
        testo = box->lineEdit();
    if (!testo)
        testo = qobject_cast<QLineEdit*>(rifiuto.campo->focusProxy());
    if (testo)
        testo->selectAll();
}

void ControlliCampi::aggiungi(QWidget* campo, Controllo errore) {
    campo->installEventFilter(new ControlloUscita(campo, errore));
    voci_.push_back({campo, std::move(errore), TipoMessaggio::Errore});
}

void ControlliCampi::aggiungiElenco(QComboBox* box) {
    aggiungi(box, [box] {
        correggiMaiuscole(box);
        return valoreNonInLista(box) ? limitiEsercizio::messaggioElenco() : QString();
    });
}

void ControlliCampi::aggiungiPerComandi(QWidget* campo, Controllo errore, TipoMessaggio tipo) {
    voci_.push_back({campo, std::move(errore), tipo});
}

Rifiuto ControlliCampi::controlla(const Voce& voce) const {
    if (!voce.campo->isVisibleTo(forma_))
        return {};
    QString testo = voce.errore();
    if (testo.isEmpty())
        return {};
    return {voce.campo, std::move(testo), voce.tipo};
}

Rifiuto ControlliCampi::rifiutoDi(const QWidget* fuoco) const {
    if (!fuoco)
        return {};
    for (const Voce& v : voci_)
        if (v.campo == fuoco || v.campo->isAncestorOf(fuoco))
            return controlla(v);
    return {};
}

Rifiuto ControlliCampi::primoRifiuto() const {
    for (const Voce& v : voci_)
        if (Rifiuto r = controlla(v))
            return r;
    return {};
}

} // namespace controlliEditor
