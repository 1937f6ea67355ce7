#pragma once
// The series of rays of the semicircle experiment: random settings, the critical-angle search,
// free rays marched through the glass, fans and beams, and the mean error of the measured
// index. Draws nothing.
#include <array>
#include <optional>
#include <vector>

#include "semicircle/model/raytrace.h"
#include "shell/model/point.h"

// Incidence angles of a sweep, in degrees: the first ray is at 6, not 0.
inline constexpr std::array<double, 9> kSweepAngles{6, 10, 20, 30, 40, 50, 60, 70, 80};

// 2 Rnd - 1, drawn after reseeding from the clock.
double RandomUnit();
// 11 Rnd - 5 (degrees), drawn after reseeding from the clock.
double RandomTilt();
// Rnd in [0, 1), drawn after reseeding from the clock.
double RandomFraction();

// The smallest incidence (degrees) at which the light that meets the flat face from inside is
// totally reflected there, searched from 5 degrees; nothing when none below 90.
std::optional<double> krisimi(const Semicircle& s);

// Frame of the semicircle: origin (cx, cy), turned by theta.
Point ToLocal(double cx, double cy, double px, double py, double theta);
Point ToWorld(double cx, double cy, double u, double v, double theta);
// Direction of the segment (x1, y1) -> (x2, y2) over the full circle, in (-pi, pi].
double DirectionAngle(double x1, double y1, double x2, double y2);

// A free ray: it starts at (x1, y1) and runs through (x2, y2).
using FreeRay = std::array<float, 4>;

// Marches the free ray through the semicircle and returns the visited window points, starting
// at (x1, y1); the last point is the first one outside the window, or the 500th step.
std::vector<Point> TraceFreeRay(const Semicircle& s, const FreeRay& ray);

// The 46 free rays of a fan from (X, Y), straight left through straight up to straight right.
std::array<FreeRay, 46> FanRays(const Semicircle& s, float X, float Y);
// The 64 horizontal rays of a parallel beam, entering from the left or from the right.
std::vector<FreeRay> ParallelBeamRays(const Semicircle& s, bool fromLeft);

// Root mean square of (measured - n), in percent of n; nothing for an empty list.
std::optional<double> MeanIndexError(const std::vector<double>& measured, double n);

struct ErrorPoint {
    double radius = 0, error = 0;
};
// Mean error of a sweep against the radius 14, 16, ... 146 (67 points) for the semicircle's
// index and placement, over the rays of each sweep that measure an index; NaN at a radius
// where none does.
std::vector<ErrorPoint> MeanErrorCurve(const Semicircle& s);
