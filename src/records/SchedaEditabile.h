#pragma once

#include "data/db.h"
#include "records/Collezione.h"
#include "records/Esercizio.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// What a training card and a template card have in common, and what the card editor uses
// without knowing which of the two it holds: the exercise list and its numbering, the category
// by name, the save of header and exercises as one unit, and the copy into another card or template.
class SchedaEditabile {
public:
    virtual ~SchedaEditabile() = default;

    std::int32_t id_scheda = 0; // 0 until stored
    std::int32_t id_cat = 0;
    QString categoria; // edited by name; save turns it into id_cat
    QString note;
    bool isModello;
    bool preimpostata = false;
    bool isSaved = false;
    Collezione<Esercizio> esercizi;

    // Header only; a record that is not found is reported, and isSaved becomes true either way.
    virtual bool carica(std::int32_t ID) = 0;
    // Replaces the exercise list with the stored exercises, in card order.
    virtual void caricaEsercizi() = 0;
    // Deletes the header row (ID 0 = this record's own).
    virtual bool Elimina(std::int32_t ID) = 0;

    // Stores exactly the card in memory, all in one transaction: the header, every exercise that has a
    // picture or is free (numbered by position; inserted, or updated by its ct), and the deletion of the
    // stored rows no longer among them (taken out of the list, or left without picture and not free).
    // Returns the new id_scheda after an insert, 0 after an update.
    // When the database refuses any statement nothing is stored, the record keeps the
    // identifiers it had, isSaved stays false and the result is 0.
    // When the server's answer to the commit was lost and it cannot say what it stored, that is
    // reported and the result is 0; the next save first asks again, and stores the card once: as an
    // update of the rows that were stored, or anew when they were not (or not at all while the
    // server still cannot tell).
    // Raises error 513 "Categoria non esistente!" before writing when the category is unknown, and
    // ValoreNonAmmesso naming the first value the card's rules refuse; when the register cannot be
    // read the lookup's own message is the only one, and the result is 0.
    std::int32_t save();

    // Removes exercise `indice` (from 1) and renumbers; a stored one leaves the register at the next save.
    void EliminaEsercizio(long indice);
    void rinumeraEsercizi();
    // Sets id_cat from the category named Cat (or `categoria` when Cat is empty). False when the
    // register could not be read, which the lookup has reported already.
    bool setCategoriaPerNome(const QString& Cat);
    // Copies notes and exercises (and, unless soloEsercizi, the category) into `destinazione`,
    // as new exercises of the destination's own kind.
    bool travasaTo(SchedaEditabile& destinazione, bool soloEsercizi) const;

protected:
    explicit SchedaEditabile(bool modello) : isModello(modello) {}
    SchedaEditabile(const SchedaEditabile&) = default;
    SchedaEditabile& operator=(const SchedaEditabile&) = default;

    // Inserts or updates the header row. On an insert, sets id_scheda from the new row and
    // returns it; returns 0 after an update; nothing when the database refused the statement.
    virtual std::optional<std::int32_t> salvaIntestazione() = 0;
    // Gets an exercise ready to be stored under this record.
    virtual void preparaEsercizio(Esercizio& e) const { e.id_scheda = id_scheda; }
    // Fills `esercizi` with the record's exercises stored in `tabella`, in their order.
    void caricaEserciziDa(const QString& tabella);

private:
    // A save whose outcome is unknown, with the identifiers it gave out (new ct, ct before).
    struct Sospeso {
        SalvataggioSospeso gruppo;
        std::int32_t idPrima = 0;
        std::vector<std::pair<std::int32_t, std::int32_t>> ct;
        std::vector<std::int32_t> salvatiDopo;
    };
    std::optional<Sospeso> sospeso_;
    // The ct of the exercise rows the register holds for this record, as last read or saved: what a
    // save deletes when they are no longer in the list.
    std::vector<std::int32_t> salvati_;
    // Settles a save whose outcome was unknown; false while the server still cannot tell.
    bool chiarisciSospeso();
    // Deletes this record's exercise rows `ct`; false when the register refused.
    bool eliminaRighe(const std::vector<std::int32_t>& ct) const;
};

// The error raised when a category name is not in the catalogue.
namespace NumeriErrore {
constexpr long CategoriaNonEsistente = 513;
constexpr long ValoreNonAmmesso = 514;
} // namespace NumeriErrore
