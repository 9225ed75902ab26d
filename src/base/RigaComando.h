#pragma once

#include <QString>
#include <cstdio>
#include <functional>

// Output of the command-line tools: one line in UTF-8.
void scriviRiga(const QString& testo, FILE* dove);
// Runs a command-line command and gives its exit code; a failure is written on stderr as
// "Errore: " and its description, and gives 1.
int eseguiRigaComando(const std::function<int()>& comando);
