#pragma once

#include "printing/AnteprimaFoglio.h"
#include "printing/Foglio.h"

// "Anteprima" of the usage-instructions sheet, printed in copies.
class PrinterDaNonFare : public AnteprimaFoglio {
    Q_OBJECT
public:
    explicit PrinterDaNonFare(QWidget* genitore = nullptr);

    const Foglio& superficie() const { return foglio_; }

protected:
    void Toolbar_ButtonClick(QAction* pulsante) override;
    void showEvent(QShowEvent* evento) override;

private:
    void stampaIstruzioni();

    Foglio foglio_;
    bool caricata_ = false;
};
