#pragma once
// The optics of the semicircle experiment: one ray from the protractor through the half-disc
// of glass and out again, followed as the light goes, with Snell's law wherever it meets a
// face. Pure: it reads the glass from the state, changes nothing and draws nothing.
#include <array>
#include <cstdint>

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

// Where the ray from (px, py) in the direction of the unit vector (dx, dy) meets the
// protractor (radius 150 about the origin) ahead of it; the angle is 0 there, or -200 when it
// never does.
Intersection ProtractorAhead(double px, double py, double dx, double dy);

// The faces of the glass: the flat segment of length 2R and the glass's own half circle.
enum class Face : std::uint8_t { None, Flat, Curved };
// What the light does at a point of its path.
enum class PathEvent : std::uint8_t { Source, Refracted, Reflected, Protractor };

struct PathPoint {
    double x, y;
    PathEvent event;
    Face face;         // the face met here; None at the source and on the protractor
    bool inGlassAfter; // the light runs inside the glass from here to the next point
};

// Every point the light passes, from the source on the protractor to where it ends.
struct RayPath {
    // A ray caught by total reflection stops after this many points, still in the glass.
    static constexpr int kMaxPoints = 40;
    std::array<PathPoint, kMaxPoints> points;
    int count = 0;
    const PathPoint& operator[](int i) const { return points[i]; }
    double X(int i) const { return points[i].x; }
    double Y(int i) const { return points[i].y; }
    double LastX() const { return points[count - 1].x; }
    double LastY() const { return points[count - 1].y; }
    // Whether the stretch from point i - 1 to point i runs inside the glass.
    bool InGlass(int i) const { return points[i - 1].inGlassAfter; }
};

// What one traced ray shows on the protractor.
struct RayTrace {
    RayPath path;
    double incidence = 0;            // radians
    bool reachesProtractor = false;  // the path ends on the protractor
    bool totalReflection = false;    // the light was totally reflected somewhere on its way
    // A measurement: the light went into the glass through one face, crossed it once and left
    // it through the other face, refracted both times, and reached the protractor, where its
    // angle is read. Light totally reflected (inside or at the first face), light that passes
    // the glass by or goes in and out by the same face, and light caught inside measure
    // nothing.
    bool refrAngleMeasured = false;
    double refrAngle = 0;            // radians, from the x axis to the arrival point
    bool indexMeasured = false;      // ... and neither angle is 0 or 180 degrees
    double measuredIndex = 0;
};

// Follows the light from the protractor at alpha (radians) through (0, h) through the
// semicircle of s (index, radius, direction) centred at (x0, y0) with tilt theta (radians).
RayTrace FollowLight(const ExperimentState& s, double h, double theta, double x0, double y0,
                     double alpha);

// The same with the incidence in degrees, as the student gives it.
RayTrace TraceRay(const ExperimentState& s, double h, double theta, double x0, double y0,
                  double alphaDeg);

// True when the light, meeting the flat face from inside the glass for the first time, is
// totally reflected there.
bool TotallyReflectedAtFlatFace(const RayPath& path);

// What the opening picture of the semicircle window shows for the ray at s.incidence
// (radians): the traced light, the flat face P1-P2 and the red normal where the light first
// meets the flat face.
struct RayScene {
    RayTrace trace;
    Point p1, p2;
    Point e, normalRight, normalLeft; // the normal's ends at x = 150 and at x = -0.75 R
    bool hasNormal = false;
};
RayScene ComputeRayScene(const ExperimentState& s, double h, double x0, double y0, double theta);

// The ray of the record file: s.incidence holds the incidence in degrees.
RayTrace aktina2(const ExperimentState& s, double h, double x0, double y0, double theta);

// The tracer of the record file: the refraction angle of aktina2 for the set-up held in the
// state, or NaN when no refracted light reaches the protractor.
double TraceForRecord(const ExperimentState& s, double tiltRadians);
