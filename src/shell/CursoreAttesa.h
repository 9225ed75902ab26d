#pragma once

#include <QCursor>
#include <QGuiApplication>

// The hourglass pointer for as long as it lives, however the scope is left (an exception included),
// so a failed operation never leaves the pointer stuck.
class CursoreAttesa {
public:
    CursoreAttesa() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~CursoreAttesa() { QGuiApplication::restoreOverrideCursor(); }
    CursoreAttesa(const CursoreAttesa&) = delete;
    CursoreAttesa& operator=(const CursoreAttesa&) = delete;
};
