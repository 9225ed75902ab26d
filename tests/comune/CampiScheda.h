#pragma once

#include "editor/SchedaCorpo.h"
#include "editor/SchedaIntestazione.h"
#include "editor/mdiScheda.h"

#include <QComboBox>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

// Finding the card editor's controls as the window tests do, and choosing in a list as the user does.

// The panel of the k-th exercise on view.
inline QWidget* pannello(mdiScheda& e, int k) {
    return e.corpo()->findChild<QWidget*>(QStringLiteral("pannello%1").arg(k));
}
template <class T> T* campo(mdiScheda& e, int k, const char* nome) {
    T* c = pannello(e, k)->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}
// A control of the card's heading.
template <class T> T* testa(mdiScheda& e, const char* nome) {
    T* c = e.intestazione()->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}
inline void scegli(QComboBox* box, int indice) {
    box->setFocus(Qt::MouseFocusReason);
    box->setCurrentIndex(indice);
    emit box->activated(indice);
}
