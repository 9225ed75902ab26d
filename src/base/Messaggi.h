#pragma once

#include <QString>
#include <memory>
#include <optional>

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
    // `predefinita` is the button that Enter presses. A service that cannot set it shows the box
    // as the four-argument form does.
    virtual Risposta mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                            const QString& titolo, Risposta predefinita) {
        (void)predefinita;
        return mostra(testo, tipo, pulsanti, titolo);
    }
};

// The first button of a set: what Enter presses unless told otherwise.
Risposta primaRisposta(Pulsanti pulsanti);

// An empty title means the application's title. Without `predefinita` the first button is the
// default; a question that deletes something passes Risposta::No, so a hasty Enter deletes nothing.
Risposta mostraMessaggio(const QString& testo, TipoMessaggio tipo = TipoMessaggio::Errore,
                         Pulsanti pulsanti = Pulsanti::OK, const QString& titolo = {},
                         std::optional<Risposta> predefinita = std::nullopt);

// Installs the service and returns the previous one. Without one, messages go to standard
// error and the answer is the default button.
std::shared_ptr<ServizioMessaggi> installaServizioMessaggi(std::shared_ptr<ServizioMessaggi> servizio);

QString titoloApplicazione();

#include <functional>

// Runs `azione`; an Errore or std::exception it throws is shown as a message instead of ending
// the program. Returns false when it failed. Every event handler that calls into records uses it.
bool proteggi(const std::function<void()>& azione);

// The text shown for an error that reached an event handler.
QString testoErrore(const std::exception& e);
