#include "base/Orologio.h"

#include <QByteArray>
#include <optional>

namespace {
std::optional<QDateTime>& fissato() {
    static std::optional<QDateTime> valore = []() -> std::optional<QDateTime> {
        const QByteArray env = qgetenv("VIBRANA_OGGI");
        if (env.isEmpty())
            return std::nullopt;
        const QDate d = QDate::fromString(QString::fromLatin1(env), QStringLiteral("yyyy-MM-dd"));
        if (!d.isValid())
            return std::nullopt;
        return QDateTime(d, QTime(10, 0));
    }();
    return valore;
}
} // namespace

QDateTime adesso() {
    const auto& f = fissato();
    return f ? *f : QDateTime::currentDateTime();
}

QDate oggi() {
    return adesso().date();
}

void impostaOrologio(const QDateTime& fisso) {
    if (fisso.isValid())
        fissato() = fisso;
    else
        fissato().reset();
}
