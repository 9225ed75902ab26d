#include "data/Server.h"

#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "data/ConnessioneServer.h"

#include <QSettings>

namespace {
std::shared_ptr<ConnessioneServer>& tenuta() {
    static std::shared_ptr<ConnessioneServer> c;
    return c;
}
} // namespace

QString indirizzoServer() {
    const QString ambiente = qEnvironmentVariable("VIBRANA_SERVER").trimmed();
    if (!ambiente.isEmpty())
        return ambiente;
    // Read once: every operation asks, and the setting changes only between runs.
    static const QString impostato = [] {
        const QSettings impostazioni = impostazioniUtente();
        return impostazioni.value(QStringLiteral("Archivio/Server")).toString().trimmed();
    }();
    return impostato;
}

std::shared_ptr<ConnessioneServer> connessioneServer(const QString& indirizzo) {
    auto& c = tenuta();
    if (c && (c->indirizzo() != indirizzo || !c->attiva()))
        c.reset();
    if (!c)
        c = ConnessioneServer::apri(indirizzo);
    return c;
}

void chiudiConnessioneServer() {
    tenuta().reset();
}
