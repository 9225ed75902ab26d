#pragma once

#include <QString>
#include <memory>

class ConnessioneServer;

// Where the register lives: the libpq connection string in the environment variable VIBRANA_SERVER,
// else in the per-user settings (section "Archivio", key "Server"); "" means the SQLite file.
QString indirizzoServer();

// The program's one connection to the server at that address, opened on first use and opened again
// when the server dropped it. Throws Errore when the server cannot be reached.
std::shared_ptr<ConnessioneServer> connessioneServer(const QString& indirizzo);

// Closes the kept connection (tests, end of the program).
void chiudiConnessioneServer();
