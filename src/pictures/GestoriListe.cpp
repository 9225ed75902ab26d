#include "pictures/GestoriListe.h"

#include "base/Messaggi.h"
#include "records/Figure.h"
#include "shell/ListaImmagini.h"
#include "shell/Tool_BarProg.h"

#include <QIconEngine>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

namespace {

const QString chiaveCartella = QStringLiteral("Cartella");

// Pictures with text, no lines or expand signs, a single-line border, no label editing.
void impostaStile(QTreeWidget* tw, QSize lato, int rientro) {
    tw->setHeaderHidden(true);
    tw->setColumnCount(1);
    tw->setRootIsDecorated(false);
    tw->setItemsExpandable(false);
    tw->setIndentation(rientro);
    tw->setIconSize(lato);
    tw->setFrameShape(QFrame::Box);
    tw->setFrameShadow(QFrame::Plain);
    tw->setLineWidth(1);
    tw->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tw->setSelectionMode(QAbstractItemView::SingleSelection);
}

// The figure's number under its picture, centred: beside a 150-pixel picture the list's width, less
// its scroll bar, leaves too little room for a number such as "[12.5]".
class DelegatoFigura : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const override {
        QStyledItemDelegate::initStyleOption(opzione, indice);
        opzione->decorationPosition = QStyleOptionViewItem::Top;
        opzione->decorationAlignment = Qt::AlignCenter;
        opzione->displayAlignment = Qt::AlignCenter;
    }
};

// A node's picture, taken from the list only when the node is drawn or its picture asked for: filling
// the tree with the whole catalogue decodes none, scrolling decodes those that come into view. Until
// then its size is the list's, which is all the tree's layout asks.
class IconaDallaLista : public QIconEngine {
public:
    IconaDallaLista(const ListaImmagini* lista, QString chiave) : lista_(lista), chiave_(std::move(chiave)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode modo, QIcon::State stato) override {
        vera().paint(p, r, Qt::AlignCenter, modo, stato);
    }
    QPixmap pixmap(const QSize& lato, QIcon::Mode modo, QIcon::State stato) override {
        return vera().pixmap(lato, 1.0, modo, stato);
    }
    QSize actualSize(const QSize& lato, QIcon::Mode, QIcon::State) override {
        const QSize propria = lista_->dimensione();
        return propria.width() <= lato.width() && propria.height() <= lato.height()
                   ? propria
                   : propria.scaled(lato, Qt::KeepAspectRatio);
    }
    QIconEngine* clone() const override { return new IconaDallaLista(*this); }

private:
    const QIcon& vera() {
        if (vera_.isNull())
            vera_ = QIcon(lista_->immagine(chiave_));
        return vera_;
    }

    const ListaImmagini* lista_;
    QString chiave_;
    QIcon vera_;
};

// A figure number as the user knows it: 12 is "12", 12.5 is "12.5".
QString testoNumero(float numero) {
    return QString::number(static_cast<double>(numero), 'g', 7);
}

} // namespace

namespace NodoAlbero {
QString chiave(const QTreeWidgetItem* nodo) {
    return nodo ? nodo->data(0, Chiave).toString() : QString();
}
QString immagine(const QTreeWidgetItem* nodo) {
    return nodo ? nodo->data(0, Immagine).toString() : QString();
}
QVariant tag(const QTreeWidgetItem* nodo) {
    return nodo ? nodo->data(0, Tag) : QVariant();
}
} // namespace NodoAlbero

bool TreeViewHelper::esisteChiave(const QTreeWidget* tw, const QString& key) {
    bool trovata = false;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tw)); *it; ++it)
        if (NodoAlbero::chiave(*it) == key)
            trovata = true;
    return trovata;
}

void GestoreListaIMG::init(const ListaImmagini& img) {
    img_ = &img;
    impostaStile(tw, img.dimensione(), 0);
    if (!dynamic_cast<DelegatoFigura*>(tw->itemDelegate()))
        tw->setItemDelegate(new DelegatoFigura(tw));
}

void GestoreListaIMG::aggiorna() {
    if (muscolo.isEmpty() && gruppo.isEmpty()) {
        mostraMessaggio(QStringLiteral("Selezionare un gruppo muscolare!"), TipoMessaggio::Errore,
                        Pulsanti::OK);
    } else {
        const bool all = muscolo == QLatin1String("*");
        Figure catalogo;
        catalogo.init(all);
        const int n = catalogo.figureVibrana.Count();
        std::unique_ptr<Tool_BarProg> avanzamento;
        if (n > 10) {
            avanzamento = std::make_unique<Tool_BarProg>(tw->window());
            // Over the window whose list it fills, not in a corner of the screen.
            const QWidget* finestra = tw->window();
            avanzamento->move(finestra->mapToGlobal(finestra->rect().center()) -
                              avanzamento->rect().center());
            avanzamento->show();
            avanzamento->setTitolo(QStringLiteral("Caricamento immagini in corso"));
            avanzamento->Totale = static_cast<float>(n);
        }
        tw->clear();
        for (const figura& f : catalogo.figureVibrana) {
            if (f.nomeMuscolo == gruppo || f.id_muscolo == muscolo || all)
                aggiungiImmagine(f.Figura(), f.numero, f.id_fig);
            if (avanzamento)
                avanzamento->update(0.0f);
        }
        if (avanzamento)
            avanzamento->Chiudi();
    }
    if (tw->topLevelItemCount() > 0) {
        tw->setCurrentItem(tw->topLevelItem(0));
        tw->scrollToItem(tw->topLevelItem(0));
    }
}

// Scrolling to each new node would lay the hidden tree out once per node; the refill ends on the
// first node instead, which is where the user looks.
void GestoreListaIMG::aggiungiImmagine(const QString& path, float numero, long id_fig) {
    if (TreeViewHelper::esisteChiave(tw, path))
        return;
    auto* nodo = new QTreeWidgetItem(tw);
    nodo->setText(0, QLatin1Char('[') + testoNumero(numero) + QLatin1Char(']'));
    nodo->setData(0, NodoAlbero::Chiave, path);
    nodo->setData(0, NodoAlbero::Immagine, path);
    nodo->setData(0, NodoAlbero::Tag, QVariant::fromValue<qlonglong>(id_fig));
    if (img_ && img_->contiene(path))
        nodo->setIcon(0, QIcon(new IconaDallaLista(img_, path)));
    nodo->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
}

void GestoreListaFolder::init(const ListaImmagini& img) {
    img_ = &img;
    tw->clear();
    // The folders sit a step to the right of the root, as in a file manager.
    impostaStile(tw, img.dimensione(), img.dimensione().width());
}

void GestoreListaFolder::fillList() {
    Figure catalogo;
    catalogo.init(false);
    QTreeWidgetItem* radice = aggiungi(nullptr, QStringLiteral("root"), QStringLiteral("Elenco Completo"));
    tw->scrollToItem(radice);
    tw->setCurrentItem(radice);
    QString precedente;
    for (const muscolo& m : catalogo.muscoli) {
        if (m.nome != precedente)
            tw->scrollToItem(aggiungi(radice, m.id_muscolo, m.nome));
        precedente = m.nome;
    }
    radice->setExpanded(true);
}

QTreeWidgetItem* GestoreListaFolder::aggiungi(QTreeWidgetItem* genitore, const QString& chiave,
                                              const QString& testo) {
    auto* nodo = genitore ? new QTreeWidgetItem(genitore) : new QTreeWidgetItem(tw);
    nodo->setText(0, testo);
    nodo->setData(0, NodoAlbero::Chiave, chiave);
    nodo->setData(0, NodoAlbero::Immagine, chiaveCartella);
    if (img_)
        nodo->setIcon(0, QIcon(img_->immagine(chiaveCartella)));
    nodo->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return nodo;
}
