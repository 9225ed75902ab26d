#include "data/GrafiaSchema.h"

#include <initializer_list>

namespace {

struct Relazione {
    const char* nome;
    std::initializer_list<const char*> colonne;
};

// Every table and view of resources/database/01_schema.sql with its columns, spelt as there; a column
// added to the two schema files is added here too.
const Relazione relazioni[] = {
    {"categorie", {"id_cat", "nome"}},
    {"Macchinari", {"ID_MAC", "Caricata"}},
    {"muscoli", {"id_muscolo", "nome", "nomeMuscolo"}},
    {"figure", {"id_fig", "numero", "ID_MAC", "figura"}},
    {"figure_muscoli", {"id_fig", "id_muscolo"}},
    {"utenti", {"id_utente", "nome", "cognome", "dataNascita", "sesso", "Note"}},
    {"schede",
     {"id_scheda", "id_utente", "Istruttore", "PeriodoDal", "PeriodoAl", "id_cat", "FreqAllen", "GGAllen",
      "Obiettivo", "note"}},
    {"Esercizi",
     {"ct", "NProg", "ID_Scheda", "ID_Fig", "Durata", "Frequenza", "Ampiezza", "RecuperoMin", "RecuperoSec",
      "Serie", "Modalita", "Peso", "isLibero", "Note"}},
    {"schedeModello", {"id_Scheda", "id_cat", "descrizione", "preimpostata", "note"}},
    {"EserciziModello",
     {"ct", "NProg", "ID_Scheda", "ID_Fig", "Durata", "Frequenza", "Ampiezza", "RecuperoMin", "RecuperoSec",
      "Serie", "Modalita", "Peso", "isLibero", "Note"}},
    {"palestra", {"nome", "responsabile", "logo"}},
    {"Parametri", {"parametro", "valore"}},
    {"vw_schedacompleta",
     {"id_scheda", "Istruttore", "id_utente", "PeriodoDal", "PeriodoAl", "id_cat", "categorie.nome",
      "Obiettivo", "FreqAllen", "GGAllen", "schede.note", "utenti.nome", "cognome", "dataNascita", "sesso"}},
    {"vw_schedaModellocompleta", {"id_Scheda", "id_cat", "nome", "descrizione", "note", "preimpostata"}},
    {"vw_figure_muscoli", {"id_fig", "ID_MAC", "id_muscolo", "nome", "numero", "figura", "nomeMuscolo"}},
};

// The columns of type sino on the server, BOOLEAN in the file.
const char* const colonneSiNo[] = {"Caricata", "isLibero", "preimpostata"};

} // namespace

const GrafiaSchema& grafiaSchema() {
    static const GrafiaSchema g = [] {
        GrafiaSchema g;
        for (const Relazione& r : relazioni) {
            auto& nomi = g.nomi[QString::fromLatin1(r.nome).toLower()];
            for (const char* c : r.colonne)
                nomi.insert(QString::fromLatin1(c).toLower(), QString::fromLatin1(c));
        }
        for (const char* c : colonneSiNo)
            g.sino.insert(QString::fromLatin1(c).toLower());
        return g;
    }();
    return g;
}
