#include "data/RiassuntoSql.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// The statement with every literal (text, date, quoted name) and comment turned into a blank, so
// that nothing found afterwards can come from a value.
QString senzaLetterali(const QString& sql) {
    QString r;
    r.reserve(std::min<qsizetype>(sql.size(), 4096));
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'#' || c == u'"') {
            // A doubled delimiter inside a literal stands for itself.
            qsizetype j = i + 1;
            while (j < sql.size()) {
                if (sql[j] == c) {
                    if (j + 1 < sql.size() && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            r += QStringLiteral(" ? ");
            i = j;
        } else if (c == u'-' && i + 1 < sql.size() && sql[i + 1] == u'-') {
            while (i < sql.size() && sql[i] != u'\n')
                ++i;
            r += QLatin1Char(' ');
        } else {
            r += c;
        }
    }
    return r;
}

// A table name as the program writes it, bare or in Jet's brackets.
const QString nome = QStringLiteral(R"(\[?([A-Za-z_][A-Za-z0-9_]{0,63})\]?)");

QString tabella(const QString& tipo, const QString& testo) {
    QString modello;
    if (tipo == QLatin1String("INSERT"))
        modello = QStringLiteral(R"(^\s*INSERT\s+INTO\s+)") + nome;
    else if (tipo == QLatin1String("UPDATE"))
        modello = QStringLiteral(R"(^\s*UPDATE\s+)") + nome;
    else if (tipo == QLatin1String("DELETE") || tipo == QLatin1String("SELECT"))
        modello = QStringLiteral(R"(\bFROM\s+)") + nome;
    else
        return QString();
    const QRegularExpression e(modello, QRegularExpression::CaseInsensitiveOption);
    return e.match(testo).captured(1);
}

// Only key columns (id...) are named with their number: other numbers may be a person's measures.
QString chiave(const QString& testo) {
    static const QRegularExpression e(
        QStringLiteral(
            R"(\bWHERE\s+(?:\[?[A-Za-z_][A-Za-z0-9_]*\]?\.)?\[?(id[A-Za-z0-9_]{0,60})\]?\s*=\s*(\d{1,18})\b)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = e.match(testo);
    if (!m.hasMatch())
        return QString();
    return m.captured(1) + QLatin1Char('=') + m.captured(2);
}

} // namespace

QString riassuntoIstruzione(const QString& sql) {
    const QString testo = senzaLetterali(sql);
    static const QRegularExpression parola(QStringLiteral(R"(^\s*\(?\s*([A-Za-z]{1,20})\b)"));
    const QString tipo = parola.match(testo).captured(1).toUpper();
    if (tipo.isEmpty())
        return QStringLiteral("(istruzione non riconosciuta)");
    QString r = tipo;
    if (const QString t = tabella(tipo, testo); !t.isEmpty())
        r += QLatin1Char(' ') + t;
    if (tipo != QLatin1String("INSERT"))
        if (const QString k = chiave(testo); !k.isEmpty())
            r += QStringLiteral(" (") + k + QLatin1Char(')');
    return r;
}

QString erroreMotorePerLog(const QString& testo) {
    static const QRegularExpression citazione(
        QStringLiteral(R"(^\s*(DETAIL|CONTEXT|LINE \d+|QUERY|STATEMENT|DETTAGLIO|CONTESTO|RIGA \d+)\s*:)"));
    QStringList tenute;
    bool saltaCursore = false;
    for (const QString& riga : testo.split(QLatin1Char('\n'))) {
        if (citazione.match(riga).hasMatch()) {
            saltaCursore = true; // the caret line under LINE points into the statement
            continue;
        }
        if (saltaCursore && riga.trimmed() == QLatin1String("^"))
            continue;
        saltaCursore = false;
        if (!riga.trimmed().isEmpty())
            tenute << riga.trimmed();
    }
    return tenute.join(QLatin1Char(' '));
}
