#include "editor/mdiScheda.h"
#include "selection/RegistraSelezione.h"
#include "shell/MessaggiFinestra.h"
#include "shell/ModuloBase.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    Applicazione app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vibrana"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vibrana"));
    QApplication::setApplicationVersion(QStringLiteral(VIBRANA_VERSIONE));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    installaTraduzioniQt(&app);

    installaServizioMessaggi(std::make_shared<MessaggiFinestra>());
    registraFinestreSelezione();
    registraFinestreEditor();
    const bool avviato = Main();
    // The program lives while a window is on screen.
    bool finestraAperta = false;
    for (const QWidget* w : QApplication::topLevelWidgets())
        finestraAperta = finestraAperta || w->isVisible();
    if (!finestraAperta)
        return avviato ? 0 : 1;
    // Start-up timing: leave as soon as the main window has been shown and painted.
    if (!qEnvironmentVariableIsEmpty("VIBRANA_ESCI_DOPO_AVVIO"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
