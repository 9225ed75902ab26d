#pragma once

#include <QString>
#include <QTreeWidgetItem>
#include <QVariant>

class QTreeWidget;

// A row of the card and template lists. Each column sorts by the value stored under Qt::UserRole
// (identifiers as numbers, dates as dates, texts without regard to letter case); equal values keep
// the order of the identifiers in column 0.
class RigaElenco : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    void impostaNumero(int colonna, qlonglong valore);
    void impostaData(int colonna, const QString& testoData); // dd/MM/yyyy
    void impostaTesto(int colonna, const QString& testo);

    bool operator<(const QTreeWidgetItem& altra) const override;
};

// The list behaviour both lists share: one selected row at a time, full text of a cut cell in its
// tooltip.
void preparaElenco(QTreeWidget* lista);
// The identifier in column 0 of the selected row; 0 when no row is selected.
long idRigaSelezionata(const QTreeWidget* lista);
// After a refill: selects the row with `id`, else the row at `posizione` (or the last), else nothing.
void selezionaDopoRicarica(QTreeWidget* lista, long id, int posizione);
// "Si è verificato un errore:" + description + CR + "Contattare il supporto tecnico", stop symbol.
void mostraErroreEliminazione(const QString& descrizione);
