#pragma once
// The optics of the semicircle experiment: one ray from the protractor through the half-disc
// of glass and out again, followed as the light goes, with Snell's law wherever it meets a
// face. Pure: it reads the glass it is given, changes nothing and draws nothing.
#include <array>
#include <cstdint>

#include "records/model/recordfile.h"
#include "shell/model/point.h"

// The half-disc of glass and the ray sent at it, as the tracer reads them: the index n, the
// radius R, the side of the curved face (1 left of the flat face, 2 right of it), the centre
// of the flat face, its tilt from the y axis in radians, and the height h at which the
// incident ray crosses x = 0.
struct Semicircle {
    double indexN = 1.5;
    double radiusR = 100;
    int semiDirection = 1;
    double xc = 0, yc = 0;
    double tilt = 0;
    double rayH = 0;
};

// A point met, and an angle there; the angle -200 marks a meeting that never happens.
inline constexpr double kMissed = -200;
struct Intersection {
    double x = 0, y = 0, angle = kMissed;
    bool Hit() const { return angle != kMissed; }
};

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
// semicircle.
RayTrace FollowLight(const Semicircle& s, double alpha);

// The same with the incidence in degrees, as the student gives it.
RayTrace TraceRay(const Semicircle& s, double alphaDeg);

// True when the light, meeting the flat face from inside the glass for the first time, is
// totally reflected there.
bool TotallyReflectedAtFlatFace(const RayPath& path);

// What the opening picture of the semicircle window shows for the ray at alpha (radians): the
// traced light, the flat face P1-P2 and the red normal where the light first meets the flat
// face.
struct RayScene {
    RayTrace trace;
    Point p1, p2;
    Point e, normalRight, normalLeft; // the normal's ends at x = 150 and at x = -0.75 R
    bool hasNormal = false;
};
RayScene ComputeRayScene(const Semicircle& s, double alpha);

// The ray of the record file: the glass traced for one set-up of its grid; the refraction
// angle in radians, or NaN where the ray is no measurement.
double aktina2(const Semicircle& glass, const RecordSetup& setup);
