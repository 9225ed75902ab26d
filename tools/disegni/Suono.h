#pragma once

#include <QByteArray>

// The body map's click: a short, soft tick as a 16-bit mono WAV file.
QByteArray suonoClick();
