#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// The names a command that writes a file must refuse, made in a test's program folder: the register,
// every other name of it, of its journals and of its copies, and targets that are not a file that
// can be replaced. A failure to make them fails the test and leaves the list empty.
struct BersagliOstili {
    struct Bersaglio {
        QString bersaglio;
        const char* motivo; // the reason the refusal gives
    };
    QString copia; // a copy in the register's backup folder
    std::vector<Bersaglio> elenco;

    // `estensione` ends the names made ("pdf", "vibrana"); the read-only one holds 15 bytes.
    BersagliOstili(const QString& cartella, const QString& archivio, const QString& estensione) {
        if (!QFileInfo::exists(archivio)) { // the register is on the server: a file in its place
            QFile f(archivio);
            if (!f.open(QIODevice::WriteOnly) || f.write("archivio") != 8) {
                fallito("archivio");
                return;
            }
        }
        copia = cartella + QStringLiteral("/backup/splash-2026-12-10_083000.ps");
        if (!QDir().mkpath(QFileInfo(copia).absolutePath()) || !QFile::copy(archivio, copia)) {
            fallito("copia");
            return;
        }
        const auto in = [&](const char* nome) {
            return cartella + QLatin1Char('/') + QLatin1String(nome) + QLatin1Char('.') + estensione;
        };
        const QString sola = in("sola");
        {
            QFile f(sola);
            if (!f.open(QIODevice::WriteOnly) || f.write("di sola lettura") != 15) {
                fallito("sola lettura");
                return;
            }
        }
        if (!QFile::link(archivio, in("collegamento")) ||
            ::link(QFile::encodeName(archivio).constData(), QFile::encodeName(in("duro")).constData()) != 0 ||
            !QDir().mkpath(in("cartella")) ||
            ::mkfifo(QFile::encodeName(in("tubo")).constData(), 0600) != 0 ||
            !QFile::setPermissions(sola, QFile::ReadOwner)) {
            fallito("collegamenti, cartella o tubo");
            return;
        }
        elenco = {
            {archivio, "è l'archivio del programma"},
            {in("collegamento"), "è l'archivio del programma"},
            {in("duro"), "è l'archivio del programma"},
            {archivio + QStringLiteral("-journal"), "è un file dell'archivio del programma"},
            {copia, "è nella cartella delle copie dell'archivio"},
            {in("cartella"), "è una cartella"},
            {in("tubo"), "non è un file normale"},
            {sola, "non si ha il permesso di scrivere"},
            {cartella + QStringLiteral("/manca/x.") + estensione, "la cartella non esiste"},
        };
    }

    // The file's bytes as a checksum (empty when it cannot be read).
    static QByteArray impronta(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                           : QByteArray();
    }

private:
    void fallito(const char* cosa) { ADD_FAILURE() << "bersagli non preparati: " << cosa; }
};
