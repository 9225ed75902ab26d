#include "data/LibreriaPq.h"

#include "base/Errore.h"
#include "base/Logger.h"

#include <atomic>
#include <dlfcn.h>
#include <libpq-fe.h>
#include <mutex>

namespace {

// Every libpq function the program calls; the table holds the library's own address of each.
#define VIBRANA_FUNZIONI_PQ(X)                                                                               \
    X(PQcancel)                                                                                              \
    X(PQclear)                                                                                               \
    X(PQconnectdbParams)                                                                                     \
    X(PQconninfoFree)                                                                                        \
    X(PQconninfoParse)                                                                                       \
    X(PQconsumeInput)                                                                                        \
    X(PQerrorMessage)                                                                                        \
    X(PQfinish)                                                                                              \
    X(PQflush)                                                                                               \
    X(PQfname)                                                                                               \
    X(PQfreeCancel)                                                                                          \
    X(PQfreemem)                                                                                             \
    X(PQftable)                                                                                              \
    X(PQftype)                                                                                               \
    X(PQgetCancel)                                                                                           \
    X(PQgetResult)                                                                                           \
    X(PQgetisnull)                                                                                           \
    X(PQgetlength)                                                                                           \
    X(PQgetvalue)                                                                                            \
    X(PQisBusy)                                                                                              \
    X(PQnfields)                                                                                             \
    X(PQntuples)                                                                                             \
    X(PQputCopyData)                                                                                         \
    X(PQputCopyEnd)                                                                                          \
    X(PQresultErrorField)                                                                                    \
    X(PQresultErrorMessage)                                                                                  \
    X(PQresultStatus)                                                                                        \
    X(PQsendQuery)                                                                                           \
    X(PQsendQueryParams)                                                                                     \
    X(PQsetNoticeProcessor)                                                                                  \
    X(PQsetnonblocking)                                                                                      \
    X(PQsocket)                                                                                              \
    X(PQstatus)

struct Tabella {
#define VIBRANA_VOCE_PQ(f) decltype(&::f) f = nullptr;
    VIBRANA_FUNZIONI_PQ(VIBRANA_VOCE_PQ)
#undef VIBRANA_VOCE_PQ
};

Tabella tabella;
std::atomic<bool> pronta{false};
std::mutex caricamento;
QString fileLibreria = QStringLiteral("libpq.so.5");

// The table, once the library is there; the Italian message otherwise.
const Tabella& funzioni() {
    if (!pronta.load(std::memory_order_acquire))
        LibreriaPq::richiedi();
    return tabella;
}

} // namespace

namespace LibreriaPq {

void richiedi() {
    if (pronta.load(std::memory_order_acquire))
        return;
    std::lock_guard<std::mutex> l(caricamento);
    if (pronta.load(std::memory_order_relaxed))
        return;
    const QByteArray nome = fileLibreria.toLocal8Bit();
    void* libreria = dlopen(nome.constData(), RTLD_NOW | RTLD_LOCAL);
    QString mancante;
    if (!libreria)
        mancante = QString::fromLocal8Bit(dlerror());
    Tabella letta;
#define VIBRANA_CERCA_PQ(f)                                                                                  \
    if (libreria && mancante.isEmpty()) {                                                                    \
        letta.f = reinterpret_cast<decltype(&::f)>(dlsym(libreria, #f));                                     \
        if (!letta.f)                                                                                        \
            mancante = QStringLiteral("%1: manca la funzione %2").arg(fileLibreria, QStringLiteral(#f));     \
    }
    VIBRANA_FUNZIONI_PQ(VIBRANA_CERCA_PQ)
#undef VIBRANA_CERCA_PQ
    if (!mancante.isEmpty()) {
        // An older library that lacks a function is no better than none; it is not kept open.
        if (libreria)
            dlclose(libreria);
        logger().log(QStringLiteral("Libreria del client PostgreSQL non caricata: ") + mancante);
        throw Errore(NumeriErrore::ArchivioNonTrovato,
                     QStringLiteral("Per usare l'archivio sul server manca la libreria del client PostgreSQL "
                                    "(%1). Installare il pacchetto libpq5 e riprovare.")
                         .arg(fileLibreria),
                     QStringLiteral("Server dell'archivio"));
    }
    tabella = letta;
    pronta.store(true, std::memory_order_release);
}

bool caricata() {
    return pronta.load(std::memory_order_acquire);
}

void impostaFile(const QString& nome) {
    std::lock_guard<std::mutex> l(caricamento);
    fileLibreria = nome;
}

} // namespace LibreriaPq

// libpq-fe.h's functions, passing each call on. Those that only free what the library gave do nothing
// while it is not loaded: then there is nothing of its to free.

int PQcancel(PGcancel* annulla, char* errore, int lunghezza) {
    return funzioni().PQcancel(annulla, errore, lunghezza);
}
void PQclear(PGresult* r) {
    if (LibreriaPq::caricata())
        tabella.PQclear(r);
}
PGconn* PQconnectdbParams(const char* const* chiavi, const char* const* valori, int espandi) {
    return funzioni().PQconnectdbParams(chiavi, valori, espandi);
}
void PQconninfoFree(PQconninfoOption* opzioni) {
    if (LibreriaPq::caricata())
        tabella.PQconninfoFree(opzioni);
}
PQconninfoOption* PQconninfoParse(const char* testo, char** errore) {
    return funzioni().PQconninfoParse(testo, errore);
}
int PQconsumeInput(PGconn* c) {
    return funzioni().PQconsumeInput(c);
}
char* PQerrorMessage(const PGconn* c) {
    return funzioni().PQerrorMessage(c);
}
void PQfinish(PGconn* c) {
    if (LibreriaPq::caricata())
        tabella.PQfinish(c);
}
int PQflush(PGconn* c) {
    return funzioni().PQflush(c);
}
char* PQfname(const PGresult* r, int colonna) {
    return funzioni().PQfname(r, colonna);
}
void PQfreeCancel(PGcancel* annulla) {
    if (LibreriaPq::caricata())
        tabella.PQfreeCancel(annulla);
}
void PQfreemem(void* p) {
    if (LibreriaPq::caricata())
        tabella.PQfreemem(p);
}
Oid PQftable(const PGresult* r, int colonna) {
    return funzioni().PQftable(r, colonna);
}
Oid PQftype(const PGresult* r, int colonna) {
    return funzioni().PQftype(r, colonna);
}
PGcancel* PQgetCancel(PGconn* c) {
    return funzioni().PQgetCancel(c);
}
PGresult* PQgetResult(PGconn* c) {
    return funzioni().PQgetResult(c);
}
int PQgetisnull(const PGresult* r, int riga, int colonna) {
    return funzioni().PQgetisnull(r, riga, colonna);
}
int PQgetlength(const PGresult* r, int riga, int colonna) {
    return funzioni().PQgetlength(r, riga, colonna);
}
char* PQgetvalue(const PGresult* r, int riga, int colonna) {
    return funzioni().PQgetvalue(r, riga, colonna);
}
int PQisBusy(PGconn* c) {
    return funzioni().PQisBusy(c);
}
int PQnfields(const PGresult* r) {
    return funzioni().PQnfields(r);
}
int PQntuples(const PGresult* r) {
    return funzioni().PQntuples(r);
}
int PQputCopyData(PGconn* c, const char* dati, int quanti) {
    return funzioni().PQputCopyData(c, dati, quanti);
}
int PQputCopyEnd(PGconn* c, const char* errore) {
    return funzioni().PQputCopyEnd(c, errore);
}
char* PQresultErrorField(const PGresult* r, int campo) {
    return funzioni().PQresultErrorField(r, campo);
}
char* PQresultErrorMessage(const PGresult* r) {
    return funzioni().PQresultErrorMessage(r);
}
ExecStatusType PQresultStatus(const PGresult* r) {
    return funzioni().PQresultStatus(r);
}
int PQsendQuery(PGconn* c, const char* sql) {
    return funzioni().PQsendQuery(c, sql);
}
int PQsendQueryParams(PGconn* c, const char* sql, int quanti, const Oid* tipi, const char* const* valori,
                      const int* lunghezze, const int* formati, int formatoRisultato) {
    return funzioni().PQsendQueryParams(c, sql, quanti, tipi, valori, lunghezze, formati, formatoRisultato);
}
PQnoticeProcessor PQsetNoticeProcessor(PGconn* c, PQnoticeProcessor avvisi, void* arg) {
    return funzioni().PQsetNoticeProcessor(c, avvisi, arg);
}
int PQsetnonblocking(PGconn* c, int arg) {
    return funzioni().PQsetnonblocking(c, arg);
}
int PQsocket(const PGconn* c) {
    return funzioni().PQsocket(c);
}
ConnStatusType PQstatus(const PGconn* c) {
    return funzioni().PQstatus(c);
}
