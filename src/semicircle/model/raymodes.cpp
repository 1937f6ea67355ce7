#include "semicircle/model/raymodes.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "shell/model/mathconst.h"

double RandomFraction() {
    // Reseeded from the clock at every draw, so two runs never share their settings.
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    std::mt19937_64 generator(seed);
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

double RandomUnit() {
    return 2 * RandomFraction() - 1;
}

double RandomTilt() {
    return 11 * RandomFraction() - 5;
}

std::optional<double> krisimi(const Semicircle& s) {
    constexpr double kLastProbe = 89.9999;
    // Bisect on the change from light refracted out through the flat face to light totally
    // reflected there.
    auto refractedOut = [&s](double deg) {
        return !TotallyReflectedAtFlatFace(TraceRay(s, deg).path);
    };
    double a = 5, step = 1;
    int halvings = 0;
    while (true) {
        if (a >= kLastProbe) return std::nullopt;
        // From 90 degrees on the light runs along the flat face or comes in from the other
        // side: the search stays short of it.
        const double next = std::min(a + step, kLastProbe);
        if (refractedOut(a) != refractedOut(next)) {
            step /= 2;
            ++halvings;
        } else {
            a = next;
        }
        if (step < 0.00001 || halvings > 20) return a;
    }
}

Point ToLocal(double cx, double cy, double px, double py, double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    return {static_cast<float>((px - cx) * c + (py - cy) * s),
            static_cast<float>(-(px - cx) * s + (py - cy) * c)};
}

Point ToWorld(double cx, double cy, double u, double v, double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    return {static_cast<float>(cx + u * c - v * s), static_cast<float>(cy + u * s + v * c)};
}

double DirectionAngle(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    if (dx == 0) return dy > 0 ? PI / 2 : (dy < 0 ? -PI / 2 : 0);
    const double a = std::atan(dy / dx);
    if (dx > 0) return a;
    return dy >= 0 ? a + PI : a - PI;
}

std::vector<Point> TraceFreeRay(const Semicircle& s, const FreeRay& fr) {
    const double n = s.indexN;
    const double R = s.radiusR;
    const double critExit = n > 1 ? std::asin(1 / n) : 2 * PI;
    const double critEnter = n < 1 ? std::asin(n) : 2 * PI;

    // In this frame the flat face is the line u = 0, |v| <= R, and the glass lies at u > 0.
    const float cx = static_cast<float>(s.xc), cy = static_cast<float>(s.yc);
    const double frame = s.semiDirection == 1 ? s.tilt + PI : s.tilt;
    const Point a = ToLocal(cx, cy, fr[0], fr[1], frame);
    const Point b = ToLocal(cx, cy, fr[2], fr[3], frame);

    std::vector<Point> out;
    out.reserve(64);
    out.push_back({fr[0], fr[1]});
    double px = a.x, py = a.y;
    double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    const double len = std::hypot(dx, dy);
    if (len == 0 || !(R > 0)) return out;
    dx /= len;
    dy /= len;

    const double eps = 1e-9 * R; // a crossing closer than this is the one just made
    double step = R / 35;
    bool afterReflection = false;
    for (int counter = 1; counter <= 500; ++counter) {
        // The beams start on the window edge itself: only a marched point can leave.
        const Point w = ToWorld(cx, cy, px, py, frame);
        if (counter > 1 && (w.x >= 200 || w.x <= -200 || w.y <= -200 || w.y >= 400)) break;

        // The nearest face crossed within this step, if any.
        double tau = step;
        int face = 0; // 1 flat, 2 arc
        if (dx != 0) {
            const double t = -px / dx;
            if (t > eps && t <= tau && std::fabs(py + t * dy) <= R) {
                tau = t;
                face = 1;
            }
        }
        const double bq = px * dx + py * dy;
        const double disc = bq * bq - (px * px + py * py - R * R);
        if (disc >= 0) {
            const double sq = std::sqrt(disc);
            for (const double t : {-bq - sq, -bq + sq}) {
                if (t > eps && (t < tau || (face == 0 && t <= tau)) && px + t * dx >= 0) {
                    tau = t;
                    face = 2;
                    break;
                }
            }
        }

        px += tau * dx;
        py += tau * dy;
        out.push_back(ToWorld(cx, cy, px, py, frame));
        if (face == 0) {
            if (afterReflection) {
                step = R / 25;
                afterReflection = false;
            }
            continue;
        }

        // Normal of the face, turned to point along the ray.
        double nx = -1, ny = 0;
        if (face == 2) {
            const double r = std::hypot(px, py);
            nx = px / r;
            ny = py / r;
        }
        const bool entering = dx * nx + dy * ny < 0; // the outward normal faces the ray
        if (entering) {
            nx = -nx;
            ny = -ny;
        }
        const double normal = DirectionAngle(0, 0, nx, ny);
        double i = DirectionAngle(0, 0, dx, dy) - normal;
        if (i > PI)
            i -= 2 * PI;
        else if (i <= -PI)
            i += 2 * PI;
        if (std::fabs(i) >= (entering ? critEnter : critExit)) {
            const double dot = dx * nx + dy * ny;
            dx -= 2 * dot * nx;
            dy -= 2 * dot * ny;
            const double l = std::hypot(dx, dy);
            dx /= l;
            dy /= l;
            step = R / 175; // a fifth of the first step, to leave the face cleanly
            afterReflection = true;
        } else {
            const double sr = std::clamp(entering ? std::sin(i) / n : n * std::sin(i), -1.0, 1.0);
            const double outAngle = normal + std::asin(sr);
            dx = std::cos(outAngle);
            dy = std::sin(outAngle);
            step = R / 25;
            afterReflection = false;
        }
    }
    return out;
}

std::array<FreeRay, 46> FanRays(const Semicircle& s, float X, float Y) {
    std::array<FreeRay, 46> rays{};
    const double d = s.radiusR / 20;
    for (int k = 0; k <= 180; k += 4) {
        const double a = k * PI / 180;
        rays[k / 4] = {X, Y, static_cast<float>(X - d * std::cos(a)),
                       static_cast<float>(Y + d * std::sin(a))};
    }
    return rays;
}

std::vector<FreeRay> ParallelBeamRays(const Semicircle& s, bool fromLeft) {
    std::vector<FreeRay> rays;
    const double R = s.radiusR;
    const double step = std::fabs(R) / 8;
    if (!(step > 0)) return rays;
    const float x1 = fromLeft ? -200 : 200, x2 = fromLeft ? -190 : 190;
    // Counting the rays keeps the heights exact: 4R, 4R - R/8, ... down to just above -4R.
    for (int k = 0;; ++k) {
        const double y = 4 * R - k * step;
        if (!(y > -4 * R)) break;
        rays.push_back({x1, static_cast<float>(y), x2, static_cast<float>(y)});
    }
    return rays;
}

std::optional<double> MeanIndexError(const std::vector<double>& measured, double n) {
    if (measured.empty() || n == 0) return std::nullopt;
    double sum = 0;
    for (const double y : measured) sum += (y - n) * (y - n);
    return 100 * std::sqrt(sum / static_cast<double>(measured.size())) / n;
}

std::vector<ErrorPoint> MeanErrorCurve(const Semicircle& s) {
    std::vector<ErrorPoint> curve;
    const double n = s.indexN;
    if (n == 0) return curve;
    curve.reserve(67);
    Semicircle trial = s;
    for (int r = 14; r <= 146; r += 2) {
        trial.radiusR = r;
        double sum = 0;
        int measured = 0;
        for (const double angle : kSweepAngles) {
            const RayTrace t = TraceRay(trial, angle);
            if (!t.indexMeasured) continue;
            sum += (t.measuredIndex - n) * (t.measuredIndex - n);
            ++measured;
        }
        const double error = measured > 0 ? 100 * std::sqrt(sum / measured) / n
                                          : std::numeric_limits<double>::quiet_NaN();
        curve.push_back({double(r), error});
    }
    return curve;
}
