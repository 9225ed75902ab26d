#include "StrumentiPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {
QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

namespace StrumentiPdf {

int pagine(const QString& file) {
    static const QRegularExpression riga(QStringLiteral("^Pages:\\s+(\\d+)"),
                                         QRegularExpression::MultilineOption);
    const auto m = riga.match(esegui(QStringLiteral("pdfinfo"), {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QStringList testiPagine(const QString& file) {
    QStringList pagine =
        esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    if (!pagine.isEmpty() && pagine.last().trimmed().isEmpty())
        pagine.removeLast();
    return pagine;
}

Immagini immagini(const QString& file) {
    Immagini r;
    QSet<QString> oggetti;
    const QStringList righe = esegui(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Two heading lines, then one line per drawn picture; the 11th column is the object number.
    for (qsizetype i = 2; i < righe.size(); ++i) {
        const QStringList c = righe[i].simplified().split(QLatin1Char(' '));
        if (c.size() < 12 || c[2] == QLatin1String("smask"))
            continue;
        ++r.disegni;
        oggetti.insert(c[10]);
    }
    r.oggetti = static_cast<int>(oggetti.size());
    return r;
}

} // namespace StrumentiPdf
