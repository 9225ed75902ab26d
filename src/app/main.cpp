#include "shell/MessaggiFinestra.h"
#include "shell/ModuloBase.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    Applicazione app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vibrana"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vibrana"));
    QApplication::setApplicationVersion(QStringLiteral(VIBRANA_VERSIONE));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    installaServizioMessaggi(std::make_shared<MessaggiFinestra>());
    if (!Main() && QApplication::topLevelWidgets().isEmpty())
        return 1;
    if (QApplication::topLevelWidgets().isEmpty())
        return 0;
    return QApplication::exec();
}
