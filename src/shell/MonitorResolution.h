#pragma once

#include "shell/ModoSchermo.h"

#include <cstdint>
#include <memory>

// The platform's display modes. A platform that cannot change them answers false to every change.
class Schermo {
public:
    virtual ~Schermo() = default;
    virtual ModoSchermo leggi() = 0;
    // Applies the mode until the next change; true when the change succeeded.
    virtual bool imposta(const ModoSchermo& modo) = 0;
};

// Installs the display the program talks to (tests) and returns the previous one; nullptr goes back to
// the platform's own: XRandR on X11, else the screen as Qt reports it, which cannot be changed.
std::shared_ptr<Schermo> installaSchermo(std::shared_ptr<Schermo> schermo);

ModoSchermo leggiRisoluzione();
bool impostaRisoluzione(const ModoSchermo& modo);

// Set by ResolutionConfirm: 1 = keep the new mode, 2 = go back. 0 at program start.
extern std::int16_t esitoConferma;
