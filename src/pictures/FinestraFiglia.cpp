#include "pictures/FinestraFiglia.h"

#include "base/Messaggi.h"
#include "shell/FinestraGuida.h"

#include <QMdiSubWindow>
#include <QShortcut>
#include <QWidget>

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

void collegaGuida(QWidget* finestra) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), finestra);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(f1, &QShortcut::activated, finestra, [] { proteggi([] { apriGuida(); }); });
}

} // namespace FinestraFiglia
