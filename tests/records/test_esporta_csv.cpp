#include "base/Errore.h"
#include "records/EsportaCsv.h"
#include "records/scheda.h"
#include "records/utente.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray bom("\xEF\xBB\xBF");

QByteArray unaRiga(const QVariantList& valori) {
    TabellaCsv t({QStringLiteral("A")});
    t.aggiungiRiga(valori);
    const QByteArray testo = t.testo();
    // Past the mark and the header line.
    return testo.mid(bom.size() + QByteArray("A\r\n").size());
}

TEST(EsportaCsv, ValoriScomodi) {
    const struct {
        const char* caso;
        QVariant valore;
        QByteArray atteso;
    } casi[] = {
        {"testo semplice", QStringLiteral("Rossi"), "Rossi"},
        {"vuoto", QString(), ""},
        {"punto e virgola", QStringLiteral("Rossi; Mario"), "\"Rossi; Mario\""},
        {"virgolette", QStringLiteral("detto \"il Rosso\""), "\"detto \"\"il Rosso\"\"\""},
        {"a capo", QStringLiteral("riga 1\nriga 2"), "\"riga 1\nriga 2\""},
        {"a capo CR LF", QStringLiteral("riga 1\r\nriga 2"), "\"riga 1\r\nriga 2\""},
        {"apostrofo", QStringLiteral("D'Amico"), "D'Amico"},
        {"virgola", QStringLiteral("1,5 kg"), "1,5 kg"},
        {"accenti ed emoji", QStringLiteral("Niccolò 💪"), "Niccol\xC3\xB2 \xF0\x9F\x92\xAA"},
        {"numero", 42, "42"},
        {"data", QDate(2026, 3, 7), "07/03/2026"},
        {"data vuota", QDate(), ""},
        {"nulla", QVariant(), ""},
        {"solo virgolette", QStringLiteral("\""), "\"\"\"\""},
    };
    for (const auto& c : casi)
        EXPECT_EQ(unaRiga({c.valore}), c.atteso + "\r\n") << c.caso;
}

// A name such as =1+2 must open as that text, not as 3 or a live link.
TEST(EsportaCsv, TestoCheSembraUnaFormula) {
    const struct {
        const char* caso;
        QVariant valore;
        QByteArray atteso;
    } casi[] = {
        {"uguale", QStringLiteral("=1+2"), "'=1+2"},
        {"collegamento", QStringLiteral("=HYPERLINK(\"http://x.invalid\";\"clic\")"),
         "\"'=HYPERLINK(\"\"http://x.invalid\"\";\"\"clic\"\")\""},
        {"più", QStringLiteral("+39 333"), "'+39 333"},
        {"meno", QStringLiteral("-2+3"), "'-2+3"},
        {"chiocciola", QStringLiteral("@SOMMA(A1)"), "'@SOMMA(A1)"},
        {"tabulazione", QStringLiteral("\t=1+2"), "'\t=1+2"},
        {"ritorno a capo", QStringLiteral("\r=1+2"), "\"'\r=1+2\""},
        {"nome semplice", QStringLiteral("Rossi"), "Rossi"},
        {"uguale non in testa", QStringLiteral("Rossi=Bianchi"), "Rossi=Bianchi"},
        {"virgolette e uguale", QStringLiteral("=\"a\""), "\"'=\"\"a\"\"\""},
        {"punto e virgola", QStringLiteral("Rossi; Mario"), "\"Rossi; Mario\""},
        // Numbers the program writes stay numbers.
        {"numero negativo", -5, "-5"},
        {"decimale negativo", -2.5, "-2.5"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(unaRiga({c.valore}), c.atteso + "\r\n") << c.caso;
}

TEST(EsportaCsv, IntestazioneSeparatoriEFineRiga) {
    TabellaCsv t({QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("Data")});
    t.aggiungiRiga({QStringLiteral("Rossi"), QStringLiteral("Anna"), QDate(1990, 12, 1)});
    t.aggiungiRiga({QStringLiteral("Bianchi"), QString(), QDate()});
    EXPECT_EQ(t.testo(), bom + "Cognome;Nome;Data\r\nRossi;Anna;01/12/1990\r\nBianchi;;\r\n");
    // A table with no rows still has its header.
    EXPECT_EQ(TabellaCsv({QStringLiteral("ID")}).testo(), bom + "ID\r\n");
}

TEST(EsportaCsv, AtletiESchede) {
    utente a;
    a.id_utente = 7;
    a.cognome = QStringLiteral("D'Amico");
    a.nome = QStringLiteral("Anna");
    a.dataNascita = QDate(1985, 2, 3);
    a.sesso = QStringLiteral("F");
    a.note = QStringLiteral("spalla; ginocchio");
    utente b; // no birth date
    b.id_utente = 8;
    b.cognome = QStringLiteral("Neri");
    b.nome = QStringLiteral("Ugo");
    EXPECT_EQ(tabellaAtleti({a, b}).testo(), bom + "ID_atleta;Cognome;Nome;Data Nascita;Sesso;Note\r\n"
                                                   "7;D'Amico;Anna;03/02/1985;F;\"spalla; ginocchio\"\r\n"
                                                   "8;Neri;Ugo;;;\r\n");

    scheda s;
    s.id_scheda = 3;
    s.PeriodoDal = QStringLiteral("01/09/2026");
    s.Istruttore = QStringLiteral("Luca");
    s.categoria = QStringLiteral("Tonificazione");
    s.Obiettivo = QStringLiteral("forza\r\ntenuta");
    EXPECT_EQ(tabellaSchede({s}).testo(), bom + "ID_scheda;Dal;Al;Istruttore;Categoria;Obiettivo;Note\r\n"
                                                "3;01/09/2026;;Luca;Tonificazione;\"forza\r\ntenuta\";\r\n");
}

TEST(EsportaCsv, IlFileEInteroONonVieneScritto) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TabellaCsv t({QStringLiteral("A")});
    t.aggiungiRiga({QStringLiteral("x")});
    const QString percorso = dir.path() + QStringLiteral("/atleti.csv");
    t.salva(percorso);
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), t.testo());
    f.close();
    // Into a folder that does not exist: an Italian message, nothing written, no leftovers.
    const QString manca = dir.path() + QStringLiteral("/manca/atleti.csv");
    try {
        t.salva(manca);
        ADD_FAILURE() << "scritto in una cartella inesistente";
    } catch (const Errore& e) {
        EXPECT_EQ(e.descrizione(),
                  QStringLiteral("Impossibile scrivere «atleti.csv»: la cartella non esiste"))
            << e.descrizione().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(manca));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("atleti.csv")});
}

} // namespace
