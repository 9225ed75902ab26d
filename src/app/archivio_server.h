#pragma once

#include <QStringList>

// The "server" commands of vibrana-archivio (argomenti without the word "server"). Answers the exit
// code: 0 done, 1 failed (reason on standard error), 2 wrong use.
int comandoServer(const QStringList& argomenti);
