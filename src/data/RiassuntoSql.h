#pragma once

#include <QString>

// What the log keeps of a statement: its kind and table, and the row when the statement names it by a
// numeric key ("INSERT utenti", "UPDATE schede (id_scheda=12)"). Literals never pass: the values in a
// statement are what people typed.
QString riassuntoIstruzione(const QString& sql);

// An engine's error text fit for the log: the message alone, without the lines in which the engine
// quotes rows or the statement (PostgreSQL's DETAIL, CONTEXT, LINE ...).
QString erroreMotorePerLog(const QString& testo);
