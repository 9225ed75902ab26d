#include "records/EsportaCsv.h"

#include "base/Errore.h"
#include "data/ScritturaSicura.h"
#include "records/scheda.h"
#include "records/utente.h"

#include <QDir>

namespace {

const QString aCapo = QStringLiteral("\r\n");

QString riga(const QStringList& campi) {
    QStringList uscita;
    uscita.reserve(campi.size());
    for (const QString& c : campi) {
        if (c.contains(QLatin1Char(';')) || c.contains(QLatin1Char('"')) || c.contains(QLatin1Char('\n')) ||
            c.contains(QLatin1Char('\r'))) {
            QString q = c;
            q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            uscita << QLatin1Char('"') + q + QLatin1Char('"');
        } else {
            uscita << c;
        }
    }
    return uscita.join(QLatin1Char(';')) + aCapo;
}

// A card's dates are kept as dd/MM/yyyy text already.
QVariant dataScheda(const QString& testo) {
    const QDate d = QDate::fromString(testo, QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? QVariant(d) : QVariant(QDate());
}

} // namespace

QString TabellaCsv::campo(const QVariant& valore) {
    if (valore.typeId() == QMetaType::QDate) {
        const QDate d = valore.toDate();
        return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
    }
    if (valore.isNull())
        return {};
    const QString testo = valore.toString();
    // Text a spreadsheet would take for a formula (=1+2, @SUM, a tab or CR before it) keeps a leading
    // apostrophe, which spreadsheets take as "this is text". Numbers, dates and ids are
    // written by the program itself and stay numbers, a negative one included.
    if (valore.typeId() != QMetaType::QString || testo.isEmpty())
        return testo;
    static const QString inizioFormula = QStringLiteral("=+-@\t\r");
    return inizioFormula.contains(testo.front()) ? QLatin1Char('\'') + testo : testo;
}

void TabellaCsv::aggiungiRiga(const QVariantList& valori) {
    QStringList r;
    r.reserve(valori.size());
    for (const QVariant& v : valori)
        r << campo(v);
    righe_.push_back(std::move(r));
}

QByteArray TabellaCsv::testo() const {
    QString t = riga(intestazione_);
    for (const QStringList& r : righe_)
        t += riga(r);
    return QByteArrayLiteral("\xEF\xBB\xBF") + t.toUtf8();
}

void TabellaCsv::salva(const QString& percorso) const {
    const QString motivo = scriviFileProtetto(percorso, testo());
    if (!motivo.isEmpty())
        throw Errore(NumeriErrore::PercorsoNonTrovato, motivo);
}

TabellaCsv tabellaAtleti(const std::vector<utente>& atleti) {
    TabellaCsv t({QStringLiteral("ID_atleta"), QStringLiteral("Cognome"), QStringLiteral("Nome"),
                  QStringLiteral("Data Nascita"), QStringLiteral("Sesso"), QStringLiteral("Note")});
    for (const utente& u : atleti)
        t.aggiungiRiga({u.id_utente, u.cognome, u.nome, u.dataNascita, u.sesso, u.note});
    return t;
}

TabellaCsv tabellaSchede(const std::vector<scheda>& schede) {
    TabellaCsv t({QStringLiteral("ID_scheda"), QStringLiteral("Dal"), QStringLiteral("Al"),
                  QStringLiteral("Istruttore"), QStringLiteral("Categoria"), QStringLiteral("Obiettivo"),
                  QStringLiteral("Note")});
    for (const scheda& s : schede)
        t.aggiungiRiga({s.id_scheda, dataScheda(s.PeriodoDal), dataScheda(s.PeriodoAl), s.Istruttore,
                        s.categoria, s.Obiettivo, s.note});
    return t;
}
