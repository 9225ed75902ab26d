#include "data/db.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Logger.h"
#include "base/Messaggi.h"
#include "data/Apici.h"
#include "data/ConnessioneFile.h"
#include "data/ConnessioneServer.h"
#include "data/LettoriCampi.h"
#include "data/RiassuntoSql.h"
#include "data/Server.h"
#include "data/TraduttoreJet.h"

#include <QDate>
#include <QElapsedTimer>
#include <limits>
#include <map>

namespace {

struct TransazioneAttiva {
    std::shared_ptr<Connessione> connessione; // null when the group could not begin
    int profondita = 0;
    bool fallita = false;
};

std::map<QString, TransazioneAttiva>& transazioni() {
    static std::map<QString, TransazioneAttiva> t;
    return t;
}

// A group that could not begin has said so once; what runs inside it fails without a message each.
bool gruppoNonIniziato(const QString& percorso) {
    const auto it = transazioni().find(percorso);
    return it != transazioni().end() && !it->second.connessione;
}

void mostraErrore(const QString& testo, const QString& percorso = {}) {
    if (!percorso.isEmpty() && gruppoNonIniziato(percorso))
        return;
    mostraMessaggio(testo, TipoMessaggio::Errore, Pulsanti::OK);
}

// A NUL character (pasted from another program) would cut the statement short in the engine; no
// value of this program needs one.
QString senzaNul(QString sql) {
    return sql.remove(QChar(u'\0'));
}

QString descrizioneDi(const std::exception& e) {
    if (auto* err = dynamic_cast<const Errore*>(&e))
        return err->descrizione();
    return QString::fromLocal8Bit(e.what());
}

long numeroDi(const std::exception& e) {
    if (auto* err = dynamic_cast<const Errore*>(&e))
        return err->numero();
    return NumeriErrore::ErroreArchivio;
}

QString conCondizione(QString sql, const QString& sWhere) {
    if (!sWhere.isEmpty())
        sql += QStringLiteral("WHERE ") + sWhere;
    return sql;
}

// Key and value of a parameter are written doubling the apostrophe, so any text round-trips.
QString letterale(const QString& testo) {
    return raddoppiaApici(testo);
}

// A new connection to the register at that address: the server's kept one, or the file.
std::shared_ptr<Connessione> apriArchivio(const QString& indirizzo, bool server) {
    if (server)
        return connessioneServer(indirizzo);
    return ConnessioneFile::apri(indirizzo);
}

std::function<void(const QString&)>& osservatore() {
    static std::function<void(const QString&)> f;
    return f;
}

void osserva(const QString& sql) {
    if (osservatore())
        osservatore()(sql);
}

// The log keeps what was run, how it went and how long it took; never the statement's values.
void annotaEsecuzione(const QString& sql, const QString& esito, const QElapsedTimer& tempo) {
    logger().log(QStringLiteral("Execute - %1: %2 (%3 ms)")
                     .arg(riassuntoIstruzione(sql), esito, QString::number(tempo.elapsed())));
}

QString esitoErrore(const std::exception& e) {
    return QStringLiteral("errore ") + QString::number(numeroDi(e));
}

bool inserimento(const QString& sql) {
    return sql.trimmed().startsWith(QLatin1String("INSERT"), Qt::CaseInsensitive);
}

} // namespace

QString DB::percorsoArchivio() const {
    return percorsoProgramma(dbName);
}

QString DB::indirizzoArchivio() const {
    const QString server = indirizzoServer();
    return server.isEmpty() ? percorsoArchivio() : server;
}

bool DB::suServer() const {
    return !indirizzoServer().isEmpty();
}

std::shared_ptr<Connessione> DB::getConn() const {
    const QString server = indirizzoServer();
    const QString percorso = server.isEmpty() ? percorsoArchivio() : server;
    auto& attive = transazioni();
    if (auto it = attive.find(percorso); it != attive.end()) {
        if (!it->second.connessione)
            throw Errore(NumeriErrore::ErroreArchivio,
                         QStringLiteral("Operazione annullata: non è stato possibile iniziare il "
                                        "salvataggio nell'archivio."),
                         QStringLiteral("Motore di database"));
        return it->second.connessione;
    }
    return apriArchivio(percorso, !server.isEmpty());
}

RecordSet DB::getRs(const QString& sSQL) const {
    auto conn = getConn();
    const QString sql = traduciJet(senzaNul(sSQL), conn->dialetto());
    try {
        return conn->interroga(sql);
    } catch (const Errore& e) {
        // The kept server connection may have been dropped while idle (a restarted server): a read
        // outside a group is tried once more on a new connection. Writes are not, as one may have
        // been stored before the connection went.
        if (!conn->perduta() || e.numero() == NumeriErrore::ServerNonRisponde ||
            transazioni().count(indirizzoArchivio()) > 0)
            throw;
        return getConn()->interroga(sql);
    }
}

QString DB::sqlDlookup(const QString& sField, const QString& sTable, const QString& sWhere) {
    return conCondizione(QStringLiteral("SELECT ") + sField + QStringLiteral(" ") + QStringLiteral("FROM ") +
                             sTable + QStringLiteral(" "),
                         sWhere);
}

QString DB::sqlDCount(const QString& sField, const QString& sTable, const QString& sWhere) {
    return conCondizione(QStringLiteral("SELECT COUNT(") + sField + QStringLiteral(") AS Conteggio ") +
                             QStringLiteral("FROM ") + sTable + QStringLiteral(" "),
                         sWhere);
}

QString DB::sqlDMax(const QString& sField, const QString& sTable, const QString& sWhere) {
    return conCondizione(QStringLiteral("SELECT MAX(") + sField + QStringLiteral(") as dMax ") +
                             QStringLiteral("FROM ") + sTable + QStringLiteral(" "),
                         sWhere);
}

QVariant DB::Dlookup(const QString& sField, const QString& sTable, const QString& sWhere) const {
    const QString sql = sqlDlookup(sField, sTable, sWhere);
    try {
        RecordSet rs = getRs(sql);
        logger().log(QStringLiteral("DLOOKUP - ") + riassuntoIstruzione(sql));
        if (rs.RecordCount() < 1) {
            logger().log(QStringLiteral("DLOOKUP - Errore dati non trovati"));
            return ERR_DATI_NON_TROVATI;
        }
        return rs.campo(0);
    } catch (const std::exception& e) {
        mostraErrore(descrizioneDi(e), indirizzoArchivio());
        logger().log(QStringLiteral("DLOOKUP - ") + ERR_CONNESSIONE);
        return ERR_CONNESSIONE;
    }
}

QVariant DB::DFirst(const QString& sField, const QString& sTable, const QString& sWhere) const {
    try {
        RecordSet rs = getRs(sqlDlookup(sField, sTable, sWhere));
        if (rs.RecordCount() < 1)
            return ERR_DATI_NON_TROVATI;
        return rs.campo(sField);
    } catch (const std::exception& e) {
        mostraErrore(descrizioneDi(e), indirizzoArchivio());
        return ERR_CONNESSIONE;
    }
}

long DB::DCount(const QString& sField, const QString& sTable, const QString& sWhere) const {
    try {
        RecordSet rs = getRs(sqlDCount(sField, sTable, sWhere));
        const QVariant v = rs.campo(QStringLiteral("Conteggio"));
        return static_cast<long>(v.toLongLong());
    } catch (const std::exception& e) {
        mostraErrore(descrizioneDi(e), indirizzoArchivio());
        return 0;
    }
}

QVariant DB::dMax(const QString& sField, const QString& sTable, const QString& sWhere) const {
    try {
        RecordSet rs = getRs(sqlDMax(sField, sTable, sWhere));
        if (rs.RecordCount() < 1)
            return ERR_DATI_NON_TROVATI;
        return rs.campo(QStringLiteral("dMax"));
    } catch (const std::exception& e) {
        mostraErrore(descrizioneDi(e), indirizzoArchivio());
        return ERR_CONNESSIONE;
    }
}

bool DB::Execute(const QString& sSQL) const {
    const QString percorso = indirizzoArchivio();
    const QString sql = senzaNul(sSQL);
    const bool nuovaRiga = inserimento(sql);
    if (nuovaRiga)
        chiaveInserita_ = QVariant();
    osserva(sql);
    QElapsedTimer tempo;
    tempo.start();
    try {
        auto conn = getConn();
        conn->esegui(traduciJet(sql, conn->dialetto()));
        QString esito = QStringLiteral("eseguita");
        if (nuovaRiga) {
            chiaveInserita_ = conn->chiaveInserita();
            if (!chiaveInserita_.isNull())
                esito += QStringLiteral(", id ") + QString::number(chiaveInserita_.toLongLong());
        }
        annotaEsecuzione(sql, esito, tempo);
        return true;
    } catch (const std::exception& e) {
        annotaEsecuzione(sql, esitoErrore(e), tempo);
        if (auto it = transazioni().find(percorso); it != transazioni().end())
            it->second.fallita = true;
        mostraErrore(QString::number(numeroDi(e)) + QStringLiteral("-") + descrizioneDi(e), percorso);
        return false;
    }
}

std::optional<RecordSet> DB::eseguiConRighe(const QString& sSQL) const {
    const QString percorso = indirizzoArchivio();
    const QString sql = senzaNul(sSQL);
    if (inserimento(sql))
        chiaveInserita_ = QVariant();
    osserva(sql);
    QElapsedTimer tempo;
    tempo.start();
    try {
        auto conn = getConn();
        RecordSet rs = conn->interroga(traduciJet(sql, conn->dialetto()));
        annotaEsecuzione(sql, QStringLiteral("%1 righe").arg(rs.RecordCount()), tempo);
        return rs;
    } catch (const std::exception& e) {
        annotaEsecuzione(sql, esitoErrore(e), tempo);
        if (auto it = transazioni().find(percorso); it != transazioni().end())
            it->second.fallita = true;
        mostraErrore(QString::number(numeroDi(e)) + QStringLiteral("-") + descrizioneDi(e), percorso);
        return std::nullopt;
    }
}

void DB::osservaIstruzioni(std::function<void(const QString&)> f) {
    osservatore() = std::move(f);
}

QVariant DB::chiaveInserita() const {
    if (chiaveInserita_.isNull())
        return ERR_DATI_NON_TROVATI;
    return chiaveInserita_;
}

QString DB::Load_Param(const QString& Nome_Param) const {
    QVariant v = Dlookup(QStringLiteral("VALORE"), QStringLiteral("Parametri"),
                         QStringLiteral("PARAMETRO = '") + letterale(Nome_Param) + QStringLiteral("'"));
    if (v.isNull())
        return QString();
    return nzStringa(v);
}

void DB::Save_Param(const QString& Param, const QString& Valore) const {
    const QString chiave = letterale(Param);
    const QString valore = letterale(Valore);
    const long n = DCount(QStringLiteral("parametro"), QStringLiteral("Parametri"),
                          QStringLiteral("parametro ='") + chiave + QStringLiteral("'"));
    QString sql;
    if (n < 1)
        sql = QStringLiteral("INSERT INTO ") + QStringLiteral("Parametri") +
              QStringLiteral(" (parametro, valore) ") + QStringLiteral("VALUES ('") + chiave +
              QStringLiteral("', '") + valore + QStringLiteral("') ");
    else
        sql = QStringLiteral("UPDATE ") + QStringLiteral("Parametri") + QStringLiteral(" SET VALORE = '") +
              valore + QStringLiteral("' ") + QStringLiteral("WHERE Parametro = '") + chiave +
              QStringLiteral("'");
    Execute(sql);
}

QString DB::invertiGiornoMese(const QString& data) {
    if (data.size() > 7)
        return data.mid(3, 2) + QStringLiteral("/") + data.mid(0, 2) + QStringLiteral("/") + data.mid(6);
    return QString();
}

QString DB::dataPerSQL(const QString& data) {
    if (data.isEmpty())
        return QStringLiteral("null");
    return QStringLiteral("#") + invertiGiornoMese(data) + QStringLiteral("#");
}

QString DB::correctApici(const QString& str) {
    QString r = senzaNul(str);
    r.replace(QLatin1Char('\''), QLatin1Char('`'));
    return r;
}

QString DB::ripristinaApici(const QString& str) {
    QString r = str;
    r.replace(QLatin1Char('`'), QLatin1Char('\''));
    return r;
}

QString DB::convBooleanToDB(bool val) {
    return val ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

QString DB::testoData(const QDate& data) {
    return data.isValid() ? data.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

DB& db() {
    static DB globale(QStringLiteral("splash.ps"));
    return globale;
}

Esito esitoSalvataggio(const SalvataggioSospeso& sospeso) {
    return ConnessioneServer::esitoTransazione(sospeso.archivio, sospeso.transazione);
}

QString testoEsitoIgnoto() {
    return QStringLiteral("La connessione al server dell'archivio si è interrotta durante il salvataggio e "
                          "non è possibile sapere se è stato registrato. Salvare di nuovo quando il server "
                          "sarà raggiungibile: il programma controllerà prima che cosa è stato registrato, "
                          "senza creare doppioni.");
}

Transazione::Transazione(const DB& archivio) : chiave_(archivio.indirizzoArchivio()) {
    auto& attive = transazioni();
    auto it = attive.find(chiave_);
    if (it != attive.end()) {
        ++it->second.profondita;
        return;
    }
    try {
        auto conn = apriArchivio(chiave_, archivio.suServer());
        try {
            conn->esegui(conn->istruzioneInizio());
        } catch (const Errore& e) {
            // Nothing has been sent yet: a server connection dropped while idle is simply replaced.
            if (!conn->perduta() || e.numero() == NumeriErrore::ServerNonRisponde)
                throw;
            conn = apriArchivio(chiave_, true);
            conn->esegui(conn->istruzioneInizio());
        }
        attive[chiave_] = TransazioneAttiva{conn, 1, false};
    } catch (const std::exception& e) {
        // Said once here; the statements of the group then fail quietly and commit() answers false.
        mostraErrore(QString::number(numeroDi(e)) + QStringLiteral("-") + descrizioneDi(e));
        attive[chiave_] = TransazioneAttiva{nullptr, 1, true};
    }
}

bool Transazione::commit() {
    if (chiusa_)
        return false;
    chiusa_ = true;
    auto& attive = transazioni();
    auto it = attive.find(chiave_);
    if (it == attive.end())
        return false;
    TransazioneAttiva& t = it->second;
    if (--t.profondita > 0)
        return !t.fallita;
    auto conn = t.connessione;
    const bool fallita = t.fallita;
    attive.erase(it);
    if (!conn)
        return false;
    try {
        if (fallita) {
            conn->esegui(QStringLiteral("ROLLBACK"));
            return false;
        }
        const Conferma c = conn->conferma();
        if (c.esito == Esito::Salvato)
            return true;
        sospeso_ = SalvataggioSospeso{chiave_, c.transazione};
        mostraErrore(testoEsitoIgnoto());
        return false;
    } catch (const std::exception& e) {
        try {
            conn->esegui(QStringLiteral("ROLLBACK"));
        } catch (const std::exception&) {
        }
        mostraErrore(descrizioneDi(e));
        return false;
    }
}

void Transazione::rollback() {
    if (chiusa_)
        return;
    chiusa_ = true;
    auto& attive = transazioni();
    auto it = attive.find(chiave_);
    if (it == attive.end())
        return;
    TransazioneAttiva& t = it->second;
    t.fallita = true;
    if (--t.profondita > 0)
        return;
    auto conn = t.connessione;
    attive.erase(it);
    if (!conn)
        return;
    try {
        conn->esegui(QStringLiteral("ROLLBACK"));
    } catch (const std::exception&) {
    }
}

Transazione::~Transazione() {
    rollback();
}
