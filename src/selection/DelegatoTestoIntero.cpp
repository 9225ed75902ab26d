#include "selection/DelegatoTestoIntero.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

bool DelegatoTestoIntero::helpEvent(QHelpEvent* evento, QAbstractItemView* vista,
                                    const QStyleOptionViewItem& opzione, const QModelIndex& indice) {
    if (!evento || !vista || evento->type() != QEvent::ToolTip || !indice.isValid() ||
        !indice.data(Qt::ToolTipRole).isNull())
        return QStyledItemDelegate::helpEvent(evento, vista, opzione, indice);
    QStyleOptionViewItem cella = opzione;
    initStyleOption(&cella, indice);
    const QString testo = indice.data(Qt::DisplayRole).toString();
    if (testo.isEmpty() || sizeHint(cella, indice).width() <= opzione.rect.width()) {
        QToolTip::hideText();
        evento->ignore();
        return false;
    }
    QToolTip::showText(evento->globalPos(), testo, vista->viewport(), opzione.rect);
    return true;
}
