#include "ArchivioStampa.h"
#include "LimitiScrittura.h"
#include "StrumentiPdf.h"
#include "comune/BersagliOstili.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class ComandiStampa : public ArchivioStampa {
protected:
    struct Esito {
        int codice = -1;
        QString uscita;
        QString errori;
    };
    // Runs the command; `prepara` may set up the child process (limits, capabilities).
    Esito esegui(const QStringList& argomenti, const std::function<void(QProcess&)>& prepara = {}) const {
        const QString programma =
            QStringLiteral(VIBRANA_CARTELLA_BUILD) + QStringLiteral("/vibrana-archivio");
        Esito e;
        if (!QFile::exists(programma)) {
            ADD_FAILURE() << "manca " << programma.toStdString();
            return e;
        }
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        if (prepara)
            prepara(p);
        p.start(programma, argomenti);
        if (!p.waitForFinished(60000)) {
            ADD_FAILURE() << "il comando non termina";
            return e;
        }
        e.codice = p.exitCode();
        e.uscita = QString::fromUtf8(p.readAllStandardOutput());
        e.errori = QString::fromUtf8(p.readAllStandardError());
        return e;
    }
};

TEST_F(ComandiStampa, PdfDiUnaSchedaEIstruzioni) {
    figura(1);
    const QString scheda = cartella() + QStringLiteral("/scheda.pdf");
    const auto id = this->scheda(21);
    const Esito e = esegui({QStringLiteral("pdf"), QString::number(id), scheda});
    EXPECT_EQ(e.codice, 0) << e.errori.toStdString();
    EXPECT_EQ(StrumentiPdf::pagine(scheda), 3);
    EXPECT_TRUE(StrumentiPdf::testiPagine(scheda).value(2).contains(QStringLiteral("Pagina 3/3")));

    const QString istruzioni = cartella() + QStringLiteral("/istruzioni.pdf");
    EXPECT_EQ(esegui({QStringLiteral("istruzioni"), istruzioni}).codice, 0);
    EXPECT_EQ(StrumentiPdf::pagine(istruzioni), 1);
}

TEST_F(ComandiStampa, ErroriRiferitiConCodiceDiUscita) {
    const QString file = cartella() + QStringLiteral("/x.pdf");
    eseguiDiretto(QStringLiteral("INSERT INTO schedeModello (id_Scheda, id_cat, descrizione) VALUES "
                                 "(700, 1, 'Modello')"));
    const QString manca = QDir(cartella()).absoluteFilePath(QStringLiteral("manca/x.pdf"));
    const struct {
        QStringList argomenti;
        int codice;
        QString errore; // the whole of standard error
    } casi[] = {
        {{QStringLiteral("pdf"), QString::number(scheda(0)), file},
         1,
         QStringLiteral("Errore: Nessun esercizio caricato in questa scheda!\n")},
        {{QStringLiteral("pdf"), QStringLiteral("9999"), file},
         3,
         QStringLiteral("Errore: la scheda 9999 non esiste.\n")},
        // A template's number is not a card's.
        {{QStringLiteral("pdf"), QStringLiteral("700"), file},
         3,
         QStringLiteral("Errore: la scheda 700 non esiste.\n")},
        {{QStringLiteral("pdf"), QStringLiteral("dieci"), file},
         2,
         QStringLiteral("Errore: numero di scheda non valido: dieci\n")},
        {{QStringLiteral("istruzioni"), manca},
         1,
         QStringLiteral("Errore: Impossibile scrivere «x.pdf»: la cartella non esiste\n")},
    };
    for (const auto& c : casi) {
        const Esito e = esegui(c.argomenti);
        EXPECT_EQ(e.codice, c.codice) << c.argomenti.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(e.errori.toStdString(), c.errore.toStdString());
        EXPECT_TRUE(e.uscita.isEmpty()) << e.uscita.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file));
}

// Several cards, or every card of an athlete, one file each in a folder named as the preview
// proposes; cards that would share a name get their number. A wrong number stops the command before
// anything is written; a card that cannot be printed is reported and the others are still written.
TEST_F(ComandiStampa, PiuSchedeInUnaCartella) {
    figura(1);
    const auto a = scheda(3);
    const auto b = scheda(12);
    const qlonglong atleta =
        contaDiretto(QStringLiteral("SELECT id_utente FROM schede WHERE id_scheda = %1").arg(b));
    eseguiDiretto(
        QStringLiteral("INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, "
                       "GGAllen, Obiettivo, note) VALUES (%1, 'Anna', '2027-01-05', '2027-02-05', 1, 3, "
                       "'001010100', '', '')")
            .arg(atleta));
    const auto c =
        static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_scheda) FROM schede")));
    eseguiDiretto(
        QStringLiteral("INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, "
                       "RecuperoMin, RecuperoSec, Serie, Modalita, Peso, isLibero, Note) VALUES "
                       "(1, %1, 1, '30s', '40Hz', 'H', 1, 0, 2, 'Combinata', '', 0, '')")
            .arg(c));
    const QString nome = QStringLiteral("Scheda Rossi Mario dal 01-12-2026 al 22-12-2026");
    const auto elenco = [](const QString& cartella) {
        return QDir(cartella).entryList(QDir::Files, QDir::Name);
    };

    const QString tutte = cartella() + QStringLiteral("/tutte");
    Esito e =
        esegui({QStringLiteral("pdf"), QString::number(a), QString::number(b), QString::number(c), tutte});
    EXPECT_EQ(e.codice, 0) << e.errori.toStdString();
    const QStringList attesi{nome + QStringLiteral(" - scheda %1.pdf").arg(b), nome + QStringLiteral(".pdf"),
                             QStringLiteral("Scheda Rossi Mario dal 05-01-2027 al 05-02-2027.pdf")};
    EXPECT_EQ(elenco(tutte), attesi);
    EXPECT_EQ(e.uscita.count(QLatin1Char('\n')), 3) << e.uscita.toStdString();
    EXPECT_TRUE(e.uscita.contains(QStringLiteral("Scheda %1: 2 fogli scritti in ").arg(b)))
        << e.uscita.toStdString();
    EXPECT_EQ(StrumentiPdf::pagine(QDir(tutte).filePath(attesi[0])), 2);

    const QString dellAtleta = cartella() + QStringLiteral("/atleta");
    e = esegui({QStringLiteral("pdf"), QStringLiteral("--utente"), QString::number(atleta), dellAtleta});
    EXPECT_EQ(e.codice, 0) << e.errori.toStdString();
    EXPECT_EQ(elenco(dellAtleta), (QStringList{attesi[1], attesi[2]}));

    const auto senzaEsercizi = scheda(0);
    const QString vuota = cartella() + QStringLiteral("/errori");
    const struct {
        QStringList argomenti;
        int codice;
        QString errore;
        int scritti;
    } casi[] = {
        {{QString::number(a), QStringLiteral("9999"), vuota},
         3,
         QStringLiteral("Errore: la scheda 9999 non esiste.\n"),
         0},
        {{QString::number(a), QStringLiteral("x"), vuota},
         2,
         QStringLiteral("Errore: numero di scheda non valido: x\n"),
         0},
        {{QStringLiteral("--utente"), QStringLiteral("9999"), vuota},
         3,
         QStringLiteral("Errore: l'atleta 9999 non ha schede.\n"),
         0},
        {{QString::number(senzaEsercizi), QString::number(a), vuota},
         1,
         QStringLiteral("Errore: scheda %1: Nessun esercizio caricato in questa scheda!\n")
             .arg(senzaEsercizi),
         1},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.argomenti.join(QLatin1Char(' ')).toStdString());
        QDir(vuota).removeRecursively();
        e = esegui(QStringList{QStringLiteral("pdf")} + k.argomenti);
        EXPECT_EQ(e.codice, k.codice);
        EXPECT_EQ(e.errori.toStdString(), k.errore.toStdString());
        EXPECT_EQ(elenco(vuota).size(), k.scritti);
    }
}

TEST_F(ComandiStampa, LUsoElencaOgniComando) {
    const QStringList comandi[] = {{},
                                   {QStringLiteral("pdf"), QStringLiteral("1")},
                                   {QStringLiteral("istruzioni")},
                                   {QStringLiteral("sconosciuto")}};
    for (const QStringList& argomenti : comandi) {
        const Esito e = esegui(argomenti);
        SCOPED_TRACE(argomenti.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(e.codice, 2);
        for (const char* riga :
             {"crea [--sovrascrivi] CARTELLA_SQL FILE", "sql \"ISTRUZIONE\"", "verifica [FILE]", "copia FILE",
              "pdf ID_SCHEDA FILE", "istruzioni FILE", "server"})
            EXPECT_TRUE(e.errori.contains(QStringLiteral("vibrana-archivio ") + QLatin1String(riga)))
                << riga << "\n"
                << e.errori.toStdString();
    }
}

TEST_F(ComandiStampa, FogliScrittiAlSingolareEAlPlurale) {
    figura(1);
    const QString file = cartella() + QStringLiteral("/t.pdf");
    const std::pair<int, const char*> casi[] = {{10, "1 foglio scritto"}, {11, "2 fogli scritti"}};
    for (const auto& [esercizi, fogli] : casi) {
        const auto id = scheda(esercizi);
        const Esito e = esegui({QStringLiteral("pdf"), QString::number(id), file});
        EXPECT_EQ(e.codice, 0) << e.errori.toStdString();
        EXPECT_EQ(
            e.uscita.toStdString(),
            QStringLiteral("Scheda %1: %2 in %3\n").arg(id).arg(QLatin1String(fogli), file).toStdString());
    }
}

// A PDF that cannot be written whole is not written at all: one Italian message naming the file,
// no temporary file left beside it, the file of before as it was.
TEST_F(ComandiStampa, PdfNonScrittoLasciaIlFileDiPrima) {
    figura(1);
    // The disk fills up in the middle of the first picture, written in one go past any buffer.
    QStringList foto{immagineRumorosa(QStringLiteral("images/esercizi/f1.jpg"), 300)};
    for (int i = 0; i < 5; ++i)
        foto << immagineRumorosa(QStringLiteral("images/istruzioni/sbagliato_%1.JPG").arg(i), 300);
    for (const QString& f : foto)
        ASSERT_GT(QFileInfo(f).size(), 40000) << f.toStdString();
    constexpr rlim_t spazio = 4096;
    const QString id = QString::number(scheda(13));
    const QString destinazione = cartella() + QStringLiteral("/uscita");
    ASSERT_TRUE(QDir().mkpath(destinazione));
    const QString file = destinazione + QStringLiteral("/t.pdf");
    const QByteArray diIeri("PDF di ieri");
    const struct {
        const char* nome;
        QStringList argomenti;
        bool discoPieno; // else a folder that may not be written
        const char* causa;
    } casi[] = {
        {"scheda, disco pieno", {QStringLiteral("pdf"), id, file}, true, "disco pieno o errore di scrittura"},
        {"istruzioni, disco pieno",
         {QStringLiteral("istruzioni"), file},
         true,
         "disco pieno o errore di scrittura"},
        {"scheda, cartella di sola lettura",
         {QStringLiteral("pdf"), id, file},
         false,
         "non si ha il permesso di scrivere"},
        {"istruzioni, cartella di sola lettura",
         {QStringLiteral("istruzioni"), file},
         false,
         "non si ha il permesso di scrivere"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        QFile vecchio(file);
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly | QIODevice::Truncate));
        vecchio.write(diIeri);
        vecchio.close();
        // The command's own log must not be what hits the limit.
        svuotaLog();
        if (!c.discoPieno)
            QFile::setPermissions(destinazione, QFile::ReadOwner | QFile::ExeOwner);
        const Esito e = esegui(c.argomenti, [&c](QProcess& p) {
            if (c.discoPieno)
                DiscoPieno::nelFiglio(p, spazio);
            else
                PermessiRispettati::nelFiglio(p);
        });
        QFile::setPermissions(destinazione, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(e.codice, 1);
        EXPECT_EQ(e.errori.toStdString(), QStringLiteral("Errore: Impossibile scrivere «t.pdf»: %1\n")
                                              .arg(QString::fromUtf8(c.causa))
                                              .toStdString());
        EXPECT_TRUE(e.uscita.isEmpty()) << e.uscita.toStdString();
        EXPECT_EQ(QDir(destinazione).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("t.pdf")});
        ASSERT_TRUE(vecchio.open(QIODevice::ReadOnly));
        EXPECT_EQ(vecchio.readAll(), diIeri);
        vecchio.close();
    }
}

TEST_F(ComandiStampa, LogoIllegibileLasciatoFuoriConUnSoloAvviso) {
    figura(1);
    const QString logo = immagine(QStringLiteral("images/logo.jpg"), Qt::red, 200, 100);
    QFile rovinato(logo);
    ASSERT_TRUE(rovinato.open(QIODevice::WriteOnly | QIODevice::Truncate));
    rovinato.write("non è una foto");
    rovinato.close();
    palestraDiretta(logo);
    const QString file = cartella() + QStringLiteral("/t.pdf");
    const Esito e = esegui({QStringLiteral("pdf"), QString::number(scheda(13)), file});
    EXPECT_EQ(e.codice, 0);
    EXPECT_EQ(e.errori.toStdString(),
              QStringLiteral("Avviso: Il logo della palestra \"%1\" non si può leggere: le schede "
                             "sono stampate senza logo.\n")
                  .arg(logo)
                  .toStdString());
    // In place of the logo no box named after its file.
    const QStringList testi = StrumentiPdf::testiPagine(file);
    ASSERT_EQ(testi.size(), 2);
    for (const QString& t : testi)
        EXPECT_FALSE(t.contains(QStringLiteral("logo.jpg")));
}

// The register, every other name of it, of its journals and of its copies, and any target that is
// not a file that can be replaced: refused with the reason, and the register's bytes untouched.
TEST_F(ComandiStampa, PdfNonScriveMaiLArchivio) {
    figura(1);
    const QString id = QString::number(scheda(3));
    const QString normale = cartella() + QStringLiteral("/normale.pdf");
    // A first run also leaves the register as the program keeps it.
    ASSERT_EQ(esegui({QStringLiteral("pdf"), id, normale}).codice, 0);
    const QString archivio = percorsoArchivio();
    const BersagliOstili ostili(cartella(), archivio, QStringLiteral("pdf"));
    ASSERT_FALSE(ostili.elenco.empty());
    const auto& bersagli = ostili.elenco;
    const QString& copia = ostili.copia;
    const auto impronta = &BersagliOstili::impronta;
    const QByteArray registro = impronta(archivio);
    const QByteArray diCopia = impronta(copia);
    for (const QStringList& comando :
         {QStringList{QStringLiteral("pdf"), id}, QStringList{QStringLiteral("istruzioni")}}) {
        for (const auto& b : bersagli) {
            SCOPED_TRACE((comando.join(QLatin1Char(' ')) + QLatin1Char(' ') + b.bersaglio).toStdString());
            const Esito e = esegui(comando + QStringList{b.bersaglio});
            EXPECT_EQ(e.codice, 1);
            EXPECT_EQ(e.errori.toStdString(),
                      QStringLiteral("Errore: Impossibile scrivere «%1»: %2\n")
                          .arg(QFileInfo(b.bersaglio).fileName(), QString::fromUtf8(b.motivo))
                          .toStdString());
            EXPECT_TRUE(e.uscita.isEmpty()) << e.uscita.toStdString();
            EXPECT_EQ(impronta(archivio), registro);
            EXPECT_EQ(impronta(copia), diCopia);
        }
        const Esito e = esegui(comando + QStringList{normale});
        EXPECT_EQ(e.codice, 0) << e.errori.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(archivio + QStringLiteral("-journal")));
    EXPECT_EQ(QFileInfo(cartella() + QStringLiteral("/sola.pdf")).size(), 15);
}

} // namespace
