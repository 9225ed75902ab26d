#include "editor/CancelloEditor.h"

namespace {
bool puoiChiudere_ = false;
}

bool puoiChiudereEditor() {
    return puoiChiudere_;
}

void setPuoiChiudereEditor(bool valore) {
    puoiChiudere_ = valore;
}
