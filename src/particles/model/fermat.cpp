#include "particles/model/fermat.h"

#include "shell/model/numfmt.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kShortest = 1e-9; // a segment shorter than this has no direction
bool usableSpeed(double c) { return std::isfinite(c) && c > 0; }
} // namespace

double FermatSpeed2(FermatLaw law, double c1, double n, double currentC2) {
    double c2 = currentC2;
    if (law == FermatLaw::Descartes) c2 = n * c1;
    if (law == FermatLaw::Fermat) c2 = c1 / n;
    return usableSpeed(c2) ? c2 : (usableSpeed(currentC2) ? currentC2 : c1);
}

bool SameSide(Point p1, Point p2, double H) { return !((p1.y - H / 2) * (p2.y - H / 2) < 0); }

PathVerdict EvaluatePath(Point p1, Point p2, Point p3, double H, double c1, double c2, double n,
                         bool fermatTicked, const std::string& firstCaption) {
    PathVerdict v;
    const double surface = H / 2;
    v.d1 = std::hypot(p3.x - p1.x, p3.y - p1.y);
    v.d2 = std::hypot(p3.x - p2.x, p3.y - p2.y);
    if (!usableSpeed(c1)) c1 = 1;
    if (!usableSpeed(c2)) c2 = c1;
    const auto speed = [&](Point p) { return p.y > surface ? c1 : c2; };
    v.time = v.d1 / speed(p1) + v.d2 / speed(p2);
    v.caption = firstCaption + Format(v.time, "0.00");
    const bool directions = v.d1 > kShortest && v.d2 > kShortest;
    if (!directions || !std::isfinite(v.time)) return v;
    const std::string tail = Format(v.time, "0.00");
    const std::string total = Format(v.d1 + v.d2, "0.00");
    const double side = (p1.y - surface) * (p2.y - surface);
    // Hero: both ends on one side, on opposite sides of the normal at the crossing body (a
    // path folded back along itself is no reflection), the crossing body on the surface,
    // equal angles.
    if (side > 0 && (p1.x - p3.x) * (p2.x - p3.x) < 0 && std::fabs(p3.y - surface) < 0.5 &&
        std::fabs(std::fabs(p2.y - p3.y) / v.d2 - std::fabs(p1.y - p3.y) / v.d1) < 0.05) {
        v.law = PathVerdict::Hero;
        v.colour = {255, 0, 0};
        v.caption = "Time of movement from  magenta through blue to  GREEN" + tail +
                    "            total distance = " + total + "      Νόμος Ήρωνος";
        return v;
    }
    // The crossing between the two ends across, or under them both: the vertical path through
    // two ends one above the other is the least-time path too.
    if (!fermatTicked || !(side < 0) || !((p3.x - p2.x) * (p1.x - p3.x) >= 0)) return v;
    const double s1 = std::fabs(p1.x - p3.x) / v.d1, s2 = std::fabs(p2.x - p3.x) / v.d2;
    bool holds = false;
    if (p1.y > surface)
        holds = std::fabs(n * s2 - s1) < 0.05;
    else if (p2.y > surface)
        holds = std::fabs(s2 - n * s1) < 0.05;
    if (!holds) return v;
    v.law = PathVerdict::Fermat;
    v.colour = {0, 255, 0};
    v.width = 5;
    v.caption = "Time of movement from  magenta through blue to  GREEN" + tail +
                "             total distance = " + total + "      Παράδειγμα αρχής Fermat";
    return v;
}

LeastTime FindLeastTime(Point p1, Point p2, double H, double n) {
    LeastTime out;
    const double surface = H / 2;
    if (SameSide(p1, p2, H) || !(n > 0) || !std::isfinite(n)) return out;
    out.found = true;
    out.upper = p1.y > surface ? p1 : p2;
    out.lower = p1.y > surface ? p2 : p1;
    const Point u = out.upper, d = out.lower;
    const double x0 = std::min(u.x, d.x), x1 = std::max(u.x, d.x);
    const double step = (x1 - x0) / 500;
    const auto time = [&](double x) {
        return std::hypot(x - u.x, surface - u.y) + std::hypot(x - d.x, surface - d.y) / (1 / n);
    };
    // The 500 candidates; the first of the least times wins.
    out.xMin = x0;
    out.tMin = time(x0);
    for (int i = 1; i <= 500; ++i) {
        const double x = x0 + (i - 1) * step;
        const double t = time(x);
        if (t < out.tMin) {
            out.tMin = t;
            out.xMin = x;
        }
    }
    // The time is flat at its least, so a search on it stops short; its slope along the
    // surface, sin i - n sin r, grows steadily from x0 (where it is not above 0) to x1 (not
    // below 0) and is 0 exactly where Snell's law holds. The least candidate's neighbours hold
    // that point between them; halving there runs down to neighbouring doubles.
    const auto slope = [&](double x) {
        return (x - u.x) / std::hypot(x - u.x, surface - u.y) +
               n * (x - d.x) / std::hypot(x - d.x, surface - d.y);
    };
    double lo = std::max(x0, out.xMin - step), hi = std::min(x1, out.xMin + step);
    if (slope(lo) > 0) lo = x0;
    if (slope(hi) < 0) hi = x1;
    for (int k = 0; k < 2200; ++k) { // ends at neighbouring doubles long before the bound
        const double mid = lo + (hi - lo) / 2;
        if (!(mid > lo && mid < hi)) break;
        (slope(mid) < 0 ? lo : hi) = mid;
    }
    out.xMin = std::fabs(slope(lo)) <= std::fabs(slope(hi)) ? lo : hi;
    out.tMin = time(out.xMin);
    return out;
}
