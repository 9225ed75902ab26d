#include "printing/RegistraStampa.h"

#include "customisation/frmPersonalizza.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterDaNonFare.h"
#include "shell/Finestre.h"

#include <QApplication>

void registraFinestreStampa() {
    // A fresh window each time: each opening reads the card or the gym afresh.
    finestre().PrinterCanvas = [] {
        PrinterCanvas anteprima(QApplication::activeWindow());
        anteprima.exec();
    };
    finestre().AnteprimaScheda = [](const scheda& card) {
        PrinterCanvas anteprima(card, QApplication::activeWindow());
        anteprima.exec();
    };
    finestre().PrinterDaNonFare = [] {
        PrinterDaNonFare istruzioni(QApplication::activeWindow());
        istruzioni.exec();
    };
    finestre().frmPersonalizza = [] {
        frmPersonalizza personalizza(QApplication::activeWindow());
        personalizza.exec();
    };
    elencaFinestra({QStringLiteral("PrinterCanvas"), [] { finestre().PrinterCanvas(); }, {}});
    elencaFinestra({QStringLiteral("PrinterDaNonFare"), [] { finestre().PrinterDaNonFare(); }, {}});
    elencaFinestra({QStringLiteral("frmPersonalizza"), [] { finestre().frmPersonalizza(); }, {}});
}
