#include "selection/RegistraSelezione.h"

#include "base/variabiliGlobali.h"
#include "selection/SchedeMODELLONuova.h"
#include "selection/SchedeMODELLOSelezione.h"
#include "selection/SchedeSelezione.h"
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
    finestre().SchedeSelezione = [](std::int32_t id_utente) {
        SchedeSelezione lista(QApplication::activeWindow());
        lista.id_utente = id_utente;
        lista.fillList();
        lista.exec();
    };
    finestre().SchedeMODELLOSelezione = [] { SchedeMODELLOSelezione::apri(QApplication::activeWindow()); };
    finestre().SchedeMODELLONuova = [] {
        // Whatever identifier was current, after the dialog it names the new template or nothing.
        idModelloSelezionato = 0;
        SchedeMODELLONuova dialogo(QApplication::activeWindow());
        dialogo.exec();
    };
}
