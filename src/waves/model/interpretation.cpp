// The refraction set-up every interpretation scene runs first, the amplitude coefficients of
// the two waves leaving the surface and the incidence text of the panel.
//
// With q = c2 / c1, Snell's law of the speeds gives sin(refraction) = sin(incidence) q. A
// refracted wave exists while that is at most 1; above it every wave is reflected.
#include "waves/model/interpretation.h"

#include <algorithm>
#include <cmath>

#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"

namespace {

// c2 / c1 as the set-up uses it: two speeds that make no ratio (none set yet) count as
// alike, so that nothing derived from them becomes a NaN.
double SpeedRatio(double c1, double c2) {
    const double q = c2 / c1;
    return std::isfinite(q) && q > 0 ? q : 1.0;
}

double FiniteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

// sin(incidence) q as the set-up compares it with 1. A sine within rounding of 1 is 1: 30 degrees
// with c2 = 2 c1 is exactly the critical angle, though sin(30 degrees) is a hair below 0.5 in
// binary.
double SineOfRefraction(double incRad, double q) {
    const double sine = std::sin(incRad) * q;
    return std::fabs(std::fabs(sine) - 1) <= 1e-12 ? std::copysign(1.0, sine) : sine;
}

// The refraction angle of a sine below 1, in the arctangent form the program has always used.
double RefractionOf(double sine) { return std::atan(sine / std::sqrt(1 - sine * sine)); }

} // namespace

std::optional<SceneSize> ScaleOfSize(double width, double height) {
    if (!(width > 0) || !(height > 0) || !std::isfinite(width + height)) return std::nullopt;
    return SceneSize{1500 * width / (width + height), 1500 * height / (width + height)};
}

double Refraction::incRad() const { return incDeg * PI / 180; }
double Refraction::tanInc() const { return FiniteOr(std::tan(incRad()), 0); }
double Refraction::tanRefr() const { return FiniteOr(std::tan(refrRad), 0); }
double Refraction::frontSpeed1() const { return FiniteOr(speedC1 / std::cos(incRad()), 0); }
double Refraction::frontGap1() const { return FiniteOr(lambda1 / std::cos(incRad()), 0); }
double Refraction::tickStep() const {
    const double period = lambda1 / speedC1;
    return std::isfinite(period) && period > 0 ? period / 10 : 0;
}

Refraction SetUpRefraction(double c1, double c2, double incDeg, RefractionMode mode,
                           double panelIncidenceDeg, bool offGrazing) {
    Refraction r{c1, c2, incDeg, 0, true};
    const double q = SpeedRatio(c1, c2);
    if (mode == RefractionMode::Lowering) {
        double sine = SineOfRefraction(r.incRad(), q);
        // Whole degrees down until the refracted wave exists; a sine of exactly 1 is the
        // grazing refracted wave and stops at once. A full turn always finds such a degree.
        for (int step = 0; std::fabs(sine) > 1 && step < 360; ++step) {
            r.incDeg -= 1;
            sine = SineOfRefraction(r.incRad(), q);
        }
        // A sine of exactly 1: the refracted wave runs along the surface, refraction 90.00
        // degrees. It is a refracted wave (the incidence text names it).
        r.refrRad = std::fabs(sine) < 1 ? RefractionOf(sine) : PI / 2;
        r.refractedWave = std::fabs(sine) <= 1;
        return r;
    }
    double sine = SineOfRefraction(r.incRad(), q);
    if (sine >= 0.99 && offGrazing) {
        // Just off the panel's incidence, so that 90 degrees never meets tan(90).
        r.incDeg = panelIncidenceDeg - 0.001;
        sine = SineOfRefraction(r.incRad(), q);
    }
    // Two media alike are one medium: at 90 degrees the wave runs on along the surface, and
    // nothing is reflected. Otherwise a sine of 1 or more is total reflection.
    r.refrRad = std::fabs(sine) < 1 ? RefractionOf(sine) : PI / 2;
    r.refractedWave = std::fabs(sine) < 1 || q == 1;
    return r;
}

Amplitudes FresnelAmplitudes(const Refraction& r, bool startSign) {
    const double i = r.incRad(), t = r.refrRad;
    // n = n2 / n1 = c1 / c2.
    const double n = 1 / SpeedRatio(r.speedC1, r.speedC2);
    // Along the normal the four coefficients tend to these (sin i = n sin t, both angles small).
    const Amplitudes normal{(n - 1) / (n + 1), 2 / (n + 1), (n - 1) / (n + 1), 2 / (n + 1)};
    Amplitudes a;
    if (n == 1) {
        // Two media alike are one: nothing is reflected at any incidence, 90 degrees included.
        a = {0, 1, 0, 1};
    } else if (!r.refractedWave) {
        // Total reflection: the whole wave goes back up and no wave passes the surface.
        a = {-1, 0, 1, 2};
        if (std::sin(i) > 0) a.tP = 2 / std::sin(i);
    } else if (t == PI / 2) {
        // The grazing refracted wave: the limit of the formulas at t = 90 degrees.
        a = {-1, 2, 1, 2 / std::sin(i)};
    } else if (std::fabs(std::sin(i + t)) < 1e-12) {
        a = normal; // normal incidence: the formulas are 0 / 0 there
    } else {
        const double sum = std::sin(i + t);
        a.rS = std::sin(i - t) / sum;
        a.tS = 2 * std::sin(t) * std::cos(i) / sum;
        a.rP = std::tan(i - t) / std::tan(i + t);
        a.tP = 2 * std::sin(t) * std::cos(i) / (sum * std::cos(i - t));
    }
    if (!(std::isfinite(a.rS) && std::isfinite(a.tS) && std::isfinite(a.rP) && std::isfinite(a.tP)))
        a = normal;
    if (startSign) a.rS = -a.rS;
    // The amplitudes as they are: into a faster medium the transmitted one exceeds 1.
    a.reflectedPercent = 100 * std::fabs(a.rS);
    a.refractedPercent = 100 * std::fabs(a.tS);
    // The energy: the reflectance rS^2, and what is not reflected passes the surface (all of
    // it is reflected in total reflection, where rS = -1).
    a.reflectedEnergyPercent = std::min(100.0, 100 * a.rS * a.rS);
    a.refractedEnergyPercent = 100 - a.reflectedEnergyPercent;
    return a;
}

std::optional<double> CriticalAngleDeg(double c1, double c2) {
    if (!(c1 > 0) || !(c2 / c1 > 1) || !std::isfinite(c2 / c1)) return std::nullopt;
    const double x = c1 / c2;
    return std::atan(x / std::sqrt(1 - x * x)) * 180 / PI;
}

std::string IncidenceText(const Refraction& r, bool twoBlanks) {
    std::string text = "INCIDENCE Πρόσπτωσης= " + Format(r.incDeg, "0") + "°";
    if (r.refractedWave)
        text += std::string(twoBlanks ? "  " : " ") +
                "REFRACTION διάθλασης =" + Format(r.refrRad * 180 / PI, "0.00") + "°";
    return text;
}
