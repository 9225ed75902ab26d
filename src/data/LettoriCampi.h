#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <cstdint>

// Null-safe readers of the fields of a row set.
QString nzStringa(const QVariant& valore);   // null -> ""
QDate nzData(const QVariant& valore);        // null or blank -> a null date (no date)
std::uint8_t nzByte(const QVariant& valore); // null -> 0; Errore when it does not fit

// Plain conversions for required columns: Errore on a null or a value that does not convert.
QString cStringa(const QVariant& valore);
qint32 cLong(const QVariant& valore);
std::uint8_t cByte(const QVariant& valore);
double cSingle(const QVariant& valore);
bool cBool(const QVariant& valore);
