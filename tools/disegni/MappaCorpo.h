#pragma once

#include <QImage>
#include <QString>

// The body-map pictures: three views of the body (side, back, front) in the frame of the map's
// zones. `gruppo` empty gives the plain body; a group code gives the same body with that group's
// muscles in red, drawn inside the group's zones.
QImage disegnaMappa(const QString& gruppo = QString());
