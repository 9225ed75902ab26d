#include "records/SchedaEditabile.h"

#include "base/Messaggi.h"
#include "data/Apici.h"
#include "data/LettoriCampi.h"
#include "records/RegoleScheda.h"

#include <QStringList>
#include <algorithm>

#include <vector>

namespace {

// Identifiers that a save gives out; put back when the save is abandoned.
struct StatoEsercizio {
    Esercizio* esercizio;
    std::int32_t ct, nprog, id_scheda;
    bool isModello;
};

bool eNumero(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

} // namespace

bool SchedaEditabile::chiarisciSospeso() {
    if (!sospeso_)
        return true;
    switch (esitoSalvataggio(sospeso_->gruppo)) {
    case Esito::Sconosciuto:
        mostraMessaggio(testoEsitoIgnoto(), TipoMessaggio::Errore, Pulsanti::OK);
        return false;
    case Esito::NonSalvato:
        // Nothing of that save exists: the identifiers it gave out go back.
        id_scheda = sospeso_->idPrima;
        for (Esercizio& e : esercizi)
            for (const auto& [nuovo, prima] : sospeso_->ct)
                if (e.ct == nuovo) {
                    e.ct = prima;
                    break;
                }
        break;
    case Esito::Salvato:
        salvati_ = sospeso_->salvatiDopo;
        break;
    }
    sospeso_.reset();
    return true;
}

std::int32_t SchedaEditabile::save() {
    if (!chiarisciSospeso())
        return 0;
    // Whatever path the card came by (editor, import, renewal, template), a value its rules refuse
    // never reaches the register.
    if (const auto difetto = regoleScheda::primoDifetto(*this))
        throw Errore(NumeriErrore::ValoreNonAmmesso, regoleScheda::descrivi(*difetto),
                     QStringLiteral("Vibrana"));
    if (!categoria.isEmpty() && !setCategoriaPerNome(QString()))
        return 0;

    const std::int32_t idPrima = id_scheda;
    std::vector<StatoEsercizio> prima;
    for (Esercizio& e : esercizi)
        prima.push_back({&e, e.ct, e.nprog, e.id_scheda, e.isModello});
    auto ripristina = [&] {
        id_scheda = idPrima;
        for (const StatoEsercizio& s : prima) {
            s.esercizio->ct = s.ct;
            s.esercizio->nprog = s.nprog;
            s.esercizio->id_scheda = s.id_scheda;
            s.esercizio->isModello = s.isModello;
        }
    };

    // What the register will hold once the save is done, and the stored rows that go.
    std::vector<Esercizio*> daSalvare;
    std::vector<Esercizio*> segnaposto;
    const long n = esercizi.Count();
    for (long i = 1; i <= n; ++i) {
        Esercizio& e = esercizi.Item(i);
        (e.isLibero || e.id_fig != 0 ? daSalvare : segnaposto).push_back(&e);
    }
    std::vector<std::int32_t> daEliminare = salvati_;
    for (const Esercizio* e : daSalvare)
        std::erase(daEliminare, e->ct);

    // A plain flag and value rather than an optional: the compiler cannot follow one through the try.
    bool riuscito = false;
    std::int32_t risultato = 0;
    std::optional<SalvataggioSospeso> sospeso;
    try {
        // An exercise whose row is gone (an undone deletion brought back after a save, a copy of
        // another record's exercise) is stored anew rather than updating a row that is not its own.
        auto salvato = [this](std::int32_t ct) {
            return ct != 0 && std::find(salvati_.begin(), salvati_.end(), ct) != salvati_.end();
        };
        std::vector<std::int32_t> visti;
        for (Esercizio* e : daSalvare) {
            if (!salvato(e->ct) || std::find(visti.begin(), visti.end(), e->ct) != visti.end())
                e->ct = 0;
            visti.push_back(e->ct);
        }
        Transazione t(db());
        const auto intestazione = salvaIntestazione();
        riuscito = intestazione.has_value();
        risultato = intestazione.value_or(0);
        if (riuscito && !daEliminare.empty())
            riuscito = eliminaRighe(daEliminare);
        // Every exercise in the same two statements whatever the card's length: on the shared register
        // a statement per exercise made a long card slow to save.
        for (long i = 1; riuscito && i <= n; ++i) {
            Esercizio& e = esercizi.Item(i);
            if (e.isLibero || e.id_fig != 0) {
                e.nprog = static_cast<std::int32_t>(i);
                preparaEsercizio(e);
            }
        }
        riuscito = riuscito && Esercizio::salvaInsieme(daSalvare);
        riuscito = riuscito && t.commit();
        sospeso = t.sospeso();
    } catch (...) {
        ripristina();
        throw;
    }
    std::vector<std::int32_t> salvatiDopo;
    for (const Esercizio* e : daSalvare)
        salvatiDopo.push_back(e->ct);
    if (sospeso) {
        // The rows may exist: the identifiers stay until the server says whether they do.
        Sospeso s{*sospeso, idPrima, {}, salvatiDopo};
        for (const StatoEsercizio& p : prima)
            if (p.esercizio->ct != p.ct)
                s.ct.emplace_back(p.esercizio->ct, p.ct);
        sospeso_ = std::move(s);
        return 0;
    }
    if (!riuscito) {
        ripristina();
        return 0;
    }
    salvati_ = std::move(salvatiDopo);
    // Their rows are gone with this save.
    for (Esercizio* e : segnaposto)
        e->ct = 0;
    isSaved = true;
    return risultato;
}

bool SchedaEditabile::eliminaRighe(const std::vector<std::int32_t>& ct) const {
    QStringList elenco;
    for (const std::int32_t c : ct)
        elenco << QString::number(c);
    Esercizio modello;
    modello.isModello = isModello;
    return db().Execute(
        QStringLiteral("DELETE * FROM %1 WHERE id_scheda = %2 AND ct IN (%3)")
            .arg(modello.tabella(), QString::number(id_scheda), elenco.join(QLatin1Char(','))));
}

void SchedaEditabile::EliminaEsercizio(long indice) {
    esercizi.Remove(indice);
    rinumeraEsercizi();
}

void SchedaEditabile::rinumeraEsercizi() {
    std::int32_t i = 0;
    for (Esercizio& e : esercizi)
        e.nprog = ++i;
}

bool SchedaEditabile::setCategoriaPerNome(const QString& Cat) {
    const QString nome = Cat.isEmpty() ? categoria : Cat;
    // The name is matched exactly as the catalogue holds it, apostrophes included.
    const QString letterale = raddoppiaApici(nome);
    const QVariant v = db().Dlookup(QStringLiteral("id_cat"), QStringLiteral("categorie"),
                                    QStringLiteral("nome = '") + letterale + QStringLiteral("'"));
    if (v.typeId() == QMetaType::QString && v.toString() == ERR_CONNESSIONE)
        return false;
    if (v.isNull() || !eNumero(v))
        throw Errore(NumeriErrore::CategoriaNonEsistente, QStringLiteral("Categoria non esistente!"),
                     QStringLiteral("Vibrana"));
    id_cat = cLong(v);
    return true;
}

bool SchedaEditabile::travasaTo(SchedaEditabile& destinazione, bool soloEsercizi) const {
    if (!soloEsercizi) {
        destinazione.id_cat = id_cat;
        destinazione.categoria = categoria;
    }
    destinazione.note = note;
    // By position, counted once, so a record copied into itself stays well defined.
    const long n = esercizi.Count();
    for (long i = 1; i <= n; ++i) {
        Esercizio copia;
        copia.nuovoDaEsercizio(esercizi.Item(i));
        Esercizio& aggiunto = destinazione.esercizi.Add(std::move(copia));
        aggiunto.ct = 0;
        aggiunto.isModello = destinazione.isModello;
    }
    return true;
}

void SchedaEditabile::caricaEserciziDa(const QString& tabella) {
    // One query for every exercise with its figure's picture: on the shared register each query is a
    // round trip, so a query per exercise would make a long card slow to open and to print.
    RecordSet rs = db().getRs(QStringLiteral("SELECT %1.*, figure.figura AS foto FROM %1 LEFT JOIN figure ON "
                                             "%1.id_fig = figure.id_fig WHERE %1.id_scheda = %2 ORDER BY "
                                             "%1.Nprog ASC")
                                  .arg(tabella, QString::number(id_scheda)));
    esercizi.Clear();
    salvati_.clear();
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        Esercizio e;
        e.isModello = isModello;
        e.leggi(rs);
        salvati_.push_back(e.ct);
        esercizi.Add(std::move(e));
    }
}
