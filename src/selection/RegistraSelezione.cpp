#include "selection/RegistraSelezione.h"

#include "base/variabiliGlobali.h"
#include "selection/SchedeInScadenza.h"
#include "selection/SchedeMODELLONuova.h"
#include "selection/SchedeMODELLOSelezione.h"
#include "selection/SchedeSelezione.h"
#include "selection/UtentiNuovo.h"
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
    finestre().SchedeInScadenza = [] {
        idSchedaSelezionata = 0;
        SchedeInScadenza lista(QApplication::activeWindow());
        lista.exec();
    };
    finestre().SchedeMODELLOSelezione = [] { SchedeMODELLOSelezione::apri(QApplication::activeWindow()); };
    finestre().SchedeMODELLONuova = [] {
        // Whatever identifier was current, after the dialog it names the new template or nothing.
        idModelloSelezionato = 0;
        SchedeMODELLONuova dialogo(QApplication::activeWindow());
        dialogo.exec();
    };

    elencaFinestra({QStringLiteral("UtentiSelezione SELEZIONA"),
                    [] { finestre().UtentiSelezione(QStringLiteral("SELEZIONA")); },
                    {}});
    elencaFinestra({QStringLiteral("UtentiSelezione MODIFICA"),
                    [] { finestre().UtentiSelezione(QStringLiteral("MODIFICA")); },
                    {}});
    // The entry form as "Nuovo" opens it, and as "Modifica" opens it on the chosen athlete.
    elencaFinestra({QStringLiteral("UtentiNuovo"),
                    [] {
                        UtentiNuovo form(QApplication::activeWindow());
                        form.Tag = QStringLiteral("0");
                        form.exec();
                    },
                    {}});
    elencaFinestra({QStringLiteral("UtentiNuovo atleta"),
                    [] {
                        UtentiNuovo form(QApplication::activeWindow());
                        form.Tag = QString::number(idUtenteSelezionato);
                        form.exec();
                    },
                    {}});
    elencaFinestra(
        {QStringLiteral("SchedeSelezione"), [] { finestre().SchedeSelezione(idUtenteSelezionato); }, {}});
    elencaFinestra({QStringLiteral("SchedeInScadenza"), [] { finestre().SchedeInScadenza(); }, {}});
    elencaFinestra(
        {QStringLiteral("SchedeMODELLOSelezione"), [] { finestre().SchedeMODELLOSelezione(); }, {}});
    elencaFinestra({QStringLiteral("SchedeMODELLONuova"), [] { finestre().SchedeMODELLONuova(); }, {}});
}
