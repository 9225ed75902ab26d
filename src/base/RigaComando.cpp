#include "base/RigaComando.h"

#include "base/Errore.h"

void scriviRiga(const QString& testo, FILE* dove) {
    std::fputs(testo.toUtf8().constData(), dove);
    std::fputc('\n', dove);
}

int eseguiRigaComando(const std::function<int()>& comando) {
    try {
        return comando();
    } catch (const Errore& e) {
        scriviRiga(QStringLiteral("Errore: ") + e.descrizione(), stderr);
    } catch (const std::exception& e) {
        scriviRiga(QStringLiteral("Errore: ") + QString::fromLocal8Bit(e.what()), stderr);
    }
    return 1;
}

Risposta MessaggiRigaComando::mostra(const QString& testo, TipoMessaggio tipo, Pulsanti, const QString&) {
    if (tipo == TipoMessaggio::Errore)
        errore_ = true;
    scriviRiga(QStringLiteral("Errore: ") + testo, stderr);
    return Risposta::OK;
}
