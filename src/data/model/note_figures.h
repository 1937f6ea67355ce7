#pragma once
// The illustrations of four historical notes (Fermat, Hero, Newton, Ptolemy), as the graph
// window incref draws them: a band for the second medium, the rays, point labels and a few
// lines of explanation. The window only replays what is described here.
#include <string>
#include <vector>

#include "shell/model/figure.h"


inline constexpr Rgb kFigureOrange{200, 100, 0};
inline constexpr Rgb kFigureYellow{200, 200, 0};
inline constexpr Rgb kFigureLayer{200, 150, 90};
inline constexpr Rgb kFigureGreen{0, 255, 0};
inline constexpr Rgb kFigureRed{255, 0, 0};
inline constexpr Rgb kFigureBlue{0, 0, 255};
inline constexpr Rgb kFigureBlack{0, 0, 0};

// The point at `radius` from the origin, `angle` radians from the upward vertical, to the left
// (the source of every figure, up left of the point of incidence at the origin).
Point UpLeft(double radius, double angle);

Figure FermatFigure();
Figure HeroFigure();
// Ptolemy's disc half in water, with the sight line and the refracted line; `title` is
// printed with the letters.
Figure PtolemyFigure(const std::string& title);

// Newton's particles at an incidence of 28 degrees, from air into glass of index n (red) and
// from the glass back into air (blue, absent when it cannot leave the glass), bent inside the
// force layer at the surface.
struct NewtonPaths {
    std::vector<Point> intoGlass, outOfGlass; // the particles' tracks, point by point
    double refractionDeg = 0;                 // of the red path in the glass
    double exitDeg = 0;                       // of the blue path in the air (0 without it)
    double layerTop = 0, layerBottom = 0;     // the force layer, in the figure's units
};
NewtonPaths ComputeNewtonPaths(double n);
Figure NewtonFigure(const NewtonPaths& paths);
