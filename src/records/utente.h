#pragma once

#include "records/scheda.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// One athlete of the register, with the collection of the athlete's cards.
class utente {
public:
    std::int32_t id_utente = 0; // 0 for an athlete not yet stored
    QString nome;
    QString cognome;
    QDate dataNascita; // null = no date (stored as NULL)
    QString sesso;     // "M" or "F"
    QString note;
    ::raccoglitore raccoglitore; // the athlete's cards (loaded on request)

    // A missing athlete is reported and gives false; the record keeps its values.
    bool carica(std::int32_t ID);
    // Inserts (id_utente 0) or updates. The new identifier after an insert, 0 after an update;
    // 0 as well when the database refused the insert. The record's own id_utente is not changed.
    // An insert whose outcome the server could not tell is reported and gives 0; the next save asks
    // again first and then updates the row that was stored, or inserts when none was.
    std::int32_t save();
    // Whether the last save was stored (an update gives 0 either way).
    bool salvato() const { return salvato_; }
    // Deletes the athlete and every card of the athlete, all or none.
    bool Elimina(std::int32_t ID);

    // Every athlete, in the order of their identifiers, read with one query: what loading each
    // identifier with carica gives, without a query per athlete.
    static std::vector<utente> caricaTutti();

private:
    void leggi(const RecordSet& rs);
    QString sqlAggiorna(std::int32_t id) const;
    bool salvato_ = false;
    // An insert whose outcome is unknown, and the key it gave out.
    std::optional<std::pair<SalvataggioSospeso, std::int32_t>> sospeso_;
};

// The message refusing an athlete's data without a surname, a first name or a birth date, each as
// typed: a surname or a name of spaces is written, a date of spaces is not. Empty when none is
// missing.
QString datiEssenzialiMancanti(const QString& cognome, const QString& nome, const QString& dataNascita);
