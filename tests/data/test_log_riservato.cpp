#include "base/Logger.h"
#include "comune/ArchivioDiProva.h"
#include "data/RiassuntoSql.h"
#include "data/db.h"
#include "records/ScambioScheda.h"
#include "records/scheda.h"
#include "records/utente.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// What people type: none of it may be found in the log, whichever way it reached the register.
const QStringList sentinelle = {
    QStringLiteral("Giulia"),     QStringLiteral("Verdi"),        QStringLiteral("diabete"),
    QStringLiteral("gravidanza"), QStringLiteral("Ipertensione"), QStringLiteral("perdere peso"),
    QStringLiteral("ginocchio"),  QStringLiteral("Ferraresi"),    QStringLiteral("2004"),
    QStringLiteral("28/01"),      QStringLiteral("01/28"),        QStringLiteral("stanchezza"),
    QStringLiteral("Ottavia"),
};

class LogRiservato : public ArchivioDiProva {
protected:
    QString tuttoIlLog() const {
        QString r;
        for (const QString& nome : {QStringLiteral("/log.1.txt"), QStringLiteral("/log.txt")}) {
            QFile f(cartella() + nome);
            if (f.open(QIODevice::ReadOnly))
                r += QString::fromUtf8(f.readAll());
        }
        return r;
    }
    void nessunaSentinella() const {
        const QString log = tuttoIlLog();
        ASSERT_FALSE(log.isEmpty()) << "nulla nel log: il controllo non proverebbe niente";
        for (const QString& s : sentinelle)
            EXPECT_FALSE(log.contains(s, Qt::CaseInsensitive)) << s.toStdString() << " nel log:\n"
                                                               << log.left(4000).toStdString();
    }
    std::pair<int, QString> archivio(const QStringList& argomenti) const {
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start(QStringLiteral(VIBRANA_CARTELLA_BUILD) + QStringLiteral("/vibrana-archivio"), argomenti);
        if (!p.waitForFinished(60000))
            return {-1, QStringLiteral("scaduto")};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    }
};

TEST_F(LogRiservato, AtletaSchedaEImportazioneNonLascianoValoriNelLog) {
    utente u;
    u.nome = QStringLiteral("Giulia");
    u.cognome = QStringLiteral("Verdi");
    u.dataNascita = QDate(2004, 1, 28);
    u.sesso = QStringLiteral("F");
    u.note = QStringLiteral("diabete, gravidanza");
    const std::int32_t id = u.save();
    ASSERT_GT(id, 0);
    // An update and a lookup by name go through other statements.
    u.id_utente = id;
    u.note = QStringLiteral("Ipertensione, stanchezza");
    u.save();
    db().Dlookup(QStringLiteral("id_utente"), QStringLiteral("utenti"), QStringLiteral("cognome = 'Verdi'"));

    scheda s;
    s.id_utente = id;
    s.Istruttore = QStringLiteral("Ottavia Ferraresi");
    s.PeriodoDal = QStringLiteral("10/12/2026");
    s.PeriodoAl = QStringLiteral("31/12/2026");
    s.categoria = QStringLiteral("Tonificazione");
    s.Obiettivo = QStringLiteral("perdere peso");
    s.FreqAllen = 3;
    s.GGAllen = QStringLiteral("001010100");
    s.note = QStringLiteral("dolore al ginocchio");
    ASSERT_GT(s.save(), 0);

    const auto esito = scambioScheda::importa(scambioScheda::esporta(s), scambioScheda::Tipo::Scheda, id);
    ASSERT_TRUE(esito.riuscito) << esito.messaggio.toStdString();
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('\n')).toStdString();

    // A refused statement is logged as well, with its outcome and still no value.
    db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome, colonna_che_non_c_e) VALUES "
                                "('Giulia', 'Verdi', 'gravidanza')"));
    nessunaSentinella();
    // The log still says what happened.
    const QStringList righe = righeLog();
    EXPECT_GE(righe.filter(QStringLiteral("Execute - INSERT utenti: eseguita, id ")).size(), 1);
    EXPECT_GE(righe.filter(QStringLiteral("Execute - INSERT schede: eseguita, id ")).size(), 2);
    EXPECT_EQ(righe.filter(QStringLiteral("Execute - UPDATE utenti (id_utente=%1)").arg(id)).size(), 1);
    EXPECT_EQ(righe.filter(QStringLiteral("Execute - INSERT utenti: errore ")).size(), 1);
}

TEST_F(LogRiservato, IlComandoSqlNonScriveIValoriNelLog) {
    const auto [codice, errore] =
        archivio({QStringLiteral("sql"),
                  QStringLiteral("INSERT INTO utenti (nome,cognome,dataNascita,sesso,[Note]) "
                                 "VALUES ('Giulia','Verdi',#01/28/2004#,'M','diabete, gravidanza')")});
    ASSERT_EQ(codice, 0) << errore.toStdString();
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE cognome = 'Verdi'")), 1);
    nessunaSentinella();
}

// However long a value, each line and the two files keep their bound.
TEST_F(LogRiservato, UnaNotaEnormeNonAllungaIlLog) {
    const QString enorme = QStringLiteral("gravidanza ") + QString(5 * 1024 * 1024, QLatin1Char('x'));
    EXPECT_TRUE(
        db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome, [Note]) VALUES ('a', 'b', '") +
                     enorme + QStringLiteral("')")));
    // Refused by the engine (a column that is not there): the error is logged too.
    EXPECT_FALSE(db().Execute(QStringLiteral("UPDATE utenti SET manca = '") + enorme +
                              QStringLiteral("' WHERE id_utente = 1")));
    for (const QString& riga : righeLog())
        EXPECT_LE(riga.size(), Logger::lunghezzaMassima + Logger::marcaTaglio.size())
            << riga.left(200).toStdString();
    EXPECT_LE(QFileInfo(cartella() + QStringLiteral("/log.txt")).size(), 2 * Logger::limitePredefinito);
    EXPECT_LE(QFileInfo(cartella() + QStringLiteral("/log.1.txt")).size(), 2 * Logger::limitePredefinito);
    EXPECT_FALSE(tuttoIlLog().contains(QStringLiteral("gravidanza")));
}

// Table of statements the program writes, and what the log keeps of them.
TEST(RiassuntoIstruzione, TipoTabellaEChiaveSenzaLetterali) {
    const struct {
        const char* sql;
        const char* atteso;
    } casi[] = {
        {"INSERT INTO utenti (nome,cognome,dataNascita,sesso,[Note]) VALUES "
         "('Giulia','Verdi',#01/28/2004#,'M',"
         "'diabete, gravidanza')",
         "INSERT utenti"},
        {"UPDATE schede SET obiettivo='tono',[note]='l''amico' WHERE id_scheda=12",
         "UPDATE schede (id_scheda=12)"},
        {"  update [Utenti] set nome = 'id_utente = 3' where ID_Utente = 7", "UPDATE Utenti (ID_Utente=7)"},
        {"DELETE * FROM Esercizi WHERE ct=0", "DELETE Esercizi"},
        {"SELECT nome FROM categorie WHERE id_cat = 2", "SELECT categorie (id_cat=2)"},
        {"SELECT id_utente FROM utenti WHERE cognome = 'Verdi' AND id_utente = 4", "SELECT utenti"},
        {"SELECT * FROM utenti WHERE peso = 80", "SELECT utenti"},
        {"SELECT 'FROM Giulia' AS x FROM parametri", "SELECT parametri"},
        {"INSERT INTO utenti (nome) VALUES ('l'amico')", "INSERT utenti"},
        {"PRAGMA foreign_keys = ON", "PRAGMA"},
        {"'Giulia'", "(istruzione non riconosciuta)"},
        {"", "(istruzione non riconosciuta)"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(riassuntoIstruzione(QString::fromUtf8(c.sql)), QString::fromUtf8(c.atteso)) << c.sql;
}

TEST(RiassuntoIstruzione, ErroreDelMotoreSenzaRigheCitate) {
    EXPECT_EQ(
        erroreMotorePerLog(QStringLiteral("ERROR:  duplicate key value violates unique constraint \"u\"\n"
                                          "DETAIL:  Key (nome)=(Giulia) already exists.\n")),
        QStringLiteral("ERROR:  duplicate key value violates unique constraint \"u\""));
    EXPECT_EQ(erroreMotorePerLog(QStringLiteral("ERROR:  syntax error at or near \"x\"\n"
                                                "LINE 1: INSERT INTO utenti VALUES ('Giulia' x)\n"
                                                "                                           ^\n")),
              QStringLiteral("ERROR:  syntax error at or near \"x\""));
    EXPECT_EQ(erroreMotorePerLog(QStringLiteral("connection to server failed: Connection refused\n"
                                                "\tIs the server running on that host?")),
              QStringLiteral(
                  "connection to server failed: Connection refused Is the server running on that host?"));
}

} // namespace
