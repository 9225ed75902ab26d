#pragma once

#include "records/ScambioScheda.h"

#include <QString>
#include <cstdint>
#include <optional>

class BarraStrumenti;
class ListaImmagini;
class QWidget;
class SchedaEditabile;

// "Esporta…" and "Importa…" of the card list, the template list and the card editor: a card or
// template to or from a .vibrana file, through the program's file dialogs and messages.
namespace scambioElenchi {

// Adds the button "Scambio" (cmdScambio) at the end of `barra`, its picture to `immagini`, with a menu
// of the two commands (cmdEsportaScheda, cmdImportaScheda; Ctrl+E, Ctrl+I, also with the menu closed),
// which reach the list as ButtonClick of `barra` with the keys "esportaScheda" and "importaScheda".
void aggiungiPulsanti(BarraStrumenti* barra, ListaImmagini& immagini, bool modello);

// Asks where, then writes the file of `scheda` as it is (whole or not at all). True when written.
bool esporta(QWidget* padre, const SchedaEditabile& scheda);

// Asks for a file and stores its card (for athlete `idUtente`) or template as a new one; the new
// identifier, or nothing when cancelled or refused (the refusal has been shown).
std::optional<std::int32_t> importa(QWidget* padre, scambioScheda::Tipo tipo, std::int32_t idUtente);

// The file name proposed for a card or template: its athlete or description, then the category.
QString nomeProposto(const SchedaEditabile& scheda);

} // namespace scambioElenchi
