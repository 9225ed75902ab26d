#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QStyleOptionFrame>
#include <QWidget>

// What keeps a window from being seen whole, one line per fault: a layout that needs more room than
// the window has, a visible control reaching outside it (by more than the pixel a design in twips may
// hide a border with), a label, button or read-only field whose text does not fit. Controls that
// scroll inside a list or text area are not looked at. Empty when whole.
inline QStringList partiTagliate(QWidget* finestra) {
    QStringList difetti;
    const auto nome = [](const QWidget* w) {
        return QStringLiteral("%1 \"%2\"")
            .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
    };
    if (finestra->layout()) {
        const QSize minimo = finestra->minimumSizeHint();
        if (minimo.width() > finestra->width() || minimo.height() > finestra->height())
            difetti << QStringLiteral("%1 chiede %2x%3, ha %4x%5")
                           .arg(nome(finestra))
                           .arg(minimo.width())
                           .arg(minimo.height())
                           .arg(finestra->width())
                           .arg(finestra->height());
    }
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(finestra))
            continue;
        bool scorre = false;
        for (QWidget* p = w->parentWidget(); p && p != finestra; p = p->parentWidget())
            if (auto* area = qobject_cast<QAbstractScrollArea*>(p->parentWidget());
                area && area->viewport() == p)
                scorre = true;
        if (scorre)
            continue;
        const QRect r(w->mapTo(finestra, QPoint(0, 0)), w->size());
        if (!finestra->rect().adjusted(-1, -1, 1, 1).contains(r))
            difetti << QStringLiteral("%1 esce dalla finestra (%2,%3 %4x%5)")
                           .arg(nome(w))
                           .arg(r.x())
                           .arg(r.y())
                           .arg(r.width())
                           .arg(r.height());
        int serve = 0, ha = 0;
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            if (l->wordWrap()) {
                serve = l->heightForWidth(l->width());
                ha = l->height();
            } else {
                serve = l->sizeHint().width();
                ha = l->width();
            }
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            serve = b->sizeHint().width();
            ha = b->width();
        } else if (auto* e = qobject_cast<QLineEdit*>(w); e && (!e->isEnabled() || e->isReadOnly())) {
            QStyleOptionFrame opzione;
            opzione.initFrom(e);
            opzione.lineWidth =
                e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzione, e) : 0;
            const QRect testo = e->style()
                                    ->subElementRect(QStyle::SE_LineEditContents, &opzione, e)
                                    .marginsRemoved(e->textMargins());
            // The line edit keeps two pixels each side of its text.
            serve = e->fontMetrics().horizontalAdvance(e->text()) + 4;
            ha = testo.width();
        }
        if (serve > ha)
            difetti
                << QStringLiteral("%1 taglia il suo testo (serve %2, ha %3)").arg(nome(w)).arg(serve).arg(ha);
    }
    return difetti;
}
