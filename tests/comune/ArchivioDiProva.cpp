#include "comune/ArchivioDiProva.h"

#include "base/CartellaProgramma.h"
#include "base/Orologio.h"
#include "base/variabiliGlobali.h"
#include "data/ArchivioServer.h"
#include "data/ConnessioneFile.h"
#include "data/ConnessioneServer.h"
#include "data/CreaArchivio.h"
#include "data/Server.h"
#include "data/db.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

bool isMarcatoreErrore(const QVariant& valore) {
    if (valore.typeId() != QMetaType::QString)
        return false;
    const QString t = valore.toString();
    return t == ERR_DATI_NON_TROVATI || t == ERR_CONNESSIONE;
}

QString cartellaSql() {
    return QStringLiteral(VIBRANA_SQL_DIR);
}

bool copiaCartella(const QString& origine, const QString& destinazione) {
    bool ok = QDir().mkpath(destinazione);
    QDirIterator it(origine, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString dest = destinazione + QLatin1Char('/') + QDir(origine).relativeFilePath(f);
        if (it.fileInfo().isDir())
            ok = QDir().mkpath(dest) && ok;
        else
            ok = QFile::copy(f, dest) && ok;
    }
    return ok;
}

bool ArchivioDiProva::copiaImmaginiConsegnate() const {
    return copiaCartella(QStringLiteral(VIBRANA_CARTELLA_BUILD "/images"),
                         cartella() + QStringLiteral("/images"));
}

namespace {
// One database per test binary and kind, copied for each test: building it is the slow part.
QString modello(bool completo) {
    static QTemporaryDir cache;
    const QString nome =
        cache.path() + (completo ? QStringLiteral("/completo.ps") : QStringLiteral("/base.ps"));
    if (!QFile::exists(nome)) {
        if (completo) {
            creaArchivio(cartellaSql(), nome);
        } else {
            QTemporaryDir soloBase;
            for (const QString& f : {QStringLiteral("01_schema.sql"), QStringLiteral("02_dati_base.sql")})
                QFile::copy(cartellaSql() + QLatin1Char('/') + f, soloBase.path() + QLatin1Char('/') + f);
            creaArchivio(soloBase.path(), nome);
        }
    }
    return nome;
}
} // namespace

QString indirizzoDatabaseDiProva(const QString& database) {
    QUrl url(qEnvironmentVariable("VIBRANA_PROVA_SERVER"));
    url.setPath(QLatin1Char('/') + database);
    return url.toString();
}

void eseguiSulServerDiProva(const QString& sql) {
    static std::shared_ptr<ConnessioneServer> amministrazione;
    if (!amministrazione || !amministrazione->attiva())
        amministrazione = ConnessioneServer::apri(qEnvironmentVariable("VIBRANA_PROVA_SERVER"));
    amministrazione->esegui(sql);
}

namespace {
// The server twin of modello(): a database per test binary and kind, cloned for each test.
QString modelloServer(bool completo) {
    static QString nomi[2];
    QString& nome = nomi[completo ? 1 : 0];
    if (nome.isEmpty()) {
        const QString candidato = QStringLiteral("vibrana_modello_%1_%2")
                                      .arg(QCoreApplication::applicationPid())
                                      .arg(completo ? QStringLiteral("completo") : QStringLiteral("base"));
        eseguiSulServerDiProva(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(candidato));
        eseguiSulServerDiProva(QStringLiteral("CREATE DATABASE %1").arg(candidato));
        migraArchivioServer(modello(completo), indirizzoDatabaseDiProva(candidato));
        nome = candidato;
        // The template is never opened again, so a copy of it can be made at any time.
        std::atexit([] {
            for (const QString& n : nomi)
                if (!n.isEmpty())
                    try {
                        eseguiSulServerDiProva(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(n));
                    } catch (const std::exception&) {
                    }
        });
    }
    return nome;
}
} // namespace

bool ArchivioDiProva::suServer() {
    return qEnvironmentVariable("VIBRANA_PROVA_MOTORE") == QLatin1String("server");
}

void ArchivioDiProva::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QFile::copy(modello(archivioCompleto()), percorsoArchivio()));
    if (suServer()) {
        if (qEnvironmentVariable("VIBRANA_PROVA_SERVER").isEmpty()) {
            if (!qEnvironmentVariable("CI").isEmpty() && qEnvironmentVariable("CI") != QLatin1String("false"))
                FAIL() << "VIBRANA_PROVA_MOTORE=server ma nessun server di prova (VIBRANA_PROVA_SERVER): "
                          "avviarlo con scripts/server_prova.sh avvia";
            GTEST_SKIP() << "nessun server PostgreSQL di prova (VIBRANA_PROVA_SERVER non impostata)";
        }
        static int contatore = 0;
        try {
            const QString modelloDb = modelloServer(archivioCompleto());
            databaseServer_ = QStringLiteral("vibrana_prova_%1_%2")
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(++contatore);
            eseguiSulServerDiProva(
                QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(databaseServer_, modelloDb));
        } catch (const std::exception& e) {
            FAIL() << "server di prova non utilizzabile: " << e.what();
        }
        server_ = indirizzoDatabaseDiProva(databaseServer_);
        qputenv("VIBRANA_SERVER", server_.toUtf8());
    }
    QFile::setPermissions(percorsoArchivio(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    qputenv("VIBRANA_CARTELLA", dir_.path().toLocal8Bit());
    dimenticaCartellaProgramma();
    azzeraStatoGlobale();
    impostaOrologio(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    DB::osservaIstruzioni([this](const QString& sql) { istruzioni_ << sql; });
}

void ArchivioDiProva::TearDown() {
    DB::osservaIstruzioni({});
    if (!databaseServer_.isEmpty()) {
        chiudiConnessioneServer();
        qunsetenv("VIBRANA_SERVER");
        try {
            eseguiSulServerDiProva(
                QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(databaseServer_));
        } catch (const std::exception& e) {
            ADD_FAILURE() << "database di prova non eliminato: " << e.what();
        }
    }
    qunsetenv("VIBRANA_CARTELLA");
    dimenticaCartellaProgramma();
    impostaOrologio(QDateTime());
}

QStringList ArchivioDiProva::righeLog() const {
    QFile f(dir_.path() + QStringLiteral("/log.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList righe;
    static const QRegularExpression timbro(QStringLiteral("^\\[[^\\]]*\\] "));
    for (const QString& r : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        righe << QString(r).remove(timbro);
    return righe;
}

void ArchivioDiProva::svuotaLog() const {
    QFile::remove(dir_.path() + QStringLiteral("/log.txt"));
    istruzioni_.clear();
}

void ArchivioDiProva::eserciziDiretti(const QString& tabella, qlonglong idScheda, int quanti,
                                      const std::function<qlonglong(int)>& figura,
                                      const QString& valori) const {
    for (int i = 1; i <= quanti; ++i)
        eseguiDiretto(QStringLiteral("INSERT INTO %1 (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, "
                                     "RecuperoMin, RecuperoSec, Serie, Modalita, Peso, isLibero, Note) "
                                     "VALUES (%2, %3, %4, ")
                          .arg(tabella)
                          .arg(i)
                          .arg(idScheda)
                          .arg(figura(i)) +
                      QString(valori).arg(i) + QLatin1Char(')'));
}

void ArchivioDiProva::eseguiDiretto(const QString& sql) const {
    if (!server_.isEmpty()) {
        ConnessioneServer::apri(server_)->eseguiScript(sql);
        return;
    }
    auto c = ConnessioneFile::apri(percorsoArchivio());
    c->eseguiScript(sql);
}

qlonglong ArchivioDiProva::contaDiretto(const QString& sql) const {
    if (!server_.isEmpty())
        return ConnessioneServer::apri(server_)->interroga(sql).campo(0).toLongLong();
    auto c = ConnessioneFile::apri(percorsoArchivio());
    RecordSet rs = c->interroga(sql);
    return rs.campo(0).toLongLong();
}

void ArchivioDiProva::rifiutaRighe(const QString& nome, const QString& evento, const QString& tabella,
                                   const QString& quando) const {
    if (!server_.isEmpty())
        eseguiDiretto(QStringLiteral("CREATE FUNCTION %1_f() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                                     "RAISE EXCEPTION 'riga rifiutata'; END $$; "
                                     "CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW WHEN (%4) "
                                     "EXECUTE FUNCTION %1_f();")
                          .arg(nome, evento, tabella, quando));
    else
        eseguiDiretto(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 WHEN %4 "
                                     "BEGIN SELECT RAISE(ABORT, 'riga rifiutata'); END;")
                          .arg(nome, evento, tabella, quando));
}
