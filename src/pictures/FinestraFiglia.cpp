#include "pictures/FinestraFiglia.h"

#include "base/Messaggi.h"
#include "shell/FinestraGuida.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace {

class GuardiaDimensione : public QObject {
public:
    GuardiaDimensione(QWidget* finestra, std::function<QSize()> dimensione)
        : QObject(finestra), finestra_(finestra), dimensione_(std::move(dimensione)) {
        finestra->installEventFilter(this);
        segui();
    }

    bool eventFilter(QObject* oggetto, QEvent* e) override {
        if (oggetto == finestra_ && e->type() == QEvent::ParentChange)
            segui();
        else if (oggetto == cornice_ && e->type() == QEvent::Show)
            applica();
        return false;
    }

private:
    void segui() {
        if (cornice_)
            cornice_->removeEventFilter(this);
        cornice_ = qobject_cast<QMdiSubWindow*>(finestra_->parentWidget());
        if (cornice_)
            cornice_->installEventFilter(this);
        applica();
    }
    void applica() { FinestraFiglia::impostaDimensioneEsterna(finestra_, dimensione_()); }

    QWidget* finestra_;
    // Held as a plain QObject: events still arrive while the frame is being destroyed, when it is no
    // longer a QMdiSubWindow and a pointer of that type would be a bad cast.
    QPointer<QObject> cornice_;
    std::function<QSize()> dimensione_;
};

// F1 as a key the window handles when no control used it, not as a shortcut: the editor around it
// may have its own F1 shortcut, and two would cancel each other out.
class GuardiaGuida : public QObject {
public:
    explicit GuardiaGuida(QWidget* finestra) : QObject(finestra) { finestra->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1)
            return false;
        proteggi([] { apriGuida(); });
        return true;
    }
};

} // namespace

namespace FinestraFiglia {

QWidget* cornice(QWidget* finestra) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(finestra->parentWidget()))
        return sub;
    return finestra;
}

void impostaDimensioneEsterna(QWidget* finestra, QSize pixel) {
    cornice(finestra)->resize(pixel);
}

QSize dimensioneEsterna(QWidget* finestra) {
    return cornice(finestra)->size();
}

void mantieniDimensione(QWidget* finestra, std::function<QSize()> dimensione) {
    new GuardiaDimensione(finestra, std::move(dimensione));
}

void collegaGuida(QWidget* finestra) {
    new GuardiaGuida(finestra);
}

} // namespace FinestraFiglia
