#include "data/ConnessioneServer.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Logger.h"
#include "base/Messaggi.h"
#include "data/GrafiaSchema.h"
#include "data/LibreriaPq.h"
#include "data/RiassuntoSql.h"

#include <QDate>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <libpq-fe.h>
#include <optional>
#include <poll.h>
#include <thread>

namespace {

const QString sorgente = QStringLiteral("Server dell'archivio");

// Type identifiers of the server's built-in types (pg_type.oid), fixed across versions.
enum : Oid {
    OidBool = 16,
    OidInt8 = 20,
    OidInt2 = 21,
    OidInt4 = 23,
    OidFloat4 = 700,
    OidFloat8 = 701,
    OidNumeric = 1700,
    OidDate = 1082,
    OidTimestamp = 1114,
};

std::function<void(int, qlonglong)>& dopoInvioCommit() {
    static std::function<void(int, qlonglong)> f;
    return f;
}

std::function<void(qlonglong)>& primaInvioCommit() {
    static std::function<void(qlonglong)> f;
    return f;
}

constexpr int tempoMassimoPredefinitoMs = 15000;
int tempoMassimoImpostatoMs = -1; // below zero: the per-user setting

// Waits until the socket is ready for `eventi`; false when the time is up first.
bool attendiSocket(int socket, short eventi, const QDeadlineTimer& scadenza) {
    pollfd p{socket, eventi, 0};
    for (;;) {
        const qint64 resta = scadenza.remainingTime();
        if (resta == 0)
            return false;
        const int r = ::poll(&p, 1, static_cast<int>(std::min<qint64>(resta, 1 << 30)));
        if (r != 0 && !(r < 0 && errno == EINTR))
            return true; // ready, or an error libpq will report
    }
}

struct Risultato {
    PGresult* r = nullptr;
    ~Risultato() { PQclear(r); }
};

QVariant valore(const PGresult* r, int riga, int colonna) {
    if (PQgetisnull(r, riga, colonna))
        return QVariant();
    const QString t = QString::fromUtf8(PQgetvalue(r, riga, colonna), PQgetlength(r, riga, colonna));
    switch (PQftype(r, colonna)) {
    case OidBool:
        return t == QLatin1String("t");
    case OidInt2:
    case OidInt4:
    case OidInt8:
        return t.toLongLong();
    case OidFloat4:
    case OidFloat8:
    case OidNumeric:
        return t.toDouble();
    case OidDate:
        return QDate::fromString(t, Qt::ISODate);
    case OidTimestamp:
        return QDateTime::fromString(t.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default:
        return t;
    }
}

// The statement without the semicolons that may close it; throws Errore for an empty one.
QString istruzioneSola(const QString& sql) {
    QString testo = sql.trimmed();
    while (testo.endsWith(QLatin1Char(';')))
        testo.chop(1);
    if (testo.isEmpty())
        throw Errore(NumeriErrore::SintassiSql, QStringLiteral("Istruzione SQL vuota."), sorgente);
    return testo;
}

// The parts of a libpq connection string that may be shown, and its password, which may not.
struct PartiIndirizzo {
    QStringList host;
    QStringList porta;
    QString database;
    QString utente;
    QString password;
};

// Whether libpq takes the text for a URI or for keyword=value pairs; otherwise the whole text is a
// database name. Exactly libpq's test: the scheme is case-sensitive and nothing is trimmed.
bool formaRiconosciuta(const QString& testo) {
    return testo.startsWith(QLatin1String("postgresql://")) ||
           testo.startsWith(QLatin1String("postgres://")) || testo.contains(QLatin1Char('='));
}

// A database name that holds a colon, an at sign, a slash or an equals sign is an address libpq did not
// recognise (POSTGRESQL://..., postgres:/..., utente:password@host, a URI after a space), taken whole as
// a name: it would be shown password and all.
bool sembraUnIndirizzo(const QString& database) {
    static const QRegularExpression segni(QStringLiteral("[:@/=]"));
    return database.contains(segni);
}

// The address as libpq reads it; nothing when libpq would refuse it or would read it as something
// other than an address. libpq's own complaint is never kept: it quotes the text it could not read,
// password included.
std::optional<PartiIndirizzo> leggiIndirizzo(const QString& testo) {
    PartiIndirizzo p;
    if (!formaRiconosciuta(testo)) {
        static const QRegularExpression spazio(QStringLiteral("\\s"));
        if (testo.isEmpty() || sembraUnIndirizzo(testo) || testo.contains(spazio))
            return std::nullopt;
        p.database = testo;
        return p;
    }
    char* errore = nullptr;
    PQconninfoOption* opzioni = PQconninfoParse(testo.toUtf8().constData(), &errore);
    PQfreemem(errore);
    if (!opzioni)
        return std::nullopt;
    QString host, hostaddr, porta;
    for (const PQconninfoOption* o = opzioni; o->keyword; ++o) {
        if (!o->val)
            continue;
        const QString chiave = QString::fromLatin1(o->keyword);
        const QString valore = QString::fromUtf8(o->val);
        if (chiave == QLatin1String("host"))
            host = valore;
        else if (chiave == QLatin1String("hostaddr"))
            hostaddr = valore;
        else if (chiave == QLatin1String("port"))
            porta = valore;
        else if (chiave == QLatin1String("dbname"))
            p.database = valore;
        else if (chiave == QLatin1String("user"))
            p.utente = valore;
        else if (chiave == QLatin1String("password"))
            p.password = valore;
    }
    PQconninfoFree(opzioni);
    // dbname=postgresql://... is not expanded a second time: libpq would take it as a name.
    if (sembraUnIndirizzo(p.database))
        return std::nullopt;
    const QString dove = host.isEmpty() ? hostaddr : host;
    if (!dove.isEmpty())
        p.host = dove.split(QLatin1Char(','));
    // A multi-host URI without ports gives "," for them.
    if (!QString(porta).remove(QLatin1Char(',')).isEmpty())
        p.porta = porta.split(QLatin1Char(','));
    return p;
}

// The password as the address spells it: percent-encoded in a URI, quoted or escaped among keywords.
QStringList passwordScritte(const QString& indirizzo) {
    static const QRegularExpression forme[] = {
        // The user information of a URI, up to the first @ before the path; also in a mistyped one
        // (POSTGRESQL://, postgres:/, no scheme, spaces before).
        QRegularExpression(QStringLiteral("^\\s*(?:[a-z]+:/*)?[^@/:=\\s]*:([^@/\\s]*)@"),
                           QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("[?&]password=([^&#]*)")),
        QRegularExpression(QStringLiteral("(?:^|\\s)password\\s*=\\s*('(?:[^'\\\\]|\\\\.)*'?|\\S+)")),
    };
    QStringList scritte;
    for (const QRegularExpression& forma : forme) {
        for (auto it = forma.globalMatch(indirizzo); it.hasNext();) {
            const QString scritta = it.next().captured(1);
            if (!scritta.isEmpty())
                scritte << scritta;
        }
    }
    return scritte;
}

QString messaggioDi(const pg_conn* c, const QString& indirizzo) {
    return testoLibpqVisibile(QString::fromUtf8(PQerrorMessage(c)).trimmed(), indirizzo);
}

// libpq's own words are for the log only (with the password masked and without the rows or statement
// the server may quote); the user gets the Italian message.
void annotaLibpq(const QString& indirizzo, const QString& dettaglio) {
    logger().log(QStringLiteral("Server dell'archivio %1: %2")
                     .arg(indirizzoVisibile(indirizzo), erroreMotorePerLog(dettaglio)));
}

// Why a connection could not be opened, in words an administrator can act on.
QString motivoConnessione(const QString& dettaglio, const QString& indirizzo) {
    annotaLibpq(indirizzo, dettaglio);
    const QString dove = indirizzoVisibile(indirizzo);
    if (dettaglio.contains(QLatin1String("password"), Qt::CaseInsensitive))
        return QStringLiteral("Accesso al server dell'archivio %1 rifiutato: utente o password errati.")
            .arg(dove);
    if (dettaglio.contains(QLatin1String("role \"")) && dettaglio.contains(QLatin1String("does not exist")))
        return QStringLiteral("Sul server %1 non esiste l'utente indicato nell'indirizzo.").arg(dove);
    if (dettaglio.contains(QLatin1String("does not exist")))
        return QStringLiteral("Sul server %1 non esiste l'archivio richiesto.").arg(dove);
    // Before "invalid": a failed SSL negotiation is the server's answer, not a fault of the address.
    if (dettaglio.contains(QLatin1String("SSL")))
        return QStringLiteral("La connessione cifrata (SSL) con il server dell'archivio %1 non è riuscita: "
                              "controllare il parametro sslmode dell'indirizzo e la configurazione SSL del "
                              "server.")
            .arg(dove);
    if (dettaglio.contains(QLatin1String("invalid")) || dettaglio.contains(QLatin1String("missing")))
        return QStringLiteral("L'indirizzo del server dell'archivio non è valido: %1").arg(dove);
    return QStringLiteral("Il server dell'archivio %1 non è raggiungibile. Verificare la rete e che il "
                          "server sia acceso.")
        .arg(dove);
}

// A value in COPY's text form: \N for null, backslash escapes for the characters that end a field.
QByteArray testoCopia(const QVariant& v) {
    if (v.isNull())
        return QByteArrayLiteral("\\N");
    QString t;
    switch (v.typeId()) {
    case QMetaType::Bool:
        t = v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        break;
    case QMetaType::QDate:
        t = v.toDate().toString(Qt::ISODate);
        break;
    case QMetaType::QDateTime:
        t = v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        break;
    case QMetaType::Double:
        t = QString::number(v.toDouble(), 'g', 17);
        break;
    default:
        t = v.toString();
    }
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    t.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    t.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    t.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return t.toUtf8();
}

// What a refusal of the server means for the user.
enum class Guasto { DatiNonValidi, Sintassi, Perduta, Occupato, Altro };

// SQLSTATE codes, or their classes by the leading characters, and what they mean here; the first entry
// that matches wins, anything else is Altro.
struct VoceSqlstate {
    const char* inizio;
    Guasto guasto;
};
constexpr VoceSqlstate tabellaSqlstate[] = {
    {"22", Guasto::DatiNonValidi}, // data exception (a value out of range, a malformed date)
    {"23", Guasto::DatiNonValidi}, // integrity constraint violation
    {"42", Guasto::Sintassi},      // syntax error or access rule violation
    {"08", Guasto::Perduta},       // connection exception
    {"57P", Guasto::Perduta},      // the server is shutting down or was restarted
    {"40001", Guasto::Occupato},   // serialization failure
    {"40P01", Guasto::Occupato},   // deadlock detected
    {"55P03", Guasto::Occupato},   // lock not available within lock_timeout
};

Guasto guastoDi(const QString& codice) {
    for (const VoceSqlstate& voce : tabellaSqlstate)
        if (codice.startsWith(QLatin1String(voce.inizio)))
            return voce.guasto;
    return Guasto::Altro;
}

} // namespace

QString indirizzoVisibile(const QString& indirizzo) {
    const auto p = leggiIndirizzo(indirizzo);
    if (!p)
        return QStringLiteral("(indirizzo non valido)");
    QString t = QStringLiteral("postgresql://");
    if (!p->utente.isEmpty())
        t += p->utente + QLatin1Char('@');
    const bool socket = std::any_of(p->host.begin(), p->host.end(), [](const QString& h) {
        return h.startsWith(QLatin1Char('/')) || h.startsWith(QLatin1Char('@'));
    });
    if (socket) {
        t += QLatin1Char('/') + p->database + QStringLiteral("?host=") + p->host.join(QLatin1Char(','));
        if (!p->porta.isEmpty())
            t += QStringLiteral("&port=") + p->porta.join(QLatin1Char(','));
        return t;
    }
    // One port serves every host; otherwise they pair up.
    const qsizetype n = std::max(p->host.size(), p->porta.size());
    QStringList voci;
    for (qsizetype i = 0; i < n; ++i) {
        QString voce = i < p->host.size() ? p->host[i] : QString();
        const QString porta = p->porta.size() == 1  ? p->porta[0]
                              : i < p->porta.size() ? p->porta[i]
                                                    : QString();
        if (!porta.isEmpty())
            voce += QLatin1Char(':') + porta;
        voci << voce;
    }
    return t + voci.join(QLatin1Char(',')) + QLatin1Char('/') + p->database;
}

QString testoLibpqVisibile(QString testo, const QString& indirizzo) {
    // A bare database name is only a name: "vibrana" stays "vibrana" in the message.
    if (!indirizzo.isEmpty() && (formaRiconosciuta(indirizzo) || !leggiIndirizzo(indirizzo)))
        testo.replace(indirizzo, indirizzoVisibile(indirizzo));
    QStringList segreti = passwordScritte(indirizzo);
    if (const auto p = leggiIndirizzo(indirizzo); p && !p->password.isEmpty())
        segreti << p->password;
    // The longest first, so that a spelling holding another goes whole.
    std::sort(segreti.begin(), segreti.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& segreto : segreti)
        testo.replace(segreto, QStringLiteral("***"));
    return testo;
}

QString testoIndirizzoNonValido() {
    return QStringLiteral("L'indirizzo del server dell'archivio non è valido: deve essere una stringa di "
                          "connessione di PostgreSQL, per esempio postgresql://utente@server/vibrana.");
}

QString testoServerNonRisponde(const QString& indirizzo) {
    return QStringLiteral(
               "Il server dell'archivio %1 non è raggiungibile: non ha risposto entro %2 secondi e "
               "l'operazione è stata annullata. Riprovare quando il server sarà di nuovo "
               "raggiungibile.")
        .arg(indirizzoVisibile(indirizzo), QString::number(ConnessioneServer::tempoMassimo() / 1000.0));
}

QString testoServerPerduto() {
    return QStringLiteral("La connessione al server dell'archivio si è interrotta. L'operazione non è stata "
                          "salvata: riprovare quando il server sarà di nuovo raggiungibile.");
}

Errore erroreServer(const QString& codice, const QString& dettaglio, const QString& sql) {
    switch (guastoDi(codice)) {
    case Guasto::DatiNonValidi:
        return Errore(
            NumeriErrore::DatiNonValidi,
            QStringLiteral("Dati non validi per l'archivio (%1) nell'istruzione '%2'.").arg(dettaglio, sql),
            sorgente);
    case Guasto::Sintassi:
        return Errore(NumeriErrore::SintassiSql,
                      QStringLiteral("Errore nell'istruzione SQL (%1): '%2'.").arg(dettaglio, sql), sorgente);
    case Guasto::Perduta:
        return Errore(NumeriErrore::ErroreArchivio, testoServerPerduto(), sorgente);
    case Guasto::Occupato:
        return Errore(NumeriErrore::ErroreArchivio,
                      QStringLiteral("L'archivio è in uso da un altro programma. Riprovare tra poco. (%1)")
                          .arg(dettaglio),
                      sorgente);
    case Guasto::Altro:
        break;
    }
    return Errore(NumeriErrore::ErroreArchivio,
                  QStringLiteral("Errore del server dell'archivio (%1): '%2'.").arg(dettaglio, sql),
                  sorgente);
}

std::shared_ptr<ConnessioneServer> ConnessioneServer::apri(const QString& indirizzo) {
    // The client library is opened with the first server: a missing one is said before the address.
    LibreriaPq::richiedi();
    // libpq's complaint about an address it cannot read quotes the address: it is never passed on.
    if (!leggiIndirizzo(indirizzo))
        throw Errore(NumeriErrore::ErroreArchivio, testoIndirizzoNonValido(), sorgente);
    // The address comes last so that what it sets wins over these defaults.
    const QByteArray testo = indirizzo.toUtf8();
    // A row another program is saving is waited for as long as a locked file would be.
    const QByteArray opzioni = QStringLiteral("-c DateStyle=ISO,YMD -c TimeZone=UTC -c lock_timeout=%1")
                                   .arg(Connessione::attesaOccupato())
                                   .toUtf8();
    // Keepalives notice a link that died in silence; over TCP, unsent data is given up after 30 s.
    const char* chiavi[] = {
        "connect_timeout",     "client_encoding",  "options",          "keepalives", "keepalives_idle",
        "keepalives_interval", "keepalives_count", "tcp_user_timeout", "dbname",     nullptr};
    const char* valori[] = {"5", "UTF8",  opzioni.constData(), "1",    "30", "10",
                            "3", "30000", testo.constData(),   nullptr};
    pg_conn* c = PQconnectdbParams(chiavi, valori, 1);
    if (!c)
        throw Errore(NumeriErrore::ErroreArchivio,
                     motivoConnessione(QStringLiteral("memoria esaurita"), indirizzo), sorgente);
    if (PQstatus(c) != CONNECTION_OK) {
        const QString dettaglio = messaggioDi(c, indirizzo);
        PQfinish(c);
        throw Errore(NumeriErrore::ArchivioNonTrovato, motivoConnessione(dettaglio, indirizzo), sorgente);
    }
    PQsetNoticeProcessor(
        c, [](void*, const char*) {}, nullptr);
    // Every wait is bounded by the time limit, so nothing may block inside libpq.
    PQsetnonblocking(c, 1);
    return std::shared_ptr<ConnessioneServer>(new ConnessioneServer(c, indirizzo));
}

ConnessioneServer::ConnessioneServer(pg_conn* conn, QString indirizzo)
    : conn_(conn), indirizzo_(std::move(indirizzo)) {}

ConnessioneServer::~ConnessioneServer() {
    PQfinish(conn_);
}

bool ConnessioneServer::attiva() const {
    return conn_ && PQstatus(conn_) == CONNECTION_OK;
}

int ConnessioneServer::tempoMassimo() {
    if (tempoMassimoImpostatoMs >= 0)
        return tempoMassimoImpostatoMs;
    static const int impostato = [] {
        const QSettings impostazioni = impostazioniUtente();
        bool ok = false;
        const double secondi = impostazioni.value(QStringLiteral("Archivio/TempoMassimo")).toDouble(&ok);
        return ok && secondi > 0 ? static_cast<int>(secondi * 1000) : tempoMassimoPredefinitoMs;
    }();
    return impostato;
}

void ConnessioneServer::impostaTempoMassimo(int millisecondi) {
    tempoMassimoImpostatoMs = millisecondi;
}

void ConnessioneServer::abbandona() {
    // The cancel request is not waited for: a stopped or unreachable server would never answer it.
    if (PGcancel* annulla = PQgetCancel(conn_))
        std::thread([annulla] {
            char errore[256];
            PQcancel(annulla, errore, sizeof errore);
            PQfreeCancel(annulla);
        }).detach();
    PQfinish(conn_);
    conn_ = nullptr;
    throw Errore(NumeriErrore::ServerNonRisponde, testoServerNonRisponde(indirizzo_), sorgente);
}

void ConnessioneServer::invia(const QDeadlineTimer& scadenza) {
    for (;;) {
        if (PQflush(conn_) <= 0)
            return; // sent, or an error the answer carries
        if (!attendiSocket(PQsocket(conn_), POLLIN | POLLOUT, scadenza))
            abbandona();
        // What the server sends meanwhile is read, so neither side waits on the other.
        if (!PQconsumeInput(conn_))
            return;
    }
}

PGresult* ConnessioneServer::attendiRisposta(const QDeadlineTimer& scadenza) {
    Risultato ultimo;
    for (;;) {
        while (PQisBusy(conn_)) {
            if (!attendiSocket(PQsocket(conn_), POLLIN, scadenza))
                abbandona();
            if (!PQconsumeInput(conn_))
                break; // the link is gone: the next result says so without waiting
        }
        PGresult* r = PQgetResult(conn_);
        if (!r)
            break;
        const ExecStatusType stato = PQresultStatus(r);
        if (ultimo.r && PQresultStatus(ultimo.r) == PGRES_FATAL_ERROR) {
            PQclear(r);
        } else {
            PQclear(ultimo.r);
            ultimo.r = r;
        }
        if (stato == PGRES_COPY_IN || stato == PGRES_COPY_OUT || stato == PGRES_COPY_BOTH)
            break;
    }
    PGresult* r = ultimo.r;
    ultimo.r = nullptr;
    return r;
}

PGresult* ConnessioneServer::chiedi(const QByteArray& sql, bool script, const char* const* parametri,
                                    int quanti) {
    if (!conn_)
        throw Errore(NumeriErrore::ErroreArchivio, testoServerPerduto(), sorgente);
    contaIstruzione();
    const QDeadlineTimer scadenza(tempoMassimo());
    const int inviata =
        script ? PQsendQuery(conn_, sql.constData())
               : PQsendQueryParams(conn_, sql.constData(), quanti, nullptr, parametri, nullptr, nullptr, 0);
    if (!inviata) {
        if (!attiva())
            throw Errore(NumeriErrore::ErroreArchivio, testoServerPerduto(), sorgente);
        annotaLibpq(indirizzo_, messaggioDi(conn_, indirizzo_));
        throw Errore(NumeriErrore::ErroreArchivio,
                     QStringLiteral("Non è stato possibile inviare l'istruzione al server dell'archivio %1.")
                         .arg(indirizzoVisibile(indirizzo_)),
                     sorgente);
    }
    invia(scadenza);
    return attendiRisposta(scadenza);
}

QString ConnessioneServer::colonnaChiave(const QString& tabella) {
    const QString nome = tabella.toLower();
    if (auto it = chiavi_.constFind(nome); it != chiavi_.constEnd())
        return *it;
    const QByteArray n = nome.toUtf8();
    const char* parametri[] = {n.constData()};
    Risultato r;
    r.r = chiedi("SELECT a.attname FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
                 "WHERE c.relname = $1 AND c.relnamespace = to_regnamespace(current_schema()) "
                 "AND a.attidentity <> '' AND a.attnum > 0",
                 false, parametri, 1);
    if (PQresultStatus(r.r) != PGRES_TUPLES_OK)
        return QString(); // the INSERT itself will report what is wrong
    const QString colonna = PQntuples(r.r) > 0 ? QString::fromUtf8(PQgetvalue(r.r, 0, 0)) : QString();
    chiavi_.insert(nome, colonna);
    return colonna;
}

QString ConnessioneServer::relazione(unsigned int oid) {
    if (oid == InvalidOid)
        return QString();
    if (auto it = relazioni_.constFind(oid); it != relazioni_.constEnd())
        return *it;
    Risultato r;
    r.r = chiedi(QStringLiteral("SELECT relname FROM pg_class WHERE oid = %1").arg(oid).toUtf8(), false);
    const QString nome = PQresultStatus(r.r) == PGRES_TUPLES_OK && PQntuples(r.r) > 0
                             ? QString::fromUtf8(PQgetvalue(r.r, 0, 0))
                             : QString();
    relazioni_.insert(oid, nome);
    return nome;
}

RecordSet ConnessioneServer::esegui(const QString& sql, bool conRighe) {
    QString testo = istruzioneSola(sql);
    const bool restituisceChiave = !conRighe && chiediChiaveGenerata(testo);
    // One statement per call: the extended protocol refuses a second one after a semicolon.
    Risultato r;
    r.r = chiedi(testo.toUtf8(), false);
    const ExecStatusType stato = PQresultStatus(r.r);
    if (stato != PGRES_COMMAND_OK && stato != PGRES_TUPLES_OK)
        fallisci(r.r, sql);
    if (restituisceChiave)
        chiave_ = PQntuples(r.r) > 0 ? valore(r.r, 0, 0) : QVariant();
    return conRighe ? righe(r.r) : RecordSet();
}

bool ConnessioneServer::chiediChiaveGenerata(QString& testo) {
    static const QRegularExpression insert(
        QStringLiteral(R"(^\s*INSERT\s+INTO\s+"?([A-Za-z_][A-Za-z0-9_]*))"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = insert.match(testo);
    if (!m.hasMatch() || testo.contains(QLatin1String("RETURNING"), Qt::CaseInsensitive))
        return false;
    const QString colonna = colonnaChiave(m.captured(1));
    if (colonna.isEmpty())
        return false;
    testo += QStringLiteral(" RETURNING \"") + colonna + QLatin1Char('"');
    return true;
}

RecordSet ConnessioneServer::righe(const pg_result* r) {
    const int colonne = PQnfields(r);
    QStringList nomi;
    std::vector<bool> sino;
    const GrafiaSchema& g = grafiaSchema();
    for (int i = 0; i < colonne; ++i) {
        const QString nome = QString::fromUtf8(PQfname(r, i));
        const QString rel = relazione(PQftable(r, i));
        nomi << (rel.isEmpty() ? nome : g.nomi.value(rel).value(nome, nome));
        sino.push_back(!rel.isEmpty() && g.sino.contains(nome));
    }
    std::vector<std::vector<QVariant>> dati;
    dati.reserve(static_cast<size_t>(PQntuples(r)));
    for (int riga = 0; riga < PQntuples(r); ++riga) {
        std::vector<QVariant> v;
        v.reserve(static_cast<size_t>(colonne));
        for (int i = 0; i < colonne; ++i) {
            QVariant x = valore(r, riga, i);
            if (sino[static_cast<size_t>(i)] && !x.isNull())
                x = x.toLongLong() != 0;
            v.push_back(std::move(x));
        }
        dati.push_back(std::move(v));
    }
    return RecordSet(std::move(nomi), std::move(dati));
}

void ConnessioneServer::fallisci(const pg_result* r, const QString& sql) const {
    if (!attiva())
        throw Errore(NumeriErrore::ErroreArchivio, testoServerPerduto(), sorgente);
    throw erroreServer(QString::fromLatin1(PQresultErrorField(r, PG_DIAG_SQLSTATE)),
                       QString::fromUtf8(PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY)), sql);
}

void ConnessioneServer::impostaDopoInvioCommit(std::function<void(int, qlonglong)> azione) {
    dopoInvioCommit() = std::move(azione);
}

void ConnessioneServer::impostaPrimaInvioCommit(std::function<void(qlonglong)> azione) {
    primaInvioCommit() = std::move(azione);
}

Conferma ConnessioneServer::conferma() {
    const qlonglong id = interroga(QStringLiteral("SELECT txid_current()")).campo(0).toLongLong();
    const QString sql = QStringLiteral("COMMIT");
    if (primaInvioCommit())
        primaInvioCommit()(id);
    if (!PQsendQuery(conn_, "COMMIT")) {
        // Never sent: the server gives the transaction up on its own.
        Risultato r;
        fallisci(r.r, sql);
    }
    Risultato r;
    try {
        const QDeadlineTimer scadenza(tempoMassimo());
        invia(scadenza);
        if (dopoInvioCommit())
            dopoInvioCommit()(PQsocket(conn_), id);
        r.r = attendiRisposta(scadenza);
    } catch (const Errore&) {
        // No answer in time: the connection is given up, with the group stored or not.
    }
    if (r.r && PQresultStatus(r.r) == PGRES_COMMAND_OK)
        return {};
    // An error the server sent itself means the transaction was given up.
    if (r.r && (attiva() || PQresultErrorField(r.r, PG_DIAG_SQLSTATE)))
        fallisci(r.r, sql);
    switch (esitoTransazione(indirizzo_, id)) {
    case Esito::Salvato:
        return {};
    case Esito::NonSalvato:
        throw Errore(NumeriErrore::ErroreArchivio, testoServerPerduto(), sorgente);
    case Esito::Sconosciuto:
        break;
    }
    return {Esito::Sconosciuto, id};
}

Esito ConnessioneServer::esitoTransazione(const QString& indirizzo, qlonglong id) {
    QElapsedTimer trascorso;
    trascorso.start();
    try {
        auto c = apri(indirizzo);
        for (;;) {
            const QVariant stato = c->interroga(QStringLiteral("SELECT txid_status(%1)").arg(id)).campo(0);
            if (stato.toString() == QLatin1String("committed"))
                return Esito::Salvato;
            // Null: too old to be known, which a transaction of a moment ago never is.
            if (stato.isNull() || stato.toString() == QLatin1String("aborted"))
                return Esito::NonSalvato;
            // The server ends it once it notices the program has gone; a stopped one never does.
            if (trascorso.elapsed() > tempoMassimo())
                return Esito::Sconosciuto;
            QThread::msleep(50);
        }
    } catch (const Errore&) {
        return Esito::Sconosciuto;
    }
}

void ConnessioneServer::esegui(const QString& sql) {
    esegui(sql, false);
}

RecordSet ConnessioneServer::interroga(const QString& sql) {
    return esegui(sql, true);
}

void ConnessioneServer::eseguiScript(const QString& sql) {
    Risultato r;
    r.r = chiedi(sql.toUtf8(), true);
    const ExecStatusType stato = PQresultStatus(r.r);
    if (stato != PGRES_COMMAND_OK && stato != PGRES_TUPLES_OK && stato != PGRES_EMPTY_QUERY) {
        if (!attiva())
            throw Errore(NumeriErrore::ErroreArchivio, testoServerPerduto(), sorgente);
        throw Errore(NumeriErrore::ErroreArchivio,
                     QStringLiteral("Errore nello script SQL: %1").arg(messaggioDi(conn_, indirizzo_)),
                     sorgente);
    }
}

void ConnessioneServer::copiaRighe(const QString& tabella, const RecordSet& righe) {
    QStringList colonne;
    for (const QString& c : righe.nomiCampi())
        colonne << QLatin1Char('"') + c.toLower() + QLatin1Char('"');
    const QString sql =
        QStringLiteral("COPY %1 (%2) FROM STDIN").arg(tabella.toLower(), colonne.join(QLatin1Char(',')));
    {
        Risultato r;
        r.r = chiedi(sql.toUtf8(), true);
        if (PQresultStatus(r.r) != PGRES_COPY_IN)
            throw Errore(NumeriErrore::ErroreArchivio,
                         attiva() ? QStringLiteral("Copia nella tabella %1 non riuscita: %2")
                                        .arg(tabella, messaggioDi(conn_, indirizzo_))
                                  : testoServerPerduto(),
                         sorgente);
    }
    RecordSet rs = righe;
    QByteArray blocco;
    // Each piece, like each statement, has the time limit to go out.
    const auto metti = [&](const std::function<int()>& passo) {
        const QDeadlineTimer scadenza(tempoMassimo());
        int esito;
        while ((esito = passo()) == 0)
            if (!attendiSocket(PQsocket(conn_), POLLOUT, scadenza))
                abbandona();
        if (esito < 0)
            throw Errore(NumeriErrore::ErroreArchivio, testoServerPerduto(), sorgente);
        invia(scadenza);
    };
    const auto mandaBlocco = [&] {
        if (!blocco.isEmpty())
            metti([&] { return PQputCopyData(conn_, blocco.constData(), static_cast<int>(blocco.size())); });
        blocco.clear();
    };
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        for (int i = 0; i < rs.contaCampi(); ++i) {
            if (i > 0)
                blocco += '\t';
            blocco += testoCopia(rs.campo(i));
        }
        blocco += '\n';
        if (blocco.size() > 256 * 1024)
            mandaBlocco();
    }
    mandaBlocco();
    metti([&] { return PQputCopyEnd(conn_, nullptr); });
    Risultato fine;
    fine.r = attendiRisposta(QDeadlineTimer(tempoMassimo()));
    QString errore;
    if (PQresultStatus(fine.r) != PGRES_COMMAND_OK)
        errore = attiva() ? QString::fromUtf8(PQresultErrorMessage(fine.r)).trimmed() : testoServerPerduto();
    if (!errore.isEmpty())
        throw Errore(NumeriErrore::DatiNonValidi,
                     QStringLiteral("Copia nella tabella %1 non riuscita: %2").arg(tabella, errore),
                     sorgente);
}
