#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Drives the modal windows one command opens one after another (athlete list, then card list...).
// Each step names the class of the window expected next and what the user does in it. A window of
// another class, a step whose window never opened and a window left open after its step fail the test;
// such windows are closed so the test never hangs. A window that a step itself opens (a form over a
// list) is the step's own business: drive it there with usaModale.
class SequenzaModali {
public:
    template <class T> SequenzaModali& poi(std::function<void(T&)> agisci) {
        passi_.push_back({T::staticMetaObject.className(),
                          [agisci](QWidget* w) { agisci(*qobject_cast<T*>(w)); },
                          [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; }});
        return *this;
    }

    // Runs `comando` (which returns when the command is over) while the steps are played.
    void esegui(const std::function<void()>& comando, int attesaMs = 5000) {
        std::size_t prossimo = 0;
        bool occupato = false;
        QPointer<QWidget> ultima;
        QStringList errori;
        QElapsedTimer orologio;
        orologio.start();
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (occupato)
                return;
            QWidget* attiva = QApplication::activeModalWidget();
            if (!attiva || attiva == ultima) {
                if (orologio.elapsed() > attesaMs)
                    timer.stop();
                return;
            }
            if (prossimo < passi_.size() && passi_[prossimo].eDelTipo(attiva)) {
                QPointer<QWidget> guardia(attiva);
                ultima = attiva;
                occupato = true;
                passi_[prossimo].agisci(attiva);
                occupato = false;
                QApplication::processEvents();
                if (guardia && guardia->isVisible()) {
                    errori << QStringLiteral("rimasta aperta: ") +
                                  QString::fromLatin1(passi_[prossimo].classe);
                    chiudi(guardia);
                }
                ++prossimo;
                orologio.restart();
                return;
            }
            errori << QStringLiteral("finestra inattesa: ") +
                          QString::fromLatin1(attiva->metaObject()->className());
            ultima = attiva;
            chiudi(attiva);
        });
        timer.start();
        comando();
        timer.stop();
        for (std::size_t i = prossimo; i < passi_.size(); ++i)
            errori << QStringLiteral("non aperta: ") + QString::fromLatin1(passi_[i].classe);
        EXPECT_TRUE(errori.isEmpty()) << errori.join(QStringLiteral("; ")).toStdString();
    }

private:
    struct Passo {
        const char* classe;
        std::function<void(QWidget*)> agisci;
        std::function<bool(QWidget*)> eDelTipo;
    };
    static void chiudi(QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    }
    std::vector<Passo> passi_;
};
