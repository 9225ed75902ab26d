#pragma once

#include <QString>
#include <memory>

// Every message box of the program goes through here, so tests can read the exact text and
// script the answer.
enum class TipoMessaggio { Informazione, Avviso, Errore, Domanda };
enum class Pulsanti { OK, SiNo, SiNoAnnulla, OKAnnulla };
enum class Risposta { OK, Si, No, Annulla };

class ServizioMessaggi {
public:
    virtual ~ServizioMessaggi() = default;
    virtual Risposta mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                            const QString& titolo) = 0;
};

// An empty title means the application's title.
Risposta mostraMessaggio(const QString& testo, TipoMessaggio tipo = TipoMessaggio::Errore,
                         Pulsanti pulsanti = Pulsanti::OK, const QString& titolo = {});

// Installs the service and returns the previous one. Without one, messages go to standard
// error and the answer is the first button.
std::shared_ptr<ServizioMessaggi> installaServizioMessaggi(std::shared_ptr<ServizioMessaggi> servizio);

QString titoloApplicazione();

#include <functional>

// Runs `azione`; an Errore or std::exception it throws is shown as a message instead of ending
// the program. Returns false when it failed. Every event handler that calls into records uses it.
bool proteggi(const std::function<void()>& azione);

// The text shown for an error that reached an event handler.
QString testoErrore(const std::exception& e);
