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

void SetIncidence(InterpretationState& s, double deg) {
    s.incDeg = deg;
    s.incRad = PI * deg / 180;
}

// Everything that follows from the two angles and the speeds. refrRad and refractedWave are
// set. A refraction of exactly 90 degrees (total reflection, or the grazing refracted wave)
// has no crossing speed and no gap below the surface: both are 0 there, never c / cos(PI/2).
void DeriveFromAngles(InterpretationState& s, double q) {
    const double c1 = s.speedC1, c2 = s.speedC2;
    s.tanInc = FiniteOr(std::tan(s.incRad), 0);
    s.tanRefr = FiniteOr(std::tan(s.refrRad), 0);
    s.lambda2 = s.lambda1 * q;
    const double cosInc = std::cos(s.incRad);
    s.frontSpeed1 = FiniteOr(c1 / cosInc, 0);
    s.frontGap1 = FiniteOr(s.lambda1 / cosInc, 0);
    if (s.refrRad == PI / 2) {
        s.frontSpeed2 = 0;
        s.frontGap2 = 0;
    } else {
        const double cosRefr = std::cos(s.refrRad);
        s.frontSpeed2 = FiniteOr(c2 / cosRefr, 0);
        s.frontGap2 = FiniteOr(s.lambda2 / cosRefr, 0);
    }
}

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

void SetUpRefraction(InterpretationState& s, RefractionMode mode, double panelIncidenceDeg,
                     bool offGrazing) {
    const double q = SpeedRatio(s.speedC1, s.speedC2);
    if (mode == RefractionMode::Lowering) {
        SetIncidence(s, s.incDeg);
        double sine = SineOfRefraction(s.incRad, q);
        // Whole degrees down until the refracted wave exists; a sine of exactly 1 is the
        // grazing refracted wave and stops at once. A full turn always finds such a degree.
        for (int step = 0; std::fabs(sine) > 1 && step < 360; ++step) {
            SetIncidence(s, s.incDeg - 1);
            sine = SineOfRefraction(s.incRad, q);
        }
        if (std::fabs(sine) < 1) {
            s.refrRad = RefractionOf(sine);
            s.refractedWave = true;
        } else {
            // sine == 1: the refracted wave runs along the surface, refraction 90.00 degrees.
            // It is a refracted wave (the incidence text names it), but it carries nothing
            // away from the surface, so it has no crossing speed or gap.
            s.refrRad = PI / 2;
            s.refractedWave = std::fabs(sine) == 1;
        }
    } else {
        double sine = SineOfRefraction(s.incRad, q);
        if (sine >= 0.99 && offGrazing) {
            // Just off the panel's incidence, so that 90 degrees never meets tan(90).
            SetIncidence(s, panelIncidenceDeg - 0.001);
            sine = SineOfRefraction(s.incRad, q);
        }
        if (std::fabs(sine) < 1) {
            s.refrRad = RefractionOf(sine);
            s.refractedWave = true;
        } else if (q == 1) {
            // Two media alike are one medium: at 90 degrees the wave runs on along the surface,
            // and nothing is reflected.
            s.refrRad = PI / 2;
            s.refractedWave = true;
        } else {
            // Total reflection: no refracted wave at all.
            s.refrRad = PI / 2;
            s.refractedWave = false;
        }
    }
    DeriveFromAngles(s, q);
}

Amplitudes FresnelAmplitudes(const InterpretationState& s, bool startSign) {
    const double i = s.incRad, t = s.refrRad;
    // n = n2 / n1 = c1 / c2.
    const double n = 1 / SpeedRatio(s.speedC1, s.speedC2);
    // Along the normal the four coefficients tend to these (sin i = n sin t, both angles small).
    const Amplitudes normal{(n - 1) / (n + 1), 2 / (n + 1), (n - 1) / (n + 1), 2 / (n + 1)};
    Amplitudes a;
    if (n == 1) {
        // Two media alike are one: nothing is reflected at any incidence, 90 degrees included.
        a = {0, 1, 0, 1};
    } else if (!s.refractedWave) {
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
    if (!(std::isfinite(a.rS) && std::isfinite(a.tS) && std::isfinite(a.rP) &&
          std::isfinite(a.tP)))
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

std::string IncidenceText(const InterpretationState& s, bool twoBlanks) {
    std::string text = "INCIDENCE Πρόσπτωσης= " + Format(s.incDeg, "0") + "°";
    if (s.refractedWave)
        text += std::string(twoBlanks ? "  " : " ") + "REFRACTION διάθλασης =" +
                Format(s.refrRad * 180 / PI, "0.00") + "°";
    return text;
}
