#pragma once

#include <QString>

// The entry routine: start-up up to the main window on screen. Returns false when start-up failed
// (the error has been shown).
bool Main();

// Writes the program folder into the per-user settings (section "General", key "Path").
void registraPercorso();
