#pragma once

#include "records/EsportaCsv.h"

#include <QString>
#include <functional>

class QTreeWidget;
class QWidget;

// "Esporta...": asks where to save (proposing `nomeProposto` in the documents folder), writes the
// table that `tabella` builds and says how many rows went out. A failure is shown and leaves no
// file. True when the file was written.
bool esportaElenco(QWidget* padre, const QString& titolo, const QString& nomeProposto,
                   const std::function<TabellaCsv()>& tabella, int righe);

// The identifiers of column 0 of the list, in the order the list shows its rows.
std::vector<long> idInOrdine(const QTreeWidget* lista);
