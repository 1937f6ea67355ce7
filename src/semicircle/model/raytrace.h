#pragma once
// The optics of the semicircle experiment: one ray from the protractor through the half-disc
// of glass and back out, with Snell's law at the flat and at the curved face. Draws nothing.
#include <array>

#include "shell/model/point.h"

#include "semicircle/model/experiment_state.h"

// Angle value that marks a missing intersection (parallel lines, a line that misses a circle).
inline constexpr double kMissed = -200;

struct Intersection {
    double x = 0, y = 0, angle = kMissed;
    bool Hit() const { return angle != kMissed; }
};

// Line A through (x1, y1), (x2, y2) with line B through (x3, y3), (x4, y4); the angle is
// the angle between line A and the normal of line B.
Intersection IntersectLines(double x1, double y1, double x2, double y2, double x3, double y3,
                            double x4, double y4);
double LineAngle(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                 double y4);

// The line y = m x + b with the circle of radius R about (cx, cy): the left-hand point for
// semiDirection 1, the right-hand one otherwise; the angle is between the line and the radius.
Intersection IntersectLineCircle(double m, double b, double R, double cx, double cy,
                                 int semiDirection);

// Where the ray from (px, py) in the direction (dx, dy) meets the protractor (radius 150
// about the origin) ahead of it; the angle is 0 there, or -200 when it never does.
Intersection ProtractorAhead(double px, double py, double dx, double dy);

// Source, first point on the glass, second point on a face, last point. Only the first
// `count` points are real; a drawing stops at the last real one.
struct RayPath {
    std::array<double, 8> p{};
    int count = 1;
    double X(int i) const { return p[2 * i]; }
    double Y(int i) const { return p[2 * i + 1]; }
    double LastX() const { return p[2 * (count - 1)]; }
    double LastY() const { return p[2 * (count - 1) + 1]; }
};

// Traces the ray from the protractor at alphaDeg degrees through (0, h) into the semicircle
// centred at (x0, y0) with tilt theta (radians). Sets s.incidence (radians) and
// s.incidenceDeg; sets s.refrAngle only when the ray comes out to the protractor through the
// opposite face (s.refrAngleMeasured), and s.measuredIndex only when, besides, neither angle is
// 0 or 180 degrees (s.indexMeasured): otherwise both keep an earlier ray's values.
RayPath TraceRay(ExperimentState& s, double h, double theta, double x0, double y0, double alphaDeg);

// What the opening picture of the semicircle window shows for the ray at s.incidence
// (radians): incident ray S-E, flat face P1-P2, red normal through E, E-X inside, X-F out.
struct RayScene {
    Point s, e, p1, p2;
    Point normalRight, normalLeft; // the normal's ends at x = 150 and at x = -0.75 R
    Point x, f;
    Point reflectedEnd; // where a ray reflected at the flat face meets the protractor
    bool hasE = false, hasNormal = false, hasX = false, hasF = false;
    bool reflectedAtFlat = false;
};

// The computation behind DrawRayScene; sets s.refrAngle and s.measuredIndex when F exists.
RayScene ComputeRayScene(ExperimentState& s, double h, double x0, double y0, double theta);

// DrawRayScene without a picture, for the record file: s.incidence is in degrees on entry and
// is left in radians. Returns s.refrAngle; s.refrAngleMeasured says whether this ray reached
// the protractor (otherwise refrAngle is still that of an earlier ray).
double aktina2(ExperimentState& s, double h, double x0, double y0, double theta);

// The tracer of the record file: aktina2 for the set-up held in the state (s.incidence in
// degrees), or NaN when that ray never reaches the protractor.
double TraceForRecord(ExperimentState& s, double tiltRadians);
