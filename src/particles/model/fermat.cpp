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
    // Hero: both ends on one side, the crossing body on the surface, equal angles.
    if (side > 0 && std::fabs(p3.y - surface) < 0.5 &&
        std::fabs(std::fabs(p2.y - p3.y) / v.d2 - std::fabs(p1.y - p3.y) / v.d1) < 0.05) {
        v.law = PathVerdict::Hero;
        v.colour = {255, 0, 0};
        v.caption = "Time of movement from  magenta through blue to  GREEN" + tail +
                    "            total distance = " + total + "      Νόμος Ήρωνος";
        return v;
    }
    if (!fermatTicked || !(side < 0) || !((p3.x - p2.x) * (p1.x - p3.x) > 0)) return v;
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
    const double x0 = std::min(out.upper.x, out.lower.x);
    const double step = std::fabs(out.upper.x - out.lower.x) / 500;
    const auto time = [&](double x) {
        return std::hypot(x - out.upper.x, surface - out.upper.y) +
               std::hypot(x - out.lower.x, surface - out.lower.y) / (1 / n);
    };
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
    return out;
}
