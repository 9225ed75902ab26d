#include "shell/FinestraGuida.h"
#include "shell/MessaggiFinestra.h"
#include "shell/ModuloBase.h"
#include "shell/StileProgramma.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    Applicazione app(argc, argv);
    // No display name: the platform would append it to every window title (" Arvel — Vibrana").
    QApplication::setApplicationName(QStringLiteral("vibrana"));
    QApplication::setApplicationVersion(QStringLiteral(VIBRANA_VERSIONE));
    // The desktop entry's name, so the desktop shows the installed icon and groups the windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.vibrana.Vibrana"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    installaTraduzioniQt(&app);
    installaStileProgramma(app);

    installaServizioMessaggi(std::make_shared<MessaggiFinestra>());
    installaTastoGuida(&app);
    registraFinestreProgramma();
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
