#pragma once

#include "printing/Foglio.h"
#include "records/Collezione.h"
#include "records/Esercizio.h"
#include "records/scheda.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

// Where the exercise blocks of a sheet stand, in centimetres: top of the first row of blocks, left
// edge of the last row, gap between rows.
struct ImpaginazioneRiquadri {
    double margineAlto = 3.45;
    double margineSinistroUltimaRiga = 0.9;
    double spazioTraRighe = 0.1;
};

// The page surface of a card sheet as designed: header, ten exercise blocks, rules, logos, final
// notes and footer, before any layout.
Foglio superficieScheda();

// The elements that make up exercise block k, the frame first.
const QStringList& elementiRiquadro();

// One sheet of a card: up to ten exercises, laid out onto a card surface.
class Page {
public:
    std::int32_t id_scheda = 0;
    std::shared_ptr<const scheda> sc;
    Collezione<Esercizio> esercizi;
    bool isLastPage = false;
    // The gym's logo path when the caller read it once for all the sheets; otherwise each sheet reads it.
    std::optional<QString> logoPalestra;
    // The gym's platform-time limit in seconds (0 = none), likewise read once by the caller or per sheet.
    std::optional<int> limitePedana;

    // Writes this sheet onto the surface f: header, exercise blocks and their placement, footer.
    void setCanvas(Foglio& f) const;
    // Where this sheet's exercise blocks go, for blocks of the size they have on f.
    ImpaginazioneRiquadri impaginazione(const Foglio& f) const;

private:
    void scriviIntestazione(Foglio& f) const;
    void scriviEsercizi(Foglio& f) const;
    void setPiePagina(Foglio& f) const;
    static void mostraRiquadro(Foglio& f, int k, bool visibile);
    void posizionaRiquadri(Foglio& f, const ImpaginazioneRiquadri& posti) const;
    static void spostaRiquadro(Foglio& f, int k, double top, double left);
    int righe() const;
};

// The validity period as the sheet writes it, saying only the dates the card has; empty with neither.
QString testoPeriodo(const QString& dal, const QString& al);

// The gym's logo path, read without a message when the gym was never customised; the sheets of a card
// read it once for all.
QString logoPalestraPerStampa();

// What to tell the user when the gym has a logo that cannot be read (the sheets then leave it
// out); empty when the logo can be read or there is none.
QString avvisoLogoPalestra();
