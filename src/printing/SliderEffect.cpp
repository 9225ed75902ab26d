#include "printing/SliderEffect.h"

#include <QCursor>
#include <QScrollBar>
#include <cmath>

SliderEffect::SliderEffect() : posizioneY([] { return QCursor::pos().y(); }) {}

void SliderEffect::setDisplacement(int button, QScrollBar* vs) {
    const int y = posizioneY();
    if (button == 1 && vs) {
        const double v = vs->value() - static_cast<double>(y - ultimaY_) * 40;
        if (vs->minimum() <= v && v <= vs->maximum())
            vs->setValue(static_cast<int>(std::nearbyint(v)));
    }
    ultimaY_ = y;
}
