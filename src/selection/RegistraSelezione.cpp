#include "selection/RegistraSelezione.h"

#include "selection/UtentiSelezione.h"
#include "shell/Finestre.h"

#include <QApplication>

void registraFinestreSelezione() {
    finestre().UtentiSelezione = [](const QString& modo) {
        // A fresh window each time: every opening starts from its initial state and reloads the list.
        UtentiSelezione lista(QApplication::activeWindow());
        lista.Tag = modo;
        lista.exec();
    };
}
