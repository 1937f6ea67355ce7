#include "particles/model/particles.h"

#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kLambda1 = 100; // particles one wavelength of the wave scene apart
} // namespace

double ParticleSetUp::incRad() const { return incDeg * PI / 180; }

ParticleSetUp ParticleRefraction(double n, double panelIncDeg, bool timerCaption) {
    ParticleSetUp out;
    if (!(n > 0) || !std::isfinite(n)) n = 1;
    if (!std::isfinite(panelIncDeg)) panelIncDeg = 0;
    panelIncDeg = std::clamp(panelIncDeg, 0.0, 90.0);
    if (n < 1) {
        out.criticalDeg = std::asin(n) * 180 / PI;
        out.label5 = std::string(timerCaption ? "CRITICAL  ANGLE" : "CRITICAL ANGLE") +
                     " Κρίσιμη γωνία =" + Format(out.criticalDeg, "0.00");
    }
    out.incDeg = panelIncDeg;
    double x = std::sin(out.incRad()) / n;
    if (x >= 0.99) { // grazing guard
        out.incDeg = panelIncDeg - 0.001;
        x = std::sin(out.incRad()) / n;
    }
    out.refractedWave = x < 1;
    out.refrRad = out.refractedWave ? std::asin(x) : PI / 2;
    return out;
}

std::array<Point, kParticleSlots> ParticleColumn(double incRad, double W, double H, int count) {
    std::array<Point, kParticleSlots> column{};
    const int last = std::clamp(count, 0, kParticleSlots - 1);
    const double sinI = std::sin(incRad), cosI = std::cos(incRad);
    const double x0 = W / 2 - kLambda1 * sinI, y0 = H / 2 + kLambda1 * cosI;
    for (int i = 1; i <= last; ++i)
        column[i] = {x0 - kLambda1 * (i - 1) * sinI, y0 + kLambda1 * (i - 1) * cosI};
    return column;
}

SplitCounts ParticleSplit(const ParticleSetUp& s, double n, bool twoMinus) {
    if (!s.refractedWave) return {0, 10};
    const double i = s.incRad(), r = s.refrRad;
    const double sum = std::sin(i + r);
    double rS, tS;
    if (sum > 1e-12) {
        rS = std::sin(i - r) / sum;
        tS = 2 * std::sin(r) * std::cos(i) / sum;
    } else { // normal incidence: the limits
        rS = (1 - n) / (1 + n);
        tS = 2 / (1 + n);
    }
    if (twoMinus && n < 1) tS = 2 - tS;
    const auto tenths = [](double a) {
        const double v = std::fabs(10 * a);
        return std::isfinite(v) ? std::clamp(int(v), 0, 10) : 0;
    };
    return {tenths(tS), tenths(rS)};
}

DescartesStream StartDescartes(const ParticleSetUp& r, double W, double H) {
    DescartesStream d;
    const auto column = ParticleColumn(r.incRad(), W, H, kDescartesParticles);
    for (int i = 1; i <= kDescartesParticles; ++i)
        d.p[i].at = column[i];
    return d;
}

void StepDescartes(DescartesStream& d, const ParticleSetUp& s, double H, double n,
                   SplitCounts counts, double dt) {
    if (!(dt > 0) || !std::isfinite(dt)) return;
    const double surface = H / 2;
    const double sinI = std::sin(s.incRad()), cosI = std::cos(s.incRad());
    const double belowVy = -n * std::cos(s.refrRad);
    for (int i = 1; i <= kDescartesParticles; ++i) {
        StreamParticle& q = d.p[i];
        double left = dt;
        if (q.phase == StreamParticle::Coming) {
            q.vx = sinI;
            q.vy = -cosI;
            const double toSurface = q.at.y - surface;
            if (toSurface < cosI * dt) {
                // Reaches the surface within this tick (at once if the surface has moved up
                // past it, as when the window changed its size).
                const double t = cosI > 1e-12 ? std::max(0.0, toSurface / cosI) : 0.0;
                q.at = {q.at.x + sinI * t, surface};
                left = dt - t;
                const int m = counts.reflected == 0 ? 0 : i % 10;
                q.phase = m > counts.refracted || !s.refractedWave ? StreamParticle::Reflected
                                                                   : StreamParticle::Refracted;
            }
        }
        if (q.phase == StreamParticle::Refracted && s.refractedWave) {
            q.vx = sinI;
            q.vy = belowVy;
        }
        if (q.phase == StreamParticle::Reflected) {
            q.vx = sinI;
            q.vy = cosI;
        }
        q.at = {q.at.x + q.vx * left, q.at.y + q.vy * left};
        d.p[i] = q;
    }
    d.clock += dt;
}

bool DescartesGone(const DescartesStream& d, const StreamFrame& f) {
    for (int i = 1; i <= kDescartesParticles; ++i) {
        const StreamParticle& q = d.p[i];
        const bool beyondRight = q.at.x > f.right && q.vx >= 0;
        const bool beyondFloor = q.at.y < f.bottom && q.vy <= 0;
        const bool beyondTop = q.at.y > f.top && q.vy >= 0 && q.phase != StreamParticle::Coming;
        if (!(beyondRight || beyondFloor || beyondTop)) return false;
    }
    return true;
}

namespace {
bool OnFirstTrack(int i, int refractedCount) { return i % 10 < refractedCount; }
} // namespace

NewtonPlace NewtonParticle(const NewtonTracks& s, int i, double panelTime, int refractedCount,
                           int firstPoints, int secondPoints) {
    const bool refracted = OnFirstTrack(i, refractedCount);
    const std::vector<double>& xs = refracted ? s.trackC : s.trackD;
    const std::vector<double>& ys = refracted ? s.trackA : s.trackB;
    const int last = std::min(refracted ? firstPoints : secondPoints, int(xs.size()) - 1);
    if (last < 1 || !std::isfinite(panelTime)) return {};
    const double k = panelTime - 100.0 * i;
    if (k >= 1) {
        if (k > last) return {}; // beyond the track's end: out of the picture
        return {{xs[int(k)], ys[int(k)]}, true};
    }
    // Still on the way: on the incident line before the track's start, as far back as it is
    // behind in steps.
    const Point p1{xs[1], ys[1]};
    const Point p2 = last >= 2 ? Point{xs[2], ys[2]} : p1;
    return {{p1.x + (p2.x - p1.x) * (k - 1), p1.y + (p2.y - p1.y) * (k - 1)}, true};
}

double NewtonStreamEnd(int refractedCount, int firstPoints, int secondPoints) {
    double end = 0;
    for (int i = 1; i <= kDescartesParticles; ++i)
        end = std::max(end,
                       100.0 * i + (OnFirstTrack(i, refractedCount) ? firstPoints : secondPoints));
    return end;
}
