#include "records/scheda.h"

#include "base/Messaggi.h"
#include "data/LettoriCampi.h"
#include "records/TestoSql.h"

using testoSql::letto;
using testoSql::numero;
using testoSql::testo;

bool scheda::carica(std::int32_t ID) {
    RecordSet rs =
        db().getRs(QStringLiteral("SELECT * From vw_schedacompleta WHERE id_scheda = ") + numero(ID));
    bool trovata = false;
    if (rs.RecordCount() == 0) {
        mostraMessaggio(QStringLiteral("Archivio Vuoto o Problemi di connessione!"), TipoMessaggio::Errore,
                        Pulsanti::OK);
    } else {
        id_scheda = ID;
        leggi(rs);
        trovata = true;
    }
    isSaved = true;
    return trovata;
}

void scheda::leggi(const RecordSet& rs) {
    Istruttore = letto(cStringa(rs[QStringLiteral("Istruttore")]));
    id_utente = cLong(rs[QStringLiteral("id_utente")]);
    PeriodoDal = DB::testoData(nzData(rs[QStringLiteral("PeriodoDal")]));
    PeriodoAl = DB::testoData(nzData(rs[QStringLiteral("PeriodoAl")]));
    id_cat = cLong(rs[QStringLiteral("id_cat")]);
    categoria = cStringa(rs[QStringLiteral("categorie.nome")]);
    Obiettivo = letto(nzStringa(rs[QStringLiteral("Obiettivo")]));
    FreqAllen = cByte(rs[QStringLiteral("FreqAllen")]);
    GGAllen = letto(nzStringa(rs[QStringLiteral("GGAllen")]));
    note = letto(nzStringa(rs[QStringLiteral("schede.note")]));
    nomeUtente = letto(cStringa(rs[QStringLiteral("utenti.nome")]));
    cognomeUtente = letto(cStringa(rs[QStringLiteral("cognome")]));
}

void scheda::caricaEsercizi() {
    caricaEserciziDa(QStringLiteral("Esercizi"));
}

std::optional<std::int32_t> scheda::salvaIntestazione() {
    if (id_scheda == 0) {
        const QString sql =
            QStringLiteral("INSERT INTO schede (id_utente,istruttore,periododal,periodoal, ") +
            QStringLiteral("id_cat,freqAllen,GGAllen,obiettivo,[note]) ") + QStringLiteral("VALUES ('") +
            numero(id_utente) + QStringLiteral("','") + testo(Istruttore) + QStringLiteral("',") +
            DB::dataPerSQL(PeriodoDal) + QStringLiteral(",") + DB::dataPerSQL(PeriodoAl) +
            QStringLiteral(",") + numero(id_cat) + QStringLiteral(",") + numero(FreqAllen) +
            QStringLiteral(",'") + testo(GGAllen) + QStringLiteral("','") + testo(Obiettivo) +
            QStringLiteral("','") + testo(note) + QStringLiteral("')");
        if (!db().Execute(sql))
            return std::nullopt;
        id_scheda = cLong(db().chiaveInserita());
        return id_scheda;
    }
    const QString sql =
        QStringLiteral("UPDATE schede ") + QStringLiteral("SET id_utente= '") + numero(id_utente) +
        QStringLiteral("',istruttore = '") + testo(Istruttore) + QStringLiteral("',periododal = ") +
        DB::dataPerSQL(PeriodoDal) + QStringLiteral(",periodoal = ") + DB::dataPerSQL(PeriodoAl) +
        QStringLiteral(",id_cat=") + numero(id_cat) + QStringLiteral(" ") + QStringLiteral(",obiettivo='") +
        testo(Obiettivo) + QStringLiteral("',freqAllen=") + numero(FreqAllen) + QStringLiteral(",GGAllen='") +
        testo(GGAllen) + QStringLiteral("',[note]='") + testo(note) + QStringLiteral("' ") +
        QStringLiteral("WHERE id_scheda=") + numero(id_scheda);
    if (!db().Execute(sql))
        return std::nullopt;
    return 0;
}

bool scheda::Elimina(std::int32_t ID) {
    const std::int32_t quale = ID == 0 ? id_scheda : ID;
    return db().Execute(QStringLiteral("DELETE * FROM schede WHERE id_scheda=") + numero(quale));
}

bool raccoglitore::caricaSchede() {
    // Every header in one query: what loading each card with carica gives, without a query per card.
    RecordSet rs = db_.getRs(QStringLiteral("SELECT * From vw_schedacompleta WHERE id_utente = ") +
                             numero(id_utente) + QStringLiteral(" ORDER BY id_scheda"));
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        scheda s;
        s.id_scheda = cLong(rs[QStringLiteral("id_scheda")]);
        s.leggi(rs);
        s.isSaved = true;
        archivio.Add(std::move(s));
    }
    return true;
}

bool raccoglitore::EliminaTutto() {
    Transazione t(db_);
    if (archivio.isEmpty())
        caricaSchede();
    bool ok = true;
    const long n = archivio.Count();
    for (long i = 1; ok && i <= n; ++i)
        ok = archivio.Item(i).Elimina(0);
    return ok && t.commit();
}
