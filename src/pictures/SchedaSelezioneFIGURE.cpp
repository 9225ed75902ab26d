#include "pictures/SchedaSelezioneFIGURE.h"

SchedaSelezioneFIGURE::SchedaSelezioneFIGURE(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Selezione Esercizi"));
    resize(300, 500);
}

void SchedaSelezioneFIGURE::setPreview(SchedaPreviewFigura* preview) {
    preview_ = preview;
}
