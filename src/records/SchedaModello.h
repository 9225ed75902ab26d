#pragma once

#include "records/SchedaEditabile.h"

#include <QString>
#include <cstdint>

// A template card: a category, a description, notes and exercises, without an athlete.
// Templates delivered with the database are `preimpostata` and protected by the windows.
class SchedaModello : public SchedaEditabile {
public:
    SchedaModello() : SchedaEditabile(true) {}
    SchedaModello(const SchedaModello&) = default;
    SchedaModello& operator=(const SchedaModello&) = default;

    QString descrizione; // the template's name in lists

    bool carica(std::int32_t ID) override;
    void caricaEsercizi() override;
    bool Elimina(std::int32_t ID) override;

protected:
    std::optional<std::int32_t> salvaIntestazione() override;
    void preparaEsercizio(Esercizio& e) const override;
};

// Every template (headers only), for the template list.
class RaccoglitoreModelli {
public:
    Collezione<SchedaModello> archivio;

    bool caricaSchede();

private:
    DB db_{QStringLiteral("splash.ps")};
};
