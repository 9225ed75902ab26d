#include "records/SchedaModello.h"

#include "base/Messaggi.h"
#include "data/LettoriCampi.h"
#include "records/TestoSql.h"

using testoSql::letto;
using testoSql::numero;
using testoSql::testo;

bool SchedaModello::carica(std::int32_t ID) {
    RecordSet rs =
        db().getRs(QStringLiteral("SELECT * From vw_schedaModellocompleta WHERE id_Scheda = ") + numero(ID));
    bool trovata = false;
    if (rs.RecordCount() == 0) {
        mostraMessaggio(QStringLiteral("Archivio Vuoto o Problemi di connessione!"), TipoMessaggio::Errore,
                        Pulsanti::OK);
    } else {
        id_scheda = ID;
        id_cat = cLong(rs[QStringLiteral("id_cat")]);
        categoria = cStringa(rs[QStringLiteral("nome")]);
        descrizione = letto(nzStringa(rs[QStringLiteral("descrizione")]));
        note = letto(nzStringa(rs[QStringLiteral("note")]));
        preimpostata = cBool(rs[QStringLiteral("preimpostata")]);
        trovata = true;
    }
    isSaved = true;
    return trovata;
}

void SchedaModello::caricaEsercizi() {
    caricaEserciziDa(QStringLiteral("EserciziModello"));
}

std::optional<std::int32_t> SchedaModello::salvaIntestazione() {
    if (id_scheda == 0) {
        const QString sql =
            QStringLiteral("INSERT INTO schedeModello (id_cat,descrizione,preimpostata,[note]) ") +
            QStringLiteral("VALUES (") + numero(id_cat) + QStringLiteral(",'") + testo(descrizione) +
            QStringLiteral("',") + DB::convBooleanToDB(preimpostata) + QStringLiteral(",'") + testo(note) +
            QStringLiteral("')");
        if (!db().Execute(sql))
            return std::nullopt;
        id_scheda = cLong(db().chiaveInserita());
        return id_scheda;
    }
    const QString sql = QStringLiteral("UPDATE schedemodello ") + QStringLiteral("SET descrizione= '") +
                        testo(descrizione) + QStringLiteral("',id_cat=") + numero(id_cat) +
                        QStringLiteral(",preimpostata=") + DB::convBooleanToDB(preimpostata) +
                        QStringLiteral(",[note]='") + testo(note) + QStringLiteral("' ") +
                        QStringLiteral("WHERE id_Scheda=") + numero(id_scheda);
    if (!db().Execute(sql))
        return std::nullopt;
    return 0;
}

void SchedaModello::preparaEsercizio(Esercizio& e) const {
    e.isModello = true;
    e.id_scheda = id_scheda;
}

bool SchedaModello::Elimina(std::int32_t ID) {
    const std::int32_t quale = ID == 0 ? id_scheda : ID;
    return db().Execute(QStringLiteral("DELETE * FROM schedemodello WHERE id_Scheda=") + numero(quale));
}

bool RaccoglitoreModelli::caricaSchede() {
    RecordSet rs = db_.getRs(QStringLiteral("SELECT id_Scheda FROM schedemodello"));
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        SchedaModello m;
        m.carica(cLong(rs[QStringLiteral("id_scheda")]));
        archivio.Add(std::move(m));
    }
    return true;
}
