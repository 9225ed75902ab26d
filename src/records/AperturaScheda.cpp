#include "records/AperturaScheda.h"

#include "records/SchedaModello.h"
#include "records/scheda.h"

AperturaScheda AperturaScheda::da(std::int32_t idScheda, std::int32_t idModello, std::int32_t idUtente) {
    if (idScheda != 0)
        return {Cosa::scheda, idScheda, idUtente};
    if (idModello > 0)
        return {idUtente == 0 ? Cosa::modello : Cosa::schedaDaModello, idModello, idUtente};
    return {Cosa::nuovaScheda, 0, idUtente};
}

std::unique_ptr<SchedaEditabile> caricaPerEditor(const AperturaScheda& apertura) {
    std::unique_ptr<SchedaEditabile> risultato;
    switch (apertura.cosa) {
    case AperturaScheda::Cosa::scheda: {
        auto s = std::make_unique<scheda>();
        s->carica(apertura.id);
        risultato = std::move(s);
        break;
    }
    case AperturaScheda::Cosa::modello: {
        auto m = std::make_unique<SchedaModello>();
        m->carica(apertura.id);
        risultato = std::move(m);
        break;
    }
    case AperturaScheda::Cosa::schedaDaModello: {
        SchedaModello m;
        m.carica(apertura.id);
        m.caricaEsercizi();
        auto s = std::make_unique<scheda>();
        m.travasaTo(*s, false);
        s->id_utente = apertura.idUtente;
        risultato = std::move(s);
        break;
    }
    case AperturaScheda::Cosa::nuovaScheda: {
        auto s = std::make_unique<scheda>();
        s->id_utente = apertura.idUtente;
        risultato = std::move(s);
        break;
    }
    }
    if (risultato->id_scheda != 0)
        risultato->caricaEsercizi();
    return risultato;
}

std::int32_t atletaDellaScheda(const SchedaEditabile& s) {
    return s.isModello ? 0 : static_cast<const scheda&>(s).id_utente;
}

bool salvabile(const SchedaEditabile& s) {
    return !(s.isModello && s.preimpostata);
}
