#include "pictures/AlberoImmagini.h"

#include "base/Messaggi.h"
#include "pictures/GestoriListe.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

AlberoImmagini::AlberoImmagini(QWidget* parent) : QTreeWidget(parent) {
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setAcceptDrops(false);
}

QStringList AlberoImmagini::mimeTypes() const {
    return {QStringLiteral("text/plain")};
}

QMimeData* AlberoImmagini::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.isEmpty())
        return nullptr;
    bool numero = false;
    const qlonglong id = NodoAlbero::tag(items.first()).toLongLong(&numero);
    if (!numero)
        return nullptr;
    auto* dati = new QMimeData;
    dati->setText(QString::number(id));
    return dati;
}

QTreeWidgetItem* AlberoImmagini::nodoPremuto() const {
    return nodoPremuto_.isValid() ? itemFromIndex(nodoPremuto_) : nullptr;
}

void AlberoImmagini::mousePressEvent(QMouseEvent* e) {
    nodoPremuto_ = indexAt(e->position().toPoint());
    QTreeWidget::mousePressEvent(e);
}

QDrag* AlberoImmagini::preparaTrascinamento() {
    QTreeWidgetItem* nodo = nodoPremuto();
    if (!nodo)
        return nullptr;
    QMimeData* dati = mimeData({nodo});
    if (!dati)
        return nullptr;
    auto* drag = new QDrag(this);
    drag->setMimeData(dati);
    // The picture of the selected node, which a press has just made the pressed one.
    QTreeWidgetItem* selezionato = currentItem() ? currentItem() : nodo;
    const QPixmap figura = selezionato->icon(0).pixmap(iconSize());
    if (!figura.isNull()) {
        drag->setPixmap(figura);
        drag->setHotSpot(QPoint(figura.width() / 2, figura.height() / 2));
    }
    return drag;
}

void AlberoImmagini::startDrag(Qt::DropActions) {
    QDrag* drag = nullptr;
    proteggi([&] { drag = preparaTrascinamento(); });
    if (drag)
        drag->exec(Qt::CopyAction, Qt::CopyAction);
}
