#include "data/RecordSet.h"

#include "base/Errore.h"

int RecordSet::indiceCampo(const QString& nome) const {
    for (int i = 0; i < nomi_.size(); ++i)
        if (nomi_[i].compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RecordSet::campo(int indice) const {
    if (eof())
        throw Errore(NumeriErrore::NessunRecordCorrente, QStringLiteral("Nessun record corrente."),
                     QStringLiteral("RecordSet"));
    if (indice < 0 || indice >= contaCampi())
        throw Errore(NumeriErrore::ElementoNonTrovato,
                     QStringLiteral("Elemento non trovato nell'insieme corrispondente al nome o al numero "
                                    "richiesto (%1).")
                         .arg(indice),
                     QStringLiteral("RecordSet"));
    return righe_[static_cast<size_t>(corrente_)][static_cast<size_t>(indice)];
}

QVariant RecordSet::campo(const QString& nome) const {
    const int i = indiceCampo(nome);
    if (i < 0)
        throw Errore(NumeriErrore::ElementoNonTrovato,
                     QStringLiteral("Elemento non trovato nell'insieme corrispondente al nome o al numero "
                                    "richiesto (%1).")
                         .arg(nome),
                     QStringLiteral("RecordSet"));
    return campo(i);
}
