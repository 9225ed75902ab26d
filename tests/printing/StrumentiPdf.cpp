#include "StrumentiPdf.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

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

QImage pagina(const QString& file, int n, int dpi) {
    QTemporaryDir cartella;
    const QString base = cartella.filePath(QStringLiteral("pagina"));
    esegui(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                        QString::number(n), QStringLiteral("-l"), QString::number(n),
                                        QStringLiteral("-png"), QStringLiteral("-singlefile"), file, base});
    return QImage(base + QStringLiteral(".png"));
}

bool riferimentiCoerenti(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray pdf = f.readAll();
    const qsizetype s = pdf.lastIndexOf("startxref");
    if (s < 0)
        return false;
    const qsizetype xref = pdf.mid(s + 9).trimmed().split('\n').value(0).trimmed().toLongLong();
    if (xref <= 0 || pdf.mid(xref, 4) != "xref")
        return false;
    const QList<QByteArray> righe = pdf.mid(xref, s - xref).split('\n');
    const QList<QByteArray> testa = righe.value(1).trimmed().split(' ');
    const int primo = testa.value(0).toInt();
    const int quanti = testa.value(1).toInt();
    if (quanti <= 1 || righe.size() < quanti + 2)
        return false;
    for (int k = 0; k < quanti; ++k) {
        const QByteArray voce = righe[k + 2];
        if (voce.size() < 18 || voce[17] != 'n')
            continue;
        if (!pdf.mid(voce.left(10).toLongLong()).startsWith(QByteArray::number(primo + k) + " 0 obj"))
            return false;
    }
    return true;
}

} // namespace StrumentiPdf
