#include "base/ImmaginiNonLette.h"

namespace {
QStringList& elenco() {
    static QStringList e;
    return e;
}
} // namespace

void segnalaImmagineNonLetta(const QString& percorso) {
    if (!elenco().contains(percorso))
        elenco() << percorso;
}

QStringList immaginiNonLette() {
    return elenco();
}

void azzeraImmaginiNonLette() {
    elenco().clear();
}
