#include "ArchivioSchede.h"
#include "records/AperturaScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

namespace {

using Cosa = AperturaScheda::Cosa;

TEST(AperturaEditor, DallaSelezione) {
    struct {
        const char* caso;
        std::int32_t idScheda, idModello, idUtente;
        AperturaScheda attesa;
    } casi[] = {
        {"scheda dell'atleta", 5, 0, 9, {Cosa::scheda, 5, 9}},
        {"scheda senza atleta", 5, 0, 0, {Cosa::scheda, 5, 0}},
        {"la scheda prevale sul modello", 5, 7, 9, {Cosa::scheda, 5, 9}},
        {"modello senza atleta", 0, 7, 0, {Cosa::modello, 7, 0}},
        {"nuova scheda da modello", 0, 7, 9, {Cosa::schedaDaModello, 7, 9}},
        {"nuova scheda", 0, 0, 9, {Cosa::nuovaScheda, 0, 9}},
        {"elenco dei modelli annullato", 0, -1, 9, {Cosa::nuovaScheda, 0, 9}},
        {"nulla di scelto", 0, -1, 0, {Cosa::nuovaScheda, 0, 0}},
    };
    for (const auto& c : casi) {
        const AperturaScheda a = AperturaScheda::da(c.idScheda, c.idModello, c.idUtente);
        EXPECT_EQ(a.cosa, c.attesa.cosa) << c.caso;
        EXPECT_EQ(a.id, c.attesa.id) << c.caso;
        EXPECT_EQ(a.idUtente, c.attesa.idUtente) << c.caso;
    }
}

class CaricaPerEditor : public ArchivioSchede {};

TEST_F(CaricaPerEditor, OgniAperturaLeggeCiòCheLEditorMostra) {
    const std::int32_t atleta = atletaDiretto();
    const std::int32_t schedaId = schedaDiretta(atleta, 2);
    const std::int32_t modelloId = modelloDiretto(QStringLiteral("Base"), 3);
    const std::int32_t consegnato = modelloDiretto(QStringLiteral("Consegnato"), 1, true);

    const auto s = caricaPerEditor({Cosa::scheda, schedaId, 0});
    EXPECT_FALSE(s->isModello);
    EXPECT_EQ(s->id_scheda, schedaId);
    EXPECT_EQ(s->esercizi.Count(), 2);
    EXPECT_EQ(atletaDellaScheda(*s), atleta); // named without its athlete, the card still knows it
    EXPECT_TRUE(salvabile(*s));

    const auto m = caricaPerEditor({Cosa::modello, modelloId, 0});
    EXPECT_TRUE(m->isModello);
    EXPECT_EQ(m->id_scheda, modelloId);
    EXPECT_EQ(m->esercizi.Count(), 3);
    EXPECT_EQ(atletaDellaScheda(*m), 0);
    EXPECT_TRUE(salvabile(*m));
    EXPECT_FALSE(salvabile(*caricaPerEditor({Cosa::modello, consegnato, 0})));

    // A new card from the template: its content, the chosen athlete, nothing stored yet.
    const auto n = caricaPerEditor({Cosa::schedaDaModello, modelloId, atleta});
    EXPECT_FALSE(n->isModello);
    EXPECT_EQ(n->id_scheda, 0);
    EXPECT_EQ(atletaDellaScheda(*n), atleta);
    EXPECT_EQ(n->categoria, QStringLiteral("Tonificazione"));
    EXPECT_EQ(n->note, QStringLiteral("note del modello"));
    ASSERT_EQ(n->esercizi.Count(), 3);
    for (const Esercizio& e : n->esercizi) {
        EXPECT_FALSE(e.isModello);
        EXPECT_EQ(e.ct, 0);
    }
    EXPECT_TRUE(salvabile(*n));

    const auto vuota = caricaPerEditor({Cosa::nuovaScheda, 0, atleta});
    EXPECT_FALSE(vuota->isModello);
    EXPECT_EQ(vuota->id_scheda, 0);
    EXPECT_EQ(vuota->esercizi.Count(), 0);
    EXPECT_EQ(atletaDellaScheda(*vuota), atleta);
    EXPECT_EQ(conta(QStringLiteral("schede")), 1);
}

} // namespace
