#include "base/Errore.h"
#include "base/RigaComando.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Messages of a command-line tool: every kind written as an error line, only an error marks the
// command as failed.
TEST(MessaggiRigaComando, OgniMessaggioSuStderrSoloUnErroreFaFallire) {
    struct Caso {
        TipoMessaggio tipo;
        bool errore;
    };
    const Caso casi[] = {{TipoMessaggio::Informazione, false},
                         {TipoMessaggio::Avviso, false},
                         {TipoMessaggio::Domanda, false},
                         {TipoMessaggio::Errore, true}};
    for (const Caso& c : casi) {
        auto servizio = std::make_shared<MessaggiRigaComando>();
        const auto precedente = installaServizioMessaggi(servizio);
        testing::internal::CaptureStderr();
        const Risposta r =
            mostraMessaggio(QStringLiteral("Tabella «utenti» mancante"), c.tipo, Pulsanti::SiNo);
        const std::string scritto = testing::internal::GetCapturedStderr();
        installaServizioMessaggi(precedente);
        EXPECT_EQ(scritto, "Errore: Tabella «utenti» mancante\n") << static_cast<int>(c.tipo);
        EXPECT_EQ(r, Risposta::OK) << static_cast<int>(c.tipo);
        EXPECT_EQ(servizio->erroreMostrato(), c.errore) << static_cast<int>(c.tipo);
    }
}

TEST(RigaComando, UnErroreDelComandoDiventaUnaRigaEUscita1) {
    struct Caso {
        const char* nome;
        std::function<int()> comando;
        int uscita;
        std::string scritto;
    };
    const Caso casi[] = {
        {"riuscito", [] { return 0; }, 0, ""},
        {"argomenti", [] { return 2; }, 2, ""},
        {"Errore",
         []() -> int { throw Errore(53, QStringLiteral("File non trovato"), QStringLiteral("prova")); }, 1,
         "Errore: File non trovato\n"},
        {"eccezione", []() -> int { throw std::runtime_error("disco pieno"); }, 1, "Errore: disco pieno\n"},
    };
    for (const Caso& c : casi) {
        testing::internal::CaptureStderr();
        const int uscita = eseguiRigaComando(c.comando);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.scritto) << c.nome;
        EXPECT_EQ(uscita, c.uscita) << c.nome;
    }
}

} // namespace
