#include "pictures/FinestraFiglia.h"

#include "base/Messaggi.h"
#include "shell/FinestraGuida.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QShortcut>
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
    QPointer<QMdiSubWindow> cornice_;
    std::function<QSize()> dimensione_;
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
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), finestra);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(f1, &QShortcut::activated, finestra, [] { proteggi([] { apriGuida(); }); });
}

} // namespace FinestraFiglia
