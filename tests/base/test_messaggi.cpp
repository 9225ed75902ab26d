#include "base/Messaggi.h"
#include "comune/MessaggiRegistrati.h"

#include <QStringList>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// The question the tests ask without scripting an answer.
Risposta chiediSenzaRisposta() {
    return mostraMessaggio(QStringLiteral("Cancello tutto?"), TipoMessaggio::Domanda, Pulsanti::SiNo, {},
                           Risposta::No);
}

TEST(MessaggiRegistrati, DomandaSenzaRispostaPreparataFallisce) {
    RegistratoreInstallato registro;
    Risposta r = Risposta::Si;
    EXPECT_NONFATAL_FAILURE(r = chiediSenzaRisposta(), "Domanda senza risposta preparata: Cancello tutto?");
    // The failing test goes on with the safe answer.
    EXPECT_EQ(r, Risposta::No);
    ASSERT_EQ(registro->mostrati.size(), 1u);
    EXPECT_EQ(registro->mostrati[0].predefinita, Risposta::No);
}

TEST(MessaggiRegistrati, AvvisiSenzaRispostaERispostePreparateInOrdine) {
    RegistratoreInstallato registro;
    EXPECT_EQ(mostraMessaggio(QStringLiteral("Fatto."), TipoMessaggio::Informazione), Risposta::OK);
    registro->rispondi(Risposta::No);
    registro->rispondi(Risposta::Annulla);
    EXPECT_EQ(mostraMessaggio(QStringLiteral("Uno?"), TipoMessaggio::Domanda, Pulsanti::SiNo), Risposta::No);
    EXPECT_EQ(mostraMessaggio(QStringLiteral("Due?"), TipoMessaggio::Domanda, Pulsanti::SiNoAnnulla),
              Risposta::Annulla);
    EXPECT_EQ(registro->testi(), (QStringList{"Fatto.", "Uno?", "Due?"}));
    // Without a named default the first button is the default.
    EXPECT_EQ(registro->mostrati[1].predefinita, Risposta::Si);
    EXPECT_EQ(registro->mostrati[0].titolo, titoloApplicazione());
}

// A service that knows nothing of default buttons still gets every message.
TEST(ServizioMessaggi, ServizioSenzaPulsantePredefinito) {
    struct Vecchio : ServizioMessaggi {
        QStringList visti;
        Risposta mostra(const QString& testo, TipoMessaggio, Pulsanti, const QString&) override {
            visti << testo;
            return Risposta::Annulla;
        }
    };
    auto vecchio = std::make_shared<Vecchio>();
    auto precedente = installaServizioMessaggi(vecchio);
    EXPECT_EQ(mostraMessaggio(QStringLiteral("Esco?"), TipoMessaggio::Domanda, Pulsanti::SiNoAnnulla, {},
                              Risposta::No),
              Risposta::Annulla);
    installaServizioMessaggi(precedente);
    EXPECT_EQ(vecchio->visti, QStringList{QStringLiteral("Esco?")});
}

} // namespace
