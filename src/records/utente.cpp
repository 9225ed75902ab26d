#include "records/utente.h"

#include "base/Messaggi.h"
#include "data/LettoriCampi.h"
#include "records/TestoSql.h"

using testoSql::letto;
using testoSql::testo;

void utente::leggi(const RecordSet& rs) {
    cognome = letto(cStringa(rs[QStringLiteral("cognome")]));
    nome = letto(cStringa(rs[QStringLiteral("nome")]));
    dataNascita = nzData(rs[QStringLiteral("dataNascita")]);
    // The older program stored its empty date, day 0 of its calendar, for a birth date never typed.
    if (dataNascita == QDate(1899, 12, 30))
        dataNascita = QDate();
    sesso = letto(nzStringa(rs[QStringLiteral("sesso")]));
    note = letto(nzStringa(rs[QStringLiteral("note")]));
    raccoglitore.id_utente = id_utente;
}

bool utente::carica(std::int32_t ID) {
    RecordSet rs =
        db().getRs(QStringLiteral("SELECT * From UTENTI WHERE id_utente = ") + QString::number(ID));
    if (rs.RecordCount() == 0) {
        mostraMessaggio(QStringLiteral("ERR:Problemi di connessione"), TipoMessaggio::Errore, Pulsanti::OK);
        return false;
    }
    // Read into a copy first, so a failed read leaves the record as it was.
    utente letto = *this;
    letto.id_utente = ID;
    letto.leggi(rs);
    *this = std::move(letto);
    return true;
}

std::vector<utente> utente::caricaTutti() {
    RecordSet rs = db().getRs(QStringLiteral("SELECT * From UTENTI ORDER BY id_utente"));
    std::vector<utente> tutti;
    tutti.reserve(static_cast<std::size_t>(rs.RecordCount()));
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        utente u;
        u.id_utente = cLong(rs[QStringLiteral("id_utente")]);
        u.leggi(rs);
        tutti.push_back(std::move(u));
    }
    return tutti;
}

QString utente::sqlAggiorna(std::int32_t id) const {
    return QStringLiteral("UPDATE utenti ") + QStringLiteral("SET nome= '") + testo(nome) +
           QStringLiteral("',cognome = '") + testo(cognome) + QStringLiteral("',sesso= '") + testo(sesso) +
           QStringLiteral("',dataNascita = ") + DB::dataPerSQL(DB::testoData(dataNascita)) +
           QStringLiteral(",[Note]='") + testo(note) + QStringLiteral("' ") +
           QStringLiteral("WHERE id_utente=") + QString::number(id);
}

std::int32_t utente::save() {
    raccoglitore.id_utente = id_utente;
    if (id_utente == 0) {
        salvato_ = false;
        if (sospeso_) {
            const Esito esito = esitoSalvataggio(sospeso_->first);
            if (esito == Esito::Sconosciuto) {
                mostraMessaggio(testoEsitoIgnoto(), TipoMessaggio::Errore, Pulsanti::OK);
                return 0;
            }
            const std::int32_t registrato = sospeso_->second;
            sospeso_.reset();
            // The earlier insert was stored: this save brings that row up to date.
            if (esito == Esito::Salvato) {
                salvato_ = db().Execute(sqlAggiorna(registrato));
                return salvato_ ? registrato : 0;
            }
        }
        const QString sql = QStringLiteral("INSERT INTO utenti (nome,cognome,dataNascita,sesso,[Note]) ") +
                            QStringLiteral("VALUES ('") + testo(nome) + QStringLiteral("','") +
                            testo(cognome) + QStringLiteral("',") +
                            DB::dataPerSQL(DB::testoData(dataNascita)) + QStringLiteral(",'") + testo(sesso) +
                            QStringLiteral("','") + testo(note) + QStringLiteral("')");
        // The insert and the read-back of its key form one group, so the key read is this row's.
        Transazione t(db());
        if (!db().Execute(sql))
            return 0;
        const std::int32_t nuovo = cLong(db().chiaveInserita());
        salvato_ = t.commit();
        if (t.sospeso())
            sospeso_.emplace(*t.sospeso(), nuovo);
        return salvato_ ? nuovo : 0;
    }
    salvato_ = db().Execute(sqlAggiorna(id_utente));
    return 0;
}

bool utente::Elimina(std::int32_t ID) {
    Transazione t(db());
    const bool eliminato =
        db().Execute(QStringLiteral("DELETE * FROM utenti WHERE id_utente=") + QString::number(ID));
    bool ok = eliminato;
    if (ok) {
        // A list loaded earlier may hold another athlete's cards: read this athlete's afresh.
        raccoglitore.archivio.Clear();
        raccoglitore.id_utente = ID;
        ok = raccoglitore.EliminaTutto();
    }
    return ok && t.commit();
}

QString datiEssenzialiMancanti(const QString& cognome, const QString& nome, const QString& dataNascita) {
    if (cognome.isEmpty() || nome.isEmpty() || dataNascita.trimmed().isEmpty())
        return QStringLiteral("Mancano alcuni dati essenziali!");
    return {};
}
