#pragma once

#include "editor/ControlliEditor.h"
#include "editor/StoriaScheda.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace Ui {
class SchedaCorpo;
}
class PannelloEsercizio;
class SchedaEditabile;

// The exercises of the card or template being edited, two at a time. The panels are a view: every
// change the user makes is written back into its exercise at once (ScriviDati) and told to the
// editor's history. Paging, inserting and deleting are asked of the editor, which lets them happen
// (vaiAPagina, and the history for the other two) once every field of its windows accepts its value.
class SchedaCorpo : public QWidget {
    Q_OBJECT
public:
    explicit SchedaCorpo(SchedaEditabile& card, QWidget* genitore = nullptr);
    ~SchedaCorpo() override;

    void ScriviDati();

    // Writes the panels back and shows page `pagina` of the scroll bar.
    void vaiAPagina(int pagina);
    // Puts the scroll bar back on the page on view, after a page change was refused.
    void restaSullaPagina();
    // Shows the page of exercise `posizione` (from 1) as the card holds it now, recording nothing.
    void mostraEsercizio(long posizione);
    // Applies the kind chosen on panel k's tab (the note moves to the other kind's box), or puts the
    // tab back on the kind the exercise has when the change was refused.
    void cambiaTipo(int k);
    void annullaCambioTipo(int k);

    PannelloEsercizio* pannello(int k) const;
    // Position of the exercise in the first panel (from 1).
    int primoEsercizio() const { return primoEsercizio_; }

    // The checks of the panels' fields, those of the first panel first.
    const controlliEditor::ControlliCampi& controlli() const { return controlli_; }
    // The position of the first exercise on view whose duration, series or recovery box holds a
    // value its check refuses; 0 when there is none.
    long esercizioConTempiRifiutati() const;

signals:
    // A value the time totals count has changed.
    void tempiCambiati();
    // The user moved the scroll bar to `pagina`.
    void paginaRichiesta(int pagina);
    // The user chose the other kind on panel k's tab; nothing has changed yet but the tab.
    void tipoRichiesto(int pannello);
    // The insert or delete button of panel k was pressed.
    void inserimentoRichiesto(int pannello);
    void eliminazioneRichiesta(int pannello);
    // The user's change to the exercise at `posizione` has been written into it.
    void esercizioModificato(long posizione, const ValoriEsercizio& prima, const ValoriEsercizio& dopo);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    // Writes the panels into their exercises; `registra` tells the history of what changed.
    void scrivi(bool registra);
    // The exercises on view take the defaults their panels show: they are where a card starts
    // from, not a change of the user's.
    void sincronizza() { scrivi(false); }
    void collegaPannello(int k);
    void caricaPannelli();
    void valoriPredefiniti();
    void aggiungiPagina();
    void impostaMassimo();
    void numeraPannelli();
    void VS_Change(int valore);
    // Marks the panels whose exercise holds a value the card's rules refuse (read so from the register).
    void segnaDifetti();
    void figura_Drop(int k);
    // Writes back, recounts the times and marks the card as changed.
    void riconta();
    void modificata();
    SchedaEditabile& card() const { return card_; }

    std::unique_ptr<Ui::SchedaCorpo> ui;
    SchedaEditabile& card_;
    controlliEditor::ControlliCampi controlli_{this};
    static constexpr int numPannelli = 2;
    int primoEsercizio_ = 1;
    bool caricamento_ = false;
};
