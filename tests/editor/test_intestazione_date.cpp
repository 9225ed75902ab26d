// The period in the card's header: a new card gets one, a stored card without one opens, stays and is
// saved without one.
#include "EditorDiProva.h"
#include "comune/CampiScheda.h"
#include "comune/SchermoDiProva.h"
#include "data/LettoriCampi.h"
#include "data/db.h"
#include "editor/RegistraEditor.h"
#include "editor/SchedaIntestazione.h"
#include "editor/mdiScheda.h"
#include "records/scheda.h"
#include "selection/SelettoreData.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

const bool schermo1024 = schermoDiProva(1024, 768);

class DateIntestazione : public EditorDiProva {
protected:
    static scheda& card(mdiScheda& e) { return *static_cast<scheda*>(e.scheda()); }
    static SelettoreData* dal(mdiScheda& e) { return testa<SelettoreData>(e, "dal"); }
    static SelettoreData* al(mdiScheda& e) { return testa<SelettoreData>(e, "al"); }
    // The card's period as the register holds it: each date, or NULL.
    static QString periodoArchiviato(std::int32_t id) {
        RecordSet rs = db().getRs(
            QStringLiteral("SELECT PeriodoDal, PeriodoAl FROM schede WHERE id_scheda = %1").arg(id));
        const auto testo = [](const QVariant& v) {
            return v.isNull() ? QStringLiteral("NULL") : DB::testoData(nzData(v));
        };
        return testo(rs[QStringLiteral("PeriodoDal")]) + QLatin1Char(' ') +
               testo(rs[QStringLiteral("PeriodoAl")]);
    }
};

TEST_F(DateIntestazione, UnaSchedaSalvataSenzaPeriodoSiApreESiSalvaSenzaDate) {
    const struct {
        const char* nulle; // the columns the register holds as NULL
        const char* archiviato;
    } casi[] = {
        {"PeriodoDal = NULL, PeriodoAl = NULL", "NULL NULL"},
        {"PeriodoDal = NULL", "NULL 31/12/2026"},
        {"PeriodoAl = NULL", "01/12/2026 NULL"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nulle);
        const std::int32_t id = schedaConEsercizi({1});
        eseguiDiretto(
            QStringLiteral("UPDATE schede SET %1 WHERE id_scheda = %2").arg(QLatin1String(c.nulle)).arg(id));
        ASSERT_EQ(periodoArchiviato(id), QString::fromLatin1(c.archiviato));
        const QStringList date = QString::fromLatin1(c.archiviato).split(QLatin1Char(' '));
        const auto mostrata = [](const QString& d) { return d == QLatin1String("NULL") ? QString() : d; };

        {
            // The header alone, on the card as loaded: showing it changes nothing in the card.
            scheda letta;
            ASSERT_TRUE(letta.carica(id));
            const SchedaIntestazione testata(letta, QStringLiteral("Rossi Mario"));
            EXPECT_EQ(testata.findChild<SelettoreData*>(QStringLiteral("dal"))->testo(), mostrata(date[0]));
            EXPECT_EQ(testata.findChild<SelettoreData*>(QStringLiteral("al"))->testo(), mostrata(date[1]));
            EXPECT_EQ(letta.PeriodoDal, mostrata(date[0]));
            EXPECT_EQ(letta.PeriodoAl, mostrata(date[1]));
            EXPECT_TRUE(letta.isSaved);
        }

        mdiScheda& e = apri(9, id, 0);
        EXPECT_EQ(dal(e)->testo(), mostrata(date[0]));
        EXPECT_EQ(al(e)->testo(), mostrata(date[1]));
        EXPECT_EQ(card(e).PeriodoDal, mostrata(date[0]));
        EXPECT_EQ(card(e).PeriodoAl, mostrata(date[1]));

        // Saved as it is: nothing refused, no date made up.
        pulsante(e, "salva")->trigger();
        EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
        EXPECT_EQ(periodoArchiviato(id), QString::fromLatin1(c.archiviato));
        scaricaEditorScheda();
        messaggi().mostrati.clear();
    }
}

// Only a date the card never had may be left empty; emptied, it is stored as no date.
TEST_F(DateIntestazione, SoloUnaDataMaiAvutaPuoRestareVuota) {
    const std::int32_t conPeriodo = schedaConEsercizi({1});
    const std::int32_t senzaPeriodo = schedaConEsercizi({1});
    eseguiDiretto(QStringLiteral("UPDATE schede SET PeriodoDal = NULL, PeriodoAl = NULL WHERE id_scheda = %1")
                      .arg(senzaPeriodo));
    const struct {
        const char* caso;
        std::int32_t id;
        const char* aperta; // the start date shown on opening
        bool vuotabile;
    } casi[] = {
        {"nuova", 0, "10/12/2026", false},
        {"salvata con periodo", conPeriodo, "01/12/2026", false},
        {"salvata senza periodo", senzaPeriodo, "", true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        mdiScheda& e = apri(9, c.id, 0);
        EXPECT_EQ(dal(e)->testo(), QString::fromLatin1(c.aperta));
        EXPECT_EQ(card(e).PeriodoDal, QString::fromLatin1(c.aperta));
        if (c.id == 0) {
            // A new card's period: from today for three weeks, written into the card.
            EXPECT_EQ(card(e).PeriodoAl, QStringLiteral("31/12/2026"));
            EXPECT_EQ(al(e)->data(), QDate(2026, 12, 31));
            EXPECT_FALSE(card(e).isSaved);
        }

        scrivi(dal(e)->campo(), QStringLiteral("15/12/2026"));
        EXPECT_EQ(card(e).PeriodoDal, QStringLiteral("15/12/2026"));
        scrivi(dal(e)->campo(), QString());
        EXPECT_EQ(dal(e)->isAccettabile(), c.vuotabile);
        EXPECT_EQ(card(e).PeriodoDal, c.vuotabile ? QString() : QStringLiteral("15/12/2026"));
        if (c.vuotabile) {
            lascia();
            messaggi().mostrati.clear();
            pulsante(e, "salva")->trigger();
            EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
            EXPECT_EQ(periodoArchiviato(c.id), QStringLiteral("NULL NULL"));
        } else {
            // Put back, so that leaving the editor has nothing to refuse.
            scrivi(dal(e)->campo(), QStringLiteral("15/12/2026"));
        }
        scaricaEditorScheda();
        messaggi().mostrati.clear();
    }
}

} // namespace
