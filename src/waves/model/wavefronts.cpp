// The wave-front scene and the ray picture of the wave window.
//
// The picture runs from (0, 0) at the bottom-left to (right, H) at the top-right, and the
// surface is the line y = H / 2. Front i is the line y = h_i + x tan(i) above the surface,
// h_i = frontStart(i) - waveTime frontSpeed1; it meets the surface at x_i = (S - h_i) / tan(i).
// From that point the incident front runs up to the right at the incidence angle, the refracted
// one down to the left at the refraction angle and the reflected one up to the left. Each is
// drawn as the part of that half-line that lies on the picture.
#include <algorithm>
#include <cmath>
#include <limits>

#include "shell/model/mathconst.h"
#include "waves/model/interpretation.h"

namespace {

constexpr Rgb kIncidentColour{200, 100, 0};
constexpr Rgb kRefractedColour{0, 0, 255};
constexpr Rgb kReflectedColour{255, 0, 0};
// Coefficients below this draw no front.
constexpr double kLeastAmplitude = 0.05;
// The slope used for the crossing points when the incidence is not above 0: tan(0.001 degree).
// The incidence scroll bar starts at 1 degree, so only a state set by hand ever needs it.
const double kLeastSlope = std::tan(0.001 * PI / 180);
constexpr int kRays = 10;
constexpr double kFarRay = 100000; // a ray whose upper end lies further out is not drawn

// Cuts the line p + u (dx, dy), u from 0 to uMax (uMax may be infinite: a half-line), to the
// picture 0 <= x <= w, 0 <= y <= h. False when no part of it lies on the picture; otherwise
// a and b are its ends on the picture, held to it against the last bit of rounding.
bool ClipLine(Point p, double dx, double dy, double uMax, double w, double h, Point& a, Point& b) {
    if (!(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(dx) && std::isfinite(dy)))
        return false;
    if (dx == 0 && dy == 0) return false;
    double u0 = 0, u1 = uMax;
    // Each edge is one condition coefficient u <= limit.
    const auto within = [&](double coefficient, double limit) {
        if (coefficient == 0) return limit >= 0;
        const double u = limit / coefficient;
        if (coefficient < 0) {
            if (u > u1) return false;
            u0 = std::max(u0, u);
        } else {
            if (u < u0) return false;
            u1 = std::min(u1, u);
        }
        return true;
    };
    if (!within(-dx, p.x) || !within(dx, w - p.x) || !within(-dy, p.y) || !within(dy, h - p.y))
        return false;
    if (!(u0 <= u1) || !std::isfinite(u1)) return false;
    const auto on = [&](double u) {
        return Point{std::clamp(p.x + u * dx, 0.0, w), std::clamp(p.y + u * dy, 0.0, h)};
    };
    a = on(u0);
    b = on(u1);
    return true;
}

struct Picture {
    double w = 0, h = 0;
    Drawing drawing;

    void add(Point a, Point b, std::optional<Rgb> colour) {
        DrawItem line;
        line.a = a;
        line.b = b;
        line.colour = colour;
        drawing.push_back(line);
    }

    // The segment from-to, as far as it lies on the picture.
    void segment(Point from, Point to, std::optional<Rgb> colour) {
        Point a, b;
        if (ClipLine(from, to.x - from.x, to.y - from.y, 1, w, h, a, b)) add(a, b, colour);
    }
    // The half-line from `from` at the angle whose cosine and sine are given.
    void halfLine(Point from, double cosine, double sine, Rgb colour) {
        Point a, b;
        if (ClipLine(from, cosine, sine, std::numeric_limits<double>::infinity(), w, h, a, b))
            add(a, b, colour);
    }
};

// Nearest whole number, a half going to the even one (3.5 gives 4, 2.5 gives 2).
int RoundHalfEven(double x) {
    const double below = std::floor(x), rest = x - below;
    if (rest > 0.5) return static_cast<int>(below) + 1;
    if (rest < 0.5) return static_cast<int>(below);
    return static_cast<int>(std::fmod(below, 2) == 0 ? below : below + 1);
}

// How many of the ten rays show a coefficient: its tenths.
int RayCount(double coefficient) {
    const double tenths = 10 * std::fabs(coefficient);
    return std::isfinite(tenths) ? std::clamp(RoundHalfEven(std::min(tenths, 10.0)), 0, kRays) : 0;
}

// The right edge of the picture: `right`, or W if that is more (or `right` is no number).
double PictureRight(const WaveScale& scale) {
    return std::isfinite(scale.right) && scale.right > scale.W ? scale.right : scale.W;
}

// The slope of the fronts for their crossing points: tan(incidence), at least kLeastSlope.
double FrontSlope(const Refraction& r) {
    const double tanInc = r.tanInc();
    return tanInc > kLeastSlope && std::isfinite(tanInc) ? tanInc : kLeastSlope;
}

} // namespace

FrontPlace WaveFront(const Refraction& r, const WaveScale& scale, double waveTime, int i) {
    const double start = scale.H + (i - 1) * r.frontGap1();
    const double height = start - waveTime * r.frontSpeed1();
    if (r.incDeg >= 90) {
        // Upright fronts one lambda1 apart, moving to the right at c1.
        const double shift = -(i - 1) * (r.lambda1 * std::sin(r.incRad()));
        const double hit = waveTime * r.speedC1 + shift;
        return {height, hit, hit - r.speedC1 * r.tickStep()};
    }
    const double surface = scale.H / 2, slope = FrontSlope(r);
    return {height, (surface - height) / slope,
            (surface - height - r.tickStep() * r.frontSpeed1()) / slope};
}

Drawing WaveFrame(const Refraction& r, const Amplitudes& a, const WaveScale& scale, double waveTime,
                  bool reflectedTicked) {
    const double right = PictureRight(scale);
    Picture picture{right, scale.H, {}};
    if (!(scale.W > 0 && scale.H > 0)) return {};
    const double surface = scale.H / 2;
    const bool grazing = r.incDeg >= 90;
    const double cosInc = std::cos(r.incRad()), sinInc = std::sin(r.incRad());
    const double cosRefr = std::cos(r.refrRad), sinRefr = std::sin(r.refrRad);
    // Without a refracted wave nothing is drawn below the surface, whatever the coefficient.
    const bool refracted = r.refractedWave && std::fabs(a.tS) >= kLeastAmplitude;
    const bool reflected = reflectedTicked && std::fabs(a.rS) >= kLeastAmplitude;
    for (int i = 1; i <= kWaveFronts; ++i) {
        const FrontPlace f = WaveFront(r, scale, waveTime, i);
        const Point cross{f.hitX, surface};
        if (f.outX <= right) {
            if (grazing)
                picture.segment(cross, {f.hitX, scale.H}, kIncidentColour);
            else
                picture.halfLine(cross, cosInc, sinInc, kIncidentColour);
        }
        if (refracted && f.hitX > 0) picture.halfLine(cross, -cosRefr, -sinRefr, kRefractedColour);
        if (reflected) picture.halfLine(cross, -cosInc, sinInc, kReflectedColour);
    }
    return picture.drawing;
}

std::optional<double> AdvanceWaveClock(const Refraction& r, const WaveScale& scale, double waveTime,
                                       int intervalMs) {
    // Every front has left the picture by this time: the last one starts 19 lambda1 behind the
    // first, which passes the top-left corner at time 0; moving at c1 along its normal it
    // crosses the picture (at most its width plus its height) and the look-back of a tenth of
    // lambda1 within 20 lambda1 + the picture's width and height. The grazing fronts, moving
    // along the surface, need less. The ordinary end below always comes first; this one ends a
    // clock that could otherwise run for ever.
    const double right = PictureRight(scale);
    const double lastMoment = (20 * r.lambda1 + std::fabs(right) + std::fabs(scale.H)) / r.speedC1;
    if (intervalMs <= 0 || !(r.speedC1 > 0) || !std::isfinite(lastMoment)) return std::nullopt;
    const double next = waveTime + intervalMs / 10.0;
    if (WaveFront(r, scale, waveTime, kWaveFronts).outX > right || next > lastMoment)
        return std::nullopt;
    return next;
}

Drawing RayPicture(const Refraction& r, const Amplitudes& a, const WaveScale& scale) {
    Picture picture{PictureRight(scale), scale.H, {}};
    if (!(scale.W > 0 && scale.H > 0)) return {};
    const double surface = scale.H / 2;
    const auto foot = [&](int i) { return Point{scale.W / 2 + (i - 1) * scale.W / 50, surface}; };
    const double rise = surface * r.tanInc();
    for (int i = 1; i <= kRays; ++i) {
        const Point at = foot(i);
        if (at.x - rise >= -kFarRay) picture.segment(at, {at.x - rise, scale.H}, std::nullopt);
    }
    // In total reflection there is no refracted ray, and the 90-degree slope is never used.
    if (r.refractedWave) {
        const int refractedRays = RayCount(a.tS);
        for (int i = 1; i <= refractedRays; ++i) {
            const Point at = foot(i);
            picture.segment(at, {at.x + surface * r.tanRefr(), 0}, std::nullopt);
        }
    }
    const int reflectedRays = RayCount(a.rS);
    for (int i = 1; i <= reflectedRays; ++i) {
        const Point at = foot(i);
        if (at.x + rise <= kFarRay) picture.segment(at, {at.x + rise, scale.H}, std::nullopt);
    }
    return picture.drawing;
}
