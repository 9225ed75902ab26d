#pragma once

class mdiScheda;
struct RegistroFinestre;

// The one editor of the program, created on first use (hidden) and destroyed when the program ends.
mdiScheda& editorScheda();
mdiScheda* editorSchedaCaricato();
void scaricaEditorScheda();

// Makes the editor reachable from the main window: opening it, loading it with its picture lists at
// start-up, unloading it at the end.
void registraFinestreEditor();
// What start-up needs of the editor even when its windows are not registered: its picture lists,
// loaded at start-up and unloaded at the end. Fills only the registry's empty places.
void predefiniteEditor(RegistroFinestre& registro);
