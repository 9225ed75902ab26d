#pragma once

#include <QString>

// Plays a short WAV file to its end before returning (PulseAudio's simple API). Where no sound server
// is reachable, or the file is missing or not plain PCM, it returns at once and reports false:
// a silent click is never an error worth telling the user about.
namespace SuonoClic {

bool riproduci(const QString& percorso);

// Whether the file is a WAV file this player can play (uncompressed PCM, 8 or 16 bits).
bool riproducibile(const QString& percorso);

// Whether a sound server can be reached without starting one: a set PULSE_SERVER or the user's
// server socket.
bool serverRaggiungibile();

} // namespace SuonoClic
