#pragma once

#include <QString>

// The PostgreSQL client library is loaded when a register on a server is first opened, not when the
// program starts: with a register in a local file, the library and its TLS, Kerberos and LDAP
// dependencies never take memory or start-up time. The functions of libpq-fe.h that the program
// calls are defined here and pass each call on to the library's own, found once by name.
namespace LibreriaPq {

// Loads the library if it is not loaded yet; throws Errore with a message for the user when it is
// missing. A failed attempt is not remembered: installing the library and trying again works.
void richiedi();

// Whether the library has been loaded in this process.
bool caricata();

// The file looked for, libpq.so.5 unless a test asks for another; it counts until the library is loaded.
void impostaFile(const QString& nome);

} // namespace LibreriaPq
