#include "comune/MessaggiRegistrati.h"

#include <QStringList>
#include <gtest/gtest.h>

Risposta MessaggiRegistrati::mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                                    const QString& titolo) {
    return mostra(testo, tipo, pulsanti, titolo, primaRisposta(pulsanti));
}

Risposta MessaggiRegistrati::mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                                    const QString& titolo, Risposta predefinita) {
    mostrati.push_back({testo, tipo, pulsanti, titolo, predefinita});
    if (allaComparsa)
        allaComparsa(testo);
    if (!risposte.empty()) {
        const Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
    if (pulsanti != Pulsanti::OK)
        ADD_FAILURE() << "Domanda senza risposta preparata: " << testo.toStdString();
    return predefinita;
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
