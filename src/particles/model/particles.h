#pragma once
// Light as a stream of particles in the particle window: the refraction set-up of the two
// particle models, Descartes' column of 30 particles that goes on along the refracted (or
// reflected) direction at the surface y = H/2, and Newton's particles that follow the
// precomputed tracks of the force-layer scenes.
#include "shell/model/point.h"
#include "waves/model/newton.h"

#include <array>
#include <optional>
#include <string>

inline constexpr int kDescartesParticles = 30;
inline constexpr int kColumnParticles = 53; // the column laid out when the window loads
inline constexpr int kParticleSlots = 54;   // one per particle shape soma(0 ... 53)

// The refraction set-up of both particle models, with speed 1 above and n below: the incidence
// from the panel (lowered by 0.001 degree when sin i / n >= 0.99), the refraction angle (PI/2
// in total reflection), and the panel's Label5: for n < 1 the critical angle's caption
// (timerCaption: "CRITICAL  ANGLE", with two blanks, as Newton's clock writes it).
struct ParticleSetUp {
    double incDeg = 0, refrRad = 0;
    bool refractedWave = true;
    std::optional<std::string> label5; // none: hidden
    double criticalDeg = 900;          // 900 when n >= 1
    double incRad() const;
};
ParticleSetUp ParticleRefraction(double n, double panelIncDeg, bool timerCaption = false);

// Particles 1 to count on the incident ray at incRad, 100 apart, up and away from the surface
// y = H/2 from the column's lowest point, one lambda1 above the point where the ray meets the
// surface at x = W/2 (particleStepB the start x, particleStepA the start height).
std::array<Point, kParticleSlots> ParticleColumn(double incRad, double W, double H, int count);

// Refracted and reflected particles in each ten: Int(|10 tS|), Int(|10 rS|), from 0 to 10,
// with rS = sin(i - r) / sin(i + r), tS = 2 sin r cos i / sin(i + r), tS read as 2 - tS when
// n < 1 (twoMinus). In total reflection (no refracted wave) 0 and 10.
struct SplitCounts {
    int refracted = 10, reflected = 0;
};
SplitCounts ParticleSplit(const ParticleSetUp& r, double n, bool twoMinus);

// Descartes' model, stepped tick by tick so that a change of the incidence or of the ratio
// turns the particles from the next tick on: a particle on its way moves along the surface at
// sin i and towards it at cos i; at the surface it goes on refracted, along the surface at
// sin i and away from it at n cos r (speed n below: Descartes' law), or reflected, back up at
// cos i. Particle i is reflected when m = i mod 10 exceeds the refracted count (m = 0 when the
// reflected count is 0), and every particle is when there is no refracted wave. The clock
// counts units of path of the upper medium.
struct StreamParticle {
    Point at;
    enum Phase { Coming, Refracted, Reflected } phase = Coming;
    double vx = 0, vy = 0; // the velocity of its last step
};
struct DescartesStream {
    std::array<StreamParticle, kDescartesParticles + 1> p{}; // particles 1 to 30
    double clock = 0;
};
// The 30 particles on the incident ray of a W x H scene (ParticleColumn), the clock at 0.
DescartesStream StartDescartes(const ParticleSetUp& r, double W, double H);
// dt units of clock with the present set-up, the surface at y = H/2.
void StepDescartes(DescartesStream& d, const ParticleSetUp& r, double H, double n,
                   SplitCounts counts, double dt);

// The picture the particles move in: x from 0 to right, y from bottom to top.
struct StreamFrame {
    double right = 0, bottom = 0, top = 0;
};
// Every particle has gone out of the picture for good (or can never reach it).
bool DescartesGone(const DescartesStream& d, const StreamFrame& f);

// Newton's particle i (1 to 30) at the step counter panelTime: it reaches the track's first
// point at panelTime = 100 i and then moves one stored point per unit of panelTime, on the
// first (refracted) track when i mod 10 is below the count, else on the second. Before that it
// comes down the incident line towards the track's start (which lies on the picture's edge);
// after the last stored point it has left the picture and is not shown.
// firstPoints / secondPoints: the points stored in each track.
struct NewtonPlace {
    Point at;
    bool shown = false;
};
NewtonPlace NewtonParticle(const NewtonTracks& s, int i, double panelTime, int refractedCount,
                           int firstPoints, int secondPoints);
// panelTime at which the last of the 30 particles has passed the end of its track.
double NewtonStreamEnd(int refractedCount, int firstPoints, int secondPoints);
