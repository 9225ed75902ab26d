#pragma once

#include "Vettore.h"

#include <QImage>
#include <optional>

// A shaded human figure on (or beside) the vibration platform, posed from joint angles, drawn with
// an orthographic camera. World: metres, y up, floor at y = 0; the platform is centred on the origin
// with its column towards +z; a figure with imbardata 0 faces the column.

enum class Macchina { Vibrana, Ostrel, Nessuna };

// Height of the standing surface of each machine.
double altezzaPedana(Macchina m);

struct Braccio {
    double flessione = 0;    // forward raise of the upper arm: 0 hanging, 90 forward, 180 overhead
    double abduzione = 8;    // sideways raise
    double gomito = 12;      // elbow flexion
    std::optional<V3> polso; // when set, the wrist reaches this point (the elbow follows)
    // the same in the pelvis frame: x outwards from the arm's side, y up the spine, z forward
    std::optional<V3> polsoCorpo;
    std::optional<V3> versoGomito; // where the elbow points when reaching (pelvis frame)
};

struct Gamba {
    double flessione = 0;          // hip flexion (thigh forward)
    double abduzione = 4;          // thigh outward
    double ginocchio = 4;          // knee flexion
    double caviglia = 0;           // toes down from flat (tiptoe > 0)
    std::optional<V3> tallone;     // when set, the ankle joint reaches this point (the knee follows)
    bool piantaOrizzontale = true; // with a target: sole parallel to the floor before `caviglia`
};

// Which point of the body is put on `punto` (the rest follows from the angles).
enum class Appoggio {
    Bacino,
    Piante,
    PiantaDx,
    PiantaSx,
    Punte,
    Ginocchia,
    Mani,
    Gomiti,
    GomitoDx,
    Glutei,
    Spalle
};

struct Posa {
    // camera: azimuth of the viewer around the vertical, relative to the figure's facing (0 = in
    // front of the figure, -90 = on its right, so that it faces right in the picture), and elevation
    double azimut = -72;
    double elevazione = 9;

    double imbardata = 0;    // figure's facing around the vertical (180 = back to the column)
    double beccheggio = 0;   // pelvis pitched forward (90 = face down, -90 = on the back)
    double rollio = 0;       // pelvis rolled towards its right
    double busto = 0;        // trunk flexion over the pelvis
    double torsione = 0;     // trunk twist to the left
    double inclinazione = 0; // trunk side bend to the right
    double testa = 0;        // head flexion over the trunk

    Braccio dx, sx;
    Gamba gdx, gsx;

    Appoggio appoggio = Appoggio::Piante;
    V3 punto{0, 0.20, 0};
    bool manubrio = false; // both hands on the handlebar grips
    bool cinghie = false;  // straps from the base to the hands
    Macchina macchina = Macchina::Vibrana;
    double scalaMassima = 185; // pixels per metre at 400 px
};

// Grip points of the handlebar (figure's right grip first, for a figure facing the column).
V3 impugnatura(bool destra);

// Height of the lowest point of the posed figure above the floor (negative: it sinks into it).
double quotaMinima(const Posa& p);

// Draws the pose centred in an image of `larghezza` x `altezza` pixels on white (scale as for 400 px).
QImage disegnaPosa(const Posa& p, int larghezza = 400, int altezza = 400);

// Draws a red cross over an image (wrong positions).
void barraConCroce(QImage& img);
