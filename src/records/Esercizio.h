#pragma once

#include "data/db.h"
#include "records/ValoreByte.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// One exercise of a card (table Esercizi) or of a template (table EserciziModello): a position
// on the platform with its settings, or a free exercise described in its notes.
class Esercizio {
public:
    std::int32_t ct = 0; // row identifier; 0 until stored
    std::int32_t nprog = 0;
    std::int32_t id_scheda = 0; // set by the owning card or template before saving
    std::int32_t id_fig = 0;    // 0 = no picture
    QString durata;
    QString frequenza;
    QString ampiezza;
    ValoreByte recuperoMin;
    ValoreByte recuperoSec;
    ValoreByte serie;
    QString modalita;
    QString peso;
    QString note;
    bool isModello = false; // true: the exercise belongs to a template
    bool isLibero = false;

    QString tabella() const;

    bool carica(std::int32_t ct);
    // Takes the fields of the current row of a query on the exercise table; when the row also carries
    // the figure's picture path as `foto`, getFoto answers from it without asking the register again.
    void leggi(const RecordSet& rs);
    // The new ct after an insert, 0 after an update; 0 as well when the database refused the
    // statement (ct then stays as it was).
    std::int32_t save();
    // As save, but says whether the database took the statement: nothing when it was refused.
    std::optional<std::int32_t> salva();
    // Stores several exercises of one table in one group, in a constant number of statements
    // whatever their number: one INSERT for the new ones, whose keys come back in `ct`, and one
    // UPDATE for those already stored. False, with every `ct` as it was, when the register refused.
    static bool salvaInsieme(const std::vector<Esercizio*>& esercizi);
    // The statements salvaInsieme sends, for the rows given.
    static QString sqlInserimento(const QString& tabella, const std::vector<const Esercizio*>& righe);
    static QString sqlAggiornamento(const QString& tabella, const std::vector<const Esercizio*>& righe);
    bool Elimina(std::int32_t ct = 0);
    // Copies everything but id_scheda and isModello, which the caller sets.
    void nuovoDaEsercizio(const Esercizio& es);
    // The stored picture path of the exercise's figure, relative to the program folder.
    QString getFoto() const;

private:
    QString valoriInseriti() const;
    QString valoriAggiornati() const;

    DB db_{QStringLiteral("splash.ps")};
    // The picture path read with the row, valid while id_fig is still the figure it was read for.
    std::int32_t fotoDi_ = 0;
    QString foto_;
};
