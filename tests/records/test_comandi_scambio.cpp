#include "ArchivioSchede.h"
#include "comune/BersagliOstili.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// vibrana-archivio esporta / importa, run as a process on the test's register.
class ComandiScambio : public ArchivioSchede {
protected:
    bool archivioCompleto() const override { return true; }

    struct Uscita {
        int codice = -1;
        QString uscita;
        QString errori;
    };
    Uscita esegui(const QStringList& argomenti, int attesa = 60000) const {
        Uscita u;
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start(QStringLiteral(VIBRANA_CARTELLA_BUILD) + QStringLiteral("/vibrana-archivio"), argomenti);
        if (!p.waitForFinished(attesa)) {
            ADD_FAILURE() << "il comando non termina";
            return u;
        }
        u.codice = p.exitCode();
        u.uscita = QString::fromUtf8(p.readAllStandardOutput());
        u.errori = QString::fromUtf8(p.readAllStandardError());
        return u;
    }
    static QByteArray leggi(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(ComandiScambio, EsportaEImportaSchedeEModelli) {
    const auto atleta = atletaDiretto();
    scheda s;
    s.id_utente = atleta;
    s.categoria = QStringLiteral("Dimagrimento");
    s.Istruttore = QStringLiteral("Anna");
    s.esercizi.Add(esercizio(5, QStringLiteral("l'ultima 😀")));
    s.esercizi.Add(libero(QStringLiteral("Cyclette")));
    s.save();
    SchedaModello m;
    m.categoria = QStringLiteral("Tonificazione");
    m.descrizione = QStringLiteral("Gambe");
    m.esercizi.Add(esercizio(7));
    m.save();
    ASSERT_TRUE(s.isSaved && m.isSaved);

    const QString fileScheda = cartella() + QStringLiteral("/scheda.vibrana");
    const QString fileModello = cartella() + QStringLiteral("/modello.vibrana");
    Uscita u = esegui({QStringLiteral("esporta"), QString::number(s.id_scheda), fileScheda});
    ASSERT_EQ(u.codice, 0) << u.errori.toStdString();
    u = esegui(
        {QStringLiteral("esporta"), QStringLiteral("--modello"), QString::number(m.id_scheda), fileModello});
    ASSERT_EQ(u.codice, 0) << u.errori.toStdString();

    const auto altro = atletaDiretto(QStringLiteral("Verdi"));
    u = esegui({QStringLiteral("importa"), fileScheda, QStringLiteral("--utente"), QString::number(altro)});
    ASSERT_EQ(u.codice, 0) << u.errori.toStdString();
    const qlonglong nuova = contaDiretto(QStringLiteral("SELECT max(id_scheda) FROM schede"));
    EXPECT_EQ(u.uscita, QStringLiteral("Importata la scheda %1\n").arg(nuova));
    EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_utente = %1").arg(altro)), 1);
    EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ID_Scheda = %1").arg(nuova)), 2);

    u = esegui({QStringLiteral("importa"), fileModello});
    ASSERT_EQ(u.codice, 0) << u.errori.toStdString();
    EXPECT_EQ(conta(QStringLiteral("schedeModello"), QStringLiteral("descrizione = 'Gambe'")), 2);

    // Exported again from the copy, the file is the same.
    const QString ancora = cartella() + QStringLiteral("/ancora.vibrana");
    u = esegui({QStringLiteral("esporta"), QString::number(nuova), ancora});
    ASSERT_EQ(u.codice, 0);
    EXPECT_EQ(leggi(ancora), leggi(fileScheda));
}

TEST_F(ComandiScambio, CodiciDiUscita) {
    const auto atleta = atletaDiretto();
    const auto card = schedaDiretta(atleta);
    const QString file = cartella() + QStringLiteral("/s.vibrana");
    ASSERT_EQ(esegui({QStringLiteral("esporta"), QString::number(card), file}).codice, 0);
    QFile rotto(cartella() + QStringLiteral("/rotto.vibrana"));
    ASSERT_TRUE(rotto.open(QIODevice::WriteOnly));
    rotto.write("{\"programma\": \"Vibrana\", ");
    rotto.close();
    const QString bloccato = file + QStringLiteral("/x.vibrana"); // its folder is a file
    const struct {
        QStringList argomenti;
        int codice;
        const char* errori; // the start of standard error
    } casi[] = {
        {{QStringLiteral("esporta"), QStringLiteral("9999"), file}, 3, "Errore: la scheda 9999 non esiste."},
        {{QStringLiteral("esporta"), QStringLiteral("--modello"), QString::number(card + 500), file},
         3,
         "Errore: il modello"},
        {{QStringLiteral("esporta"), QStringLiteral("dieci"), file},
         2,
         "Errore: numero di scheda non valido: dieci"},
        {{QStringLiteral("esporta"), QString::number(card)}, 2, "Uso:"},
        {{QStringLiteral("esporta"), QString::number(card), bloccato},
         1,
         "Errore: Impossibile scrivere «x.vibrana»: la cartella non esiste"},
        {{QStringLiteral("importa"), file, QStringLiteral("--utente"), QStringLiteral("9999")},
         3,
         "Errore: l'atleta 9999 non esiste."},
        {{QStringLiteral("importa"), file, QStringLiteral("--utente")}, 2, "Uso:"},
        {{QStringLiteral("importa")}, 2, "Uso:"},
        // A card's file without an athlete would become a template: refused.
        {{QStringLiteral("importa"), file},
         1,
         "Errore: Il file contiene la scheda di un atleta, non un modello"},
        {{QStringLiteral("importa"), rotto.fileName(), QStringLiteral("--utente"), QString::number(atleta)},
         1,
         "Errore: Il file è danneggiato"},
        {{QStringLiteral("importa"), cartella() + QStringLiteral("/manca.vibrana"),
          QStringLiteral("--utente"), QString::number(atleta)},
         1,
         "Errore: Impossibile leggere «manca.vibrana»: il file non esiste"},
    };
    const qlonglong prima = conta(QStringLiteral("schede")) + conta(QStringLiteral("schedeModello"));
    for (const auto& c : casi) {
        const Uscita u = esegui(c.argomenti);
        SCOPED_TRACE(c.argomenti.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(u.codice, c.codice);
        EXPECT_TRUE(u.errori.startsWith(QString::fromUtf8(c.errori))) << u.errori.toStdString();
        EXPECT_TRUE(u.uscita.isEmpty()) << u.uscita.toStdString();
    }
    EXPECT_EQ(conta(QStringLiteral("schede")) + conta(QStringLiteral("schedeModello")), prima);
    EXPECT_FALSE(QFile::exists(bloccato));
}

TEST_F(ComandiScambio, ValoriRifiutatiElencatiConIlNomeDelFile) {
    const auto atleta = atletaDiretto();
    scheda s;
    s.id_utente = atleta;
    s.categoria = QStringLiteral("Dimagrimento");
    s.esercizi.Add(esercizio(5));
    s.esercizi.Add(libero(QStringLiteral("Cyclette")));
    s.save();
    ASSERT_TRUE(s.isSaved);
    const QString file = cartella() + QStringLiteral("/serie.vibrana");
    ASSERT_EQ(esegui({QStringLiteral("esporta"), QString::number(s.id_scheda), file}).codice, 0);
    QByteArray dati = leggi(file);
    ASSERT_TRUE(dati.contains("\"serie\": 3"));
    ASSERT_TRUE(dati.contains("\"modalita\": \"\""));
    dati.replace("\"serie\": 3", "\"serie\": 150").replace("\"modalita\": \"\"", "\"modalita\": \"Yoga\"");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dati);
    f.close();

    const qlonglong prima = conta(QStringLiteral("schede")) + conta(QStringLiteral("Esercizi"));
    const Uscita u =
        esegui({QStringLiteral("importa"), file, QStringLiteral("--utente"), QString::number(atleta)});
    EXPECT_EQ(u.codice, 1);
    EXPECT_EQ(u.errori, QStringLiteral("Errore: Impossibile importare «serie.vibrana»:\n"
                                       "  - esercizio 1, «Serie»: 150 — massimo 99\n"
                                       "  - esercizio 2, «Modalità»: Yoga — non è tra i valori ammessi\n"
                                       "Non è stato importato nulla.\n"));
    EXPECT_TRUE(u.uscita.isEmpty()) << u.uscita.toStdString();
    EXPECT_EQ(conta(QStringLiteral("schede")) + conta(QStringLiteral("Esercizi")), prima);
}

// The register, every other name of it, of its journals and of its copies, and any target that is
// not a file that can be replaced: refused with the reason, and the register's bytes untouched.
TEST_F(ComandiScambio, EsportaNonScriveMaiLArchivio) {
    const auto atleta = atletaDiretto();
    const auto card = schedaDiretta(atleta, 1);
    const auto modello = modelloDiretto(QStringLiteral("Gambe"));
    const QString normale = cartella() + QStringLiteral("/normale.vibrana");
    // A first run also leaves the register as the program keeps it.
    ASSERT_EQ(esegui({QStringLiteral("esporta"), QString::number(card), normale}).codice, 0);
    const QString archivio = percorsoArchivio();
    const BersagliOstili ostili(cartella(), archivio, QStringLiteral("vibrana"));
    ASSERT_FALSE(ostili.elenco.empty());
    const auto& bersagli = ostili.elenco;
    const QString& copia = ostili.copia;
    const auto impronta = &BersagliOstili::impronta;
    const QByteArray registro = impronta(archivio);
    const QByteArray diCopia = impronta(copia);
    for (const QStringList& comando :
         {QStringList{QStringLiteral("esporta"), QString::number(card)},
          QStringList{QStringLiteral("esporta"), QStringLiteral("--modello"), QString::number(modello)}}) {
        for (const auto& b : bersagli) {
            SCOPED_TRACE((comando.join(QLatin1Char(' ')) + QLatin1Char(' ') + b.bersaglio).toStdString());
            const Uscita u = esegui(comando + QStringList{b.bersaglio}, 20000);
            EXPECT_EQ(u.codice, 1);
            EXPECT_EQ(u.errori.toStdString(),
                      QStringLiteral("Errore: Impossibile scrivere «%1»: %2\n")
                          .arg(QFileInfo(b.bersaglio).fileName(), QString::fromUtf8(b.motivo))
                          .toStdString());
            EXPECT_TRUE(u.uscita.isEmpty()) << u.uscita.toStdString();
            EXPECT_EQ(impronta(archivio), registro);
            EXPECT_EQ(impronta(copia), diCopia);
        }
        const Uscita u = esegui(comando + QStringList{normale});
        EXPECT_EQ(u.codice, 0) << u.errori.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(archivio + QStringLiteral("-journal")));
    EXPECT_EQ(leggi(cartella() + QStringLiteral("/sola.vibrana")), QByteArray("di sola lettura"));
}

// A FIFO or a device would block the read or never end, a huge file would fill the memory: refused
// at once, before anything is read.
TEST_F(ComandiScambio, ImportaSoloFileNormaliEPiccoli) {
    const QString tubo = cartella() + QStringLiteral("/tubo.vibrana");
    ASSERT_EQ(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
    const QString grande = cartella() + QStringLiteral("/grande.vibrana");
    {
        QFile f(grande);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(10 * 1024 * 1024 + 1));
    }
    const struct {
        QString file;
        QString errore;
    } casi[] = {
        {tubo, QStringLiteral("Errore: Impossibile leggere «tubo.vibrana»: non è un file normale\n")},
        {QStringLiteral("/dev/zero"),
         QStringLiteral("Errore: Impossibile leggere «zero»: non è un file normale\n")},
        {grande,
         QStringLiteral("Errore: Impossibile leggere «grande.vibrana»: il file è più grande di 10 MB: "
                        "non è una scheda Vibrana\n")},
        {cartella(), QStringLiteral("Errore: Impossibile leggere «%1»: è una cartella\n")
                         .arg(QFileInfo(cartella()).fileName())},
    };
    const qlonglong prima = conta(QStringLiteral("schedeModello"));
    for (const auto& c : casi) {
        SCOPED_TRACE(c.file.toStdString());
        const Uscita u = esegui({QStringLiteral("importa"), c.file}, 10000);
        EXPECT_EQ(u.codice, 1);
        EXPECT_EQ(u.errori.toStdString(), c.errore.toStdString());
    }
    EXPECT_EQ(conta(QStringLiteral("schedeModello")), prima);
}

} // namespace
