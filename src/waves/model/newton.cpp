// Newton's particle tracks. A particle moves at speed 1 above the surface and at speed n below
// it. Inside the force layer its velocity along the surface is kept and its velocity across
// the surface changes under one constant acceleration, the one that gives it speed n at the
// layer's lower edge: a = (n^2 - 1) / (2 (yL - yS)). Where sin i / n >= 1 the same force turns
// it back inside the layer and it leaves upwards, mirrored.
//
// Because the along-surface velocity never changes, a constant step in x is a constant step in
// time: point k of a track is the particle's place at time (k - 1) dt. With dt = 1 a point is
// one unit of path apart above the surface, so particles 100 points apart are one lambda1
// apart on the incident ray.
#include "waves/model/newton.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"
#include "waves/model/interpretation.h"

double ArcHeight(double y0, double vy, double vx, double a, double x0, double x) {
    const double t = (x - x0) / vx;
    return y0 + vy * t + a / 2 * t * t;
}

double AccelToPoint(double vx, double vy, double x1, double x0, double y1, double y0) {
    const double dx = x1 - x0;
    return 2 * vx * (vx * (y1 - y0) - vy * dx) / (dx * dx);
}

double AccelToSlope(double m, double vy, double vx, double y1, double y0) {
    // Under a constant acceleration the squares of the across velocities differ by 2 a dy.
    const double vyEnd = vx * m;
    return (vyEnd - vy) * (vyEnd + vy) / (2 * (y1 - y0));
}

namespace {

constexpr Rgb kLayerColour{200, 150, 90};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kReflectedLine{55, 30, 195};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kSecondLayerLine{95, 150, 120};

// A track keeps at most this many points: enough for a smooth parabola, few enough to draw in
// a moment. Where a track is longer the time step grows.
constexpr int kMostPoints = 1500;
constexpr int kLastSlot = NewtonTracks::kLastSlot;

constexpr double kInf = std::numeric_limits<double>::infinity();

// One stretch of a track: from time t0 on, the particle starts at `at` with velocity (vx, vy)
// and the across-surface acceleration a (bent: inside a force layer).
struct Stretch {
    double t0 = 0;
    Point at;
    double vx = 0, vy = 0, a = 0;
    bool bent = false;
};

Point At(const Stretch& s, double t) {
    const double tau = t - s.t0;
    const double x = s.at.x + s.vx * tau;
    if (s.bent && s.vx > 0) return {x, ArcHeight(s.at.y, s.vy, s.vx, s.a, s.at.x, x)};
    return {x, s.at.y + s.vy * tau + s.a / 2 * tau * tau};
}

// The picture of the particle window: x from 0 to W, y from -0.15 H to H.
struct Frame {
    double right = 0, bottom = 0, top = 0;
};

// The time at which the track leaves the picture (through the right edge, or through the top
// or the bottom on a straight stretch; a bent stretch stays inside its layer's band).
double LeaveTime(const std::vector<Stretch>& parts, const Frame& f) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Stretch& p = parts[i];
        const double next = i + 1 < parts.size() ? parts[i + 1].t0 : kInf;
        double leave = kInf;
        if (p.vx > 0) leave = std::min(leave, (f.right - p.at.x) / p.vx);
        if (!p.bent) {
            if (p.vy < 0) leave = std::min(leave, (p.at.y - f.bottom) / -p.vy);
            if (p.vy > 0) leave = std::min(leave, (f.top - p.at.y) / p.vy);
        }
        leave = p.t0 + std::max(0.0, leave);
        if (leave < next) return leave;
    }
    return parts.back().t0;
}

struct Track {
    std::vector<Stretch> parts;
    double end = 0;
};

// Stores the track's points 1, 2, ... at the times (k - 1) dt up to its end, at most kLastSlot
// of them (element 0 stays empty). `part` receives the stretch of every stored point. Returns
// the number of points.
int StoreTrack(const Track& tr, double dt, std::vector<double>& xs, std::vector<double>& ys,
               std::vector<int>& part) {
    const double count = std::floor(tr.end / dt) + 1;
    const int n = static_cast<int>(std::clamp(count, 1.0, double(kLastSlot)));
    part.assign(n + 1, 0);
    xs.assign(n + 1, 0.0);
    ys.assign(n + 1, 0.0);
    std::size_t idx = 0;
    for (int k = 1; k <= n; ++k) {
        const double t = (k - 1) * dt;
        while (idx + 1 < tr.parts.size() && t >= tr.parts[idx + 1].t0)
            ++idx;
        const Point p = At(tr.parts[idx], t);
        xs[k] = p.x;
        ys[k] = p.y;
        part[k] = static_cast<int>(idx);
    }
    return n;
}

// The crossing of one force layer from `entry` (top edge) down towards the height yEdge:
// across velocity vyIn at the entry, vyOut at the far edge (or, turning back, -vyIn at the
// entry height again).
struct Crossing {
    double a = 0, time = 0;
    Point exit;
    double vyOut = 0;
    double mismatch = 0; // |height of the arc at the exit x - the exit height|
};

Crossing CrossLayer(Point entry, double vx, double vyIn, double yEdge, double vyOut, bool turns,
                    double n) {
    Crossing c;
    const double dy = yEdge - entry.y;
    if (turns) {
        // The force that would give speed n at the edge; the particle stops short of the edge.
        c.a = (n * n - 1) / (2 * dy);
        c.time = 2 * -vyIn / c.a;
        c.exit = {entry.x + vx * c.time, entry.y};
        c.vyOut = -vyIn;
    } else {
        c.a = (vyOut - vyIn) * (vyOut + vyIn) / (2 * dy);
        c.time = 2 * dy / (vyIn + vyOut);
        c.exit = {entry.x + vx * c.time, yEdge};
        c.vyOut = vyOut;
    }
    // Measured from the entry, so that an entry far along the surface costs no digits.
    const double arc = vx > 0 ? ArcHeight(entry.y, vyIn, vx, c.a, 0, vx * c.time)
                              : entry.y + vyIn * c.time + c.a / 2 * c.time * c.time;
    c.mismatch = std::fabs(arc - c.exit.y);
    return c;
}

// Everything both scenes share: the scale, the angles, the layer and the incident stretch.
struct Scene {
    bool usable = false;
    double W = 0, right = 0, H = 0, yS = 0, yL = 0, n = 1;
    double vx = 0, vy = 0; // incident velocity
    bool turns = false;    // sin i / n >= 1: the layer sends the particle back
    double vyBelow = 0;    // across velocity below the surface, -n cos r
    Point start, entry;
    double entryTime = 0;
    Frame frame;
    Crossing layer;
};

Scene SetUp(const NewtonInputs& in, NewtonScene& out) {
    Scene sc;
    sc.W = in.scaleW;
    sc.H = in.scaleH;
    sc.right = sc.W;
    const int value = std::clamp(in.newtonValue, 1, 10);
    const double k = value / 50.0 + 1;
    sc.yS = 5.0 / 8 * sc.H;
    sc.yL = k * sc.H / 2;
    out.label7 = "Πάχος στρώματος = " + Format(sc.yS - sc.yL, "0.00");

    sc.n = in.n;
    const bool nUsable = sc.n > 0 && std::isfinite(sc.n);
    if (nUsable) {
        if (const auto critical = CriticalAngleDeg(sc.n, 1)) out.criticalDeg = *critical;
    }
    if (!nUsable || !std::isfinite(in.incDeg) || !(sc.W > 0) || !(sc.H > 0)) return sc;
    sc.usable = true;

    const double incDeg = std::clamp(in.incDeg, 0.0, 90.0);
    out.incDeg = incDeg;
    const double incRad = incDeg * PI / 180;
    const double sinI = std::sin(incRad), cosI = std::cos(incRad);
    const double x = sinI / sc.n;
    sc.turns = !(x < 1) && sc.n < 1;
    const double refrRad = x < 1 ? std::atan(x / std::sqrt(1 - x * x)) : PI / 2;

    sc.vx = sinI;
    sc.vy = -cosI;
    sc.vyBelow = -sc.n * std::cos(refrRad);
    sc.right = std::isfinite(in.pictureRight) ? std::max(sc.W, in.pictureRight) : sc.W;
    sc.frame = {sc.right, -0.15 * sc.H, sc.H};

    // From the top-left corner to the surface; a steep track whose entry would lie beyond the
    // middle of the picture enters at the middle, coming in from the left edge.
    const double reach = (sc.H - sc.yS) * std::tan(incRad);
    if (reach <= sc.W / 2) {
        sc.start = {0, sc.H};
        sc.entry = {reach, sc.yS};
    } else {
        sc.start = {0, sc.yS + sc.W / 2 * cosI / sinI};
        sc.entry = {sc.W / 2, sc.yS};
    }
    sc.entryTime = std::hypot(sc.entry.x - sc.start.x, sc.start.y - sc.entry.y);
    sc.layer = CrossLayer(sc.entry, sc.vx, sc.vy, sc.yL, sc.vyBelow, sc.turns, sc.n);
    return sc;
}

Stretch Straight(double t0, Point at, double vx, double vy) { return {t0, at, vx, vy, 0, false}; }

// Incident stretch, layer, and the straight stretch after the layer (down at the refraction
// angle, or up at the incidence angle when the layer turned the particle back).
std::vector<Stretch> OneLayerParts(const Scene& sc) {
    const double tLayer = sc.entryTime + sc.layer.time;
    return {Straight(0, sc.start, sc.vx, sc.vy),
            {sc.entryTime, sc.entry, sc.vx, sc.vy, sc.layer.a, true},
            Straight(tLayer, sc.layer.exit, sc.vx, sc.layer.vyOut)};
}

// The share of particles the surface reflects: up at the incidence angle from the entry point.
Track SurfaceReflection(const Scene& sc) {
    Track t;
    t.parts = {Straight(0, sc.start, sc.vx, sc.vy),
               Straight(sc.entryTime, sc.entry, sc.vx, -sc.vy)};
    t.end = LeaveTime(t.parts, sc.frame);
    return t;
}

double StepFor(double longestEnd) { return std::max(1.0, longestEnd / (kMostPoints - 1)); }

Point Stored(const NewtonTracks& s, int k, bool second) {
    return second ? Point{s.trackD[k], s.trackB[k]} : Point{s.trackC[k], s.trackA[k]};
}

DrawItem Item(DrawItem::Kind kind, Point a, Point b, std::optional<Rgb> c, int width) {
    DrawItem item;
    item.kind = kind;
    item.a = a;
    item.b = b;
    item.colour = c;
    item.width = width;
    return item;
}
DrawItem Box(Point a, Point b) { return Item(DrawItem::FilledBox, a, b, kLayerColour, 1); }
DrawItem Line(Point a, Point b, std::optional<Rgb> c, int width = 1) {
    return Item(DrawItem::Line, a, b, c, width);
}
DrawItem Dot(Point a, std::optional<Rgb> c, int width) {
    return Item(DrawItem::Dot, a, {}, c, width);
}

} // namespace

NewtonScene NewtonOneLayer(const NewtonInputs& in) {
    NewtonScene out;
    const Scene sc = SetUp(in, out);
    if (sc.n < 1 && sc.n > 0) out.label5 = "κρίσιμη γωνία = " + Format(out.criticalDeg, "0.00");
    if (!sc.usable) return out;
    NewtonTracks& s = out.tracks;
    Track first;
    first.parts = OneLayerParts(sc);
    first.end = LeaveTime(first.parts, sc.frame);
    const Track second = SurfaceReflection(sc);
    const double dt = StepFor(std::max(first.end, second.end));
    std::vector<int> part1, part2;
    const int n1 = StoreTrack(first, dt, s.trackC, s.trackA, part1);
    const int n2 = StoreTrack(second, dt, s.trackD, s.trackB, part2);
    out.trackPoints = std::max(n1, n2);
    out.firstPoints = n1;
    out.secondPoints = n2;
    out.exitMismatch = sc.layer.mismatch;

    Drawing& d = out.drawing;
    d.reserve(n1 + n2 + 8);
    d.push_back(Box({0, 0}, {sc.right, sc.yS}));
    d.push_back(Box({0, 0}, {sc.right, -0.4 * sc.H}));
    d.push_back(Line(sc.start, sc.entry, std::nullopt));
    // Inside the layer: the points; after it: the stored points joined, from the exit on.
    Point previous = sc.layer.exit;
    for (int k = 1; k <= n1; ++k) {
        const Point p = Stored(s, k, false);
        if (part1[k] == 1) d.push_back(Dot(p, std::nullopt, 3));
        if (part1[k] == 2) {
            d.push_back(Line(previous, p, kGreen));
            previous = p;
        }
    }
    // The reflected share: its points, and the reflected ray as one line.
    int lastReflected = 0;
    for (int k = 1; k <= n2; ++k) {
        if (part2[k] != 1) continue;
        d.push_back(Dot(Stored(s, k, true), kRed, 1));
        lastReflected = k;
    }
    if (lastReflected > 0)
        d.push_back(Line(sc.entry, Stored(s, lastReflected, true), kReflectedLine));
    return out;
}

NewtonSlab NewtonParallel(const NewtonInputs& in) {
    NewtonSlab out;
    const Scene sc = SetUp(in, out);
    out.meso2Top = in.scaleH / 2;
    out.meso2Height = 1.5 * std::fabs(in.scaleH) / 2;
    if (!sc.usable) return out;
    NewtonTracks& s = out.tracks;
    // The slab runs from the surface yS down to y = 0; its second layer, as thick as the
    // first, lies below y = 0, where the particle gets its speed 1 back.
    const double thickness = sc.yS - sc.yL;
    Track track;
    track.parts = OneLayerParts(sc);
    Crossing second;
    bool crossesSlab = !sc.turns && sc.layer.vyOut < 0;
    if (crossesSlab) {
        const Stretch& slab = track.parts.back();
        const double toFloor = slab.at.y / -slab.vy;
        const Point entry2{slab.at.x + slab.vx * toFloor, 0};
        second = CrossLayer(entry2, sc.vx, slab.vy, -thickness, sc.vy, false, sc.n);
        const double t2 = slab.t0 + toFloor;
        track.parts.push_back({t2, entry2, sc.vx, slab.vy, second.a, true});
        track.parts.push_back(Straight(t2 + second.time, second.exit, sc.vx, second.vyOut));
    }
    track.end = LeaveTime(track.parts, sc.frame);
    const Track reflected = SurfaceReflection(sc);
    const double dt = StepFor(std::max(track.end, reflected.end));
    std::vector<int> part1, part2;
    const int n1 = StoreTrack(track, dt, s.trackC, s.trackA, part1);
    const int n2 = StoreTrack(reflected, dt, s.trackD, s.trackB, part2);
    out.trackPoints = std::max(n1, n2);
    out.firstPoints = n1;
    out.secondPoints = n2;
    out.exitMismatch = std::max(sc.layer.mismatch, crossesSlab ? second.mismatch : 0.0);

    Drawing& d = out.drawing;
    d.reserve(n1 + 8);
    d.push_back(Box({0, 0}, {sc.right, sc.yS}));
    for (int k = 1; k <= n1; ++k)
        d.push_back(Dot(Stored(s, k, false), kRed, 1));
    // The construction of each bend: the tangents at the layer's two edges, which meet at the
    // middle of the crossing time; drawn where the particle leaves the layer on the picture.
    auto tangents = [&](const Stretch& bend, const Crossing& c, Rgb colour) {
        if (!(c.exit.x <= sc.right)) return;
        const Point meet{bend.at.x + bend.vx * c.time / 2, bend.at.y + bend.vy * c.time / 2};
        d.push_back(Line(bend.at, meet, colour));
        d.push_back(Line(meet, c.exit, colour));
    };
    tangents(track.parts[1], sc.layer, kBlue);
    if (crossesSlab) tangents(track.parts[3], second, kSecondLayerLine);
    return out;
}

double LayerAcceleration(double incRad, double refrRad, double /*a0*/, double a1, double a2,
                         double /*w*/, double h) {
    const double yS = 5.0 / 8 * h, yL = h / 2;
    if (!(std::fabs(a1) < std::fabs(a2))) return 0;
    const double vx = std::sin(incRad), vy = -std::cos(incRad);
    const double slope = -std::cos(refrRad) / std::sin(refrRad);
    const double a = AccelToSlope(slope, vy, vx, yL, yS);
    return std::isfinite(a) ? a : 0;
}
