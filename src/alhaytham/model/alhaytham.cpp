#include "alhaytham/model/alhaytham.h"

#include "shell/model/mathconst.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kDegree = PI / 180;

Point along(Point from, Point direction, double length) {
    return {from.x + direction.x * length, from.y + direction.y * length};
}
} // namespace

Point RotatePoint(double x, double y, double a) {
    return {x * std::cos(a) + y * std::sin(a), y * std::cos(a) - x * std::sin(a)};
}

std::optional<double> RefractionDeg(double n, double incidenceDeg) {
    if (!(n > 0) || !std::isfinite(n) || !std::isfinite(incidenceDeg)) return std::nullopt;
    const double s = std::sin(incidenceDeg * kDegree) / n;
    if (!(s < 1)) return std::nullopt;
    const double c = std::sqrt(1 - s * s);
    if (!(c > 0)) return std::nullopt;
    return std::atan(s / c) / kDegree;
}

// ---- The apparatus ---------------------------------------------------------------------------

Apparatus AlHaythamApparatus(double incidenceDeg) {
    Apparatus ap;
    ap.incidenceDeg = std::isfinite(incidenceDeg) ? std::clamp(incidenceDeg, 0.0, 90.0) : 0.0;
    const double i = ap.incidenceDeg * kDegree;
    // Water's index is above 1: every incidence has its refracted ray.
    ap.refractionDeg = RefractionDeg(kWaterIndex, ap.incidenceDeg).value_or(0);
    const double r = ap.refractionDeg * kDegree;
    ap.hole = RotatePoint(0, kDiscRadius, i);
    ap.lamp = RotatePoint(0, kDiscRadius + 60, i);
    ap.centre = {0, 0};
    const Point down{-std::sin(r), -std::cos(r)};
    ap.spot = along(ap.centre, down, kDiscRadius);
    ap.beamOut = along(ap.centre, down, kDiscRadius + 40);
    ap.unbent = RotatePoint(0, -kDiscRadius, i);
    return ap;
}

std::vector<Segment> DiscChords(double incidenceRad) {
    std::vector<Segment> chords;
    chords.reserve(360);
    for (int k = 1; k <= 360; ++k) {
        const double a = k * kDegree, b = (k + 1) * kDegree;
        chords.push_back({RotatePoint(kDiscRadius * std::cos(a), kDiscRadius * std::sin(a), incidenceRad),
                          RotatePoint(kDiscRadius * std::cos(b), kDiscRadius * std::sin(b), incidenceRad)});
    }
    return chords;
}

std::vector<Segment> DiscGraduation(double incidenceRad) {
    std::vector<Segment> radii;
    for (int k = 1; k <= 360; ++k) {
        if (k % 10 != 0) continue;
        const double a = k * kDegree;
        radii.push_back({{0, 0},
                         RotatePoint(kDiscRadius * std::cos(a), kDiscRadius * std::sin(a), incidenceRad)});
    }
    return radii;
}

Segment DiscMark(double discDeg, double incidenceRad) {
    const double a = discDeg * kDegree;
    const double inner = kDiscRadius, outer = kDiscRadius + 20;
    return {RotatePoint(inner * std::cos(a), inner * std::sin(a), incidenceRad),
            RotatePoint(outer * std::cos(a), outer * std::sin(a), incidenceRad)};
}

Ruler AlHaythamRuler(const Apparatus& ap) {
    const double r = ap.refractionDeg * kDegree;
    const Point u{-std::sin(r), -std::cos(r)}; // along the refracted ray
    const Point v{std::cos(r), -std::sin(r)};  // across it
    constexpr double halfWidth = 8;
    const Point c = ap.centre;
    const Point up0 = along(c, v, halfWidth), low0 = along(c, v, -halfWidth);
    const Point up1 = along(up0, u, kDiscRadius), low1 = along(low0, u, kDiscRadius);
    Ruler ruler{{up0, up1}, {low0, low1}, {up0, low0}, {up1, low1}, {}};
    for (int k = 1; k <= 9; ++k) {
        const Point at = along(up0, u, kDiscRadius * k / 10.0);
        ruler.marks.push_back({at, along(at, v, k == 5 ? -2 * halfWidth : -halfWidth)});
    }
    return ruler;
}

Stylus AlHaythamStylus(const Apparatus& ap, double position) {
    const double t = std::isfinite(position) ? std::clamp(position, 0.0, 1.0) : 0.0;
    const double r = ap.refractionDeg * kDegree;
    const Point u{-std::sin(r), -std::cos(r)};
    const Point v{std::cos(r), -std::sin(r)};
    const Point foot = along(ap.centre, u, t * kDiscRadius);
    Stylus s;
    s.position = t;
    s.stick = {along(foot, v, -14), along(foot, v, 14)};
    // The light comes along the refracted ray, so the shadow falls on beyond the stylus.
    s.shadow = {foot, along(foot, u, 35)};
    return s;
}

// ---- The check of the rules ------------------------------------------------------------------

bool Rule5IsBroken(double n, double incidenceDeg, double deviationDeg) {
    return n > 1 && deviationDeg > incidenceDeg / 2;
}

bool Rule6IsBroken(double n, double incidenceDeg, double deviationDeg) {
    return n < 1 && deviationDeg > (incidenceDeg + deviationDeg) / 2;
}

std::vector<RuleStep> CheckRules(double n) {
    std::vector<RuleStep> steps;
    for (int i = 1; i <= 90; ++i) {
        const std::optional<double> r = RefractionDeg(n, i), rNext = RefractionDeg(n, i + 1);
        if (!r || !rNext) continue;
        RuleStep s;
        s.incidence = i;
        s.refraction = *r;
        s.nextRefraction = *rNext;
        s.deviation = std::fabs(*r - i);
        s.nextDeviation = std::fabs(*rNext - (i + 1));
        s.rule5Broken = Rule5IsBroken(n, i, s.deviation);
        s.rule6Broken = Rule6IsBroken(n, i, s.deviation);
        steps.push_back(s);
    }
    return steps;
}

std::array<StyledLine, 4> StepCurves(const RuleStep& s) {
    const int width = s.rule5Broken || s.rule6Broken ? 3 : 1;
    const double i = s.incidence, i2 = s.incidence + 1;
    const auto line = [width](Point a, Point b, CurveLook look) {
        return StyledLine{a, b, look.colour, width, look.style};
    };
    return {line({i, s.refraction}, {i2, s.nextRefraction}, kRefractionCurve),
            line({i, s.deviation}, {i2, s.nextDeviation}, kDeviationCurve),
            line({i, i / 2}, {i2, i2 / 2}, kHalfIncidenceCurve),
            line({i, (i + s.deviation) / 2}, {i2, (i2 + s.nextDeviation) / 2}, kMeanCurve)};
}
