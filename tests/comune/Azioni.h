#pragma once

#include <QAction>
#include <QObject>
#include <QString>
#include <gtest/gtest.h>

// Gives the command of the action named `nome` in `finestra` (a menu item, a toolbar button), as a
// click on it does. A missing action fails the test.
inline void attiva(const QObject& finestra, const QString& nome) {
    QAction* a = finestra.findChild<QAction*>(nome);
    if (!a) {
        ADD_FAILURE() << "Nessun comando di nome " << nome.toStdString() << " in "
                      << finestra.objectName().toStdString();
        return;
    }
    a->trigger();
}
inline void attiva(const QObject& finestra, const char* nome) {
    attiva(finestra, QString::fromLatin1(nome));
}
