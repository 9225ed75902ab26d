#include "base/Messaggi.h"

#include <cstdio>

namespace {
std::shared_ptr<ServizioMessaggi>& servizioCorrente() {
    static std::shared_ptr<ServizioMessaggi> s;
    return s;
}
} // namespace

Risposta primaRisposta(Pulsanti pulsanti) {
    switch (pulsanti) {
    case Pulsanti::SiNo:
    case Pulsanti::SiNoAnnulla:
        return Risposta::Si;
    default:
        return Risposta::OK;
    }
}

QString titoloApplicazione() {
    return QStringLiteral("Vibrana");
}

Risposta mostraMessaggio(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti, const QString& titolo,
                         std::optional<Risposta> predefinita) {
    const QString t = titolo.isEmpty() ? titoloApplicazione() : titolo;
    const Risposta invio = predefinita.value_or(primaRisposta(pulsanti));
    if (auto& s = servizioCorrente())
        return s->mostra(testo, tipo, pulsanti, t, invio);
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(t), qUtf8Printable(testo));
    return invio;
}

std::shared_ptr<ServizioMessaggi> installaServizioMessaggi(std::shared_ptr<ServizioMessaggi> servizio) {
    auto precedente = servizioCorrente();
    servizioCorrente() = std::move(servizio);
    return precedente;
}

#include "base/Errore.h"

QString testoErrore(const std::exception& e) {
    if (auto* err = dynamic_cast<const Errore*>(&e))
        return QStringLiteral("Errore %1: %2").arg(err->numero()).arg(err->descrizione());
    return QStringLiteral("Errore: %1").arg(QString::fromLocal8Bit(e.what()));
}

bool proteggi(const std::function<void()>& azione) {
    try {
        azione();
        return true;
    } catch (const std::exception& e) {
        mostraMessaggio(testoErrore(e), TipoMessaggio::Errore, Pulsanti::OK);
    } catch (...) {
        mostraMessaggio(QStringLiteral("Errore imprevisto."), TipoMessaggio::Errore, Pulsanti::OK);
    }
    return false;
}
