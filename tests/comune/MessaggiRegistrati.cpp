#include "comune/MessaggiRegistrati.h"

#include <QStringList>

Risposta MessaggiRegistrati::mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                                    const QString& titolo) {
    mostrati.push_back({testo, tipo, pulsanti, titolo});
    if (!risposte.empty()) {
        const Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
    return pulsanti == Pulsanti::SiNo || pulsanti == Pulsanti::SiNoAnnulla ? Risposta::Si : Risposta::OK;
}

QStringList MessaggiRegistrati::testi() const {
    QStringList t;
    for (const auto& m : mostrati)
        t << m.testo;
    return t;
}

RegistratoreInstallato::RegistratoreInstallato()
    : registro_(std::make_shared<MessaggiRegistrati>()), precedente_(installaServizioMessaggi(registro_)) {}

RegistratoreInstallato::~RegistratoreInstallato() {
    installaServizioMessaggi(precedente_);
}
