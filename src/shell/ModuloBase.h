#pragma once

#include <QString>
#include <functional>

class QCoreApplication;

// The entry routine: start-up up to the main window on screen. Returns false when start-up failed
// (the error has been shown).
bool Main();

// Registers the windows of every subsystem with the shell (the commands' windows and the list of all
// windows), as the program runs them.
void registraFinestreProgramma();

// Writes to the log every picture that start-up could not read (and a missing images/ folder) and
// tells the user once how many there were.
void segnalaImmaginiNonLette();

// Writes the program folder into the per-user settings (section "General", key "Path").
void registraPercorso();

// On the first eight starts: logs the screen size and, on a screen narrower than 1024 pixels, offers
// to switch to 1024 x 768 and asks for confirmation within a countdown.
void controllaRisoluzione();

// Shows the confirmation of a new display mode, modal (ResolutionConfirm); tests replace it.
void impostaConfermaRisoluzione(std::function<void()> mostra);

// Qt's own Italian texts (buttons of message boxes, standard dialogs). False when not installed.
bool installaTraduzioniQt(QCoreApplication* applicazione);
