#pragma once
#include <optional>
#include <string>

#include "shell/model/drawing.h"

// The computations every interpretation scene runs before it draws: the user scale, the
// refraction set-up, the amplitude coefficients, the critical angle and the incidence text;
// then the wave-front scene and the ray picture of the wave window. Angles are measured from
// the vertical normal of the horizontal surface.

// A scale of 1500 W / (W + H) by 1500 H / (W + H): the two add up to 1500 and keep the aspect
// of W x H. None when W or H is not a finite number above 0.
struct SceneSize {
    double W = 0, H = 0;
};
std::optional<SceneSize> ScaleOfSize(double width, double height);

// What a set-up gives: the speeds it took, the incidence (lowered, or moved off 90 degrees,
// where the set-up does so), the refraction angle and whether a refracted wave exists. The rest
// is computed from these when read.
struct Refraction {
    static constexpr double lambda1 = 100; // the spacing of the incident fronts in every scene
    double speedC1 = 1, speedC2 = 1;
    double incDeg = 0;
    double refrRad = 0; // PI/2 when there is no refracted wave
    bool refractedWave = true;

    double incRad() const;
    double tanInc() const; // 0 where the tangent is no number
    double tanRefr() const;
    double frontSpeed1() const; // c1 / cos(incidence): how fast a front's height at x = 0 falls
    double frontGap1() const;   // lambda1 / cos(incidence): the vertical gap between two fronts
    double tickStep() const;    // a tenth of the period lambda1 / c1 (0 without a speed)
};

enum class RefractionMode {
    Lowering, // the incidence is lowered in whole degrees until a refracted wave exists
    Clamping, // the incidence stays; total reflection is allowed
};

// The set-up for speeds c1 above and c2 below and the incidence as it stands. Clamping: when
// sin(i) c2/c1 >= 0.99 and offGrazing is set, the incidence becomes panelIncidenceDeg - 0.001
// (the panel's incidence handler passes offGrazing = false). Without a refracted wave
// refrRad = PI/2. Two media alike always have a refracted wave (along the surface at 90).
Refraction SetUpRefraction(double c1, double c2, double incDeg, RefractionMode mode,
                           double panelIncidenceDeg = 0, bool offGrazing = true);

// Amplitude coefficients of the angles (i, t) for light whose electric field is perpendicular
// to the plane of incidence (rS, tS; rP and tP for the other polarisation are computed and not
// shown), the amplitude percentages shown, 100 |rS| and 100 |tS| (the transmitted one above 100
// into a faster medium), and how the energy divides: reflected 100 rS^2, refracted the rest.
// startSign: rS = -sin(i - t) / sin(i + t), as the wave window's start computes it. Always
// finite.
struct Amplitudes {
    double rS = 0, tS = 0, rP = 0, tP = 0;
    double reflectedPercent = 0, refractedPercent = 0;
    double reflectedEnergyPercent = 0, refractedEnergyPercent = 100;
};
Amplitudes FresnelAmplitudes(const Refraction& r, bool startSign = false);

// The critical angle in degrees, asin(c1 / c2), when c2 / c1 > 1; nothing otherwise.
std::optional<double> CriticalAngleDeg(double c1, double c2);

// "INCIDENCE Πρόσπτωσης= 30° REFRACTION διάθλασης =19.47°" (twoBlanks: "  REFRACTION ..."),
// or only the incidence part without a refracted wave.
std::string IncidenceText(const Refraction& r, bool twoBlanks);

// ---- The wave-front scene -----------------------------------------------------------------

inline constexpr int kWaveFronts = 20;

// The wave window's own scale, from the screen (waveScaleW, waveScaleH), and the right edge of
// its picture (wavePictureRight, at least W): a unit is as long across as down, and the picture
// under the menu bar is a little wider than the screen's aspect.
struct WaveScale {
    double W = 0, H = 0, right = 0;
};

// Front i (1 to 20) at the clock waveTime: its height at x = 0 (frontStart(i) - waveTime
// frontSpeed1, frontStart(i) = H + (i - 1) frontGap1), where it meets the surface y = H/2
// (frontHitX) and where it met it a tickStep earlier (frontOutX). At 90 degrees the fronts are
// upright, lambda1 apart, moving right at c1.
struct FrontPlace {
    double height = 0, hitX = 0, outX = 0;
};
FrontPlace WaveFront(const Refraction& r, const WaveScale& scale, double waveTime, int i);

// The fronts 1 to 20 at waveTime: incident RGB(200, 100, 0), refracted RGB(0, 0, 255) when
// |tS| >= 0.05, reflected RGB(255, 0, 0) when reflectedTicked and |rS| >= 0.05. Every segment is
// cut to the picture 0 <= x <= right, 0 <= y <= H (a piece outside is left out).
Drawing WaveFrame(const Refraction& r, const Amplitudes& a, const WaveScale& scale, double waveTime,
                  bool reflectedTicked);

// The clock after the frame at waveTime: waveTime + intervalMs / 10, or nothing (the run has
// ended, the clock goes back to 0) once the last front's earlier crossing has passed the
// picture.
std::optional<double> AdvanceWaveClock(const Refraction& r, const WaveScale& scale, double waveTime,
                                       int intervalMs);

// The still ray picture (in the canvas's ForeColor, width 1): ten incident rays at
// A_i = W/2 + (i - 1) W/50, round-half-even(10 |tS|) refracted and round-half-even(10 |rS|)
// reflected rays, each cut to the picture.
Drawing RayPicture(const Refraction& r, const Amplitudes& a, const WaveScale& scale);
