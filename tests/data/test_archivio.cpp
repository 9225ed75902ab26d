#include "base/Errore.h"
#include "comune/ArchivioDiProva.h"
#include "data/Connessione.h"
#include "data/CreaArchivio.h"
#include "data/db.h"

#include <QFile>
#include <QProcess>

namespace {

class Archivio : public ArchivioDiProva {};

TEST_F(Archivio, CopiaConsistenteEVerifica) {
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('a','b')"));
    const QString copia = cartella() + QStringLiteral("/copia.ps");
    {
        // A transaction in progress on the source does not make the copy fail or hold half of it.
        Transazione t(db());
        db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('c','d')"));
        t.rollback();
    }
    copiaArchivio(percorsoArchivio(), copia);
    EXPECT_TRUE(verificaArchivio(copia).isEmpty());
    auto c = Connessione::apri(copia);
    EXPECT_EQ(c->interroga(QStringLiteral("SELECT COUNT(*) FROM utenti")).campo(0).toInt(), 1);
    EXPECT_THROW(copiaArchivio(percorsoArchivio(), percorsoArchivio()), Errore);
}

TEST_F(Archivio, VerificaTrovaRiferimentiRotti) {
    eseguiDiretto(QStringLiteral(
        "PRAGMA foreign_keys=OFF; INSERT INTO schede (id_utente, Istruttore, id_cat, FreqAllen) "
        "VALUES (77, 'I', 1, 3);"));
    EXPECT_FALSE(verificaArchivio(percorsoArchivio()).isEmpty());
}

TEST_F(Archivio, CreaFallisceSenzaLasciareMezziFile) {
    QTemporaryDir sql;
    QFile f(sql.path() + QStringLiteral("/01.sql"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("CREATE TABLE a (x INTEGER); INSERT INTO b VALUES (1);");
    f.close();
    const QString dest = cartella() + QStringLiteral("/nuovo.ps");
    EXPECT_THROW(creaArchivio(sql.path(), dest), Errore);
    EXPECT_FALSE(QFile::exists(dest));
    EXPECT_FALSE(QFile::exists(dest + QStringLiteral(".nuovo")));
}

TEST_F(Archivio, ComandoSqlStampaLeRigheEFallisceSugliErrori) {
    const QString programma = QStringLiteral(VIBRANA_CARTELLA_BUILD) + QStringLiteral("/vibrana-archivio");
    if (!QFile::exists(programma))
        GTEST_FAIL() << "manca " << programma.toStdString();
    QProcess p;
    p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    p.start(programma,
            {QStringLiteral("sql"), QStringLiteral("SELECT id_cat, nome FROM categorie WHERE id_cat < 3")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              QStringLiteral("id_cat\tnome\n1\tDimagrimento\n2\tTonificazione\n"));

    p.start(programma, {QStringLiteral("sql"), QStringLiteral("DELETE * FROM manca")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).startsWith(QStringLiteral("Errore")));

    p.start(programma, {QStringLiteral("sconosciuto")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_NE(p.exitCode(), 0);
}

} // namespace
