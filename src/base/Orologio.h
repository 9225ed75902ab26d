#pragma once

#include <QDate>
#include <QDateTime>

// "Today" and "now" for the whole program. Tests fix them with impostaOrologio or the
// environment variable VIBRANA_OGGI (yyyy-MM-dd).
QDate oggi();
QDateTime adesso();

// A null date-time restores the real clock.
void impostaOrologio(const QDateTime& fisso);
