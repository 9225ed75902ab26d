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
