#include "base/Errore.h"
#include "comune/ArchivioDiProva.h"
#include "data/ConnessioneFile.h"
#include "data/CreaArchivio.h"
#include "data/db.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

namespace {

class Archivio : public ArchivioDiProva {
protected:
    void scrivi(const QString& percorso, const QByteArray& contenuto) const {
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }
    static QByteArray leggi(const QString& percorso) {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Files of the test folder besides the ones a test made on purpose: no temporary leftovers.
    QStringList fileDellaCartella() const {
        QStringList f = QDir(cartella()).entryList(QDir::Files | QDir::Hidden);
        f.removeAll(QStringLiteral("log.txt"));
        return f;
    }
    QString programma() const {
        return QStringLiteral(VIBRANA_CARTELLA_BUILD) + QStringLiteral("/vibrana-archivio");
    }
    // Runs the maintenance command; exit code and standard error.
    std::pair<int, QString> comando(const QStringList& argomenti) const {
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start(programma(), argomenti);
        if (!p.waitForFinished(30000))
            return {-1, QStringLiteral("scaduto")};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    }
};

// The ways a file can fail to be this program's register.
struct FileRovinato {
    const char* nome;
    QByteArray (*contenuto)(const QByteArray& archivioBuono);
};

const FileRovinato fileRovinati[] = {
    {"vuoto", [](const QByteArray&) { return QByteArray(); }},
    {"byte a caso",
     [](const QByteArray&) {
         QByteArray b(8192, Qt::Uninitialized);
         QRandomGenerator g(42);
         for (char& c : b)
             c = static_cast<char>(g.bounded(256));
         return b;
     }},
    {"testo", [](const QByteArray&) { return QByteArray("Elenco atleti: Rossi, Bianchi\n"); }},
    {"pagine rovinate",
     [](const QByteArray& buono) {
         QByteArray b = buono;
         for (qsizetype i = 4096; i < b.size(); ++i)
             b[i] = static_cast<char>(0xA5);
         return b;
     }},
};

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
    auto c = ConnessioneFile::apri(copia);
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

    // A stored backtick is the apostrophe the user typed.
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('Anna', 'D`Amico')"));
    p.start(programma, {QStringLiteral("sql"), QStringLiteral("SELECT cognome FROM utenti")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.readAllStandardOutput().toStdString(), "cognome\nD'Amico\n");

    p.start(programma, {QStringLiteral("sql"), QStringLiteral("DELETE * FROM manca")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).startsWith(QStringLiteral("Errore")));

    p.start(programma, {QStringLiteral("sconosciuto")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_NE(p.exitCode(), 0);
}

TEST_F(Archivio, VerificaEControlloRifiutanoIFileChenonSonoUnArchivio) {
    const QByteArray buono = leggi(percorsoArchivio());
    const QString file = cartella() + QStringLiteral("/rovinato.ps");
    for (const FileRovinato& r : fileRovinati) {
        SCOPED_TRACE(r.nome);
        scrivi(file, r.contenuto(buono));
        try {
            controllaArchivio(file);
            ADD_FAILURE() << "accettato";
        } catch (const Errore& e) {
            EXPECT_EQ(e.descrizione(), testoArchivioDanneggiato(file));
            EXPECT_TRUE(e.sorgente().isEmpty());
        }
        // verifica never calls such a file sound: a list of problems or an error.
        bool integro = false;
        try {
            integro = verificaArchivio(file).isEmpty();
        } catch (const Errore&) {
        }
        EXPECT_FALSE(integro);
    }
    // A database of some other program, and one that lost a view.
    QFile::remove(file);
    creaArchivioVuoto(file)->eseguiScript(QStringLiteral("CREATE TABLE rubrica (nome TEXT);"));
    EXPECT_THROW(controllaArchivio(file), Errore);
    EXPECT_TRUE(verificaArchivio(file).contains(QStringLiteral("manca la tabella utenti")));
    eseguiDiretto(QStringLiteral("DROP VIEW vw_figure_muscoli"));
    EXPECT_THROW(controllaArchivio(percorsoArchivio()), Errore);
    EXPECT_EQ(verificaArchivio(percorsoArchivio()),
              QStringList{QStringLiteral("manca la vista vw_figure_muscoli")});
}

TEST_F(Archivio, IlControlloAccettaLArchivioConsegnato) {
    EXPECT_NO_THROW(controllaArchivio(percorsoArchivio()));
    EXPECT_TRUE(verificaArchivio(percorsoArchivio()).isEmpty());
}

TEST_F(Archivio, UnArchivioDanneggiatoDaUnSoloMessaggioItaliano) {
    const QByteArray buono = leggi(percorsoArchivio());
    for (const FileRovinato& r : fileRovinati) {
        if (QByteArray(r.nome) == "vuoto")
            continue; // an empty file is an empty database to the engine: its lookups fail on the tables
        SCOPED_TRACE(r.nome);
        scrivi(percorsoArchivio(), r.contenuto(buono));
        messaggi().mostrati.clear();
        EXPECT_FALSE(db().Execute(QStringLiteral("DELETE * FROM utenti")));
        ASSERT_EQ(messaggi().mostrati.size(), 1u);
        EXPECT_TRUE(messaggi().mostrati[0].testo.endsWith(testoArchivioDanneggiato(percorsoArchivio())))
            << messaggi().mostrati[0].testo.toStdString();
    }
}

TEST_F(Archivio, CreaNonSostituisceUnFileEsistenteSenzaSovrascrivi) {
    const QString dest = cartella() + QStringLiteral("/esistente.ps");
    scrivi(dest, "archivio in uso");
    try {
        creaArchivio(cartellaSql(), dest);
        ADD_FAILURE() << "sostituito";
    } catch (const Errore& e) {
        EXPECT_TRUE(e.descrizione().contains(QStringLiteral("esiste già"))) << e.descrizione().toStdString();
        EXPECT_TRUE(e.descrizione().contains(QStringLiteral("--sovrascrivi")));
    }
    EXPECT_EQ(leggi(dest), QByteArray("archivio in uso"));
    EXPECT_FALSE(QFile::exists(dest + QStringLiteral(".bak")));

    EXPECT_EQ(creaArchivio(cartellaSql(), dest, true), dest + QStringLiteral(".bak"));
    EXPECT_TRUE(verificaArchivio(dest).isEmpty());
    EXPECT_EQ(leggi(dest + QStringLiteral(".bak")), QByteArray("archivio in uso"));
    EXPECT_EQ(fileDellaCartella(),
              (QStringList{QStringLiteral("esistente.ps"), QStringLiteral("esistente.ps.bak"),
                           QStringLiteral("splash.ps")}));

    // Run again, the real register's copy stays: each replaced file gets the next free name.
    const QByteArray primoCreato = leggi(dest);
    EXPECT_EQ(creaArchivio(cartellaSql(), dest, true), dest + QStringLiteral(".bak.2"));
    EXPECT_EQ(creaArchivio(cartellaSql(), dest, true), dest + QStringLiteral(".bak.3"));
    EXPECT_EQ(leggi(dest + QStringLiteral(".bak")), QByteArray("archivio in uso"));
    EXPECT_EQ(leggi(dest + QStringLiteral(".bak.2")), primoCreato);
    EXPECT_TRUE(verificaArchivio(dest + QStringLiteral(".bak.3")).isEmpty());
}

TEST_F(Archivio, CopiaNonSostituisceUnFileDiSolaLettura) {
    const QString dest = cartella() + QStringLiteral("/copia.ps");
    scrivi(dest, "copia da tenere");
    ASSERT_TRUE(QFile::setPermissions(dest, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    try {
        copiaArchivio(percorsoArchivio(), dest);
        ADD_FAILURE() << "sostituito";
    } catch (const Errore& e) {
        EXPECT_TRUE(e.descrizione().contains(QStringLiteral("\"%1\" è di sola lettura").arg(dest)))
            << e.descrizione().toStdString();
    }
    QFile::setPermissions(dest, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(leggi(dest), QByteArray("copia da tenere"));
    EXPECT_EQ(fileDellaCartella(), (QStringList{QStringLiteral("copia.ps"), QStringLiteral("splash.ps")}));
}

TEST_F(Archivio, CopiaSostituisceLaDestinazioneSoloAFineCopia) {
    const QString dest = cartella() + QStringLiteral("/copia.ps");
    scrivi(dest, "copia di ieri");
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('a','b')"));
    copiaArchivio(percorsoArchivio(), dest);
    EXPECT_TRUE(verificaArchivio(dest).isEmpty());
    EXPECT_EQ(ConnessioneFile::apri(dest)
                  ->interroga(QStringLiteral("SELECT COUNT(*) FROM utenti"))
                  .campo(0)
                  .toInt(),
              1);
    EXPECT_EQ(fileDellaCartella(), (QStringList{QStringLiteral("copia.ps"), QStringLiteral("splash.ps")}));
}

TEST_F(Archivio, CopiaNonRiuscitaLasciaTuttoComEra) {
    const QString esistente = cartella() + QStringLiteral("/copia.ps");
    scrivi(esistente, "copia di ieri");
    scrivi(cartella() + QStringLiteral("/unfile"), "x");
    struct Caso {
        const char* nome;
        QString destinazione;
        bool occupato;
        const char* atteso;
    };
    const Caso casi[] = {
        {"cartella inesistente", cartella() + QStringLiteral("/manca/copia.ps"), false,
         "non esiste o non è scrivibile"},
        {"sotto un file", cartella() + QStringLiteral("/unfile/copia.ps"), false,
         "non esiste o non è scrivibile"},
        {"archivio occupato", esistente, true, "in uso da un altro programma"},
        {"al posto una cartella", cartella() + QStringLiteral("/cartella.ps"), false,
         "al suo posto c'è una cartella con lo stesso nome"},
    };
    ASSERT_TRUE(QDir(cartella()).mkdir(QStringLiteral("cartella.ps")));
    Connessione::impostaAttesaOccupato(200);
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        std::shared_ptr<Connessione> altro;
        if (c.occupato) {
            altro = ConnessioneFile::apri(percorsoArchivio());
            altro->esegui(QStringLiteral("BEGIN EXCLUSIVE"));
        }
        try {
            copiaArchivio(percorsoArchivio(), c.destinazione);
            ADD_FAILURE() << "riuscita";
        } catch (const Errore& e) {
            EXPECT_TRUE(e.descrizione().contains(QString::fromUtf8(c.atteso)))
                << e.descrizione().toStdString();
        }
        if (altro)
            altro->esegui(QStringLiteral("ROLLBACK"));
        EXPECT_EQ(leggi(esistente), QByteArray("copia di ieri"));
        EXPECT_EQ(fileDellaCartella(), (QStringList{QStringLiteral("copia.ps"), QStringLiteral("splash.ps"),
                                                    QStringLiteral("unfile")}));
    }
    Connessione::impostaAttesaOccupato(-1);
}

TEST_F(Archivio, IlComandoFallisceConUnMessaggioItaliano) {
    if (!QFile::exists(programma()))
        GTEST_FAIL() << "manca " << programma().toStdString();
    const QString vuoto = cartella() + QStringLiteral("/vuoto.ps");
    scrivi(vuoto, QByteArray());
    const QString casuale = cartella() + QStringLiteral("/casuale.ps");
    scrivi(casuale, fileRovinati[1].contenuto({}));
    struct Caso {
        const char* nome;
        QStringList argomenti;
        const char* atteso;
    };
    const Caso casi[] = {
        {"verifica di un file vuoto", {QStringLiteral("verifica"), vuoto}, "manca la tabella utenti"},
        {"verifica di byte a caso", {QStringLiteral("verifica"), casuale}, "non è un archivio di Vibrana"},
        {"crea su un file esistente",
         {QStringLiteral("crea"), cartellaSql(), percorsoArchivio()},
         "esiste già"},
        {"copia in un posto non scrivibile",
         {QStringLiteral("copia"), cartella() + QStringLiteral("/manca/copia.ps")},
         "non esiste o non è scrivibile"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto [codice, errore] = comando(c.argomenti);
        EXPECT_NE(codice, 0);
        EXPECT_TRUE(errore.contains(QString::fromUtf8(c.atteso))) << errore.toStdString();
    }
    EXPECT_EQ(fileDellaCartella(), (QStringList{QStringLiteral("casuale.ps"), QStringLiteral("splash.ps"),
                                                QStringLiteral("vuoto.ps")}));

    const auto [codice, errore] =
        comando({QStringLiteral("crea"), QStringLiteral("--sovrascrivi"), cartellaSql(), vuoto});
    EXPECT_EQ(codice, 0) << errore.toStdString();
    EXPECT_TRUE(verificaArchivio(vuoto).isEmpty());
    EXPECT_TRUE(QFile::exists(vuoto + QStringLiteral(".bak")));
}

} // namespace
