#pragma once

#include <QHeaderView>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTreeWidget>

// Reading and choosing the rows of a list window as the window tests do; column 0 holds the id.

// The texts of column `c`, top to bottom.
inline QStringList colonna(const QTreeWidget* lw, int c) {
    QStringList valori;
    for (int i = 0; i < lw->topLevelItemCount(); ++i)
        valori << lw->topLevelItem(i)->text(c);
    return valori;
}
// The id of the selected row; empty when none is selected.
inline QString selezionata(const QTreeWidget* lw) {
    return lw->currentItem() && lw->currentItem()->isSelected() ? lw->currentItem()->text(0) : QString();
}
// A click on the header of column `c`, as the user sorts the list; the list must be on screen.
inline void clicIntestazione(QTreeWidget* lw, int c) {
    QHeaderView* h = lw->header();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
}
inline void selezionaRiga(QTreeWidget* lw, const QString& id) {
    for (int i = 0; i < lw->topLevelItemCount(); ++i)
        if (lw->topLevelItem(i)->text(0) == id)
            lw->setCurrentItem(lw->topLevelItem(i));
}
