#include "data/CreaArchivio.h"

#include "base/Errore.h"
#include "base/MotivoSistema.h"
#include "data/ConnessioneFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <sqlite3.h>

namespace {

[[noreturn]] void fallisci(const QString& testo) {
    throw Errore(NumeriErrore::ErroreArchivio, testo, QStringLiteral("vibrana-archivio"));
}

// The engine's failure in Italian: its own words are English.
QString motivoMotore(int codice) {
    switch (codice & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("il disco è pieno");
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return QStringLiteral("non si può scrivere nella cartella di destinazione");
    case SQLITE_IOERR:
        return QStringLiteral("errore del disco");
    case SQLITE_NOMEM:
        return QStringLiteral("memoria esaurita");
    default:
        return QStringLiteral("errore del motore di database (codice %1)").arg(codice);
    }
}

} // namespace

// Every table and view the program reads: a file without one of them is not its register.
const QStringList& tabelleRichieste() {
    static const QStringList t = {
        QStringLiteral("categorie"),       QStringLiteral("Macchinari"),     QStringLiteral("muscoli"),
        QStringLiteral("figure"),          QStringLiteral("figure_muscoli"), QStringLiteral("utenti"),
        QStringLiteral("schede"),          QStringLiteral("Esercizi"),       QStringLiteral("schedeModello"),
        QStringLiteral("EserciziModello"), QStringLiteral("palestra"),       QStringLiteral("Parametri")};
    return t;
}

const QStringList& visteRichieste() {
    static const QStringList v = {QStringLiteral("vw_schedacompleta"),
                                  QStringLiteral("vw_schedaModellocompleta"),
                                  QStringLiteral("vw_figure_muscoli")};
    return v;
}

namespace {

QStringList oggettiMancanti(Connessione& conn) {
    RecordSet rs = conn.interroga(QStringLiteral("SELECT type, lower(name) FROM sqlite_master"));
    QStringList tabelle, viste;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        const QString tipo = rs.campo(0).toString();
        if (tipo == QLatin1String("table"))
            tabelle << rs.campo(1).toString();
        else if (tipo == QLatin1String("view"))
            viste << rs.campo(1).toString();
    }
    QStringList mancanti;
    for (const QString& t : tabelleRichieste())
        if (!tabelle.contains(t.toLower()))
            mancanti << QStringLiteral("manca la tabella %1").arg(t);
    for (const QString& v : visteRichieste())
        if (!viste.contains(v.toLower()))
            mancanti << QStringLiteral("manca la vista %1").arg(v);
    return mancanti;
}

QStringList righeNonOk(Connessione& conn, const QString& pragma) {
    QStringList problemi;
    RecordSet rs = conn.interroga(pragma);
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        const QString riga = rs.campo(0).toString();
        if (riga != QLatin1String("ok"))
            problemi << riga;
    }
    return problemi;
}

// A file written beside its destination: removed (with any journal the engine left) unless it has
// been moved into place.
class FileProvvisorio {
public:
    explicit FileProvvisorio(const QString& destinazione)
        : percorso_(destinazione + QStringLiteral(".nuovo")) {
        rimuovi();
    }
    ~FileProvvisorio() {
        if (!consegnato_)
            rimuovi();
    }
    FileProvvisorio(const FileProvvisorio&) = delete;
    FileProvvisorio& operator=(const FileProvvisorio&) = delete;

    const QString& percorso() const { return percorso_; }

    // Renames the file over `destinazione` in one step: the old destination stays whole until then.
    void consegna(const QString& destinazione) {
        if (std::rename(QFile::encodeName(percorso_).constData(),
                        QFile::encodeName(destinazione).constData()) != 0) {
            fallisci(QStringLiteral("Impossibile scrivere \"%1\": %2.")
                         .arg(destinazione, motivoSistema(errno, destinazione)));
        }
        consegnato_ = true;
    }

private:
    void rimuovi() const {
        for (const char* coda : {"", "-journal", "-wal", "-shm"})
            QFile::remove(percorso_ + QLatin1String(coda));
    }

    QString percorso_;
    bool consegnato_ = false;
};

// The first of FILE.bak, FILE.bak.2, FILE.bak.3 ... not taken: a replaced register may be the only
// copy of real data, so no earlier copy is ever overwritten.
QString nomeCopiaLibero(const QString& destinazione) {
    QString nome = destinazione + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(nome); ++n)
        nome = destinazione + QStringLiteral(".bak.%1").arg(n);
    return nome;
}

// A file nobody may write: the user made it read-only on purpose, and renaming over it would not ask.
// The mode bits only: WriteUser is what this process may do, and root may write anything.
bool solaLettura(const QString& percorso) {
    const QFileInfo info(percorso);
    return info.exists() &&
           !(info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

std::shared_ptr<ConnessioneFile> creaVuoto(const QString& percorso, const QString& destinazione) {
    try {
        return creaArchivioVuoto(percorso);
    } catch (const Errore&) {
        fallisci(QStringLiteral("Impossibile scrivere nella cartella di \"%1\": la cartella non esiste o "
                                "non è scrivibile.")
                     .arg(destinazione));
    }
}

} // namespace

QString creaArchivio(const QString& cartellaSql, const QString& destinazione, bool sovrascrivi) {
    const bool esiste = QFileInfo::exists(destinazione);
    if (esiste && !sovrascrivi)
        fallisci(QStringLiteral("Il file \"%1\" esiste già e non viene sostituito. Per sostituirlo usare "
                                "--sovrascrivi: il file attuale sarà conservato come \"%1.bak\" (o, se "
                                "esiste già, con il primo numero libero: \"%1.bak.2\", \"%1.bak.3\"…).")
                     .arg(destinazione));
    QDir cartella(cartellaSql);
    const QStringList file = cartella.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (file.isEmpty())
        fallisci(QStringLiteral("Nessun file SQL nella cartella \"%1\".").arg(cartellaSql));

    FileProvvisorio nuovo(destinazione);
    {
        auto conn = creaVuoto(nuovo.percorso(), destinazione);
        conn->eseguiScript(QStringLiteral("PRAGMA journal_mode = DELETE; BEGIN;"));
        for (const QString& nome : file) {
            QFile f(cartella.filePath(nome));
            if (!f.open(QIODevice::ReadOnly))
                fallisci(QStringLiteral("Impossibile leggere \"%1\".").arg(f.fileName()));
            try {
                conn->eseguiScript(QString::fromUtf8(f.readAll()));
            } catch (const Errore& e) {
                fallisci(QStringLiteral("%1: %2").arg(nome, e.descrizione()));
            }
        }
        conn->eseguiScript(QStringLiteral("COMMIT; VACUUM;"));
    }
    const QStringList problemi = verificaArchivio(nuovo.percorso());
    if (!problemi.isEmpty())
        fallisci(
            QStringLiteral("L'archivio creato non è integro: %1").arg(problemi.join(QStringLiteral("; "))));
    QString copia;
    if (esiste) {
        copia = nomeCopiaLibero(destinazione);
        // QFile::copy never replaces a file, so an earlier copy survives even a race for the name.
        if (!QFile::copy(destinazione, copia))
            fallisci(
                QStringLiteral("Impossibile conservare \"%1\" come \"%2\": il file non è stato sostituito.")
                    .arg(destinazione, copia));
    }
    nuovo.consegna(destinazione);
    return copia;
}

QStringList verificaArchivio(const QString& percorso) {
    auto conn = ConnessioneFile::apri(percorso);
    QStringList problemi = oggettiMancanti(*conn);
    problemi << righeNonOk(*conn, QStringLiteral("PRAGMA integrity_check"));
    RecordSet chiavi = conn->interroga(QStringLiteral("PRAGMA foreign_key_check"));
    for (chiavi.MoveFirst(); !chiavi.eof(); chiavi.MoveNext())
        problemi << QStringLiteral("riga %1 della tabella %2 rimanda a una riga inesistente di %3")
                        .arg(chiavi.campo(1).toString(), chiavi.campo(0).toString(),
                             chiavi.campo(2).toString());
    return problemi;
}

void controllaArchivio(const QString& percorso) {
    auto conn = ConnessioneFile::apri(percorso);
    if (!oggettiMancanti(*conn).isEmpty() ||
        !righeNonOk(*conn, QStringLiteral("PRAGMA quick_check")).isEmpty())
        throw Errore(NumeriErrore::ArchivioDanneggiato, testoArchivioDanneggiato(percorso), QString());
}

void copiaArchivio(const QString& origine, const QString& destinazione) {
    auto sorgente = ConnessioneFile::apri(origine);
    if (QFileInfo(destinazione).absoluteFilePath() == QFileInfo(origine).absoluteFilePath() ||
        QFileInfo(destinazione).canonicalFilePath() == QFileInfo(origine).canonicalFilePath())
        fallisci(QStringLiteral("La copia non può sovrascrivere l'archivio stesso."));
    if (solaLettura(destinazione))
        fallisci(QStringLiteral("Il file \"%1\" è di sola lettura: la copia non lo sostituisce. Scegliere "
                                "un altro nome o rendere il file scrivibile.")
                     .arg(destinazione));
    FileProvvisorio nuovo(destinazione);
    {
        auto dest = creaVuoto(nuovo.percorso(), destinazione);
        sqlite3_backup* b = sqlite3_backup_init(dest->handle(), "main", sorgente->handle(), "main");
        if (!b)
            fallisci(
                QStringLiteral("Copia non riuscita: %1.").arg(motivoMotore(sqlite3_errcode(dest->handle()))));
        // The whole file in one step, so the copy is of one moment even while the program writes.
        QElapsedTimer attesa;
        attesa.start();
        int rc;
        do {
            rc = sqlite3_backup_step(b, -1);
            if ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) &&
                attesa.elapsed() < Connessione::attesaOccupato())
                sqlite3_sleep(50);
            else
                break;
        } while (true);
        sqlite3_backup_finish(b);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            fallisci(QStringLiteral("L'archivio \"%1\" è in uso da un altro programma da più di %2 secondi: "
                                    "copia non eseguita. Riprovare più tardi.")
                         .arg(origine,
                              QLocale(QLocale::Italian).toString(Connessione::attesaOccupato() / 1000.0)));
        if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT)
            throw Errore(NumeriErrore::ArchivioDanneggiato, testoArchivioDanneggiato(origine), QString());
        if (rc != SQLITE_DONE)
            fallisci(QStringLiteral("Copia non riuscita: %1.").arg(motivoMotore(rc)));
    }
    nuovo.consegna(destinazione);
}
