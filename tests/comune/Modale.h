#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Drives a modal window as a user would. `apri` does what opens it (clicks a button, triggers an
// action) and returns when the window has closed; `agisci` runs once a modal window of type T is up
// (fill fields, press its buttons). The test fails when no such window opened within `attesaMs`, when
// another kind of modal window showed up, or when the window was still open after `agisci`. A window
// left open is closed so the test never hangs.
template <class T>
void usaModale(const std::function<void()>& apri, const std::function<void(T&)>& agisci,
               int attesaMs = 5000) {
    bool aperta = false;
    bool chiusaDopo = false;
    QString estranea;
    QElapsedTimer orologio;
    orologio.start();
    // A plain local: the connection dies with it, and a timer holding itself would never be freed.
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* attiva = QApplication::activeModalWidget();
        if (!aperta && attiva) {
            if (auto* f = qobject_cast<T*>(attiva)) {
                aperta = true;
                timer.stop();
                QPointer<QWidget> guardia(f);
                agisci(*f);
                QApplication::processEvents();
                chiusaDopo = guardia.isNull() || !guardia->isVisible();
                if (!chiusaDopo && guardia) {
                    if (auto* d = qobject_cast<QDialog*>(guardia.data()))
                        d->reject();
                    else
                        guardia->close();
                }
                return;
            }
            estranea = attiva->metaObject()->className();
            timer.stop();
            if (auto* d = qobject_cast<QDialog*>(attiva))
                d->reject();
            else
                attiva->close();
            return;
        }
        if (orologio.elapsed() > attesaMs)
            timer.stop();
    });
    timer.start();
    apri();
    timer.stop();
    EXPECT_TRUE(estranea.isEmpty()) << "Si e' aperta una finestra modale inattesa: "
                                    << estranea.toStdString();
    EXPECT_TRUE(aperta) << "La finestra modale attesa non si e' aperta: " << T::staticMetaObject.className();
    if (aperta) {
        EXPECT_TRUE(chiusaDopo) << "La finestra modale e' rimasta aperta: "
                                << T::staticMetaObject.className();
    }
}
