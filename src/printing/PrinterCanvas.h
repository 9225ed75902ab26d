#pragma once

#include "printing/AnteprimaFoglio.h"
#include "printing/Foglio.h"
#include "printing/pages.h"

#include <cstdint>
#include <memory>

// "Anteprima": the card idSchedaSelezionata, or a card in memory, sheet by sheet at real size, paging,
// printing a range of sheets in copies, and saving every sheet into a PDF file.
class PrinterCanvas : public AnteprimaFoglio {
    Q_OBJECT
public:
    // The card idSchedaSelezionata as stored.
    explicit PrinterCanvas(QWidget* genitore = nullptr);
    // A copy of `card` as it is now, saved or not; nothing of it is saved.
    explicit PrinterCanvas(const scheda& card, QWidget* genitore = nullptr);
    ~PrinterCanvas() override;

    // The sheets, built when the window loads.
    pages& fogli();
    const Foglio& superficie() const { return foglio_; }

protected:
    void Toolbar_ButtonClick(QAction* pulsante) override;
    void showEvent(QShowEvent* evento) override;

private:
    void Form_Load();
    void mostraPagina(int n);
    void paginaPrecedente();
    void paginaSuccessiva();
    void stampaPagine();
    void salvaPdf();
    void aggiornaComandi();

    std::unique_ptr<pages> pages_;
    std::unique_ptr<const scheda> inMemoria_;
    Foglio foglio_;
    bool caricata_ = false;
};
