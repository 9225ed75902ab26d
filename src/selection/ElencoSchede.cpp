#include "selection/ElencoSchede.h"

#include "base/Messaggi.h"
#include "shell/FinestraGuida.h"

#include <QAction>
#include <QDate>
#include <QDialog>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <QTreeWidget>

void RigaElenco::impostaNumero(int colonna, qlonglong valore) {
    setText(colonna, QString::number(valore));
    setData(colonna, Qt::UserRole, valore);
    setTextAlignment(colonna, Qt::AlignRight | Qt::AlignVCenter);
}

void RigaElenco::impostaData(int colonna, const QString& testoData) {
    setText(colonna, testoData);
    setData(colonna, Qt::UserRole, QDate::fromString(testoData, QStringLiteral("dd/MM/yyyy")));
}

void RigaElenco::impostaTesto(int colonna, const QString& testo) {
    setText(colonna, testo);
    setData(colonna, Qt::UserRole, testo.toLower());
}

bool RigaElenco::operator<(const QTreeWidgetItem& altra) const {
    const int c = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant a = data(c, Qt::UserRole), b = altra.data(c, Qt::UserRole);
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString) {
        const int r = QString::localeAwareCompare(a.toString(), b.toString());
        if (r != 0)
            return r < 0;
    } else {
        const QPartialOrdering o = QVariant::compare(a, b);
        if (o == QPartialOrdering::Less)
            return true;
        if (o == QPartialOrdering::Greater)
            return false;
    }
    return data(0, Qt::UserRole).toLongLong() < altra.data(0, Qt::UserRole).toLongLong();
}

namespace {

// Shows the whole text of a cell that its column cuts short.
class SuggerimentoCelle : public QObject {
public:
    explicit SuggerimentoCelle(QTreeWidget* lista) : QObject(lista), lista_(lista) {}

    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() != QEvent::ToolTip || oggetto != lista_->viewport())
            return false;
        auto* aiuto = static_cast<QHelpEvent*>(evento);
        const QModelIndex indice = lista_->indexAt(aiuto->pos());
        QTreeWidgetItem* riga = lista_->itemAt(aiuto->pos());
        if (!riga || !indice.isValid()) {
            QToolTip::hideText();
            return true;
        }
        const int c = indice.column();
        const QString testo = riga->text(c);
        const QRect cella = lista_->visualRect(indice);
        const int margine =
            2 * lista_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lista_) + 2;
        if (!testo.isEmpty() && lista_->fontMetrics().horizontalAdvance(testo) + margine > cella.width())
            QToolTip::showText(aiuto->globalPos(), testo, lista_->viewport(), cella);
        else
            QToolTip::hideText();
        return true;
    }

private:
    QTreeWidget* lista_;
};

} // namespace

void preparaElenco(QTreeWidget* lista) {
    lista->setRootIsDecorated(false);
    lista->setUniformRowHeights(true);
    lista->setAlternatingRowColors(true);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->setAllColumnsShowFocus(true);
    lista->header()->setSectionsClickable(true);
    lista->header()->setSortIndicatorShown(true);
    lista->header()->setStretchLastSection(true);
    lista->viewport()->installEventFilter(new SuggerimentoCelle(lista));
}

long idRigaSelezionata(const QTreeWidget* lista) {
    const QTreeWidgetItem* riga = lista->currentItem();
    if (!riga || !riga->isSelected())
        return 0;
    return riga->text(0).toLong();
}

void selezionaDopoRicarica(QTreeWidget* lista, long id, int posizione) {
    const int n = lista->topLevelItemCount();
    if (n == 0)
        return;
    QTreeWidgetItem* scelta = nullptr;
    for (int i = 0; i < n && !scelta && id != 0; ++i)
        if (lista->topLevelItem(i)->text(0).toLong() == id)
            scelta = lista->topLevelItem(i);
    if (!scelta)
        scelta = lista->topLevelItem(qBound(0, posizione, n - 1));
    lista->setCurrentItem(scelta);
    scelta->setSelected(true);
    lista->scrollToItem(scelta);
}

void aggiungiGuida(QDialog* finestra) {
    auto* guida = new QAction(finestra);
    guida->setObjectName(QStringLiteral("guida"));
    guida->setShortcut(QKeySequence(Qt::Key_F1));
    guida->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(guida, &QAction::triggered, finestra, [] { proteggi([] { apriGuida(); }); });
    finestra->addAction(guida);
}

void mostraErroreEliminazione(const QString& descrizione) {
    mostraMessaggio(QStringLiteral("Si è verificato un errore:") + descrizione + QLatin1Char('\r') +
                        QStringLiteral("Contattare il supporto tecnico"),
                    TipoMessaggio::Errore, Pulsanti::OK);
}
