#include "comune/ArchivioDiProva.h"

#include "base/CartellaProgramma.h"
#include "base/Orologio.h"
#include "base/variabiliGlobali.h"
#include "data/Connessione.h"
#include "data/CreaArchivio.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

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

void ArchivioDiProva::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QFile::copy(modello(archivioCompleto()), percorsoArchivio()));
    QFile::setPermissions(percorsoArchivio(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    qputenv("VIBRANA_CARTELLA", dir_.path().toLocal8Bit());
    dimenticaCartellaProgramma();
    azzeraStatoGlobale();
    impostaOrologio(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
}

void ArchivioDiProva::TearDown() {
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
}

void ArchivioDiProva::eseguiDiretto(const QString& sql) const {
    auto c = Connessione::apri(percorsoArchivio());
    c->eseguiScript(sql);
}

qlonglong ArchivioDiProva::contaDiretto(const QString& sql) const {
    auto c = Connessione::apri(percorsoArchivio());
    RecordSet rs = c->interroga(sql);
    return rs.campo(0).toLongLong();
}
