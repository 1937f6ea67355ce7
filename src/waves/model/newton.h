#pragma once
#include <optional>
#include <string>
#include <vector>

#include "shell/model/drawing.h"

// Newton's particle tracks: straight outside a thin force layer at the surface, a parabola
// inside it (the along-surface velocity kept, the across-surface one changed by a constant
// acceleration), straight again at the refraction angle after it.

// Height at x of a particle that left (x0, y0) with velocity (vx, vy) under the constant
// across-surface acceleration a: y0 + vy (x - x0)/vx + (a/2) ((x - x0)/vx)^2.
double ArcHeight(double y0, double vy, double vx, double a, double x0, double x);
// The acceleration that brings such a particle from (x0, y0) to (x1, y1).
double AccelToPoint(double vx, double vy, double x1, double x0, double y1, double y0);
// The acceleration that turns vy into vx m over the height y1 - y0.
double AccelToSlope(double m, double vy, double vx, double y1, double y0);

// What a Newton scene is drawn from: n = n1overn2 / 100, the incidence prosptosi in degrees, the
// Newton value newtongtimi (1 to 10), and the particle window's scale scaleW x scaleH (from its
// size). The particle window's own scale is (0, scaleH) at the top left to (scaleW, -0.15
// scaleH) at the bottom right.
struct NewtonInputs {
    double n = 1.5;
    double incDeg = 30;
    int newtonValue = 1;
    double scaleW = 0, scaleH = 0;
    // The right edge of the picture in the scene's units, when the window shows more than
    // scaleW across (its scale keeps a unit as long across as down); 0 means scaleW.
    double pictureRight = 0;
};

// The two tracks, point by point: the first keeps x in trackC and y in trackA, the second x in
// trackD and y in trackB. Element 0 stays empty, element 1 is the start, and each array ends at
// its track's last point, at most index 15000.
struct NewtonTracks {
    static constexpr int kLastSlot = 15000;
    std::vector<double> trackA, trackB, trackC, trackD;
};

struct NewtonScene {
    Drawing drawing; // the layer bands, the tracks, in drawing order
    NewtonTracks tracks;
    std::optional<double> incDeg; // the incidence it was drawn at (none: not drawn)
    std::string label7;           // "Πάχος στρώματος = " & Format(yS - yL, "0.00")
    std::optional<std::string> label5; // one layer, n < 1: "κρίσιμη γωνία = 48.59"; else hidden
    double criticalDeg = 900;          // the critical angle, 900 when n >= 1
    double exitMismatch = 0;           // |exit height - expected height|, the self-check
    int trackPoints = 0;               // points stored in the track arrays (at most 15000)
    int firstPoints = 0, secondPoints = 0; // of the first (trackC, trackA) and second track
};

// One surface at yS = 5/8 scaleH with its force layer down to yL = k scaleH / 2,
// k = newtonValue / 50 + 1.
NewtonScene NewtonOneLayer(const NewtonInputs& in);

// A slab: the same layer at the first surface, a second surface with its own layer below.
// meso2Top and meso2Height give the particle window's shape meso2 its place (hidden).
struct NewtonSlab : NewtonScene {
    double meso2Top = 0, meso2Height = 0;
};
NewtonSlab NewtonParallel(const NewtonInputs& in);

// For the data window's Newton note: the one-layer geometry of a picture w x h and the
// acceleration (AccelToSlope) that turns the incident direction (incRad) into the refracted
// one (refrRad) inside the layer; 0 unless |a1| < |a2|.
double LayerAcceleration(double incRad, double refrRad, double a0, double a1, double a2, double w,
                         double h);
