#include "records/Esercizio.h"

#include "base/Messaggi.h"
#include "data/LettoriCampi.h"
#include "records/TestoSql.h"

#include <QStringList>
#include <algorithm>

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

namespace {

const QString colonneInserite =
    QStringLiteral("(NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, "
                   "RecuperoMin,RecuperoSec,Serie, Modalita, Peso, isLibero, [Note])");

} // namespace

QString Esercizio::valoriInseriti() const {
    return QStringLiteral("(") + numero(nprog) + QStringLiteral(",") + numero(id_scheda) +
           QStringLiteral(",") + numero(id_fig) + QStringLiteral(",'") + testo(durata) +
           QStringLiteral("','") + testo(frequenza) + QStringLiteral("','") + testo(ampiezza) +
           QStringLiteral("',") + numero(recuperoMin) + QStringLiteral(",") + numero(recuperoSec) +
           QStringLiteral(",'") + numero(serie) + QStringLiteral("','") + testo(modalita) +
           QStringLiteral("','") + testo(peso) + QStringLiteral("',") + DB::convBooleanToDB(isLibero) +
           QStringLiteral(",'") + testo(note) + QStringLiteral("')");
}

QString Esercizio::valoriAggiornati() const {
    return QStringLiteral("(") + numero(ct) + QStringLiteral(",") + numero(nprog) + QStringLiteral(",") +
           numero(id_scheda) + QStringLiteral(",") + numero(id_fig) + QStringLiteral(",'") + testo(durata) +
           QStringLiteral("','") + testo(frequenza) + QStringLiteral("','") + testo(ampiezza) +
           QStringLiteral("',") + numero(recuperoMin) + QStringLiteral(",") + numero(recuperoSec) +
           QStringLiteral(",") + numero(serie) + QStringLiteral(",'") + testo(modalita) +
           QStringLiteral("','") + testo(peso) + QStringLiteral("',") + DB::convBooleanToDB(isLibero) +
           QStringLiteral(",'") + testo(note) + QStringLiteral("')");
}

QString Esercizio::sqlInserimento(const QString& tabella, const std::vector<const Esercizio*>& righe) {
    QStringList valori;
    valori.reserve(static_cast<qsizetype>(righe.size()));
    for (const Esercizio* e : righe)
        valori << e->valoriInseriti();
    return QStringLiteral("INSERT INTO ") + tabella + QStringLiteral("  ") + colonneInserite +
           QStringLiteral("  VALUES ") + valori.join(QLatin1Char(',')) + QStringLiteral(" RETURNING ct");
}

QString Esercizio::sqlAggiornamento(const QString& tabella, const std::vector<const Esercizio*>& righe) {
    QStringList valori;
    valori.reserve(static_cast<qsizetype>(righe.size()));
    for (const Esercizio* e : righe)
        valori << e->valoriAggiornati();
    // A VALUES list names its columns column1, column2... on both engines.
    return QStringLiteral("UPDATE ") + tabella +
           QStringLiteral(" SET NProg = v.column2,ID_Scheda = v.column3,ID_Fig = v.column4,"
                          "Durata = v.column5,Frequenza = v.column6,Ampiezza = v.column7,"
                          "RecuperoMin = v.column8,RecuperoSec = v.column9,Serie = v.column10,"
                          "Modalita = v.column11,peso = v.column12,isLibero = v.column13,[Note] = v.column14 "
                          "FROM (VALUES ") +
           valori.join(QLatin1Char(',')) + QStringLiteral(") AS v WHERE ") + tabella +
           QStringLiteral(".ct = v.column1");
}

std::optional<std::int32_t> Esercizio::salva() {
    if (ct == 0) {
        const QString sql = QStringLiteral("INSERT INTO ") + tabella() + QStringLiteral("  ") +
                            colonneInserite + QStringLiteral("  VALUES ") + valoriInseriti();
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

bool Esercizio::salvaInsieme(const std::vector<Esercizio*>& esercizi) {
    if (esercizi.empty())
        return true;
    const QString nome = esercizi.front()->tabella();
    std::vector<const Esercizio*> nuovi, presenti;
    for (const Esercizio* e : esercizi)
        (e->ct == 0 ? nuovi : presenti).push_back(e);
    Transazione t(db());
    if (!presenti.empty() && !db().Execute(sqlAggiornamento(nome, presenti)))
        return false;
    std::vector<std::int32_t> chiavi;
    if (!nuovi.empty()) {
        const std::optional<RecordSet> rs = db().eseguiConRighe(sqlInserimento(nome, nuovi));
        if (!rs)
            return false;
        RecordSet r = *rs;
        for (r.MoveFirst(); !r.eof(); r.MoveNext())
            chiavi.push_back(cLong(r.campo(0)));
        if (chiavi.size() != nuovi.size()) {
            t.rollback();
            return false;
        }
        // The keys are given out in the order of the VALUES list, whatever order the rows come back
        // in.
        std::sort(chiavi.begin(), chiavi.end());
    }
    if (!t.commit())
        return false;
    std::size_t k = 0;
    for (Esercizio* e : esercizi)
        if (e->ct == 0)
            e->ct = chiavi[k++];
    return true;
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
