#include "data/ConnessioneFile.h"

#include "base/Errore.h"
#include "base/Logger.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

bool danneggiato(int codice) {
    const int primario = codice & 0xff;
    return primario == SQLITE_NOTADB || primario == SQLITE_CORRUPT;
}

[[noreturn]] void fallisciDanneggiato(const QString& percorso) {
    // No source: the text is complete and is shown as it is.
    throw Errore(NumeriErrore::ArchivioDanneggiato, testoArchivioDanneggiato(percorso), QString());
}

struct Istruzione {
    sqlite3_stmt* stmt = nullptr;
    ~Istruzione() { sqlite3_finalize(stmt); }
};

enum class Tipo { Naturale, Data, SiNo, Intero, Reale, Testo };

Tipo tipoDichiarato(const char* dichiarato) {
    if (!dichiarato)
        return Tipo::Naturale;
    const QString t = QString::fromLatin1(dichiarato).toUpper();
    if (t.contains(QLatin1String("DATE")) || t.contains(QLatin1String("TIME")))
        return Tipo::Data;
    if (t.contains(QLatin1String("BOOL")) || t.contains(QLatin1String("YESNO")))
        return Tipo::SiNo;
    if (t.contains(QLatin1String("INT")) || t.contains(QLatin1String("BYTE")))
        return Tipo::Intero;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("SINGLE")) ||
        t.contains(QLatin1String("DOUB")) || t.contains(QLatin1String("FLOA")))
        return Tipo::Reale;
    if (t.contains(QLatin1String("TEXT")) || t.contains(QLatin1String("CHAR")) ||
        t.contains(QLatin1String("MEMO")))
        return Tipo::Testo;
    return Tipo::Naturale;
}

QVariant naturale(sqlite3_stmt* s, int i) {
    switch (sqlite3_column_type(s, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(s, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(s, i));
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_BLOB:
        return QVariant(
            QByteArray(static_cast<const char*>(sqlite3_column_blob(s, i)), sqlite3_column_bytes(s, i)));
    default:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i)),
                                          sqlite3_column_bytes(s, i)));
    }
}

QVariant leggi(sqlite3_stmt* s, int i, Tipo tipo) {
    const QVariant v = naturale(s, i);
    if (v.isNull())
        return v;
    switch (tipo) {
    case Tipo::Data: {
        const QString t = v.toString();
        if (t.size() == 10) {
            const QDate d = QDate::fromString(t, Qt::ISODate);
            if (d.isValid())
                return d;
        } else {
            QDateTime dt = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (dt.isValid())
                return dt;
        }
        return v;
    }
    case Tipo::SiNo:
        if (v.typeId() == QMetaType::LongLong)
            return v.toLongLong() != 0;
        return v;
    case Tipo::Reale:
        if (v.typeId() == QMetaType::LongLong)
            return static_cast<double>(v.toLongLong());
        return v;
    default:
        return v;
    }
}

// The engine's own words are for the log only; the user gets the Italian message.
void annotaMotore(const QString& percorso, const QString& testo) {
    logger().log(
        QStringLiteral("Motore di database (%1): %2").arg(QDir::toNativeSeparators(percorso), testo));
}

// Why the file cannot be written, named, in Italian: the file itself, or its folder, where the engine
// writes its journal while it saves.
QString testoSolaLettura(const QString& percorso) {
    const QFileInfo file(percorso);
    const QString nome = QDir::toNativeSeparators(percorso);
    if (file.exists() && !file.isWritable())
        return QStringLiteral("L'archivio %1 è in sola lettura: le modifiche non possono essere salvate. "
                              "Renderlo scrivibile e riprovare.")
            .arg(nome);
    if (!QFileInfo(file.absolutePath()).isWritable())
        return QStringLiteral("La cartella %1 dell'archivio %2 è in sola lettura: il programma deve poterci "
                              "scrivere mentre salva. Renderla scrivibile e riprovare.")
            .arg(QDir::toNativeSeparators(file.absolutePath()), nome);
    return QStringLiteral("L'archivio %1 non accetta modifiche (sola lettura): le modifiche non sono state "
                          "salvate.")
        .arg(nome);
}

} // namespace

QString testoArchivioDanneggiato(const QString& percorso) {
    return QStringLiteral("L'archivio %1 è danneggiato o non è un archivio di Vibrana.\n"
                          "Ripristinare una copia di sicurezza fatta con il comando "
                          "\"vibrana-archivio copia\".")
        .arg(QDir::toNativeSeparators(percorso));
}

std::shared_ptr<ConnessioneFile> ConnessioneFile::apri(const QString& percorso) {
    if (!QFileInfo(percorso).isFile()) {
        throw Errore(
            NumeriErrore::ArchivioNonTrovato,
            QStringLiteral("Impossibile trovare il file \"%1\". Verificare che il percorso e il nome "
                           "del file siano corretti.")
                .arg(percorso),
            QStringLiteral("Motore di database"));
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(percorso.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (danneggiato(rc)) {
        sqlite3_close(db);
        fallisciDanneggiato(percorso);
    }
    if (rc != SQLITE_OK) {
        annotaMotore(percorso,
                     db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("memoria esaurita"));
        sqlite3_close(db);
        throw Errore(NumeriErrore::ErroreArchivio,
                     QStringLiteral("Impossibile aprire l'archivio \"%1\": il file non è leggibile o non si "
                                    "può modificare.")
                         .arg(QDir::toNativeSeparators(percorso)),
                     QStringLiteral("Motore di database"));
    }
    sqlite3_busy_timeout(db, attesaOccupato());
    sqlite3_extended_result_codes(db, 1);
    std::shared_ptr<ConnessioneFile> c(new ConnessioneFile(db, percorso));
    c->eseguiScript(QStringLiteral("PRAGMA foreign_keys = ON;"));
    return c;
}

std::shared_ptr<ConnessioneFile> creaArchivioVuoto(const QString& percorso) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(percorso.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        throw Errore(NumeriErrore::ErroreArchivio,
                     QStringLiteral("Impossibile creare il file \"%1\".").arg(percorso),
                     QStringLiteral("Motore di database"));
    }
    sqlite3_close(db);
    return ConnessioneFile::apri(percorso);
}

ConnessioneFile::~ConnessioneFile() {
    if (db_)
        sqlite3_close_v2(db_);
}

Conferma ConnessioneFile::conferma() {
    // A file answers on the spot: there is no answer to lose.
    esegui(QStringLiteral("COMMIT"));
    return {};
}

QVariant ConnessioneFile::chiaveInserita() const {
    // The connection's own last insert: another program's rows never show here.
    const sqlite3_int64 id = sqlite3_last_insert_rowid(db_);
    return id == 0 ? QVariant() : QVariant(static_cast<qlonglong>(id));
}

void ConnessioneFile::fallisci(int codice, const QString& sql) const {
    if (danneggiato(codice))
        fallisciDanneggiato(percorso_);
    const QString motore = QString::fromUtf8(sqlite3_errmsg(db_));
    const QString nome = QDir::toNativeSeparators(percorso_);
    const int primario = codice & 0xff;
    long numero = NumeriErrore::ErroreArchivio;
    QString descrizione;
    switch (primario) {
    case SQLITE_ERROR:
        numero = NumeriErrore::SintassiSql;
        descrizione = QStringLiteral("Errore nell'istruzione SQL (%1): '%2'.").arg(motore, sql);
        break;
    case SQLITE_CONSTRAINT:
        numero = NumeriErrore::DatiNonValidi;
        descrizione =
            QStringLiteral("Dati non validi per l'archivio (%1) nell'istruzione '%2'.").arg(motore, sql);
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        descrizione =
            QStringLiteral("L'archivio %1 è in uso da un altro programma. Riprovare tra poco.").arg(nome);
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        descrizione = testoSolaLettura(percorso_);
        break;
    case SQLITE_FULL:
        descrizione =
            QStringLiteral("Il disco dell'archivio %1 è pieno: le modifiche non sono state salvate. "
                           "Liberare spazio e riprovare.")
                .arg(nome);
        break;
    case SQLITE_IOERR:
        descrizione = QStringLiteral("Errore del disco leggendo o scrivendo l'archivio %1: le modifiche non "
                                     "sono state salvate.")
                          .arg(nome);
        break;
    default:
        descrizione = QStringLiteral("Errore del motore di database sull'archivio %1.").arg(nome);
    }
    // Statement errors name their statement and keep the engine's detail for whoever fixes it.
    if (primario != SQLITE_ERROR && primario != SQLITE_CONSTRAINT)
        annotaMotore(percorso_, motore);
    throw Errore(numero, descrizione, QStringLiteral("Motore di database"));
}

sqlite3_stmt* ConnessioneFile::prepara(const QString& sql) const {
    contaIstruzione();
    const QByteArray testo = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* coda = nullptr;
    const int rc = sqlite3_prepare_v2(db_, testo.constData(), static_cast<int>(testo.size()), &stmt, &coda);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fallisci(rc, sql);
    }
    // One statement per call, as the Jet engine accepts: anything after it is refused.
    const QByteArray resto = coda ? QByteArray(coda).trimmed() : QByteArray();
    if (!resto.isEmpty() && resto != ";") {
        sqlite3_finalize(stmt);
        throw Errore(NumeriErrore::SintassiSql,
                     QStringLiteral("Caratteri trovati dopo la fine dell'istruzione SQL: '%1'.").arg(sql),
                     QStringLiteral("Motore di database"));
    }
    return stmt;
}

void ConnessioneFile::esegui(const QString& sql) {
    Istruzione st;
    st.stmt = prepara(sql);
    int rc;
    if (!st.stmt)
        return;
    while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fallisci(rc, sql);
}

RecordSet ConnessioneFile::interroga(const QString& sql) {
    Istruzione st;
    st.stmt = prepara(sql);
    int rc;
    if (!st.stmt)
        throw Errore(NumeriErrore::SintassiSql, QStringLiteral("Istruzione SQL vuota."),
                     QStringLiteral("Motore di database"));
    const int colonne = sqlite3_column_count(st.stmt);
    QStringList nomi;
    std::vector<Tipo> tipi;
    for (int i = 0; i < colonne; ++i) {
        nomi << QString::fromUtf8(sqlite3_column_name(st.stmt, i));
        tipi.push_back(tipoDichiarato(sqlite3_column_decltype(st.stmt, i)));
    }
    std::vector<std::vector<QVariant>> righe;
    while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW) {
        std::vector<QVariant> riga;
        riga.reserve(static_cast<size_t>(colonne));
        for (int i = 0; i < colonne; ++i)
            riga.push_back(leggi(st.stmt, i, tipi[static_cast<size_t>(i)]));
        righe.push_back(std::move(riga));
    }
    if (rc != SQLITE_DONE)
        fallisci(rc, sql);
    return RecordSet(std::move(nomi), std::move(righe));
}

void ConnessioneFile::eseguiScript(const QString& sql) {
    char* errore = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &errore);
    if (rc != SQLITE_OK) {
        const QString msg = errore ? QString::fromUtf8(errore) : QString();
        sqlite3_free(errore);
        const int primario = rc & 0xff;
        if (danneggiato(rc) || (primario != SQLITE_ERROR && primario != SQLITE_CONSTRAINT))
            fallisci(rc, sql);
        throw Errore(NumeriErrore::ErroreArchivio, QStringLiteral("Errore nello script SQL: %1").arg(msg),
                     QStringLiteral("Motore di database"));
    }
}
