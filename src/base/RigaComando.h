#pragma once

#include "base/Messaggi.h"

#include <QString>
#include <cstdio>
#include <functional>

// Output of the command-line tools: one line in UTF-8.
void scriviRiga(const QString& testo, FILE* dove);
// Runs a command-line command and gives its exit code; a failure is written on stderr as
// "Errore: " and its description, and gives 1.
int eseguiRigaComando(const std::function<int()>& comando);

// The message service of the command-line tools: every message goes to stderr as "Errore: " and its
// text, answered with OK. It remembers whether one was an error, so a command can fail on it.
class MessaggiRigaComando : public ServizioMessaggi {
public:
    Risposta mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                    const QString& titolo) override;
    bool erroreMostrato() const { return errore_; }

private:
    bool errore_ = false;
};
