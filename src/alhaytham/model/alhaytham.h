#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shell/model/drawing.h"
#include "shell/model/point.h"

// Al Haytham's experiment: the geometry of his apparatus (a graduated disc half under water,
// turned by the incidence) and the check of his rules of refraction against the sine law.

// ---- Angles --------------------------------------------------------------------------------

// Turns (x, y) by the angle a (radians) clockwise as the eye sees it:
// (x cos a + y sin a, y cos a - x sin a).
Point RotatePoint(double x, double y, double a);

// The refraction angle in degrees for index n and incidence in degrees: sin r = sin i / n,
// with the arcsine taken as atan(s / sqrt(1 - s^2)). Nothing where s reaches 1 (no refracted
// ray), or for an index that is not a number above 0.
std::optional<double> RefractionDeg(double n, double incidenceDeg);

// ---- The apparatus ---------------------------------------------------------------------------

inline constexpr double kWaterIndex = 1.33;
inline constexpr double kDiscRadius = 250;
// The water surface runs through the disc's centre, so the lower half of the disc is under water.
inline constexpr double kWaterTop = 0;
inline constexpr double kTankLeft = -300, kTankRight = 280, kTankBottom = -290;

// The apparatus at one incidence: the disc is turned by i, so that its sight hole (the disc's
// 90-degree mark) stands i away from the perpendicular; the light enters there, crosses to the
// centre on the water surface and is refracted towards the perpendicular, meeting the rim under
// water where its spot is read.
struct Apparatus {
    double incidenceDeg = 0;
    double refractionDeg = 0;
    Point lamp;       // where the light beam comes from, outside the disc
    Point hole;       // the sight hole on the rim: the disc's 90 degrees turned by i
    Point centre;     // the centre of the disc, on the water surface
    Point spot;       // where the refracted ray meets the rim
    Point unbent;     // where the ray would meet the rim without refraction (the disc's 270)
    Point beamOut;    // the end of the light that leaves the spot through the water
};
// Incidence in degrees, 0 to 90; a value outside is brought into that range.
Apparatus AlHaythamApparatus(double incidenceDeg);

struct Segment {
    Point a, b;
};

// The disc as 360 chords of its rim, between the points at k and k + 1 degrees (k = 1 ... 360),
// each turned by i (radians).
std::vector<Segment> DiscChords(double incidenceRad);
// The graduation: a radius from the centre to the rim at every tenth degree, turned by i.
std::vector<Segment> DiscGraduation(double incidenceRad);
// A short mark outside the rim at the disc's angle `discDeg`, turned by i.
Segment DiscMark(double discDeg, double incidenceRad);

// The ruler lies on the disc along the refracted ray, from the centre to the rim; its edges and
// its marks at every tenth of the radius.
struct Ruler {
    Segment upperEdge, lowerEdge, startEnd, farEnd;
    std::vector<Segment> marks;
};
Ruler AlHaythamRuler(const Apparatus& a);

// The stylus stands on the ruler at `position` radii from the centre (0 to 1, as the stylus
// scroll bar gives it in tenths): drawn as a short stick across the ray, and its shadow, which
// falls along the ruler only when the ray, the perpendicular and the stylus lie in one plane.
struct Stylus {
    Segment stick;
    Segment shadow;
    double position = 0;
};
Stylus AlHaythamStylus(const Apparatus& a, double position);

// ---- The check of the rules ------------------------------------------------------------------

// One incidence step of the check: i in whole degrees, i' = i + 1, the refraction and deviation
// angles at both (degrees) and which rules are broken at i.
struct RuleStep {
    int incidence = 0;
    double refraction = 0, nextRefraction = 0;
    double deviation = 0, nextDeviation = 0;
    bool rule5Broken = false;
    bool rule6Broken = false;
};

// Rule (5), refraction from rare to dense (n > 1): d < i/2; broken when d > i/2.
bool Rule5IsBroken(double n, double incidenceDeg, double deviationDeg);
// Rule (6), refraction from dense to rare (n < 1): d < (i + d)/2; broken when d > (i + d)/2.
bool Rule6IsBroken(double n, double incidenceDeg, double deviationDeg);

// The steps i = 1 ... 90 for index n that draw: a step where either sine reaches 1 draws nothing
// and is left out.
std::vector<RuleStep> CheckRules(double n);

// A line of the check's graph with its DrawStyle (0 solid, 2 dot, 3 dash-dot).
struct StyledLine {
    Point a, b;
    Rgb colour;
    int width = 1;
    int style = 0;
};

// The look of each curve, shared by the curves and their legend.
struct CurveLook {
    Rgb colour;
    int style = 0;
};
inline constexpr CurveLook kRefractionCurve{{255, 0, 0}, 0};
inline constexpr CurveLook kDeviationCurve{{0, 0, 0}, 3};
inline constexpr CurveLook kHalfIncidenceCurve{{0, 0, 255}, 0};
inline constexpr CurveLook kMeanCurve{{255, 0, 255}, 0};
// Colours in which the rules list shows a broken rule.
inline constexpr Rgb kRule5Colour{255, 0, 0};
inline constexpr Rgb kRule6Colour{255, 0, 255};

// The four segments of one step, in the order they are drawn: refraction, deviation, half the
// incidence, mean of incidence and deviation. Width 3 where a rule is broken, 1 elsewhere.
std::array<StyledLine, 4> StepCurves(const RuleStep& step);

// ---- Texts ---------------------------------------------------------------------------------

// One line of the rules list on the data window's graph, English then Greek (empty for the
// title), at height y; `rule` is 5 or 6 for the rules that can be shown broken, 0 otherwise.
struct RulesLine {
    double y = 0;
    std::string english;
    std::string greek;
    int rule = 0;
};
const std::vector<RulesLine>& AlHaythamRulesList();

// The explanation for the notes box of the analysis window: six Greek parts, then the English.
std::string AlHaythamExplanation();
