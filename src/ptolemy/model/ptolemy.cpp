#include "ptolemy/model/ptolemy.h"

#include "data/model/historical.h"
#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kDeg = PI / 180;

// arcsin as the program computes it, atan(s / sqrt(1 - s^2)), in degrees; s within -1 ... 1.
double ArcSinDeg(double s) {
    if (s >= 1) return 90;
    if (s <= -1) return -90;
    return std::atan(s / std::sqrt(1 - s * s)) / kDeg;
}
} // namespace

double ToHalfDegree(double x) {
    const double f = std::floor(x);
    const double d = x - f;
    if (d >= 0.5) return f + 1;
    if (d > 0.25) return f + 0.5;
    return f;
}

PtolemyTable MainTable(PtolemyMedium medium) {
    if (medium == PtolemyMedium::Water) {
        // His own table, with the origin in front.
        PtolemyTable t{{0}, {0}, 1.3333};
        for (std::size_t k = 0; k < kPtolemyWater.size(); ++k) {
            t.incidence.push_back(10.0 * (k + 1));
            t.refraction.push_back(kPtolemyWater[k]);
        }
        return t;
    }
    return {{10, 20, 30, 40, 50, 60, 70, 80}, {kPtolemyGlass.begin(), kPtolemyGlass.end()}, 1.52};
}

PtolemyTable RebuildTable(PtolemyMedium medium) {
    if (medium == PtolemyMedium::Water)
        return {{10, 20, 30, 40, 50, 60, 70, 80},
                {kPtolemyWater.begin(), kPtolemyWater.end()},
                1.333333333};
    return MainTable(PtolemyMedium::Glass);
}

double ExpectedRefraction(double incidenceDeg, double n) {
    return ArcSinDeg(std::sin(incidenceDeg * kDeg) / n);
}

double AnalogyRatio(const PtolemyTable& t) { return t.refraction[1] / t.incidence[1]; }

int PairFromAnswer(const std::string& answer) {
    const double v = Val(answer);
    if (v > 7) return 7; // a huge number too
    if (!(v >= 1)) return 1;
    return int(v); // a fraction counts by its whole part
}

PtolemyRebuild RebuildFromPair(PtolemyMedium medium, int pair) {
    PtolemyRebuild r;
    r.table = RebuildTable(medium);
    r.pair = std::clamp(pair, 1, 7);
    const int N = r.table.last(), I = r.pair;
    for (int k = 0; k <= N; ++k)
        r.expected.push_back(ToHalfDegree(ExpectedRefraction(r.table.incidence[k], r.table.n)));
    r.rebuilt.assign(N + 1, 0);
    double a = r.expected[I - 1], b = r.expected[I];
    if (medium == PtolemyMedium::Glass && I == 1) { // Ptolemy's own first pair
        a = 7;
        b = 13.5;
    }
    r.rebuilt[I - 1] = a;
    r.rebuilt[I] = b;
    double d = b - a;
    for (int k = I + 1; k <= N; ++k) {
        d -= 0.5;
        r.rebuilt[k] = r.rebuilt[k - 1] + d;
    }
    d = b - a;
    for (int k = I - 2; k >= 0; --k) {
        d += 0.5;
        r.rebuilt[k] = r.rebuilt[k + 1] - d;
    }
    r.analogy = r.rebuilt[I - 1] / r.table.incidence[I - 1];
    return r;
}

std::optional<double> AirAngle(double waterDeg) {
    const double s = kPtolemyWaterIndex * std::sin(waterDeg * kDeg);
    if (!std::isfinite(s) || std::fabs(s) > 1) return std::nullopt;
    return ArcSinDeg(s);
}

Point ExpectedAirAngle(double x, double y) {
    if (!(std::fabs(x) + std::fabs(y) > 0)) return {0, kPtolemyRadius};
    const double theta = PI / 2 - std::fabs(std::atan2(std::fabs(y), std::fabs(x)));
    const double w = ArcSinDeg(std::sin(theta) / kPtolemyWaterIndex) * kDeg;
    const double side = x < 0 ? -1 : 1;
    return {side * kPtolemyRadius * std::sin(w), kPtolemyRadius * std::cos(w)};
}

namespace {
PtolemyRay Ray(double waterDeg) {
    PtolemyRay r;
    r.water = waterDeg;
    r.air = AirAngle(waterDeg).value_or(90);
    const double w = waterDeg * kDeg, a = r.air * kDeg;
    r.target = {kPtolemyRadius * std::sin(w), -kPtolemyRadius * std::cos(w)};
    r.exit = {-kPtolemyRadius * std::sin(a), kPtolemyRadius * std::cos(a)};
    return r;
}
double Finite(double v, double fallback) { return std::isfinite(v) ? v : fallback; }
} // namespace

PtolemyScene ComputePtolemyScene(double waterDeg, double tauDeg, double p) {
    PtolemyScene s;
    s.w = std::clamp(std::round(Finite(waterDeg, 30)), 1.0, 88.0);
    s.tau = std::clamp(Finite(tauDeg, 0.5), 0.5, 10.0);
    p = std::clamp(Finite(p, 0.5), -2.0, 3.0);
    // No ray leaves the water beyond about 48.75 degrees: lower the angle a degree at a time.
    while (!AirAngle(s.w) && s.w > 1) {
        s.w -= 1;
        s.lowered = true;
    }
    // The target's far edge must see the air too.
    while (!AirAngle(s.w + s.tau / 2) && s.w > 1) {
        if (!s.edgeMessage) {
            const double edge = s.w + s.tau / 2;
            s.edgeMessage = "ANGLE OF INCIDENCE 2 IN WATER γωνία πρόσπτωσης 2 στο νερό = " +
                            Format(edge, "0.0") + "  SIN ημιτονο = " +
                            Format(kPtolemyWaterIndex * std::sin(edge * kDeg), "0.0");
        }
        s.w -= 1;
        s.lowered = true;
    }
    s.centre = Ray(s.w);
    s.lowerEdge = Ray(s.w - s.tau / 2);
    s.upperEdge = Ray(s.w + s.tau / 2);

    // The body in air, as wide as the target seen from E: at p = 0 on the straight line from
    // the target through E, at p = 1 on the refracted ray, and so on beyond; kept in the air.
    const double a = s.centre.air;
    s.bodyCentre = std::clamp(s.w + p * (a - s.w), -89.0, 89.0);
    s.bodyFrom = s.bodyCentre - s.tau / 2;
    s.bodyTo = s.bodyCentre + s.tau / 2;
    s.covers = std::fabs(s.bodyCentre - a) <= s.tau / 2;
    const double c = s.bodyCentre * kDeg;
    s.body = {-kPtolemyRadius * std::sin(c), kPtolemyRadius * std::cos(c)};
    s.expectedMark = ExpectedAirAngle(s.body.x, s.body.y);

    // What the observer sees, around the target's expected direction, magnified as through a
    // sighting tube so that the target always looks about four units high; what lies beyond
    // the view's edge is not seen.
    const double magnification = 4 / s.tau;
    const auto seen = [a, magnification](double deg) {
        return std::clamp((deg - a) * magnification, -20.0, 20.0);
    };
    s.targetLow = seen(s.lowerEdge.air);
    s.targetHigh = seen(s.upperEdge.air);
    s.bodyLow = seen(s.bodyFrom);
    s.bodyHigh = seen(s.bodyTo);

    const std::string limits = Format(s.bodyFrom, "0.00") + "°-" + Format(s.bodyTo, "0.00") + "°";
    if (s.covers)
        s.label2 = "BODY'S POSITION IN  AIR θέση σώματος στον αέρα=" + limits + "αναμενόμενη =" +
                   Format(a, "0.0") + "°" + "MEAN μέσος =" + Format(s.bodyCentre, "0.0") + "°";
    else
        s.label2 = "BODY'S POSITION IN AIR θέση σώματος στον αέρα=" + limits +
                   "EXPECTED αναμενόμενη =" + Format(a, "0.0") + "°";
    return s;
}
