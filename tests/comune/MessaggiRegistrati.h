#pragma once

#include "base/Messaggi.h"

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Records every message shown and answers with scripted replies. A notice (OK alone) needs no
// answer; a question nobody scripted fails the test and gets its default button.
class MessaggiRegistrati : public ServizioMessaggi {
public:
    struct Messaggio {
        QString testo;
        TipoMessaggio tipo;
        Pulsanti pulsanti;
        QString titolo;
        Risposta predefinita;
    };

    Risposta mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                    const QString& titolo) override;
    Risposta mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti, const QString& titolo,
                    Risposta predefinita) override;

    void rispondi(Risposta r) { risposte.push_back(r); }
    QStringList testi() const;

    std::vector<Messaggio> mostrati;
    std::deque<Risposta> risposte;
    // Runs while a message is up, before it is answered: what happens meanwhile (a register going away).
    std::function<void(const QString& testo)> allaComparsa;
};

// Installs a recorder for the lifetime of the object and restores the previous service afterwards.
class RegistratoreInstallato {
public:
    RegistratoreInstallato();
    ~RegistratoreInstallato();
    MessaggiRegistrati& operator*() { return *registro_; }
    MessaggiRegistrati* operator->() { return registro_.get(); }

private:
    std::shared_ptr<MessaggiRegistrati> registro_;
    std::shared_ptr<ServizioMessaggi> precedente_;
};
