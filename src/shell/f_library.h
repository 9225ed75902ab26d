#pragma once

#include "shell/f_library_core.h"

#include <QString>
#include <cstdint>

class QComboBox;
class QToolBar;
class QTreeWidget;

// True when the box's text is exactly (letter case included) none of its entries; always true for an
// empty list.
bool valoreNonInLista(const QComboBox* box);

// Turns `testo` to lower case (the caller keeps it so) and selects the first row one of whose columns
// 1..n begins with it, letter case ignored; column 0, the key, is not examined. Leaves the selection
// as it was when no row matches. An empty text selects the first row with a non-empty column.
void cercaInLista(QTreeWidget* lista, QString& testo, std::int16_t n);

// Numbers the buttons' pictures 1, 2, 3 ... in button order, separators skipped; on a BarraStrumenti
// the buttons then show those pictures of its image lists.
void numeraImmaginiToolbar(QToolBar* barra);
