#include "records/Esercizio.h"
#include "records/RegoleScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using regoleScheda::Campo;
using regoleScheda::Difetto;

Esercizio valido() {
    Esercizio e;
    e.id_fig = 5;
    e.durata = QStringLiteral("45s");
    e.frequenza = QStringLiteral("40Hz");
    e.ampiezza = QStringLiteral("H");
    e.serie = 3;
    e.recuperoMin = 1;
    e.recuperoSec = 30;
    e.modalita = QStringLiteral("Combinata");
    return e;
}

// What a refusal must say; `campo` empty (nullptr) when the value is accepted.
struct Atteso {
    const char* campo = nullptr; // the field's name
    const char* valore = "";
    const char* messaggio = "";
    const char* descrizione = ""; // descrivi's text
};

void confronta(const std::optional<Difetto>& d, const Atteso& a, long esercizio, const std::string& caso) {
    SCOPED_TRACE(caso);
    if (a.campo == nullptr) {
        EXPECT_FALSE(d.has_value()) << regoleScheda::descrivi(*d).toStdString();
        return;
    }
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->esercizio, esercizio);
    EXPECT_EQ(regoleScheda::nomeCampo(d->campo), QString::fromUtf8(a.campo));
    EXPECT_EQ(d->valore, QString::fromUtf8(a.valore));
    EXPECT_EQ(d->messaggio, QString::fromUtf8(a.messaggio));
    EXPECT_EQ(regoleScheda::descrivi(*d), QString::fromUtf8(a.descrizione));
}

TEST(regoleScheda, ElenchiDelleImpostazioni) {
    const std::pair<Campo, QStringList> elenchi[] = {
        {Campo::durata, {QStringLiteral("30s"), QStringLiteral("45s"), QStringLiteral("60s")}},
        {Campo::frequenza,
         {QStringLiteral("30Hz"), QStringLiteral("35Hz"), QStringLiteral("40Hz"), QStringLiteral("50Hz")}},
        {Campo::ampiezza, {QStringLiteral("L"), QStringLiteral("H")}},
        {Campo::modalita,
         {QStringLiteral("Statico a carico naturale"), QStringLiteral("Statico a carico aggiuntivo"),
          QStringLiteral("Dinamico a carico naturale"), QStringLiteral("Dinamico a carico aggiuntivo"),
          QStringLiteral("Combinata")}},
        {Campo::frequenzaSettimanale,
         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
          QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")}},
        {Campo::serie, {}},
        {Campo::recuperoSec, {}},
        {Campo::periodoDal, {}},
        {Campo::categoria, {}},
    };
    for (const auto& [campo, voci] : elenchi)
        EXPECT_EQ(regoleScheda::elenco(campo), voci) << static_cast<int>(campo);

    const struct {
        Campo campo;
        const char* testo;
        const char* voce; // "" = none
    } casi[] = {
        {Campo::modalita, "combinata", "Combinata"},
        {Campo::modalita, "DINAMICO A CARICO AGGIUNTIVO", "Dinamico a carico aggiuntivo"},
        {Campo::modalita, "Combinata", "Combinata"},
        {Campo::durata, "30S", "30s"},
        {Campo::frequenza, "35hz", "35Hz"},
        {Campo::ampiezza, "h", "H"},
        {Campo::frequenzaSettimanale, "7", "7"},
        // Only the letter case may differ.
        {Campo::modalita, "Yoga", ""},
        {Campo::modalita, " Combinata", ""},
        {Campo::durata, "30", ""},
        {Campo::durata, "", ""},
        {Campo::frequenzaSettimanale, "8", ""},
        {Campo::serie, "3", ""},
    };
    for (const auto& c : casi)
        EXPECT_EQ(regoleScheda::voceElenco(c.campo, QString::fromUtf8(c.testo)), QString::fromUtf8(c.voce))
            << c.testo;
}

TEST(regoleScheda, CampiDellEsercizio) {
    const char* scelta = "Selezionare un valore tra quelli disponibili!";
    const struct {
        const char* nome;
        std::function<void(Esercizio&)> cambia;
        Atteso atteso;
    } casi[] = {
        {"valido", [](Esercizio&) {}, {}},
        {"serie 99", [](Esercizio& e) { e.serie = 99; }, {}},
        {"serie 100",
         [](Esercizio& e) { e.serie = 100; },
         {"Serie", "100", "Valore troppo grande!", "esercizio 3, «Serie»: 100 — massimo 99"}},
        {"serie 150",
         [](Esercizio& e) { e.serie = 150; },
         {"Serie", "150", "Valore troppo grande!", "esercizio 3, «Serie»: 150 — massimo 99"}},
        {"secondi 59", [](Esercizio& e) { e.recuperoSec = 59; }, {}},
        {"secondi 60",
         [](Esercizio& e) { e.recuperoSec = 60; },
         {"Recupero (secondi)", "60", "Inserire un numero tra 0 e 59",
          "esercizio 3, «Recupero (secondi)»: 60 — massimo 59"}},
        {"secondi 75",
         [](Esercizio& e) { e.recuperoSec = 75; },
         {"Recupero (secondi)", "75", "Inserire un numero tra 0 e 59",
          "esercizio 3, «Recupero (secondi)»: 75 — massimo 59"}},
        {"minuti 255", [](Esercizio& e) { e.recuperoMin = 255; }, {}},
        {"serie e secondi a zero",
         [](Esercizio& e) {
             e.serie = 0;
             e.recuperoMin = 0;
             e.recuperoSec = 0;
         },
         {}},
        // Not chosen yet: the editor shows the list's first entry.
        {"elenchi vuoti",
         [](Esercizio& e) {
             e.durata.clear();
             e.frequenza.clear();
             e.ampiezza.clear();
             e.modalita.clear();
         },
         {}},
        {"durata 90s",
         [](Esercizio& e) { e.durata = QStringLiteral("90s"); },
         {"Durata", "90s", scelta, "esercizio 3, «Durata»: 90s — non è tra i valori ammessi"}},
        {"frequenza 45Hz",
         [](Esercizio& e) { e.frequenza = QStringLiteral("45Hz"); },
         {"Frequenza", "45Hz", scelta, "esercizio 3, «Frequenza»: 45Hz — non è tra i valori ammessi"}},
        {"ampiezza M",
         [](Esercizio& e) { e.ampiezza = QStringLiteral("M"); },
         {"Ampiezza", "M", scelta, "esercizio 3, «Ampiezza»: M — non è tra i valori ammessi"}},
        {"modalità Yoga",
         [](Esercizio& e) { e.modalita = QStringLiteral("Yoga"); },
         {"Modalità", "Yoga", scelta, "esercizio 3, «Modalità»: Yoga — non è tra i valori ammessi"}},
        // As the editor's drop-downs: the case must match too.
        {"modalità in minuscolo",
         [](Esercizio& e) { e.modalita = QStringLiteral("combinata"); },
         {"Modalità", "combinata", scelta,
          "esercizio 3, «Modalità»: combinata — non è tra i valori ammessi"}},
        {"durata con spazio",
         [](Esercizio& e) { e.durata = QStringLiteral(" "); },
         {"Durata", " ", scelta, "esercizio 3, «Durata»:   — non è tra i valori ammessi"}},
        // Several wrong: the first in the panel's order.
        {"serie e secondi 200",
         [](Esercizio& e) {
             e.recuperoSec = 200;
             e.serie = 200;
         },
         {"Serie", "200", "Valore troppo grande!", "esercizio 3, «Serie»: 200 — massimo 99"}},
        {"modalità e ampiezza",
         [](Esercizio& e) {
             e.modalita = QStringLiteral("Yoga");
             e.ampiezza = QStringLiteral("X");
         },
         {"Ampiezza", "X", scelta, "esercizio 3, «Ampiezza»: X — non è tra i valori ammessi"}},
        {"secondi e modalità",
         [](Esercizio& e) {
             e.modalita = QStringLiteral("Yoga");
             e.recuperoSec = 61;
         },
         {"Recupero (secondi)", "61", "Inserire un numero tra 0 e 59",
          "esercizio 3, «Recupero (secondi)»: 61 — massimo 59"}},
    };
    for (const auto& c : casi) {
        Esercizio e = valido();
        c.cambia(e);
        confronta(regoleScheda::controllaEsercizio(e, 3), c.atteso, 3, c.nome);
    }

    // Every entry of every list is accepted.
    for (const auto& [campo, membro] :
         {std::pair{Campo::durata, &Esercizio::durata}, std::pair{Campo::frequenza, &Esercizio::frequenza},
          std::pair{Campo::ampiezza, &Esercizio::ampiezza}, std::pair{Campo::modalita, &Esercizio::modalita}})
        for (const QString& voce : regoleScheda::elenco(campo)) {
            Esercizio e = valido();
            e.*membro = voce;
            EXPECT_FALSE(regoleScheda::controllaEsercizio(e, 1).has_value()) << voce.toStdString();
        }

    // All of them, in the panel's order.
    Esercizio e = valido();
    e.modalita = QStringLiteral("Yoga");
    e.recuperoSec = 200;
    e.serie = 200;
    e.durata = QStringLiteral("1h");
    QStringList tutti;
    for (const Difetto& d : regoleScheda::difettiEsercizio(e, 4))
        tutti << regoleScheda::descrivi(d);
    EXPECT_EQ(tutti,
              QStringList({QStringLiteral("esercizio 4, «Durata»: 1h — non è tra i valori ammessi"),
                           QStringLiteral("esercizio 4, «Serie»: 200 — massimo 99"),
                           QStringLiteral("esercizio 4, «Recupero (secondi)»: 200 — massimo 59"),
                           QStringLiteral("esercizio 4, «Modalità»: Yoga — non è tra i valori ammessi")}));
}

TEST(regoleScheda, IntestazioneDellaScheda) {
    const char* scelta = "Selezionare un valore tra quelli disponibili!";
    const struct {
        const char* nome;
        std::function<void(scheda&)> cambia;
        Atteso atteso;
    } casi[] = {
        {"valida", [](scheda&) {}, {}},
        {"frequenza non scelta", [](scheda& s) { s.FreqAllen = 0; }, {}},
        {"frequenza 1", [](scheda& s) { s.FreqAllen = 1; }, {}},
        {"frequenza 7", [](scheda& s) { s.FreqAllen = 7; }, {}},
        {"frequenza 8",
         [](scheda& s) { s.FreqAllen = 8; },
         {"Frequenza allenamento settimanale", "8", scelta,
          "intestazione, «Frequenza allenamento settimanale»: 8 — non è tra i valori ammessi"}},
        {"frequenza 255",
         [](scheda& s) { s.FreqAllen = 255; },
         {"Frequenza allenamento settimanale", "255", scelta,
          "intestazione, «Frequenza allenamento settimanale»: 255 — non è tra i valori ammessi"}},
        {"giorni mai scelti", [](scheda& s) { s.GGAllen.clear(); }, {}},
        {"tutti i giorni", [](scheda& s) { s.GGAllen = QStringLiteral("111111111"); }, {}},
        // Stored by an older program before the list grew to nine entries.
        {"otto giorni", [](scheda& s) { s.GGAllen = QStringLiteral("00101010"); }, {}},
        {"dieci giorni",
         [](scheda& s) { s.GGAllen = QStringLiteral("0010101000"); },
         {"Giorni di allenamento", "0010101000", "Selezionare i giorni dall'elenco.",
          "intestazione, «Giorni di allenamento»: 0010101000 — non sono al più nove cifre 0 o 1"}},
        {"giorni con una lettera",
         [](scheda& s) { s.GGAllen = QStringLiteral("00101010x"); },
         {"Giorni di allenamento", "00101010x", "Selezionare i giorni dall'elenco.",
          "intestazione, «Giorni di allenamento»: 00101010x — non sono al più nove cifre 0 o 1"}},
        {"senza date",
         [](scheda& s) {
             s.PeriodoDal.clear();
             s.PeriodoAl.clear();
         },
         {}},
        {"29 febbraio bisestile", [](scheda& s) { s.PeriodoAl = QStringLiteral("29/02/2028"); }, {}},
        {"29 febbraio non bisestile",
         [](scheda& s) { s.PeriodoAl = QStringLiteral("29/02/2027"); },
         {"Al", "29/02/2027", "Data non valida.", "intestazione, «Al»: 29/02/2027 — non è una data"}},
        {"data del file",
         [](scheda& s) { s.PeriodoDal = QStringLiteral("2026-13-45"); },
         {"Dal", "2026-13-45", "Data non valida.", "intestazione, «Dal»: 2026-13-45 — non è una data"}},
        // The record holds dd/MM/yyyy; the file's form is not a record's date.
        {"data in forma ISO",
         [](scheda& s) { s.PeriodoDal = QStringLiteral("2026-01-10"); },
         {"Dal", "2026-01-10", "Data non valida.", "intestazione, «Dal»: 2026-01-10 — non è una data"}},
        {"mese 13",
         [](scheda& s) { s.PeriodoDal = QStringLiteral("10/13/2026"); },
         {"Dal", "10/13/2026", "Data non valida.", "intestazione, «Dal»: 10/13/2026 — non è una data"}},
        {"date e frequenza",
         [](scheda& s) {
             s.PeriodoAl = QStringLiteral("x");
             s.FreqAllen = 9;
         },
         {"Frequenza allenamento settimanale", "9", scelta,
          "intestazione, «Frequenza allenamento settimanale»: 9 — non è tra i valori ammessi"}},
    };
    for (const auto& c : casi) {
        scheda s;
        s.FreqAllen = 3;
        s.GGAllen = QStringLiteral("001010100");
        s.PeriodoDal = QStringLiteral("10/01/2026");
        s.PeriodoAl = QStringLiteral("31/01/2026");
        c.cambia(s);
        confronta(regoleScheda::controllaIntestazione(s), c.atteso, 0, c.nome);
        // The header's refusal is also the card's first.
        confronta(regoleScheda::primoDifetto(s), c.atteso, 0, c.nome);
    }

    // A template has none of these fields; the card's category is the save's to check.
    SchedaModello m;
    m.categoria = QStringLiteral("Yoga");
    EXPECT_FALSE(regoleScheda::controllaIntestazione(m).has_value());
    scheda s;
    s.categoria = QStringLiteral("Yoga");
    EXPECT_FALSE(regoleScheda::controllaIntestazione(s).has_value());
}

TEST(regoleScheda, SiControllaCioCheIlSalvataggioScrive) {
    scheda s;
    Esercizio segnaposto = valido();
    segnaposto.id_fig = 0;
    segnaposto.serie = 150; // never stored: not checked
    s.esercizi.Add(segnaposto);
    s.esercizi.Add(valido());
    Esercizio libero = valido();
    libero.id_fig = 0;
    libero.isLibero = true;
    libero.modalita = QStringLiteral("Yoga");
    s.esercizi.Add(libero);
    Esercizio sullaPedana = valido();
    sullaPedana.recuperoSec = 75;
    s.esercizi.Add(sullaPedana);

    // Positions are the card's, placeholders included, as the save numbers them.
    auto primo = regoleScheda::primoDifetto(s);
    ASSERT_TRUE(primo.has_value());
    EXPECT_EQ(regoleScheda::descrivi(*primo),
              QStringLiteral("esercizio 3, «Modalità»: Yoga — non è tra i valori ammessi"));

    s.GGAllen = QStringLiteral("1x");
    s.PeriodoAl = QStringLiteral("31/02/2026");
    QStringList tutti;
    for (const Difetto& d : regoleScheda::difetti(s))
        tutti << regoleScheda::descrivi(d);
    EXPECT_EQ(
        tutti,
        QStringList(
            {QStringLiteral("intestazione, «Giorni di allenamento»: 1x — non sono al più nove cifre 0 o 1"),
             QStringLiteral("intestazione, «Al»: 31/02/2026 — non è una data"),
             QStringLiteral("esercizio 3, «Modalità»: Yoga — non è tra i valori ammessi"),
             QStringLiteral("esercizio 4, «Recupero (secondi)»: 75 — massimo 59")}));
    primo = regoleScheda::primoDifetto(s);
    ASSERT_TRUE(primo.has_value());
    EXPECT_EQ(primo->campo, Campo::giorni);

    // A template's exercises follow the same rules.
    SchedaModello m;
    m.esercizi.Add(valido());
    m.esercizi.Add(sullaPedana);
    primo = regoleScheda::primoDifetto(m);
    ASSERT_TRUE(primo.has_value());
    EXPECT_EQ(regoleScheda::descrivi(*primo),
              QStringLiteral("esercizio 2, «Recupero (secondi)»: 75 — massimo 59"));
    m.esercizi.Item(2).recuperoSec = 59;
    EXPECT_FALSE(regoleScheda::primoDifetto(m).has_value());
    EXPECT_TRUE(regoleScheda::difetti(m).empty());
}

} // namespace
