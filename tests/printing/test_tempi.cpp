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
    void segnalaPannello(const QString& chiave, bool oltre, const QString& suggerimento) override {
        segnalati[chiave] = oltre;
        suggerimenti[chiave] = suggerimento;
    }
    QMap<QString, bool> segnalati;
    QMap<QString, QString> suggerimenti;
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

// The platform time counts what vibrates: durations as the totals read them, times the series;
// recovery, free exercises and exercises without a picture stay out.
TEST(ContatoreTempi, TempoSullaPedanaPerCasi) {
    struct {
        const char* nome;
        std::vector<Esercizio> esercizi;
        std::int64_t secondi;
        const char* testo;
    } casi[] = {
        {"vuota", {}, 0, "00:00"},
        {"recupero escluso", {es("30s", 3, 1, 30)}, 90, "01:30"},
        {"serie zero", {es("30s", 0, 1, 0)}, 0, "00:00"},
        {"libero e senza figura esclusi",
         {es("60s", 2, 0, 0), es("60s", 5, 0, 0, 1, true), es("60s", 5, 0, 0, 0)},
         120,
         "02:00"},
        {"unità e spazi come le legge il programma",
         {es(" 45s", 2, 0, 0), es("1.5", 3, 0, 0), es("abc", 9, 0, 0)},
         94,
         "01:34"},
        {"metà al pari", {es("2.5s", 1, 0, 0), es("3.5s", 1, 0, 0)}, 6, "00:06"},
        {"oltre l'ora", {es("60s", 61, 0, 0), es("5s", 1, 0, 0)}, 3665, "1:01:05"},
    };
    for (auto& c : casi) {
        scheda s;
        for (Esercizio& e : c.esercizi)
            s.esercizi.Add(e);
        EXPECT_EQ(ContatoreTempi::secondiSuPedana(s), c.secondi) << c.nome;
        BarraFinta barra;
        ContatoreTempi conta;
        conta.scheda = &s;
        conta.display = &barra;
        conta.contaEstampa();
        EXPECT_EQ(barra.pannelli.value(QStringLiteral("pedana")), QLatin1String(c.testo)) << c.nome;
        EXPECT_FALSE(barra.segnalati.value(QStringLiteral("pedana"), true)) << c.nome;
    }
}

TEST(ContatoreTempi, LimiteDellaPalestra) {
    scheda s;
    s.esercizi.Add(es("60s", 10, 1, 0)); // 10:00 on the platform, 20:00 in all
    struct {
        int limite;
        bool oltre;
        const char* suggerimento; // the start of the hint's first line
    } casi[] = {
        {0, false, "Tempo sulla pedana della seduta"},
        {900, false, "Limite per seduta impostato dalla palestra: 15:00."},
        {600, false, "Limite per seduta impostato dalla palestra: 10:00."}, // reaching it is not past it
        {599, true, "Oltre il limite per seduta impostato dalla palestra (09:59)."},
        {60, true, "Oltre il limite per seduta impostato dalla palestra (01:00)."},
    };
    for (const auto& c : casi) {
        BarraFinta barra;
        ContatoreTempi conta;
        conta.scheda = &s;
        conta.display = &barra;
        conta.limitePedana = c.limite;
        conta.contaEstampa();
        EXPECT_EQ(barra.segnalati.value(QStringLiteral("pedana")), c.oltre) << c.limite;
        const QString suggerimento = barra.suggerimenti.value(QStringLiteral("pedana"));
        EXPECT_TRUE(
            suggerimento.section(QLatin1Char('\n'), 0, 0).startsWith(QString::fromUtf8(c.suggerimento)))
            << c.limite << ": " << suggerimento.toStdString();
        EXPECT_EQ(barra.pannelli.value(QStringLiteral("pedana")), QStringLiteral("10:00"));
        // The totals' own text is the same whatever the limit.
        EXPECT_TRUE(
            barra.pannelli.value(QStringLiteral("status")).contains(QStringLiteral("Tempo totale: 20:00")));
    }
}

} // namespace
