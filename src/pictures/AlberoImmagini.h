#pragma once

#include <QPersistentModelIndex>
#include <QTreeWidget>

class QDrag;

// The picture tree you drag figures from. A drag carries the pressed node's figure identifier as
// plain text, offers only the copy effect and shows the node's picture under the pointer.
class AlberoImmagini : public QTreeWidget {
    Q_OBJECT
public:
    explicit AlberoImmagini(QWidget* parent = nullptr);

    // The node under the pointer when a button last went down (nullptr on empty space).
    QTreeWidgetItem* nodoPremuto() const;

    // The drag for the pressed node, ready to run; nullptr when the press was on empty space or the
    // node carries no identifier, so such a drag does nothing.
    QDrag* preparaTrascinamento();

    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    QStringList mimeTypes() const override;

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void mousePressEvent(QMouseEvent* e) override;
    void startDrag(Qt::DropActions azioni) override;

private:
    // Kept as a model index, so a refill that removes the node leaves nothing dangling.
    QPersistentModelIndex nodoPremuto_;
};
