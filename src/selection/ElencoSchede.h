#pragma once

#include "shell/CursoreAttesa.h"

#include <QString>
#include <QTreeWidgetItem>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <span>

class BarraStrumenti;
class QBoxLayout;
class ListaImmagini;
class QDialog;
class QEvent;
class QObject;
class QTreeWidget;
class QWidget;

// A row of the athlete, card and template lists. Each column sorts by the value stored under Qt::UserRole
// (identifiers as numbers, dates as dates, texts without regard to letter case); equal values keep
// the order of the identifiers in column 0.
class RigaElenco : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    void impostaNumero(int colonna, qlonglong valore);
    void impostaData(int colonna, const QString& testoData); // dd/MM/yyyy; empty sorts before any date
    void impostaTesto(int colonna, const QString& testo);

    bool operator<(const QTreeWidgetItem& altra) const override;
};

// While a list is refilled: the wait pointer, the list disabled, not repainted and not sorted row by
// row. Pointer, list and sorting come back however the refill ends, a failed load included.
class RiempimentoElenco {
public:
    explicit RiempimentoElenco(QTreeWidget* lista);
    ~RiempimentoElenco();
    RiempimentoElenco(const RiempimentoElenco&) = delete;
    RiempimentoElenco& operator=(const RiempimentoElenco&) = delete;

private:
    CursoreAttesa attesa_;
    QTreeWidget* lista_;
    bool ordinata_;
};

// The list behaviour the lists share: one selected row at a time, full text of a cut cell in its
// tooltip.
void preparaElenco(QTreeWidget* lista);
// The same for a list of a selection window that sorts by a click on a header: sorted ascending by
// `colonna` to start with, its keys (Enter, Del) seen by `finestra`'s event filter.
void preparaElencoOrdinato(QTreeWidget* lista, int colonna, QObject* finestra);
// The identifier in column 0 of the selected row; 0 when no row is selected.
long idRigaSelezionata(const QTreeWidget* lista);
// After a refill: selects the row with `id`, else the row at `posizione` (or the last), else nothing.
void selezionaDopoRicarica(QTreeWidget* lista, long id, int posizione);
// "Si è verificato un errore:" + description + CR + "Contattare il supporto tecnico", stop symbol.
void mostraErroreEliminazione(const QString& descrizione);

// A toolbar button of a list window; a null caption stands for a separator named `chiave`.
struct PulsanteElenco {
    const char* didascalia;
    const char* chiave;
    const char* suggerimento;
    const char* icona;
};
// Adds the buttons in order, their icons to `immagini`, each shortcut working in the whole window.
void aggiungiPulsanti(BarraStrumenti* barra, ListaImmagini& immagini,
                      std::span<const PulsanteElenco> pulsanti);
// Puts the toolbar of a list window in `posto`: its commands join the window's, so their shortcuts
// work anywhere in it, and a click runs `comando` with the button's key.
void collocaBarra(QWidget* finestra, BarraStrumenti* barra, QBoxLayout* posto,
                  const std::function<void(const QString&)>& comando);
// The keys of the list: Enter chooses (`scegli`), Del deletes (`elimina`); true when the key was used.
bool tastoElenco(QEvent* evento, const std::function<void()>& scegli, const std::function<void()>& elimina);
// The identifier of the selected row goes to `scelta` and `finestra` closes accepted; nothing
// happens when no row is selected.
void scegliRigaSelezionata(QDialog* finestra, const QTreeWidget* lista, std::int32_t& scelta);
// Sorts ascending by the clicked column and keeps the current row in view.
void ordinaPerColonna(QTreeWidget* lista, int colonna);
// Asks `domanda` with Sì and No and the stop symbol, No by default; true when the user answers Sì.
bool confermaEliminazione(const QString& domanda = QStringLiteral("Confermi?"));
// `annuncio` with the information symbol, after a deletion that took place.
void annunciaEliminazione(const QString& annuncio = QStringLiteral("Scheda eliminata"));
// Runs a deletion; a failure is reported with mostraErroreEliminazione.
void eliminaSegnalandoErrori(const std::function<void()>& eliminazione);
