#pragma once
// Ptolemy's refraction experiment and his table. The disc of radius 150 stands half in
// water, its centre E on the surface y = 0; angles are measured from the vertical diameter.
// A target on the rim under water at angle w from the downward vertical is seen from the air
// along the ray through E that leaves the water at a, with sin a = 1.33 sin w, on the other
// side of the upward vertical. The table: Ptolemy's refractions from air into water or glass,
// which he made with a constant second difference of half a degree.
#include "shell/model/point.h"

#include <optional>
#include <string>
#include <vector>

inline constexpr double kPtolemyRadius = 150;
inline constexpr double kPtolemyWaterIndex = 1.33;

// ---- The table ----

enum class PtolemyMedium { Water, Glass };

// Fractions from 0.5 up go to the next whole degree, those above 0.25 to the half degree,
// the rest down to the whole degree.
double ToHalfDegree(double x);

struct PtolemyTable {
    std::vector<double> incidence;  // degrees
    std::vector<double> refraction; // Ptolemy's values
    double n = 1;                   // the index of the exact law
    int last() const { return int(refraction.size()) - 1; } // N
};
// The main plot's table: Ptolemy's own values (water with the origin in front, n = 1.3333;
// glass, n = 1.52).
PtolemyTable MainTable(PtolemyMedium medium);
// The rebuild's table (water from 10 degrees, n = 1.333333333; glass as in the main plot). The
// rebuild starts from the exact law; the table gives its incidences.
PtolemyTable RebuildTable(PtolemyMedium medium);
// The exact law from air into the medium: arcsin(sin i / n), degrees.
double ExpectedRefraction(double incidenceDeg, double n);
// The simple proportion of the main plot: R(1) / I(1).
double AnalogyRatio(const PtolemyTable& t);

// The answer to "number of first member of pair": its whole part, clamped to 1 ... 7;
// nothing usable (empty, cancelled, not a number) counts as below 1.
int PairFromAnswer(const std::string& answer);

struct PtolemyRebuild {
    PtolemyTable table;
    int pair = 1;                 // I: the pair is elements I - 1 and I
    std::vector<double> expected; // the exact law brought to the half degree
    std::vector<double> rebuilt;  // M(k)
    double analogy = 0;           // q = M(I - 1) / I(I - 1)
};
// Rebuilds the table from the pair of neighbouring expected values (Ptolemy's own 7 and 13.5
// for glass from the first pair), the difference shrinking by half a degree at each step on
// and growing by half a degree at each step back.
PtolemyRebuild RebuildFromPair(PtolemyMedium medium, int pair);

// ---- The apparatus ----

// The angle in air a (degrees) of the ray from water at w through E, or nothing when
// 1.33 sin w > 1 and no ray leaves the water.
std::optional<double> AirAngle(double waterDeg);

// For a rim point in air, the rim point (on the same side) of the direction in water that
// Snell's law matches with it: theta = 90 - |atan(y / x)| from the vertical,
// sin theta = 1.33 sin(w); the point is (+-R sin w, R cos w).
Point ExpectedAirAngle(double x, double y);

struct PtolemyRay {
    Point target; // on the rim under water
    Point exit;   // on the rim in air
    double water = 0, air = 0; // angles, degrees
};

struct PtolemyScene {
    double w = 30;                // the angle in water drawn, after any lowering
    bool lowered = false;         // w had to be lowered for a ray to leave the water
    std::optional<std::string> edgeMessage; // the first edge without an exit, as told
    double tau = 0.5;             // the target's angle
    PtolemyRay centre, lowerEdge, upperEdge; // the edges at w - tau/2 and w + tau/2
    // The body in air: its centre direction and its two limits, degrees from the upward
    // vertical, and whether it covers the target (hides the centre of the target's image).
    double bodyCentre = 0, bodyFrom = 0, bodyTo = 0;
    bool covers = false;
    Point body;         // the body's centre on the rim in air
    Point expectedMark; // ExpectedAirAngle of the body
    // The observation window: heights are directions in air from the target's expected
    // direction (the line y = 0), magnified 4 / tau times (the target looks 4 units high
    // whatever its size), cut at 20 either way.
    double targetLow = 0, targetHigh = 0, bodyLow = 0, bodyHigh = 0;
    std::string label2; // the position text
};

// The whole scene for the scroll bars: w in degrees (1 to 88), tau in degrees (0.5 to 10),
// p the body's position (-2 to 3).
PtolemyScene ComputePtolemyScene(double waterDeg, double tauDeg, double p);
