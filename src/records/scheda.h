#pragma once

#include "records/SchedaEditabile.h"

#include <QString>
#include <cstdint>

// A training card of one athlete.
class scheda : public SchedaEditabile {
public:
    scheda() : SchedaEditabile(false) {}
    scheda(const scheda&) = default;
    scheda& operator=(const scheda&) = default;

    std::int32_t id_utente = 0;
    QString Istruttore;
    QString PeriodoDal; // dd/MM/yyyy; empty = no date
    QString PeriodoAl;
    QString Obiettivo;
    ValoreByte FreqAllen;
    QString GGAllen; // training-days flags
    QString nomeUtente;
    QString cognomeUtente;

    bool carica(std::int32_t ID) override;
    void caricaEsercizi() override;
    bool Elimina(std::int32_t ID) override;

protected:
    std::optional<std::int32_t> salvaIntestazione() override;

private:
    friend class raccoglitore;
    // The header fields of one row of vw_schedacompleta.
    void leggi(const RecordSet& rs);
};

// The cards of one athlete (headers only).
class raccoglitore {
public:
    std::int32_t id_utente = 0;
    Collezione<scheda> archivio;

    // Appends every card of the athlete; the list is not emptied first.
    bool caricaSchede();
    // Deletes every card of the athlete, all or none; true when they were deleted.
    bool EliminaTutto();

private:
    DB db_{QStringLiteral("splash.ps")};
};
