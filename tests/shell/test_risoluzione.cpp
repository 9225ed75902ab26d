#include "comune/ArchivioDiProva.h"
#include "data/db.h"
#include "shell/ModuloBase.h"
#include "shell/MonitorResolution.h"
#include "shell/ResolutionConfirm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A display whose modes the test decides, remembering every change asked.
class SchermoFinto : public Schermo {
public:
    explicit SchermoFinto(ModoSchermo m, bool cambiaDavvero = true) : modo(m), cambia(cambiaDavvero) {}
    ModoSchermo leggi() override { return modo; }
    bool imposta(const ModoSchermo& m) override {
        richieste.push_back(m);
        if (cambia)
            modo = m;
        return cambia;
    }
    ModoSchermo modo;
    bool cambia;
    std::vector<ModoSchermo> richieste;
};

class ControlloRisoluzione : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        esitoConferma = 0;
        conferme = 0;
        impostaConfermaRisoluzione([this] {
            ++conferme;
            esitoConferma = rispostaConferma;
        });
    }
    void TearDown() override {
        installaSchermo(nullptr);
        impostaConfermaRisoluzione([] {
            ResolutionConfirm f;
            f.exec();
        });
        ArchivioDiProva::TearDown();
    }
    std::shared_ptr<SchermoFinto> schermo(ModoSchermo m, bool cambia = true) {
        auto s = std::make_shared<SchermoFinto>(m, cambia);
        installaSchermo(s);
        return s;
    }
    QString contatore() const { return db().Load_Param(QStringLiteral("CAMBIO_RISOLUZIONE")); }
    bool righeRisoluzione() const { return righeLog().filter(QStringLiteral("Risoluzione ")).size() > 0; }

    int conferme = 0;
    std::int16_t rispostaConferma = 1;
};

const QString domanda800 =
    QStringLiteral("Il programma è stato ottimizzato per risoluzioni video 1024x768 o superiori. "
                   "(Risoluzione attuale: 800x600)\r\n"
                   "Se si vuole gestire al meglio il programma si consiglia di cambiare la risoluzione. \r\n"
                   "Il programma può aggiustarla automaticamente: cambiarla adesso? \r\n"
                   "(Procedere solo se si è sicuri che il proprio computer supporti tale risoluzione!) ");

TEST_F(ControlloRisoluzione, ContatoreDegliAvvii) {
    struct Caso {
        const char* memorizzato; // nullptr = no row
        const char* atteso;
        bool controlla;
    };
    const Caso casi[] = {
        {nullptr, "1", true}, {"1", "2", true},          {"7", "8", true},       {"8", "8", false},
        {"12", "12", false},  {"abc", "1", true},        {"3 avvii", "4", true}, {"  5", "6", true},
        {"-4", "1", true},    {"99999", "99999", false}, {"6.5", "8", true},     {"7.5", "8", true},
    };
    schermo({1280, 1024, 24});
    for (const Caso& c : casi) {
        eseguiDiretto(QStringLiteral("DELETE FROM Parametri WHERE parametro = 'CAMBIO_RISOLUZIONE'"));
        if (c.memorizzato)
            eseguiDiretto(QStringLiteral("INSERT INTO Parametri VALUES ('CAMBIO_RISOLUZIONE', '%1')")
                              .arg(QString::fromUtf8(c.memorizzato)));
        svuotaLog();
        controllaRisoluzione();
        EXPECT_EQ(contatore(), QString::fromUtf8(c.atteso)) << (c.memorizzato ? c.memorizzato : "(nessuno)");
        EXPECT_EQ(righeRisoluzione(), c.controlla) << (c.memorizzato ? c.memorizzato : "(nessuno)");
    }
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ControlloRisoluzione, SchermoLargoMaBassoNonChiedeNulla) {
    auto s = schermo({1280, 600, 24});
    controllaRisoluzione();
    EXPECT_TRUE(righeLog().contains(QStringLiteral("Risoluzione 1280x600")));
    EXPECT_TRUE(messaggi().mostrati.empty());
    EXPECT_TRUE(s->richieste.empty());
}

TEST_F(ControlloRisoluzione, RispostaNoLasciaLoSchermoComEra) {
    auto s = schermo({800, 600, 16});
    messaggi().rispondi(Risposta::No);
    controllaRisoluzione();
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_EQ(messaggi().mostrati[0].testo, domanda800);
    EXPECT_EQ(messaggi().mostrati[0].pulsanti, Pulsanti::SiNo);
    EXPECT_EQ(messaggi().mostrati[0].tipo, TipoMessaggio::Errore);
    EXPECT_TRUE(s->richieste.empty());
    EXPECT_EQ(conferme, 0);
}

TEST_F(ControlloRisoluzione, ConfermaTieneIlNuovoModoConLaProfonditaDiPrima) {
    auto s = schermo({800, 600, 16});
    rispostaConferma = 1;
    messaggi().rispondi(Risposta::Si);
    controllaRisoluzione();
    ASSERT_EQ(s->richieste.size(), 1u);
    EXPECT_EQ(s->richieste[0], (ModoSchermo{1024, 768, 16}));
    EXPECT_EQ(conferme, 1);
    ASSERT_EQ(messaggi().mostrati.size(), 2u);
    EXPECT_TRUE(messaggi().mostrati[1].testo.startsWith(QStringLiteral(
        "Il programma proverà ora a cambiare risoluzione quindi vi chiederà conferma. Se il vostro "
        "Computer non supportasse")));
    EXPECT_TRUE(messaggi().mostrati[1].testo.endsWith(
        QStringLiteral("In tal caso attendere 15 secondi e verrà reimpostata la risoluzione precedente")));
    EXPECT_EQ(s->modo, (ModoSchermo{1024, 768, 16}));
}

TEST_F(ControlloRisoluzione, AnnullaOTempoScadutoTornaAlModoPrecedente) {
    auto s = schermo({800, 600, 16});
    rispostaConferma = 2;
    messaggi().rispondi(Risposta::Si);
    controllaRisoluzione();
    ASSERT_EQ(s->richieste.size(), 2u);
    EXPECT_EQ(s->richieste[1], (ModoSchermo{800, 600, 16}));
    EXPECT_EQ(s->modo, (ModoSchermo{800, 600, 16}));
    EXPECT_EQ(messaggi().testi().last(), QStringLiteral("Reimpostata risoluzione precedente"));
}

TEST_F(ControlloRisoluzione, CambioImpossibileNonChiedeConferma) {
    auto s = schermo({800, 600, 24}, false);
    messaggi().rispondi(Risposta::Si);
    controllaRisoluzione();
    EXPECT_EQ(conferme, 0);
    ASSERT_EQ(s->richieste.size(), 1u);
    EXPECT_TRUE(messaggi().testi().last().startsWith(
        QStringLiteral("Non è stato possibile cambiare la risoluzione")));
}

TEST(ResolutionConfirm, ContoAllaRovesciaDaSediciAZeroPoiTornaIndietro) {
    esitoConferma = 0;
    ResolutionConfirm finestra;
    finestra.show();
    EXPECT_EQ(finestra.windowTitle(), QStringLiteral("Conferma Cambio Risoluzione"));
    EXPECT_EQ(finestra.Label1->text(), QStringLiteral("Secondi rimasti ... "));
    EXPECT_TRUE(finestra.Timer->isActive());
    EXPECT_EQ(finestra.Timer->interval(), 1000);
    for (int atteso = 16; atteso >= 0; --atteso) {
        EXPECT_EQ(finestra.lblSec->text(), QString::number(atteso));
        EXPECT_EQ(finestra.secondiRimasti, atteso);
        EXPECT_EQ(esitoConferma, 0);
        EXPECT_TRUE(finestra.isVisible());
        finestra.Timer_Timer();
    }
    EXPECT_EQ(esitoConferma, 2);
    EXPECT_FALSE(finestra.isVisible());
    EXPECT_FALSE(finestra.Timer->isActive());
}

TEST(ResolutionConfirm, PulsantiEChiusuraInAltroModo) {
    struct Caso {
        std::function<void(ResolutionConfirm&)> azione;
        std::int16_t atteso;
    };
    const Caso casi[] = {
        {[](ResolutionConfirm& f) { f.OKButton->click(); }, 1},
        {[](ResolutionConfirm& f) { f.CancelButton->click(); }, 2},
        {[](ResolutionConfirm& f) { f.close(); }, 7}, // the value left from before stays
    };
    for (const Caso& c : casi) {
        esitoConferma = 7;
        ResolutionConfirm finestra;
        finestra.show();
        finestra.Timer_Timer();
        c.azione(finestra);
        EXPECT_EQ(esitoConferma, c.atteso);
        EXPECT_FALSE(finestra.isVisible());
    }
}

TEST(MonitorResolution, SenzaXRandRSiLeggeLoSchermoDiQtENonSiCambia) {
    installaSchermo(nullptr);
    QScreen* s = QGuiApplication::primaryScreen();
    ASSERT_NE(s, nullptr);
    const ModoSchermo m = leggiRisoluzione();
    EXPECT_EQ(m.larghezza, static_cast<std::int32_t>(s->geometry().width() * s->devicePixelRatio()));
    EXPECT_EQ(m.altezza, static_cast<std::int32_t>(s->geometry().height() * s->devicePixelRatio()));
    EXPECT_GT(m.profondita, 0);
    EXPECT_FALSE(impostaRisoluzione({1024, 768, m.profondita}));
    EXPECT_EQ(leggiRisoluzione(), m);
}

} // namespace
