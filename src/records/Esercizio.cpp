#include "records/Esercizio.h"

#include "base/Messaggi.h"
#include "data/LettoriCampi.h"
#include "records/TestoSql.h"

using testoSql::letto;
using testoSql::numero;
using testoSql::testo;

QString Esercizio::tabella() const {
    return isModello ? QStringLiteral("EserciziModello") : QStringLiteral("Esercizi");
}

bool Esercizio::carica(std::int32_t id) {
    RecordSet rs =
        db_.getRs(QStringLiteral("SELECT * From ") + tabella() + QStringLiteral(" WHERE ct = ") + numero(id));
    if (rs.RecordCount() == 0) {
        mostraMessaggio(QStringLiteral("ERR:Problemi di connessione"), TipoMessaggio::Errore, Pulsanti::OK);
        return false;
    }
    leggi(rs);
    return true;
}

void Esercizio::leggi(const RecordSet& rs) {
    ct = cLong(rs[QStringLiteral("ct")]);
    nprog = cLong(rs[QStringLiteral("nprog")]);
    id_fig = cLong(rs[QStringLiteral("id_fig")]);
    durata = letto(cStringa(rs[QStringLiteral("durata")]));
    frequenza = letto(cStringa(rs[QStringLiteral("frequenza")]));
    ampiezza = letto(cStringa(rs[QStringLiteral("ampiezza")]));
    recuperoMin = nzByte(rs[QStringLiteral("recuperoMin")]);
    recuperoSec = nzByte(rs[QStringLiteral("recuperoSec")]);
    serie = nzByte(rs[QStringLiteral("serie")]);
    modalita = letto(nzStringa(rs[QStringLiteral("modalita")]));
    peso = letto(nzStringa(rs[QStringLiteral("peso")]));
    note = letto(nzStringa(rs[QStringLiteral("note")]));
    isLibero = cBool(rs[QStringLiteral("isLibero")]);
    if (const int i = rs.indiceCampo(QStringLiteral("foto")); i >= 0 && id_fig != 0) {
        fotoDi_ = id_fig;
        foto_ = nzStringa(rs.campo(i));
    }
}

std::int32_t Esercizio::save() {
    return salva().value_or(0);
}

std::optional<std::int32_t> Esercizio::salva() {
    if (ct == 0) {
        const QString sql =
            QStringLiteral("INSERT INTO ") + tabella() + QStringLiteral("  (NProg, ID_Scheda, ID_Fig, ") +
            QStringLiteral("Durata, Frequenza, Ampiezza, RecuperoMin,RecuperoSec,") +
            QStringLiteral("Serie, Modalita, Peso, isLibero, [Note])  ") + QStringLiteral("VALUES (") +
            numero(nprog) + QStringLiteral(",") + numero(id_scheda) + QStringLiteral(",") + numero(id_fig) +
            QStringLiteral(",'") + testo(durata) + QStringLiteral("','") + testo(frequenza) +
            QStringLiteral("','") + testo(ampiezza) + QStringLiteral("',") + numero(recuperoMin) +
            QStringLiteral(",") + numero(recuperoSec) + QStringLiteral(",'") + numero(serie) +
            QStringLiteral("','") + testo(modalita) + QStringLiteral("','") + testo(peso) +
            QStringLiteral("',") + DB::convBooleanToDB(isLibero) + QStringLiteral(",'") + testo(note) +
            QStringLiteral("')");
        // The insert and the read-back of its key form one group, so the key read is this row's.
        Transazione t(db());
        if (!db().Execute(sql))
            return std::nullopt;
        const std::int32_t nuovo = cLong(db().chiaveInserita());
        if (!t.commit())
            return std::nullopt;
        ct = nuovo;
        return ct;
    }
    const QString sql =
        QStringLiteral("UPDATE ") + tabella() + QStringLiteral(" SET NProg = ") + numero(nprog) +
        QStringLiteral(",ID_Scheda = ") + numero(id_scheda) + QStringLiteral(",ID_Fig = ") + numero(id_fig) +
        QStringLiteral(",Durata = '") + testo(durata) + QStringLiteral("',Frequenza = '") + testo(frequenza) +
        QStringLiteral("',Ampiezza = '") + testo(ampiezza) + QStringLiteral("',RecuperoMin = ") +
        numero(recuperoMin) + QStringLiteral(",RecuperoSec = ") + numero(recuperoSec) +
        QStringLiteral(",Serie = ") + numero(serie) + QStringLiteral(",Modalita = '") + testo(modalita) +
        QStringLiteral("',peso = '") + testo(peso) + QStringLiteral("',isLibero = ") +
        DB::convBooleanToDB(isLibero) + QStringLiteral(",[Note]='") + testo(note) + QStringLiteral("' ") +
        QStringLiteral("WHERE ct=") + numero(ct);
    if (!db().Execute(sql))
        return std::nullopt;
    return 0;
}

bool Esercizio::Elimina(std::int32_t id) {
    const std::int32_t quale = id == 0 ? ct : id;
    return db_.Execute(QStringLiteral("DELETE * FROM ") + tabella() + QStringLiteral(" WHERE ct=") +
                       numero(quale));
}

void Esercizio::nuovoDaEsercizio(const Esercizio& es) {
    ct = es.ct;
    nprog = es.nprog;
    id_fig = es.id_fig;
    durata = es.durata;
    frequenza = es.frequenza;
    ampiezza = es.ampiezza;
    recuperoMin = es.recuperoMin;
    recuperoSec = es.recuperoSec;
    serie = es.serie;
    modalita = es.modalita;
    peso = es.peso;
    note = es.note;
    isLibero = es.isLibero;
}

QString Esercizio::getFoto() const {
    if (fotoDi_ != 0 && fotoDi_ == id_fig)
        return foto_;
    return db_
        .Dlookup(QStringLiteral("figura"), QStringLiteral("figure"),
                 QStringLiteral("id_fig=") + numero(id_fig))
        .toString();
}
