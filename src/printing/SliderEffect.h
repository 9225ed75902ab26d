#pragma once

#include <functional>

class QScrollBar;

// Scrolls a sheet by dragging it: while the left button is held, each pixel the pointer moves down
// brings the sheet 40 twips towards its top.
class SliderEffect {
public:
    // Reads the pointer's vertical screen position in pixels; tests replace it.
    std::function<int()> posizioneY;

    SliderEffect();
    void setDisplacement(int button, QScrollBar* vs);

private:
    int ultimaY_ = 0;
};
