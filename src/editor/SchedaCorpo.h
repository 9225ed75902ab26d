#pragma once

#include "editor/ControlliEditor.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace Ui {
class SchedaCorpo;
}
class mdiScheda;
class PannelloEsercizio;
class SchedaEditabile;

// The exercises of the card or template being edited, two at a time. The panels are a view: they
// are written back into the exercises (ScriviDati) before anything changes what they show.
class SchedaCorpo : public QWidget {
    Q_OBJECT
public:
    explicit SchedaCorpo(mdiScheda& editor, QWidget* genitore = nullptr);
    ~SchedaCorpo() override;

    void ScriviDati();

    PannelloEsercizio* pannello(int k) const;
    // Position of the exercise in the first panel (from 1).
    int primoEsercizio() const { return primoEsercizio_; }

    // The checks of the panels' fields, those of the first panel first.
    const controlliEditor::ControlliCampi& controlli() const { return controlli_; }
    // The position of the first exercise on view whose duration, series or recovery box holds a
    // value its check refuses; 0 when there is none.
    long esercizioConTempiRifiutati() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void collegaPannello(int k);
    void caricaPannelli();
    void valoriPredefiniti();
    void aggiungiPagina();
    void impostaMassimo();
    void numeraPannelli();
    void VS_Change(int valore);
    void InserisciEsecizio_Click(int k);
    void EliminaEsercizio_Click(int k);
    void TipoEsercizio_Click(int k);
    void figura_Drop(int k);
    // Writes back, recounts the times and marks the card as changed.
    void riconta();
    void modificata();
    SchedaEditabile& card() const;

    std::unique_ptr<Ui::SchedaCorpo> ui;
    mdiScheda& editor_;
    controlliEditor::ControlliCampi controlli_{this};
    static constexpr int numPannelli = 2;
    int primoEsercizio_ = 1;
    bool caricamento_ = false;
};
