#pragma once

#include "shell/AvanzamentoBarra.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class scheda;

// The windows that the main window's commands open, registered by the subsystems that own them.
// A command whose window is not registered is shown disabled. Modal windows return when closed and
// hand their result through the selection state (variabiliGlobali); tests register stand-ins here.
struct RegistroFinestre {
    // Athlete list, shown modal in the mode "SELEZIONA" or "MODIFICA"; sets idUtenteSelezionato.
    std::function<void(const QString& modo)> UtentiSelezione;
    // The athlete's card list for id_utente, filled and shown modal; sets idSchedaSelezionata.
    std::function<void(std::int32_t id_utente)> SchedeSelezione;
    // The cards running out, shown modal; sets idSchedaSelezionata and idUtenteSelezionato to the card to
    // open in the editor (one chosen, or the new card of a renewal), leaves them at 0 otherwise.
    std::function<void()> SchedeInScadenza;
    // Template list, shown modal; sets idModelloSelezionato (-1 when cancelled).
    std::function<void()> SchedeMODELLOSelezione;
    // Card editor: opens on what the selection state describes.
    std::function<void()> mdiSchedaMostra;
    // Print preview of the card idSchedaSelezionata (sheets, printing, PDF), modal.
    std::function<void()> PrinterCanvas;
    // The same preview of a card as it is in memory, saved or not; the card is neither saved nor
    // changed, and the selection state is left alone.
    std::function<void(const scheda& card)> AnteprimaScheda;
    // New-template dialog, modal: proposes categoriaNuovoModello; on confirmation inserts the empty
    // template and sets idModelloSelezionato to it; dismissed, it leaves idModelloSelezionato at 0.
    std::function<void()> SchedeMODELLONuova;
    // Usage-instructions print-out, modal.
    std::function<void()> PrinterDaNonFare;
    // Gym customisation, modal.
    std::function<void()> frmPersonalizza;
    // About box, modal (the shell's own unless replaced).
    std::function<void()> frmAbout;
    // The copies of the register file, one of which may be put back, modal (the shell's own).
    std::function<void()> RipristinaCopia;
    // Brings the main window back on screen when a window that took its place (the card editor)
    // closes; nothing while the program is ending. The shell's own.
    std::function<void()> mostraPrincipale;

    // Preparing the card editor at start-up (its picture lists: each figure's picture is checked,
    // advancing the bar once per figure, and decoded at the editor's first opening, which builds its
    // windows), and unloading it when the program ends.
    std::function<void(AvanzamentoBarra& barra)> caricaEditorScheda;
    std::function<void()> scaricaEditorScheda;
};

RegistroFinestre& finestre();

// A subsystem that the shell does not name joins the program from its own files: `registra`
// registers its windows (registraFinestreProgramma runs it), `predefinite` fills the places of the
// registry that start-up needs of it even when its windows are not registered (start-up runs it).
struct ModuloFinestre {
    const char* nome;
    void (*registra)();
    void (*predefinite)(RegistroFinestre& registro);
};

// Adds the subsystem, or replaces the one of the same name. Returns true, so that a file can add
// its subsystem as it is initialised: `const bool aggiunto = aggiungiModulo({...});`.
bool aggiungiModulo(const ModuloFinestre& modulo);
const std::vector<ModuloFinestre>& moduliFinestre();

// Every window of the program as a user first meets it, listed by the subsystem that owns it where it
// registers its windows. The check that every window fits the screen walks this list, so a window
// listed here is looked at without more ado.
struct FinestraElencata {
    QString nome;
    // Brings the window up from the selection state as it is. A modal window returns once closed;
    // any other stays on screen until `chiudi`.
    std::function<void()> apri;
    // Puts away what `apri` left on screen; empty for modal windows.
    std::function<void()> chiudi;
};

std::vector<FinestraElencata>& elencoFinestre();
// Adds a window to the list, or replaces the one of the same name (registering twice lists it once).
void elencaFinestra(FinestraElencata voce);
