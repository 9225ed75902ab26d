#include "data/TraduttoreJet.h"

#include "base/Errore.h"
#include "data/Apici.h"

#include <QDate>
#include <QRegularExpression>

namespace {

[[noreturn]] void erroreSintassi(const QString& dettaglio, const QString& sql) {
    throw Errore(
        NumeriErrore::SintassiSql,
        QStringLiteral("Errore di sintassi (%1) nell'espressione della query '%2'.").arg(dettaglio, sql),
        QStringLiteral("Motore di database"));
}

bool inizioParola(const QString& s, int i) {
    return i == 0 || !(s[i - 1].isLetterOrNumber() || s[i - 1] == u'_');
}

bool fineParola(const QString& s, int i) {
    return i >= s.size() || !(s[i].isLetterOrNumber() || s[i] == u'_');
}

QString dataIso(const QString& contenuto, const QString& sql) {
    static const QRegularExpression forma(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const auto m = forma.match(contenuto);
    if (!m.hasMatch())
        erroreSintassi(QStringLiteral("data non valida"), sql);
    const int mese = m.captured(1).toInt();
    const int giorno = m.captured(2).toInt();
    int anno = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        anno += anno < 30 ? 2000 : 1900;
    const QDate d(anno, mese, giorno);
    if (!d.isValid())
        erroreSintassi(QStringLiteral("data non valida"), sql);
    QString iso = d.toString(QStringLiteral("yyyy-MM-dd"));
    if (!m.captured(4).isEmpty()) {
        const QTime t(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!t.isValid())
            erroreSintassi(QStringLiteral("data non valida"), sql);
        iso += QLatin1Char(' ') + t.toString(QStringLiteral("HH:mm:ss"));
    }
    return QLatin1Char('\'') + iso + QLatin1Char('\'');
}

} // namespace

QString traduciJet(const QString& jet, Dialetto dialetto) {
    const bool server = dialetto == Dialetto::PostgreSQL;
    QString out;
    out.reserve(jet.size() + 16);
    const int n = jet.size();
    int i = 0;
    while (i < n) {
        const QChar c = jet[i];
        if (c == u'\'' || c == u'"') {
            // A literal in either quote; a doubled quote stands for one. Written out in single quotes.
            QString contenuto;
            int j = i + 1;
            bool chiuso = false;
            while (j < n) {
                if (jet[j] == c) {
                    if (j + 1 < n && jet[j + 1] == c) {
                        contenuto += c;
                        j += 2;
                        continue;
                    }
                    chiuso = true;
                    break;
                }
                contenuto += jet[j];
                ++j;
            }
            if (!chiuso)
                erroreSintassi(QStringLiteral("stringa non terminata"), jet);
            out += QLatin1Char('\'') + raddoppiaApici(contenuto) + QLatin1Char('\'');
            i = j + 1;
        } else if (c == u'#') {
            const int chiusura = jet.indexOf(QLatin1Char('#'), i + 1);
            if (chiusura < 0)
                erroreSintassi(QStringLiteral("data non terminata"), jet);
            out += dataIso(jet.mid(i + 1, chiusura - i - 1), jet);
            i = chiusura + 1;
        } else if (c == u'[') {
            const int chiusura = jet.indexOf(QLatin1Char(']'), i + 1);
            if (chiusura < 0 || chiusura == i + 1)
                erroreSintassi(QStringLiteral("nome tra parentesi quadre non valido"), jet);
            QString nome = jet.mid(i + 1, chiusura - i - 1);
            if (server)
                nome = nome.toLower();
            nome.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            out += QLatin1Char('"') + nome + QLatin1Char('"');
            i = chiusura + 1;
        } else if (c.isLetter() || c == u'_') {
            int j = i;
            while (j < n && (jet[j].isLetterOrNumber() || jet[j] == u'_'))
                ++j;
            const QString parola = jet.mid(i, j - i);
            if (inizioParola(jet, i) && fineParola(jet, j)) {
                if (parola.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0) {
                    out += QLatin1Char('1');
                    i = j;
                    continue;
                }
                if (parola.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) {
                    out += QLatin1Char('0');
                    i = j;
                    continue;
                }
                if (parola.compare(QLatin1String("DELETE"), Qt::CaseInsensitive) == 0) {
                    // DELETE * FROM: drop the star.
                    int k = j;
                    while (k < n && jet[k].isSpace())
                        ++k;
                    if (k < n && jet[k] == u'*') {
                        out += parola;
                        i = k + 1;
                        continue;
                    }
                }
            }
            out += parola;
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}
