#include "pictures/SchedaPreviewFigura.h"

SchedaPreviewFigura::SchedaPreviewFigura(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Preview"));
    resize(200, 200);
}
