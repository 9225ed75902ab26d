#include "records/Scadenze.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "data/LettoriCampi.h"
#include "data/db.h"
#include "records/TestoSql.h"
#include "records/scheda.h"

#include <QSettings>
#include <algorithm>

using testoSql::letto;

namespace {

const QString chiaveGiorni = QStringLiteral("Scadenze/giorni");

QString dataLetta(const QVariant& v) {
    return DB::testoData(nzData(v));
}

QDate dataDelTesto(const QString& testo) {
    return QDate::fromString(testo, QStringLiteral("dd/MM/yyyy"));
}

// How many whole months the period spans, when it is made of whole months: it ends the day before
// its start day falls again, or on a month end when it starts on a month's first day.
int mesiInteri(const QDate& dal, const QDate& al) {
    for (int mesi = 1; mesi <= 120; ++mesi) {
        const QDate fine = dal.addMonths(mesi).addDays(-1);
        if (fine == al)
            return mesi;
        if (fine > al)
            break;
    }
    return 0;
}

} // namespace

std::vector<SchedaInScadenza> schedeInScadenza(int giorni, const QDate& giorno) {
    const int avanti = std::clamp(giorni, 0, Scadenze::giorniMassimi);
    const QString da = DB::dataPerSQL(DB::testoData(giorno.addDays(-Scadenze::giorniPassati)));
    const QString a = DB::dataPerSQL(DB::testoData(giorno.addDays(avanti)));
    // The athlete's latest card is the one no other card of theirs follows: a later end, or the same end
    // and a higher number. A card without an end never follows another.
    const QString sql =
        QStringLiteral("SELECT v.* FROM vw_schedacompleta v WHERE v.PeriodoAl >= %1 AND v.PeriodoAl <= %2 "
                       "AND NOT EXISTS (SELECT 1 FROM schede s WHERE s.id_utente = v.id_utente AND "
                       "(s.PeriodoAl > v.PeriodoAl OR (s.PeriodoAl = v.PeriodoAl AND s.id_scheda > "
                       "v.id_scheda))) ORDER BY v.PeriodoAl, v.id_scheda")
            .arg(da, a);
    RecordSet rs = db().getRs(sql);
    std::vector<SchedaInScadenza> elenco;
    elenco.reserve(static_cast<std::size_t>(std::max<long>(0, rs.RecordCount())));
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        SchedaInScadenza s;
        s.id_scheda = cLong(rs[QStringLiteral("id_scheda")]);
        s.id_utente = cLong(rs[QStringLiteral("id_utente")]);
        s.cognome = letto(cStringa(rs[QStringLiteral("cognome")]));
        s.nome = letto(cStringa(rs[QStringLiteral("utenti.nome")]));
        s.PeriodoDal = dataLetta(rs[QStringLiteral("PeriodoDal")]);
        const QDate al = nzData(rs[QStringLiteral("PeriodoAl")]);
        s.PeriodoAl = DB::testoData(al);
        s.giorniRimasti = static_cast<int>(giorno.daysTo(al));
        s.Istruttore = letto(cStringa(rs[QStringLiteral("Istruttore")]));
        s.categoria = cStringa(rs[QStringLiteral("categorie.nome")]);
        elenco.push_back(std::move(s));
    }
    return elenco;
}

int giorniScadenzaSalvati() {
    bool ok = false;
    const int n = impostazioniUtente().value(chiaveGiorni, Scadenze::giorniPredefiniti).toInt(&ok);
    // A value edited by hand outside the program falls back to the default rather than to nonsense.
    return ok && n >= 0 && n <= Scadenze::giorniMassimi ? n : Scadenze::giorniPredefiniti;
}

void salvaGiorniScadenza(int giorni) {
    QSettings impostazioni = impostazioniUtente();
    impostazioni.setValue(chiaveGiorni, std::clamp(giorni, 0, Scadenze::giorniMassimi));
}

std::optional<Periodo> periodoRinnovato(const QDate& dal, const QDate& al, const QDate& giorno) {
    if (!al.isValid())
        return std::nullopt;
    const QDate inizio = std::max(al.addDays(1), giorno);
    const bool conInizio = dal.isValid() && dal <= al;
    const int mesi = conInizio ? mesiInteri(dal, al) : 1;
    // From a month's first day this lands on a month end, whatever the months' lengths.
    if (mesi > 0)
        return Periodo{inizio, inizio.addMonths(mesi).addDays(-1)};
    return Periodo{inizio, inizio.addDays(dal.daysTo(al))};
}

std::int32_t rinnovaScheda(std::int32_t idScheda, const QDate& giorno) {
    scheda vecchia;
    if (!vecchia.carica(idScheda))
        return 0;
    const auto periodo =
        periodoRinnovato(dataDelTesto(vecchia.PeriodoDal), dataDelTesto(vecchia.PeriodoAl), giorno);
    if (!periodo)
        throw Errore(NumeriErrore::DatiNonValidi,
                     QStringLiteral("La scheda %1 non ha una data di fine periodo: non si può rinnovare.")
                         .arg(idScheda));
    vecchia.caricaEsercizi();

    scheda nuova;
    nuova.id_utente = vecchia.id_utente;
    nuova.Istruttore = vecchia.Istruttore;
    nuova.Obiettivo = vecchia.Obiettivo;
    nuova.FreqAllen = vecchia.FreqAllen;
    nuova.GGAllen = vecchia.GGAllen;
    nuova.PeriodoDal = DB::testoData(periodo->dal);
    nuova.PeriodoAl = DB::testoData(periodo->al);
    vecchia.travasaTo(nuova, false);
    // save() stores header and exercises in one transaction and gives the new number after an insert.
    return nuova.save();
}
