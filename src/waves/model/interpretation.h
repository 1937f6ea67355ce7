#pragma once
#include <optional>
#include <string>

#include "shell/model/drawing.h"
#include "waves/model/interpretation_state.h"

// The computations every interpretation scene runs before it draws: the user scale, the
// refraction set-up, the amplitude coefficients, the critical angle and the incidence text.

// scaleW = 1500 W / (W + H), scaleH = 1500 H / (W + H): the two add up to 1500 and keep the
// aspect of W x H. Leaves the scale as it was when W or H is not a finite number above 0.
// The particle scenes' scale is the particle window's; the wave scene keeps its own, from the
// screen (waveScaleW, waveScaleH), so that neither window can move the other's drawing.
void SetScaleFromSize(InterpretationState& s, double width, double height);
void SetWaveScaleFromSize(InterpretationState& s, double width, double height);

// The right edge of the wave window's picture: wavePictureRight, or waveScaleW if that is more.
double WavePictureRight(const InterpretationState& s);

enum class RefractionMode {
    Lowering, // the incidence is lowered in whole degrees until a refracted wave exists
    Clamping, // the incidence stays; total reflection is allowed
};

// Computes the derived values from speedC1, speedC2, lambda1 and the incidence.
// Lowering: reads incDeg (and lowers it). Clamping: reads incRad as it stands; when
// sin(incRad) c2/c1 >= 0.99 and offGrazing is set, incDeg becomes panelIncidenceDeg - 0.001
// and incRad follows (the panel's incidence handler passes offGrazing = false).
// Sets refractedWave; without a refracted wave refrRad = PI/2 and frontSpeed2 = frontGap2 = 0.
// Two media alike always have a refracted wave (along the surface at 90 degrees).
void SetUpRefraction(InterpretationState& s, RefractionMode mode, double panelIncidenceDeg = 0,
                     bool offGrazing = true);

// Amplitude coefficients of the current angles (i = incRad, t = refrRad) for light whose
// electric field is perpendicular to the plane of incidence (rS, tS; rP and tP for the other
// polarisation are computed and not shown), the amplitude percentages shown, 100 |rS| and
// 100 |tS| (the transmitted one above 100 into a faster medium), and how the energy divides:
// reflected 100 rS^2, refracted the rest (all of it reflected in total reflection). Two media
// alike reflect nothing. startSign: rS = -sin(i - t) / sin(i + t), as the wave window's start
// computes it. Always finite.
struct Amplitudes {
    double rS = 0, tS = 0, rP = 0, tP = 0;
    double reflectedPercent = 0, refractedPercent = 0;
    double reflectedEnergyPercent = 0, refractedEnergyPercent = 100;
};
Amplitudes FresnelAmplitudes(const InterpretationState& s, bool startSign = false);

// The critical angle in degrees, asin(c1 / c2), when c2 / c1 > 1; nothing otherwise.
std::optional<double> CriticalAngleDeg(double c1, double c2);

// "INCIDENCE Πρόσπτωσης= 30° REFRACTION διάθλασης =19.47°" (twoBlanks: "  REFRACTION ..."),
// or only the incidence part when the last set-up found no refracted wave.
std::string IncidenceText(const InterpretationState& s, bool twoBlanks);

// ---- The wave-front scene ----------------------------------------------------------------

inline constexpr int kWaveFronts = 20;

// The wave scene works in the wave window's scale, waveScaleW x waveScaleH.
// Starts the fronts at clock 0: clears frontHitX, frontOutX, frontHeight and frontStart (1 to 50),
// sets tickStep = (lambda1 / c1) / 10, waveTime = 0, frontStart(i) and frontShift(i).
void StartWaveFronts(InterpretationState& s);

// One frame at the current waveTime: computes frontHeight(i), frontHitX(i), frontOutX(i) of the
// fronts 1 to 20 and returns their present positions: incident fronts RGB(200, 100, 0),
// refracted RGB(0, 0, 255) when |tS| >= 0.05, reflected RGB(255, 0, 0) when reflectedTicked and
// |rS| >= 0.05; the grazing branch when incDeg >= 90. Every segment is cut to the picture
// 0 <= x <= picture's right, 0 <= y <= waveScaleH (a piece outside is left out), so every coordinate is
// finite and on the picture. Earlier positions are not returned: the window repaints.
Drawing WaveFrame(InterpretationState& s, const Amplitudes& a, bool reflectedTicked);

// The clock step after a frame: waveTime += intervalMs / 10. Returns false, with waveTime
// back at 0, once the last front's earlier crossing frontOutX(20) has passed the picture.
bool AdvanceWaveClock(InterpretationState& s, int intervalMs);

// The still ray picture of the wave window (in the canvas's ForeColor, width 1): ten incident
// rays at A_i = waveScaleW/2 + (i - 1) waveScaleW/50, round-half-even(10 |tS|) refracted and
// round-half-even(10 |rS|) reflected rays, each cut to the picture as above.
Drawing RayPicture(const InterpretationState& s, const Amplitudes& a);
