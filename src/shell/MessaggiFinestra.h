#pragma once

#include "base/Messaggi.h"

#include <QApplication>

// Message boxes on screen.
class MessaggiFinestra : public ServizioMessaggi {
public:
    Risposta mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                    const QString& titolo) override;
    Risposta mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti, const QString& titolo,
                    Risposta predefinita) override;
};

// The application object: an exception that reaches the event loop is shown and the program goes on.
class Applicazione : public QApplication {
public:
    Applicazione(int& argc, char** argv);
    bool notify(QObject* destinatario, QEvent* evento) override;
};
