#include "base/Errore.h"
#include "printing/ContatoreTempi.h"
#include "records/scheda.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

// A status bar stand-in that remembers what was written into each panel.
struct BarraFinta : PannelliStato {
    QMap<QString, QString> pannelli;
    int scritture = 0;
    void impostaTestoPannello(const QString& chiave, const QString& testo) override {
        pannelli[chiave] = testo;
        ++scritture;
    }
};

const QString nota = QStringLiteral("              [NOTA: Nel caso di allenamento a circuito il conteggio "
                                    "dei tempi riguarda solo uno di essi]");

Esercizio es(const char* durata, int serie, int min, int sec, int idFig = 1, bool libero = false) {
    Esercizio e;
    e.durata = QString::fromUtf8(durata);
    e.serie = serie;
    e.recuperoMin = min;
    e.recuperoSec = sec;
    e.id_fig = idFig;
    e.isLibero = libero;
    return e;
}

QString conta(scheda& s) {
    BarraFinta barra;
    ContatoreTempi c;
    c.scheda = &s;
    c.display = &barra;
    c.contaEstampa();
    return barra.pannelli.value(QStringLiteral("status"));
}

TEST(ContatoreTempi, TestoCompletoCaratterePerCarattere) {
    scheda s;
    s.esercizi.Add(es("30s", 3, 1, 30));
    EXPECT_EQ(conta(s),
              QStringLiteral("Tempi Vibrana: Tempo effettivo: 01:30 - Tempo recupero: 04:30 - Tempo "
                             "totale: 06:00              [NOTA: Nel caso di allenamento a circuito il "
                             "conteggio dei tempi riguarda solo uno di essi]"));
    EXPECT_EQ(nota.indexOf(QLatin1Char('[')), 14);
}

TEST(ContatoreTempi, TotaliPerCasi) {
    struct {
        const char* nome;
        std::vector<Esercizio> esercizi;
        const char* effettivo;
        const char* recupero;
        const char* totale;
    } casi[] = {
        {"vuota", {}, "00:00", "00:00", "00:00"},
        {"45s per 2", {es("45s", 2, 0, 0)}, "01:30", "00:00", "01:30"},
        {"libero non conta", {es("30s", 3, 1, 30, 1, true)}, "00:00", "00:00", "00:00"},
        {"senza figura non conta", {es("30s", 3, 1, 30, 0)}, "00:00", "00:00", "00:00"},
        {"un'ora e più", {es("60s", 20, 2, 15), es("30s", 10, 0, 0)}, "25:00", "45:00", "1:10:00"},
        {"durata non numerica", {es("", 3, 0, 10), es("abc", 3, 0, 0)}, "00:00", "00:30", "00:30"},
        {"decimali al pari", {es("2.5s", 1, 0, 0), es("3.5", 1, 0, 0)}, "00:06", "00:00", "00:06"},
        {"spazi iniziali", {es(" 30s", 2, 0, 0)}, "01:00", "00:00", "01:00"},
        {"un'ora esatta", {es("60s", 60, 0, 0)}, "1:00:00", "00:00", "1:00:00"},
    };
    for (auto& c : casi) {
        scheda s;
        for (Esercizio& e : c.esercizi)
            s.esercizi.Add(e);
        EXPECT_EQ(
            conta(s),
            QStringLiteral("Tempi Vibrana: Tempo effettivo: %1 - Tempo recupero: %2 - Tempo totale: %3")
                    .arg(QLatin1String(c.effettivo), QLatin1String(c.recupero), QLatin1String(c.totale)) +
                nota)
            << c.nome;
    }
}

TEST(ContatoreTempi, OverflowLasciaIlPannelloComEra) {
    scheda s;
    s.esercizi.Add(es("30s", 255, 255, 0)); // 255 x 255 minutes does not fit in 16 bits
    BarraFinta barra;
    barra.pannelli[QStringLiteral("status")] = QStringLiteral("prima");
    ContatoreTempi c;
    c.scheda = &s;
    c.display = &barra;
    try {
        c.contaEstampa();
        ADD_FAILURE();
    } catch (const Errore& e) {
        EXPECT_EQ(e.numero(), NumeriErrore::Overflow);
    }
    EXPECT_EQ(barra.pannelli.value(QStringLiteral("status")), QStringLiteral("prima"));
    EXPECT_EQ(barra.scritture, 0);
}

} // namespace
