#include "ArchivioSchede.h"
#include "customisation/palestra.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"
#include "records/utente.h"

#include <functional>

namespace {

// Texts typed with an apostrophe are stored with a backquote (older registers and other programs
// read it so) and come back to the person with the apostrophe.
class Apostrofi : public ArchivioSchede {
protected:
    void SetUp() override {
        ArchivioSchede::SetUp();
        eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) "
                                     "VALUES ('Sant`Elia', 'D`Amico', '1990-03-04', 'F', 'l`anca')"));
        atleta = static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_utente) FROM utenti")));
        eseguiDiretto(
            QStringLiteral("INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, "
                           "FreqAllen, GGAllen, Obiettivo, note) VALUES (%1, 'Dell`Orto', "
                           "'2026-01-10', '2026-01-31', 1, 3, '001010100', 'l`acqua', 'un`altra')")
                .arg(atleta));
        card = static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_scheda) FROM schede")));
        esercizioDiretto(QStringLiteral("Esercizi"), card, QStringLiteral("'Combinata', '5 kg l`uno'"),
                         QStringLiteral("sull`avampiede"));
        eseguiDiretto(QStringLiteral("INSERT INTO schedeModello (id_cat, descrizione, preimpostata, note) "
                                     "VALUES (2, 'Schiena dell`anziano', 0, 'senz`altro')"));
        modello = static_cast<std::int32_t>(
            contaDiretto(QStringLiteral("SELECT max(id_Scheda) FROM schedeModello")));
        esercizioDiretto(QStringLiteral("EserciziModello"), modello, QStringLiteral("'Combinata', 'un po`'"),
                         QStringLiteral("con l`elastico"));
        eseguiDiretto(QStringLiteral("INSERT INTO palestra (nome, responsabile, logo) "
                                     "VALUES ('Palestra L`Olimpo', 'D`Angelo', '')"));
    }

    // One exercise on figure 101 with the given mode and load (SQL values) and notes. The mode is one
    // of its list's entries, which hold no apostrophe: a card with another is not saved.
    void esercizioDiretto(const QString& tabella, std::int32_t id, const QString& modalitaEPeso,
                          const QString& note) const {
        eseguiDiretto(QStringLiteral("INSERT INTO %1 (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, "
                                     "RecuperoMin, RecuperoSec, Serie, Modalita, Peso, isLibero, Note) "
                                     "VALUES (1, %2, 101, '30s', '35Hz', 'L', 1, 0, 2, %3, 0, '%4')")
                          .arg(tabella)
                          .arg(id)
                          .arg(modalitaEPeso, note));
    }

    // The stored form of a text the person sees.
    static QString salvato(const QString& mostrato) {
        return QString(mostrato).replace(QLatin1Char('\''), QLatin1Char('`'));
    }

    std::int32_t atleta = 0;
    std::int32_t card = 0;
    std::int32_t modello = 0;
};

scheda schedaCompleta(std::int32_t id) {
    scheda s;
    s.carica(id);
    s.caricaEsercizi();
    return s;
}

SchedaModello modelloCompleto(std::int32_t id) {
    SchedaModello m;
    m.carica(id);
    m.caricaEsercizi();
    return m;
}

TEST_F(Apostrofi, LettiConLApostrofoSalvatiDiNuovoComEranoRegistrati) {
    const auto idAtleta = atleta, idScheda = card, idModello = modello;
    // Each case loads its record, saves it back when asked, and gives the text as loaded.
    struct Caso {
        const char* campo;
        const char* tabella;
        const char* colonna;
        const char* mostrato;
        std::function<QString(bool salva)> leggi;
    };
    const auto conUtente = [idAtleta](QString utente::*campo) {
        return [idAtleta, campo](bool salva) {
            utente u;
            EXPECT_TRUE(u.carica(idAtleta));
            if (salva)
                u.save();
            return u.*campo;
        };
    };
    const auto conScheda = [idScheda](const std::function<QString(const scheda&)>& campo) {
        return [idScheda, campo](bool salva) {
            scheda s = schedaCompleta(idScheda);
            EXPECT_TRUE(s.isSaved);
            if (salva)
                s.save();
            return campo(s);
        };
    };
    const auto conModello = [idModello](const std::function<QString(const SchedaModello&)>& campo) {
        return [idModello, campo](bool salva) {
            SchedaModello m = modelloCompleto(idModello);
            if (salva)
                m.save();
            return campo(m);
        };
    };
    const auto conPalestra = [](QString palestra::*campo) {
        return [campo](bool salva) {
            palestra p;
            EXPECT_TRUE(p.carica());
            if (salva)
                p.save();
            return p.*campo;
        };
    };
    const Caso casi[] = {
        {"cognome", "utenti", "cognome", "D'Amico", conUtente(&utente::cognome)},
        {"nome", "utenti", "nome", "Sant'Elia", conUtente(&utente::nome)},
        {"note dell'atleta", "utenti", "Note", "l'anca", conUtente(&utente::note)},
        {"cognome sulla scheda", "utenti", "cognome", "D'Amico",
         conScheda([](const scheda& s) { return s.cognomeUtente; })},
        {"nome sulla scheda", "utenti", "nome", "Sant'Elia",
         conScheda([](const scheda& s) { return s.nomeUtente; })},
        {"istruttore", "schede", "Istruttore", "Dell'Orto",
         conScheda([](const scheda& s) { return s.Istruttore; })},
        {"obiettivo", "schede", "Obiettivo", "l'acqua",
         conScheda([](const scheda& s) { return s.Obiettivo; })},
        {"note della scheda", "schede", "note", "un'altra",
         conScheda([](const scheda& s) { return s.note; })},
        {"carico", "Esercizi", "Peso", "5 kg l'uno",
         conScheda([](const scheda& s) { return s.esercizi[1].peso; })},
        {"note dell'esercizio", "Esercizi", "Note", "sull'avampiede",
         conScheda([](const scheda& s) { return s.esercizi[1].note; })},
        {"nome del modello", "schedeModello", "descrizione", "Schiena dell'anziano",
         conModello([](const SchedaModello& m) { return m.descrizione; })},
        {"note del modello", "schedeModello", "note", "senz'altro",
         conModello([](const SchedaModello& m) { return m.note; })},
        {"carico nel modello", "EserciziModello", "Peso", "un po'",
         conModello([](const SchedaModello& m) { return m.esercizi[1].peso; })},
        {"note dell'esercizio nel modello", "EserciziModello", "Note", "con l'elastico",
         conModello([](const SchedaModello& m) { return m.esercizi[1].note; })},
        {"nome della palestra", "palestra", "nome", "Palestra L'Olimpo", conPalestra(&palestra::nome)},
        {"responsabile", "palestra", "responsabile", "D'Angelo", conPalestra(&palestra::responsabile)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.campo);
        const QString mostrato = QString::fromUtf8(c.mostrato);
        const QString condizione =
            QStringLiteral("%1 = '%2'").arg(QLatin1String(c.colonna), salvato(mostrato));
        EXPECT_EQ(c.leggi(false), mostrato);
        EXPECT_EQ(c.leggi(true), mostrato);
        EXPECT_EQ(conta(QLatin1String(c.tabella), condizione), 1);
        EXPECT_EQ(c.leggi(false), mostrato); // a second round changes nothing
        EXPECT_EQ(conta(QLatin1String(c.tabella), condizione), 1);
    }
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Apostrofi, TravasoTraSchedaEModelloTieneLaFormaRegistrata) {
    // A card from the template: the template's texts go into the new card as the person saw them.
    scheda daModello;
    daModello.id_utente = atleta;
    modelloCompleto(modello).travasaTo(daModello, false);
    const auto nuovaScheda = daModello.save();
    ASSERT_GT(nuovaScheda, 0);
    EXPECT_EQ(conta(QStringLiteral("schede"),
                    QStringLiteral("id_scheda = %1 AND note = 'senz`altro'").arg(nuovaScheda)),
              1);
    EXPECT_EQ(conta(QStringLiteral("Esercizi"),
                    QStringLiteral("ID_Scheda = %1 AND Peso = 'un po`' AND Note = 'con l`elastico'")
                        .arg(nuovaScheda)),
              1);
    const scheda riletta = schedaCompleta(nuovaScheda);
    EXPECT_EQ(riletta.note, QStringLiteral("senz'altro"));
    ASSERT_EQ(riletta.esercizi.Count(), 1);
    EXPECT_EQ(riletta.esercizi[1].note, QStringLiteral("con l'elastico"));

    // A template from the card.
    SchedaModello daScheda;
    daScheda.categoria = QStringLiteral("Tonificazione");
    daScheda.descrizione = QStringLiteral("Dall'atleta");
    schedaCompleta(card).travasaTo(daScheda, true);
    const auto nuovoModello = daScheda.save();
    ASSERT_GT(nuovoModello, 0);
    EXPECT_EQ(conta(QStringLiteral("schedeModello"),
                    QStringLiteral("id_Scheda = %1 AND descrizione = 'Dall`atleta' AND note = 'un`altra'")
                        .arg(nuovoModello)),
              1);
    EXPECT_EQ(
        conta(QStringLiteral("EserciziModello"), QStringLiteral("ID_Scheda = %1 AND Peso = '5 kg l`uno' AND "
                                                                "Note = 'sull`avampiede'")
                                                     .arg(nuovoModello)),
        1);
    EXPECT_EQ(modelloCompleto(nuovoModello).esercizi[1].peso, QStringLiteral("5 kg l'uno"));
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

} // namespace
