#pragma once

#include <QFont>

// The font the fixed-size windows are laid out for: the width of the classic 8-point dialog font
// (Arial metrics; fontconfig gives Liberation Sans). Set on those windows, their designed sizes hold
// whatever font the desktop uses elsewhere.
inline QFont carattereModuli() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    return f;
}
