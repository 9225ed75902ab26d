// Compiled into every program that links the windows (the library hands it on as a source of its
// users), so the card editor joins the program by itself: the shell does not name it, and a file of
// a static library that nothing names would not be linked.
#include "editor/RegistraEditor.h"
#include "shell/Finestre.h"

namespace {

[[maybe_unused]] const bool aggiunto =
    aggiungiModulo({"editor", &registraFinestreEditor, &predefiniteEditor});

} // namespace
