#include "ArchivioSchede.h"
#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "records/Scadenze.h"
#include "records/scheda.h"

#include <QSettings>
#include <QTemporaryDir>
#include <vector>

namespace {

QDate d(const char* testo) {
    return QDate::fromString(QString::fromLatin1(testo), QStringLiteral("dd/MM/yyyy"));
}

TEST(PeriodoRinnovato, TabellaDeiCasi) {
    struct Caso {
        const char* nome;
        const char* dal;
        const char* al;
        const char* oggi;
        const char* nuovoDal;
        const char* nuovoAl;
    };
    const Caso casi[] = {
        {"mese intero di 31 giorni verso uno di 30", "01/03/2027", "31/03/2027", "10/12/2026", "01/04/2027",
         "30/04/2027"},
        {"gennaio verso febbraio", "01/01/2027", "31/01/2027", "10/12/2026", "01/02/2027", "28/02/2027"},
        {"gennaio verso febbraio bisestile", "01/01/2028", "31/01/2028", "10/12/2026", "01/02/2028",
         "29/02/2028"},
        {"febbraio bisestile verso marzo", "01/02/2028", "29/02/2028", "10/12/2026", "01/03/2028",
         "31/03/2028"},
        {"tre mesi a fine mese", "01/01/2027", "31/03/2027", "10/12/2026", "01/04/2027", "30/06/2027"},
        {"dal 15 al 14 attraverso l'anno", "15/12/2026", "14/01/2027", "10/12/2026", "15/01/2027",
         "14/02/2027"},
        {"undici giorni", "10/12/2026", "20/12/2026", "10/12/2026", "21/12/2026", "31/12/2026"},
        {"quindici giorni sul 29 febbraio", "20/02/2028", "05/03/2028", "10/12/2026", "06/03/2028",
         "20/03/2028"},
        {"mese finito da tempo: da oggi", "01/10/2026", "31/10/2026", "10/12/2026", "10/12/2026",
         "09/01/2027"},
        {"giorni finiti da tempo: da oggi", "01/11/2026", "14/11/2026", "10/12/2026", "10/12/2026",
         "23/12/2026"},
        {"finita ieri: comincia oggi", "26/11/2026", "09/12/2026", "10/12/2026", "10/12/2026", "23/12/2026"},
        {"finisce oggi: comincia domani", "27/11/2026", "10/12/2026", "10/12/2026", "11/12/2026",
         "24/12/2026"},
        {"senza inizio: un mese", "", "31/12/2026", "10/12/2026", "01/01/2027", "31/01/2027"},
        {"un giorno solo", "20/12/2026", "20/12/2026", "10/12/2026", "21/12/2026", "21/12/2026"},
    };
    for (const Caso& c : casi) {
        const auto p = periodoRinnovato(d(c.dal), d(c.al), d(c.oggi));
        ASSERT_TRUE(p.has_value()) << c.nome;
        EXPECT_EQ(p->dal, d(c.nuovoDal)) << c.nome << ": " << p->dal.toString().toStdString();
        EXPECT_EQ(p->al, d(c.nuovoAl)) << c.nome << ": " << p->al.toString().toStdString();
    }
    EXPECT_FALSE(periodoRinnovato(d("01/12/2026"), QDate(), d("10/12/2026")).has_value());
}

class Scadenze : public ArchivioSchede {
protected:
    void SetUp() override {
        ArchivioSchede::SetUp();
        // The days kept in the settings go to a folder of the test's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni_.path());
    }

    // A card with the period given as stored (ISO text or NULL) in category `cat`.
    std::int32_t schedaDelPeriodo(std::int32_t atleta, const QString& dal, const QString& al,
                                  int esercizi = 0,
                                  const QString& istruttore = QStringLiteral("Anna")) const {
        auto data = [](const QString& t) { return t.isEmpty() ? QStringLiteral("NULL") : "'" + t + "'"; };
        eseguiDiretto(
            QStringLiteral("INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, "
                           "FreqAllen, GGAllen, Obiettivo, note) VALUES (%1, '%2', %3, %4, 1, 3, "
                           "'001010100', 'obiettivo', 'note finali')")
                .arg(atleta)
                .arg(istruttore, data(dal), data(al)));
        const auto id =
            static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_scheda) FROM schede")));
        eserciziDiretti(
            QStringLiteral("Esercizi"), id, esercizi, [](int i) { return 100 + i; },
            QStringLiteral("'30s', '35Hz', 'L', 1, 0, 2, 'Combinata', '', 0, 'es %1'"));
        return id;
    }

    QTemporaryDir impostazioni_;
};

TEST_F(Scadenze, UnaRigaPerAtletaConLUltimaSchedaNellIntervallo) {
    // Today is 10/12/2026: the list looks from 10/11/2026 to today + N days.
    const auto a = atletaDiretto(QStringLiteral("Bianchi"), QStringLiteral("Anna"));
    const auto sa = schedaDelPeriodo(a, QStringLiteral("2026-11-16"), QStringLiteral("2026-12-15"));
    // The old card would be in range, but a later one runs well beyond it.
    const auto b = atletaDiretto(QStringLiteral("Conti"), QStringLiteral("Bruno"));
    schedaDelPeriodo(b, QStringLiteral("2026-11-13"), QStringLiteral("2026-12-12"));
    schedaDelPeriodo(b, QStringLiteral("2026-12-13"), QStringLiteral("2027-01-20"));
    const auto c = atletaDiretto(QStringLiteral("D`Angelo"), QStringLiteral("Carla"));
    const auto sc = schedaDelPeriodo(c, QStringLiteral("2026-11-01"), QStringLiteral("2026-12-01"), 0,
                                     QStringLiteral("Lu`igi"));
    const auto e = atletaDiretto(QStringLiteral("Esposito"), QStringLiteral("Elio"));
    schedaDelPeriodo(e, QStringLiteral("2026-10-01"), QStringLiteral("2026-11-09")); // 31 days ago
    const auto f = atletaDiretto(QStringLiteral("Ferri"), QStringLiteral("Fabio"));
    const auto sf =
        schedaDelPeriodo(f, QStringLiteral("2026-10-11"), QStringLiteral("2026-11-10")); // 30 days
    // Two cards ending the same day: the higher number is the latest.
    const auto g = atletaDiretto(QStringLiteral("Galli"), QStringLiteral("Gino"));
    schedaDelPeriodo(g, QStringLiteral("2026-12-01"), QStringLiteral("2026-12-17"));
    const auto sg = schedaDelPeriodo(g, QStringLiteral("2026-12-02"), QStringLiteral("2026-12-17"));
    const auto h = atletaDiretto(QStringLiteral("Home"), QStringLiteral("Hilda"));
    const auto sh = schedaDelPeriodo(h, QStringLiteral("2026-12-10"), QStringLiteral("2026-12-18")); // 8 days
    // A card without an end never counts as the latest.
    const auto i = atletaDiretto(QStringLiteral("Izzo"), QStringLiteral("Ines"));
    const auto si = schedaDelPeriodo(i, QString(), QStringLiteral("2026-12-11"));
    schedaDelPeriodo(i, QStringLiteral("2026-12-12"), QString());
    atletaDiretto(QStringLiteral("Lodi"), QStringLiteral("Lia")); // no card at all

    struct Atteso {
        std::int32_t id;
        int giorni;
    };
    const auto confronta = [](const std::vector<SchedaInScadenza>& letto, const std::vector<Atteso>& atteso) {
        ASSERT_EQ(letto.size(), atteso.size());
        for (std::size_t k = 0; k < atteso.size(); ++k) {
            EXPECT_EQ(letto[k].id_scheda, atteso[k].id) << k;
            EXPECT_EQ(letto[k].giorniRimasti, atteso[k].giorni) << k;
        }
    };
    const auto sette = schedeInScadenza(7);
    confronta(sette, {{sf, -30}, {sc, -9}, {si, 1}, {sa, 5}, {sg, 7}});
    confronta(schedeInScadenza(8), {{sf, -30}, {sc, -9}, {si, 1}, {sa, 5}, {sg, 7}, {sh, 8}});
    confronta(schedeInScadenza(0), {{sf, -30}, {sc, -9}});

    const SchedaInScadenza& carla = sette[1];
    EXPECT_EQ(carla.id_utente, c);
    EXPECT_EQ(carla.cognome, QStringLiteral("D'Angelo"));
    EXPECT_EQ(carla.nome, QStringLiteral("Carla"));
    EXPECT_EQ(carla.PeriodoDal, QStringLiteral("01/11/2026"));
    EXPECT_EQ(carla.PeriodoAl, QStringLiteral("01/12/2026"));
    EXPECT_EQ(carla.Istruttore, QStringLiteral("Lu'igi"));
    EXPECT_EQ(carla.categoria, QStringLiteral("Dimagrimento"));
    EXPECT_TRUE(sette[2].PeriodoDal.isEmpty()) << sette[2].PeriodoDal.toStdString();
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(Scadenze, IGiorniSiRicordanoESiFermanoAiLimiti) {
    EXPECT_EQ(giorniScadenzaSalvati(), 7);
    const std::pair<int, int> casi[] = {{12, 12}, {0, 0}, {400, 365}, {-3, 0}};
    for (const auto& [scritti, letti] : casi) {
        salvaGiorniScadenza(scritti);
        EXPECT_EQ(giorniScadenzaSalvati(), letti) << scritti;
    }
    impostazioniUtente().setValue(QStringLiteral("Scadenze/giorni"), QStringLiteral("mille"));
    EXPECT_EQ(giorniScadenzaSalvati(), 7);
}

TEST_F(Scadenze, RinnovoCopiaIntestazioneEdEserciziELasciaLaVecchiaScheda) {
    const auto atleta = atletaDiretto();
    const auto vecchia =
        schedaDelPeriodo(atleta, QStringLiteral("2026-12-01"), QStringLiteral("2026-12-31"), 3);
    // A free exercise and one without a picture among the figures.
    eseguiDiretto(
        QStringLiteral("INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, "
                       "RecuperoMin, RecuperoSec, Serie, Modalita, Peso, isLibero, Note) VALUES "
                       "(4, %1, 0, '', '', '', 0, 0, 0, '', '', 1, 'corsa libera')")
            .arg(vecchia));
    const QString righeVecchie = QStringLiteral("ID_Scheda = %1").arg(vecchia);
    const qlonglong eserciziPrima = conta(QStringLiteral("Esercizi"), righeVecchie);
    ASSERT_EQ(eserciziPrima, 4);

    const std::int32_t nuova = rinnovaScheda(vecchia, d("10/12/2026"));
    ASSERT_GT(nuova, vecchia);
    EXPECT_TRUE(messaggi().mostrati.empty());

    scheda letta;
    ASSERT_TRUE(letta.carica(nuova));
    EXPECT_EQ(letta.id_utente, atleta);
    EXPECT_EQ(letta.PeriodoDal, QStringLiteral("01/01/2027"));
    EXPECT_EQ(letta.PeriodoAl, QStringLiteral("31/01/2027"));
    EXPECT_EQ(letta.Istruttore, QStringLiteral("Anna"));
    EXPECT_EQ(letta.Obiettivo, QStringLiteral("obiettivo"));
    EXPECT_EQ(static_cast<int>(letta.FreqAllen), 3);
    EXPECT_EQ(letta.GGAllen, QStringLiteral("001010100"));
    EXPECT_EQ(letta.note, QStringLiteral("note finali"));
    EXPECT_EQ(letta.id_cat, 1);
    letta.caricaEsercizi();
    ASSERT_EQ(letta.esercizi.Count(), 4);
    for (long k = 1; k <= 3; ++k) {
        const Esercizio& e = letta.esercizi.Item(k);
        EXPECT_EQ(e.id_fig, 100 + k);
        EXPECT_EQ(e.nprog, k);
        EXPECT_FALSE(e.isLibero);
        EXPECT_EQ(e.durata, QStringLiteral("30s"));
        EXPECT_EQ(e.modalita, QStringLiteral("Combinata"));
        EXPECT_EQ(e.note, QStringLiteral("es %1").arg(k));
    }
    EXPECT_TRUE(letta.esercizi.Item(4).isLibero);
    EXPECT_EQ(letta.esercizi.Item(4).note, QStringLiteral("corsa libera"));

    // The old card as it was.
    EXPECT_EQ(conta(QStringLiteral("Esercizi"), righeVecchie), eserciziPrima);
    EXPECT_EQ(
        conta(QStringLiteral("schede"), QStringLiteral("id_scheda = %1 AND PeriodoDal = '2026-12-01' AND "
                                                       "PeriodoAl = '2026-12-31'")
                                            .arg(vecchia)),
        1);
    // The renewed card is now the athlete's latest: it is no longer running out.
    EXPECT_TRUE(schedeInScadenza(7, d("10/12/2026")).empty());
}

TEST_F(Scadenze, UnRinnovoRifiutatoNonLasciaNulla) {
    const auto atleta = atletaDiretto();
    const auto vecchia =
        schedaDelPeriodo(atleta, QStringLiteral("2026-12-01"), QStringLiteral("2026-12-31"), 3);
    // The third exercise of the new card is refused: the header and the two before it must go too.
    rifiutaRighe(QStringLiteral("rifiuta"), QStringLiteral("INSERT"), QStringLiteral("Esercizi"),
                 QStringLiteral("NEW.NProg = 3 AND NEW.ID_Scheda > %1").arg(vecchia));
    const qlonglong schedePrima = conta(QStringLiteral("schede"));
    const qlonglong eserciziPrima = conta(QStringLiteral("Esercizi"));

    EXPECT_EQ(rinnovaScheda(vecchia, d("10/12/2026")), 0);
    EXPECT_EQ(conta(QStringLiteral("schede")), schedePrima);
    EXPECT_EQ(conta(QStringLiteral("Esercizi")), eserciziPrima);
    EXPECT_FALSE(messaggi().mostrati.empty()); // the refusal was reported
}

TEST_F(Scadenze, SenzaFineNonSiRinnova) {
    const auto atleta = atletaDiretto();
    const auto vecchia = schedaDelPeriodo(atleta, QStringLiteral("2026-12-01"), QString(), 1);
    const qlonglong schedePrima = conta(QStringLiteral("schede"));
    EXPECT_THROW(rinnovaScheda(vecchia, d("10/12/2026")), Errore);
    EXPECT_EQ(conta(QStringLiteral("schede")), schedePrima);
}

} // namespace
