#pragma once

#include "shell/ListaImmagini.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>

class BarraStrumenti;
class QLabel;
class QTreeWidget;

namespace Ui {
class SchedeSelezione;
}

// "Apri SCHEDA": the saved cards of one athlete. Modal; the chosen card goes back through
// idSchedaSelezionata. From here a card is also deleted or previewed for printing.
class SchedeSelezione : public QDialog {
    Q_OBJECT
public:
    explicit SchedeSelezione(QWidget* parent = nullptr);
    ~SchedeSelezione() override;

    // The athlete whose cards are listed; set by the caller before fillList.
    std::int32_t id_utente = 0;

    void fillList();

    QTreeWidget* LW() const;
    QLabel* utente() const;
    BarraStrumenti* Toolbar() const { return Toolbar_; }

    // Dispatches a toolbar key, compared in lower case.
    void Toolbar_ButtonClick(const QString& chiave);

    enum Colonna { ColId = 0, ColDal = 1, ColAl = 2, ColIstruttore = 3, ColCategoria = 4 };

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Form_Load();
    void LW_DblClick();
    void LW_ColumnClick(int colonna);
    void selezionaScheda();
    void eliminaScheda();
    void stampaScheda();
    // "Esporta…" of the highlighted card, or "Importa…" of a card for this athlete.
    void scambiaScheda(bool esporta);
    // The athlete's cards, in the list's order, to a CSV file.
    void esportaSchede();
    // The commands that act on a card ("Stampa" only with a print preview installed).
    void abilitaComandiScheda(bool abilita);
    // Widens the window, within the screen, so the columns show whole.
    void adattaColonne();

    std::unique_ptr<Ui::SchedeSelezione> ui;
    BarraStrumenti* Toolbar_;
    ListaImmagini ImageList1{QSize(16, 16)};
    int larghezzaIstruttore_ = 0;
    bool caricata_ = false;
    std::int32_t riempitaPer_ = -1; // the athlete the list was last filled for
};
