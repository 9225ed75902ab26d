#pragma once

// The card editor's gate for closing (mdiScheda.puoiChiudere): while it is false every child window
// of the editor refuses to close. Child windows of other folders read it here.
bool puoiChiudereEditor();
void setPuoiChiudereEditor(bool valore);
