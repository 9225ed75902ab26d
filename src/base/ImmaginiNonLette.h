#pragma once

#include <QString>
#include <QStringList>

// Pictures of the program folder that could not be read (missing or undecodable). Whoever reads a
// picture reports a failure here instead of failing silently; start-up writes each path to the log
// and tells the user once how many there were.
void segnalaImmagineNonLetta(const QString& percorso);

// The paths reported, each once, in the order reported.
QStringList immaginiNonLette();

void azzeraImmaginiNonLette();
