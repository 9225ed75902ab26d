#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryFile>
#include <memory>

// The offscreen screen of a test program: `larghezza` x `altezza` logical pixels at 96 dpi, windows
// with a frame. Called before the application object exists (a namespace-scope initialiser does it);
// a platform other than offscreen, chosen to watch the windows, is left alone. True when set.
inline bool schermoDiProva(int larghezza, int altezza) {
    const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
    if (!piattaforma.isEmpty() && piattaforma != "offscreen")
        return false;
    static std::unique_ptr<QTemporaryFile> configurazione;
    configurazione =
        std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("schermo-XXXXXX.json")));
    if (!configurazione->open())
        return false;
    configurazione->write(QStringLiteral("{\"windowFrameMargins\": true, \"screens\": [{\"name\": \"prova\", "
                                         "\"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2, "
                                         "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                              .arg(larghezza)
                              .arg(altezza)
                              .toUtf8());
    configurazione->flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(configurazione->fileName()));
    return true;
}
