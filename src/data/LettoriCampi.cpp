#include "data/LettoriCampi.h"

#include "base/Errore.h"

#include <QDateTime>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void nonCorrisponde(const QVariant& v) {
    throw Errore(NumeriErrore::TipoNonCorrispondente,
                 QStringLiteral("Tipo non corrispondente (%1).").arg(v.toString()),
                 QStringLiteral("Conversione"));
}

[[noreturn]] void usoNull() {
    throw Errore(94, QStringLiteral("Utilizzo non valido di Null."), QStringLiteral("Conversione"));
}

double numero(const QVariant& v) {
    bool ok = false;
    double d = 0;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? -1 : 0;
    if (v.typeId() == QMetaType::QString) {
        QString t = v.toString().trimmed();
        d = t.toDouble(&ok);
        if (!ok)
            d = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    } else {
        d = v.toDouble(&ok);
    }
    if (!ok || !std::isfinite(d))
        nonCorrisponde(v);
    return d;
}

std::uint8_t aByte(const QVariant& v) {
    // Banker's rounding, as the platform's byte conversion does.
    const double r = std::nearbyint(numero(v));
    if (r < 0 || r > 255)
        throw Errore(NumeriErrore::Overflow,
                     QStringLiteral("Overflow: il valore %1 non è compreso tra 0 e 255.").arg(v.toString()),
                     QStringLiteral("Conversione"));
    return static_cast<std::uint8_t>(r);
}

} // namespace

QString nzStringa(const QVariant& valore) {
    return valore.isNull() ? QString() : cStringa(valore);
}

QDate nzData(const QVariant& valore) {
    if (valore.isNull())
        return {};
    if (valore.typeId() == QMetaType::QDate)
        return valore.toDate();
    if (valore.typeId() == QMetaType::QDateTime)
        return valore.toDateTime().date();
    if (valore.typeId() == QMetaType::QString) {
        const QString t = valore.toString().trimmed();
        // A date column written as empty text by another program holds no date either.
        if (t.isEmpty())
            return {};
        for (const char* forma : {"dd/MM/yyyy", "d/M/yyyy", "yyyy-MM-dd", "dd/MM/yy"}) {
            QDate d = QDate::fromString(t, QString::fromLatin1(forma));
            if (d.isValid()) {
                if (QLatin1String(forma) == QLatin1String("dd/MM/yy") && d.year() < 1930)
                    d = d.addYears(100);
                return d;
            }
        }
    }
    nonCorrisponde(valore);
}

std::uint8_t nzByte(const QVariant& valore) {
    return valore.isNull() ? 0 : aByte(valore);
}

QString cStringa(const QVariant& valore) {
    if (valore.isNull())
        usoNull();
    switch (valore.typeId()) {
    case QMetaType::QDate:
        return valore.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QDateTime:
        return valore.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    case QMetaType::Bool:
        return valore.toBool() ? QStringLiteral("Vero") : QStringLiteral("Falso");
    case QMetaType::Double:
        return QString::number(valore.toDouble(), 'g', 15);
    default:
        return valore.toString();
    }
}

qint32 cLong(const QVariant& valore) {
    if (valore.isNull())
        usoNull();
    const double r = std::nearbyint(numero(valore));
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        throw Errore(NumeriErrore::Overflow, QStringLiteral("Overflow"), QStringLiteral("Conversione"));
    return static_cast<qint32>(r);
}

std::uint8_t cByte(const QVariant& valore) {
    if (valore.isNull())
        usoNull();
    return aByte(valore);
}

double cSingle(const QVariant& valore) {
    if (valore.isNull())
        usoNull();
    return static_cast<double>(static_cast<float>(numero(valore)));
}

bool cBool(const QVariant& valore) {
    if (valore.isNull())
        usoNull();
    if (valore.typeId() == QMetaType::Bool)
        return valore.toBool();
    if (valore.typeId() == QMetaType::QString) {
        const QString t = valore.toString().trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
            t.compare(QLatin1String("vero"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
            t.compare(QLatin1String("falso"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return numero(valore) != 0;
}
