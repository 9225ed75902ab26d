#pragma once

#include <QStyledItemDelegate>

// Draws cells as usual; a cell too narrow for its text shows the whole text in a tooltip.
// A cell with a tooltip of its own keeps it.
class DelegatoTestoIntero : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* evento, QAbstractItemView* vista, const QStyleOptionViewItem& opzione,
                   const QModelIndex& indice) override;
};
