#pragma once
// Fermat's principle in the particle window: the broken path of light from a first body
// through a crossing body to a second body, its travel time, the tests of the laws of
// reflection and refraction, and the numerical search of the least-time crossing point.
// The scene's y grows upwards; the interface is the line y = H/2, medium 1 above it.
#include "shell/model/drawing.h"
#include "shell/model/point.h"

#include <string>

// The law ticked under "FERMAT'S PRINCIPLE", which decides the speed below the surface.
enum class FermatLaw { None, Descartes, Fermat };

// c2 for the ticked law: Descartes (faster in the denser medium) n c1, Fermat c1 / n;
// with none ticked the current c2 is kept. Never a speed that is not a number above 0.
double FermatSpeed2(FermatLaw law, double c1, double n, double currentC2);

struct PathVerdict {
    double d1 = 0, d2 = 0; // |P3 - P1|, |P3 - P2|
    double time = 0;       // d1 / speed(P1) + d2 / speed(P2)
    enum Law { None, Hero, Fermat } law = None;
    std::string caption; // the panel's Label6
    Rgb colour{0, 0, 0}; // black, red for Hero's law, green for Fermat's
    int width = 1;       // 5 for Fermat's law
};

// Evaluates the path P1-P3-P2 (p1 the first body, p2 the second, p3 the crossing body) with
// speed c1 above the interface and c2 below, the relative index n, whether Fermat's law is
// ticked, and the caption's first text. A path with a segment of length 0 passes no test.
PathVerdict EvaluatePath(Point p1, Point p2, Point p3, double H, double c1, double c2, double n,
                         bool fermatTicked, const std::string& firstCaption);

// Both ends on the same side of the interface (or one on it): no refraction path exists.
bool SameSide(Point p1, Point p2, double H);

struct LeastTime {
    bool found = false; // false when the two ends are on the same side
    Point upper, lower; // the end above the interface and the end below it
    double xMin = 0;    // the least-time crossing point on the interface (Snell's law)
    double tMin = 0;    // its time, with speed 1 above and 1/n below
};

// "FIND MINIMUM": 500 candidates from min(xU, xD) in steps of |xU - xD| / 500, the first of
// the least times winning; then the crossing is refined, by halving on the slope of the time,
// to the point where sin i = n sin r holds to the last digits, however near the surface the
// bodies stand.
LeastTime FindLeastTime(Point p1, Point p2, double H, double n);
