#pragma once

// The set-up the benchmark programs share: platform, a register in a temporary folder, running.
#include "data/CreaArchivio.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Windows are drawn off screen unless another platform is chosen; call before the QApplication.
inline void schermoPredefinito() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A register with the schema and the base data only, without the delivered catalogue.
inline void creaArchivioSoloSchema(const QString& archivio) {
    const QDir sql(QStringLiteral(VIBRANA_SQL_DIR));
    QTemporaryDir soloSchema;
    for (const QString& f : {QStringLiteral("01_schema.sql"), QStringLiteral("02_dati_base.sql")})
        QFile::copy(sql.filePath(f), soloSchema.path() + QLatin1Char('/') + f);
    creaArchivio(soloSchema.path(), archivio);
}

#ifdef VIBRANA_CARTELLA_BUILD
// The delivered pictures of the build's program folder copied into `cartella`/images, so the windows
// time what they do with real pictures.
inline void copiaImmaginiConsegnate(const QString& cartella) {
    const QDir origine(QStringLiteral(VIBRANA_CARTELLA_BUILD "/images"));
    QDirIterator it(origine.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString dest = cartella + QStringLiteral("/images/") + origine.relativeFilePath(f);
        QDir().mkpath(QFileInfo(dest).path());
        QFile::copy(f, dest);
    }
}
#endif

// The program works in `cartella`.
inline void usaCartella(const QString& cartella) {
    qputenv("VIBRANA_CARTELLA", cartella.toLocal8Bit());
}

// Runs the benchmarks the command line chooses.
inline void eseguiBenchmark(int* argc, char** argv) {
    ::benchmark::Initialize(argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
}

// `atleti` athletes with scattered surnames and birth dates.
inline QString sqlAtleti(int atleti) {
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                          "INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) "
                          "SELECT 'Nome' || i, 'Cognome' || (i * 7919 % %1), "
                          "date('1950-01-01', '+' || (i % 20000) || ' days'), 'M', '' FROM n;")
        .arg(atleti);
}
