#pragma once

#include "shell/ListaImmagini.h"

#include <QDialog>
#include <QString>
#include <memory>

class BarraStrumenti;
class QComboBox;
class QTreeWidget;

namespace Ui {
class SchedeMODELLOSelezione;
}

// "SCHEDA Modello": the templates of one category. With an athlete chosen (idUtenteSelezionato not 0)
// the user picks the template a new card starts from; otherwise templates are opened for editing,
// created and deleted. The choice goes back through idModelloSelezionato (-1 after "Annulla").
class SchedeMODELLOSelezione : public QDialog {
    Q_OBJECT
public:
    explicit SchedeMODELLOSelezione(QWidget* parent = nullptr);
    ~SchedeMODELLOSelezione() override;

    // Shows the list modally and, when the user asked for a new template, the new-template dialog
    // after the list has closed.
    static void apri(QWidget* genitore);

    // Refills the list for the category in the filter box.
    void fillList();

    QTreeWidget* LW() const;
    QComboBox* categoria() const;
    BarraStrumenti* Toolbar() const { return Toolbar_; }
    // Whether "Nuova" closed the list.
    bool nuovaRichiesta() const { return nuovaRichiesta_; }

    // Dispatches a toolbar key, compared in lower case.
    void Toolbar_ButtonClick(const QString& chiave);

    enum Colonna { ColId = 0, ColDescrizione = 1 };

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Form_Load();
    void LW_DblClick();
    void LW_ColumnClick(int colonna);
    // False (with the message, focus kept) when the filter holds a text that is not a category.
    bool categoria_Validate();
    void selezionaModello();
    void eliminaModello();
    // "Esporta…" of the highlighted template, or "Importa…" of a template.
    void scambiaModello(bool esporta);

    std::unique_ptr<Ui::SchedeMODELLOSelezione> ui;
    BarraStrumenti* Toolbar_;
    ListaImmagini ImageList1{QSize(16, 16)};
    QString categoriaElencata_; // the category the list shows
    bool nuovaRichiesta_ = false;
    bool inValidazione_ = false;
};
