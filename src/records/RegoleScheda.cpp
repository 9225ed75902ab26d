#include "records/RegoleScheda.h"

#include "records/Esercizio.h"
#include "records/SchedaEditabile.h"
#include "records/scheda.h"

#include <QDate>

namespace regoleScheda {

namespace {

constexpr const char* fuoriElenco = "non è tra i valori ammessi";
constexpr const char* sceltaElenco = "Selezionare un valore tra quelli disponibili!";

struct Regola {
    Campo campo;
    const char* nome;
    int massimo;           // -1: not a number field
    const char* messaggio; // %1 stands for the highest value
    const char* motivo;    // likewise
};

// Minutes have no bound of their own: the byte the exercise keeps them in is the bound.
constexpr Regola regole[] = {
    {Campo::durata, "Durata", -1, sceltaElenco, fuoriElenco},
    {Campo::frequenza, "Frequenza", -1, sceltaElenco, fuoriElenco},
    {Campo::ampiezza, "Ampiezza", -1, sceltaElenco, fuoriElenco},
    {Campo::serie, "Serie", 99, "Valore troppo grande!", "massimo %1"},
    {Campo::recuperoMin, "Recupero (minuti)", 255, "Inserire un numero tra 0 e %1", "massimo %1"},
    {Campo::recuperoSec, "Recupero (secondi)", 59, "Inserire un numero tra 0 e %1", "massimo %1"},
    {Campo::modalita, "Modalità", -1, sceltaElenco, fuoriElenco},
    {Campo::immagine, "Immagine", -1, "Un esercizio libero non ha immagine.",
     "un esercizio libero non ha immagine"},
    {Campo::categoria, "Categoria", -1, sceltaElenco, fuoriElenco},
    {Campo::frequenzaSettimanale, "Frequenza allenamento settimanale", -1, sceltaElenco, fuoriElenco},
    {Campo::giorni, "Giorni di allenamento", -1, "Selezionare i giorni dall'elenco.",
     "non sono al più nove cifre 0 o 1"},
    {Campo::periodoDal, "Dal", -1, "Data non valida.", "non è una data"},
    {Campo::periodoAl, "Al", -1, "Data non valida.", "non è una data"},
};

const Regola& regola(Campo campo) {
    for (const Regola& r : regole)
        if (r.campo == campo)
            return r;
    return regole[0];
}

QString conMassimo(const char* testo, int massimo) {
    const QString t = QString::fromUtf8(testo);
    return t.contains(QLatin1String("%1")) ? t.arg(massimo) : t;
}

const QString formatoData = QStringLiteral("dd/MM/yyyy");

void controllaElenco(std::vector<Difetto>& r, long posizione, Campo campo, const QString& testo) {
    if (!testo.isEmpty() && !elenco(campo).contains(testo))
        r.push_back(difetto(posizione, campo, testo));
}

void controllaNumero(std::vector<Difetto>& r, long posizione, Campo campo, int valore) {
    if (valore < 0 || valore > massimo(campo))
        r.push_back(difetto(posizione, campo, QString::number(valore)));
}

void controllaData(std::vector<Difetto>& r, Campo campo, const QString& testo) {
    if (!testo.isEmpty() && !QDate::fromString(testo, formatoData).isValid())
        r.push_back(difetto(0, campo, testo));
}

bool giorniValidi(const QString& flags) {
    if (flags.isEmpty())
        return true;
    // Never longer than the list; a shorter one was stored before the list had all its entries.
    if (flags.size() > 9)
        return false;
    for (const QChar c : flags)
        if (c != u'0' && c != u'1')
            return false;
    return true;
}

} // namespace

const QStringList& elenco(Campo campo) {
    static const QStringList durate{QStringLiteral("30s"), QStringLiteral("45s"), QStringLiteral("60s")};
    static const QStringList frequenze{QStringLiteral("30Hz"), QStringLiteral("35Hz"), QStringLiteral("40Hz"),
                                       QStringLiteral("50Hz")};
    static const QStringList ampiezze{QStringLiteral("L"), QStringLiteral("H")};
    static const QStringList modalita{
        QStringLiteral("Statico a carico naturale"), QStringLiteral("Statico a carico aggiuntivo"),
        QStringLiteral("Dinamico a carico naturale"), QStringLiteral("Dinamico a carico aggiuntivo"),
        QStringLiteral("Combinata")};
    static const QStringList giorniSettimana{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                             QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                             QStringLiteral("7")};
    static const QStringList nessuno;
    switch (campo) {
    case Campo::durata:
        return durate;
    case Campo::frequenza:
        return frequenze;
    case Campo::ampiezza:
        return ampiezze;
    case Campo::modalita:
        return modalita;
    case Campo::frequenzaSettimanale:
        return giorniSettimana;
    default:
        return nessuno;
    }
}

QString voceElenco(Campo campo, const QString& testo) {
    for (const QString& voce : elenco(campo))
        if (voce.compare(testo, Qt::CaseInsensitive) == 0)
            return voce;
    return {};
}

QString nomeCampo(Campo campo) {
    return QString::fromUtf8(regola(campo).nome);
}

int massimo(Campo campo) {
    return regola(campo).massimo;
}

QString messaggio(Campo campo) {
    const Regola& r = regola(campo);
    return conMassimo(r.messaggio, r.massimo);
}

Difetto difetto(long esercizio, Campo campo, const QString& valore) {
    const Regola& r = regola(campo);
    Difetto d;
    d.esercizio = esercizio;
    d.campo = campo;
    d.valore = valore;
    d.messaggio = conMassimo(r.messaggio, r.massimo);
    d.motivo = conMassimo(r.motivo, r.massimo);
    return d;
}

QString descrivi(const Difetto& d) {
    const QString dove =
        d.esercizio == 0 ? QStringLiteral("intestazione") : QStringLiteral("esercizio %1").arg(d.esercizio);
    return QStringLiteral("%1, «%2»: %3 — %4").arg(dove, nomeCampo(d.campo), d.valore, d.motivo);
}

std::vector<Difetto> difettiEsercizio(const Esercizio& e, long posizione) {
    std::vector<Difetto> r;
    controllaElenco(r, posizione, Campo::durata, e.durata);
    controllaElenco(r, posizione, Campo::frequenza, e.frequenza);
    controllaElenco(r, posizione, Campo::ampiezza, e.ampiezza);
    controllaNumero(r, posizione, Campo::serie, e.serie);
    controllaNumero(r, posizione, Campo::recuperoMin, e.recuperoMin);
    controllaNumero(r, posizione, Campo::recuperoSec, e.recuperoSec);
    controllaElenco(r, posizione, Campo::modalita, e.modalita);
    return r;
}

std::optional<Difetto> controllaEsercizio(const Esercizio& e, long posizione) {
    std::vector<Difetto> r = difettiEsercizio(e, posizione);
    if (r.empty())
        return std::nullopt;
    return r.front();
}

std::vector<Difetto> difettiIntestazione(const SchedaEditabile& s) {
    std::vector<Difetto> r;
    const auto* c = dynamic_cast<const scheda*>(&s);
    if (c == nullptr)
        return r;
    // 0 is a card whose frequency was never chosen.
    const int frequenza = c->FreqAllen;
    if (frequenza != 0 && !elenco(Campo::frequenzaSettimanale).contains(QString::number(frequenza)))
        r.push_back(difetto(0, Campo::frequenzaSettimanale, QString::number(frequenza)));
    if (!giorniValidi(c->GGAllen))
        r.push_back(difetto(0, Campo::giorni, c->GGAllen));
    controllaData(r, Campo::periodoDal, c->PeriodoDal);
    controllaData(r, Campo::periodoAl, c->PeriodoAl);
    return r;
}

std::optional<Difetto> controllaIntestazione(const SchedaEditabile& s) {
    std::vector<Difetto> r = difettiIntestazione(s);
    if (r.empty())
        return std::nullopt;
    return r.front();
}

std::vector<Difetto> difetti(const SchedaEditabile& s) {
    std::vector<Difetto> r = difettiIntestazione(s);
    const long n = s.esercizi.Count();
    for (long i = 1; i <= n; ++i) {
        const Esercizio& e = s.esercizi.Item(i);
        // Placeholders (no picture, not free) are never stored, whatever they hold.
        if (!e.isLibero && e.id_fig == 0)
            continue;
        const std::vector<Difetto> d = difettiEsercizio(e, i);
        r.insert(r.end(), d.begin(), d.end());
    }
    return r;
}

std::optional<Difetto> primoDifetto(const SchedaEditabile& s) {
    if (auto d = controllaIntestazione(s))
        return d;
    const long n = s.esercizi.Count();
    for (long i = 1; i <= n; ++i) {
        const Esercizio& e = s.esercizi.Item(i);
        if (!e.isLibero && e.id_fig == 0)
            continue;
        if (auto d = controllaEsercizio(e, i))
            return d;
    }
    return std::nullopt;
}

} // namespace regoleScheda
