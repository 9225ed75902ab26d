#pragma once

#include <QString>
#include <QVariant>
#include <Qt>

class ListaImmagini;
class QTreeWidget;
class QTreeWidgetItem;

// What a node of the picture and folder trees carries besides its text.
namespace NodoAlbero {
constexpr int Chiave = Qt::UserRole;       // unique in its tree
constexpr int Immagine = Qt::UserRole + 1; // key into the tree's picture list
constexpr int Tag = Qt::UserRole + 2;      // the figure identifier, on picture nodes
QString chiave(const QTreeWidgetItem* nodo);
QString immagine(const QTreeWidgetItem* nodo);
QVariant tag(const QTreeWidgetItem* nodo);
} // namespace NodoAlbero

namespace TreeViewHelper {
// True when some node of `tw`, at any depth, has exactly the key `key` (letter case counts).
bool esisteChiave(const QTreeWidget* tw, const QString& key);
} // namespace TreeViewHelper

// Fills the picture tree with the figures of a muscle group from the catalogue, using the pictures
// already decoded into the editor's figure list.
class GestoreListaIMG {
public:
    QTreeWidget* tw = nullptr;
    QString muscolo; // group code, or "*" for every figure
    QString gruppo;  // muscle name, or empty

    void init(const ListaImmagini& img);
    void aggiorna();

private:
    void aggiungiImmagine(const QString& path, float numero, long id_fig);

    const ListaImmagini* img_ = nullptr;
};

// Fills the folder tree: a root "Elenco Completo" and one folder per distinct muscle name.
class GestoreListaFolder {
public:
    QTreeWidget* tw = nullptr;

    void init(const ListaImmagini& img);
    void fillList();

private:
    QTreeWidgetItem* aggiungi(QTreeWidgetItem* genitore, const QString& chiave, const QString& testo);

    const ListaImmagini* img_ = nullptr;
};
