#include "ArchivioStampa.h"
#include "StrumentiPdf.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

class ComandiStampa : public ArchivioStampa {
protected:
    struct Esito {
        int codice = -1;
        QString uscita;
        QString errori;
    };
    Esito esegui(const QStringList& argomenti) const {
        const QString programma =
            QStringLiteral(VIBRANA_CARTELLA_BUILD) + QStringLiteral("/vibrana-archivio");
        Esito e;
        if (!QFile::exists(programma)) {
            ADD_FAILURE() << "manca " << programma.toStdString();
            return e;
        }
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
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
    const struct {
        QStringList argomenti;
        int codice;
        const char* errore;
    } casi[] = {
        {{QStringLiteral("pdf"), QString::number(scheda(0)), file},
         1,
         "Nessun esercizio caricato in questa scheda!"},
        {{QStringLiteral("pdf"), QStringLiteral("dieci"), file}, 2, "numero di scheda non valido"},
        {{QStringLiteral("pdf"), QStringLiteral("1")}, 2, "Uso:"},
        {{QStringLiteral("istruzioni"), cartella() + QStringLiteral("/manca/x.pdf")},
         1,
         "Impossibile scrivere"},
    };
    for (const auto& c : casi) {
        const Esito e = esegui(c.argomenti);
        EXPECT_EQ(e.codice, c.codice) << c.argomenti.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(e.errori.contains(QLatin1String(c.errore))) << e.errori.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file));
}

} // namespace
