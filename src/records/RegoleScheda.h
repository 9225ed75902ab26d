#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Esercizio;
class SchedaEditabile;

// The values a card or template accepts, field by field, with the messages that refuse the others:
// the editor's checks, the save and the import of a card file all read them here.
namespace regoleScheda {

enum class Campo {
    durata,
    frequenza,
    ampiezza,
    serie,
    recuperoMin,
    recuperoSec,
    modalita,
    immagine,
    categoria,
    frequenzaSettimanale,
    giorni,
    periodoDal,
    periodoAl
};

// The entries a list field accepts, in order, the first being the default: durata, frequenza, ampiezza,
// modalita, and frequenzaSettimanale ("1".."7"; a new card starts at "3" all the same). Empty for other
// fields.
const QStringList& elenco(Campo campo);

// The entry of the list equal to `testo` ignoring letter case ("combinata" -> "Combinata"); empty when none.
QString voceElenco(Campo campo, const QString& testo);

// The field's name as the editor labels it ("Durata", "Serie", "Recupero (secondi)", "Modalità", "Dal", ...).
QString nomeCampo(Campo campo);

// The highest number a number field accepts (serie, recuperoMin, recuperoSec; the lowest is 0);
// -1 for the other fields.
int massimo(Campo campo);

// The message the editor shows refusing a value of the field, shown with a stop symbol.
QString messaggio(Campo campo);

// A value the card refuses.
struct Difetto {
    long esercizio = 0; // position of the exercise from 1; 0 = the header
    Campo campo = Campo::durata;
    QString valore;    // the value as found
    QString messaggio; // the message the editor shows for that field
    QString motivo;    // short reason: "massimo 99", "non è tra i valori ammessi", "non è una data", ...
};

// "esercizio 3, «Serie»: 150 — massimo 99"; for the header: "intestazione, «Dal»: 2026-13-45 — non è una
// data".
QString descrivi(const Difetto& d);

// The refusal of `valore` for `campo` of exercise `esercizio` (0 = the header), with its message and reason.
Difetto difetto(long esercizio, Campo campo, const QString& valore);

// The first field of exercise `e` (at `posizione`) that the card refuses, in the panel's order
// (durata, frequenza, ampiezza, serie, recuperoMin, recuperoSec, modalita). An empty list text is
// accepted (not chosen yet; the editor shows the default). A list text must match its entry exactly,
// letter case included, as in the editor.
std::optional<Difetto> controllaEsercizio(const Esercizio& e, long posizione);
// Every field of the exercise that the card refuses, in the same order.
std::vector<Difetto> difettiEsercizio(const Esercizio& e, long posizione);

// The header: for a card (dynamic_cast to scheda) FreqAllen 0..7 (0 = not chosen), GGAllen empty or nine
// "0"/"1", PeriodoDal/PeriodoAl empty or a valid dd/MM/yyyy date. A template header has nothing to check
// here. (The category is checked against the register by the card's save, not here.)
std::optional<Difetto> controllaIntestazione(const SchedaEditabile& s);
// Every header field refused, in the order of Campo.
std::vector<Difetto> difettiIntestazione(const SchedaEditabile& s);

// Header first, then every exercise a save stores (free, or with a picture), in card order.
std::optional<Difetto> primoDifetto(const SchedaEditabile& s);
// Every value refused, in the same order.
std::vector<Difetto> difetti(const SchedaEditabile& s);

} // namespace regoleScheda
