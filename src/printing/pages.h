#pragma once

#include "printing/Foglio.h"
#include "printing/Page.h"

#include <cstdint>
#include <memory>
#include <vector>

// A card cut into sheets of ten exercises, the last one carrying the final notes.
class pages {
public:
    std::int32_t id_scheda = 0;
    std::vector<Page> pages; // sheet s is pages[s - 1]
    std::int16_t currentPage = 0;

    // Loads the card (id, when given and not 0, becomes id_scheda) and builds its sheets afresh.
    void createPages(std::int32_t id = 0);
    // Builds the sheets afresh from a card as it is in memory, saved or not, which stays as it is:
    // the exercises a save would store (free ones and those with a picture), each numbered by its
    // place on the card as a save numbers it.
    void createPages(const scheda& card);
    int numeroPagine() const { return static_cast<int>(pages.size()); }
    // Sets the hidden credit label of the surface.
    static void OpenCanvas(Foglio& f);
    // Writes sheet p (from 1) onto the surface with its footer "Pagina p/m", and returns that text.
    QString PreviewPage(std::int16_t p, Foglio& f);

private:
    void dividiInFogli(std::shared_ptr<const scheda> card);
};

// The footer text of sheet p of m.
QString testoPagina(int p, int m);
