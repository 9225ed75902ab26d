#pragma once

// Puts the print preview, the usage-instructions sheet and the gym customisation into the window
// registry, so the main window, the card editor and the card list can open them.
void registraFinestreStampa();
