#include "shell/BarraStrumenti.h"

#include <QMenu>

#include <QAction>

namespace {
const char* const proprietaChiave = "chiave";
const char* const proprietaImmagine = "numeroImmagine";
} // namespace

BarraStrumenti::BarraStrumenti(const QString& nome, QWidget* genitore) : QToolBar(genitore) {
    setObjectName(nome);
    setWindowTitle(nome);
    setMovable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // The items of a button's menu come here too, through the button: whoever adds them dispatches
    // them, so that a command chosen from a menu runs once.
    connect(this, &QToolBar::actionTriggered, this, [this](QAction* a) {
        if (!a->isSeparator() && actions().contains(a))
            emit ButtonClick(a);
    });
}

QAction* BarraStrumenti::aggiungiPulsante(const QString& didascalia, const QString& chiave,
                                          const QString& suggerimento) {
    QAction* a = addAction(didascalia);
    a->setObjectName(chiave);
    a->setProperty(proprietaChiave, chiave);
    a->setToolTip(suggerimento);
    a->setStatusTip(suggerimento);
    return a;
}

QAction* BarraStrumenti::aggiungiSeparatore(const QString& chiave) {
    QAction* a = addSeparator();
    a->setProperty(proprietaChiave, chiave);
    return a;
}

QAction* BarraStrumenti::pulsante(const QString& chiave) const {
    for (QAction* a : actions()) {
        if (!a->isSeparator() && BarraStrumenti::chiave(a).compare(chiave, Qt::CaseInsensitive) == 0)
            return a;
        // A command may sit in the menu of one of the buttons.
        if (a->menu())
            for (QAction* voce : a->menu()->actions())
                if (!voce->isSeparator() &&
                    BarraStrumenti::chiave(voce).compare(chiave, Qt::CaseInsensitive) == 0)
                    return voce;
    }
    return nullptr;
}

QString BarraStrumenti::chiave(const QAction* pulsante) {
    return pulsante ? pulsante->property(proprietaChiave).toString() : QString();
}

int BarraStrumenti::numeroImmagine(const QAction* pulsante) {
    return pulsante ? pulsante->property(proprietaImmagine).toInt() : 0;
}
