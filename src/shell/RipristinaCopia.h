#pragma once

#include <QDialog>
#include <QString>
#include <memory>

class QTreeWidget;
namespace Ui {
class RipristinaCopia;
}

// "Ripristina copia dell'archivio": the copies of the register file with their date, size and
// contents; the chosen one replaces the register, after a question, and the program's data start
// again on it. Modal.
class RipristinaCopia : public QDialog {
    Q_OBJECT
public:
    explicit RipristinaCopia(QWidget* parent = nullptr);
    ~RipristinaCopia() override;

    // Lists the copies of the program's register anew.
    void riempi();

    QTreeWidget* LW() const;

    enum Colonna { ColData = 0, ColTipo = 1, ColDimensione = 2, ColAtleti = 3, ColSchede = 4 };

private:
    void ripristina();
    void aggiornaComandi();

    std::unique_ptr<Ui::RipristinaCopia> ui;
};

// After the register was replaced: the selection state and whatever holds records read from the
// old register (the card editor loaded at start-up) start again on the new one.
void riavviaDatiProgramma();
