#pragma once

#include "shell/ListaImmagini.h"

#include <QDialog>
#include <QList>
#include <cstdint>
#include <memory>

class BarraStrumenti;
class QLabel;
class QSpinBox;
class QTreeWidget;

namespace Ui {
class SchedeInScadenza;
}

// "Schede in scadenza": the latest card of each athlete whose period ends within the days chosen (or
// ended in the last 30). Modal; a card to open in the editor goes back through idSchedaSelezionata
// (and its athlete through idUtenteSelezionato): the one chosen, or the new card a renewal stored.
// The chosen rows are also printed in one job or saved one PDF each into a folder.
class SchedeInScadenza : public QDialog {
    Q_OBJECT
public:
    explicit SchedeInScadenza(QWidget* parent = nullptr);
    ~SchedeInScadenza() override;

    void fillList();

    QTreeWidget* LW() const;
    QSpinBox* giorni() const;
    QLabel* riepilogo() const;
    BarraStrumenti* Toolbar() const { return Toolbar_; }

    void Toolbar_ButtonClick(const QString& chiave);

    enum Colonna {
        ColAtleta = 0,
        ColId = 1,
        ColDal = 2,
        ColAl = 3,
        ColGiorni = 4,
        ColIstruttore = 5,
        ColCategoria = 6
    };

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void apriScheda();
    void rinnova();
    void stampaTutte();
    void pdfTutte();
    void aggiornaComandi();
    void adattaColonne();
    // The cards of the chosen rows, in the order the list shows them.
    QList<std::int32_t> schedeScelte() const;
    // Card and athlete of the current row; 0 when no row is chosen.
    std::int32_t schedaCorrente(std::int32_t* atleta = nullptr) const;

    std::unique_ptr<Ui::SchedeInScadenza> ui;
    BarraStrumenti* Toolbar_;
    ListaImmagini ImageList1{QSize(16, 16)};
    bool caricata_ = false;
};
