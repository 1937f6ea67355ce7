// The particle models against hand calculations: the refraction set-up, the share of
// refracted particles, Descartes' stream tick by tick, and Newton's particles on the tracks.
#include "particles/model/particles.h"
#include "shell/model/mathconst.h"
#include "waves/model/newton.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr double kDeg = PI / 180;

// A scene of 960 x 540 units: the surface at y = 270, the column meeting it at x = 480.
InterpretationState Scene(double n, double incDeg) {
    InterpretationState s;
    s.scaleW = 960;
    s.scaleH = 540;
    ParticleRefraction(s, n, incDeg);
    return s;
}
} // namespace

TEST(ParticleRefraction, AnglesCriticalCaptionsAndTheGrazingGuard) {
    InterpretationState s;
    ParticleSetUp set = ParticleRefraction(s, 1.5, 30);
    EXPECT_FALSE(set.label5);
    EXPECT_EQ(set.criticalDeg, 900);
    EXPECT_NEAR(s.refrRad / kDeg, 19.4712, 1e-4); // asin(1/3)
    EXPECT_EQ(s.lambda1, 100);
    EXPECT_TRUE(s.refractedWave);

    set = ParticleRefraction(s, 0.8, 30);
    EXPECT_EQ(*set.label5, "CRITICAL ANGLE Κρίσιμη γωνία =53.13"); // asin 0.8 = 53.130 degrees
    set = ParticleRefraction(s, 0.8, 30, true);
    EXPECT_EQ(*set.label5, "CRITICAL  ANGLE Κρίσιμη γωνία =53.13");

    // Beyond the critical angle: no refracted wave, r = 90 degrees, no across speed below.
    ParticleRefraction(s, 0.8, 60);
    EXPECT_FALSE(s.refractedWave);
    EXPECT_DOUBLE_EQ(s.refrRad, PI / 2);
    EXPECT_EQ(s.frontSpeed2, 0);
    // sin 82 / 1 = 0.9903 >= 0.99: the incidence is lowered by a thousandth of a degree.
    ParticleRefraction(s, 1, 82);
    EXPECT_NEAR(s.incDeg, 81.999, 1e-12);
    // Nonsense from the panel still gives angles.
    ParticleRefraction(s, NAN, INFINITY);
    EXPECT_TRUE(std::isfinite(s.incRad) && std::isfinite(s.refrRad));
}

TEST(ParticleSplit, RefractedAndReflectedParticlesInEachTen) {
    // n = 1.5, i = 30: r = 19.4712, rS = sin 10.5288 / sin 49.4712 = 0.2404,
    // tS = 2 (1/3) cos 30 / sin 49.4712 = 0.7594.
    SplitCounts c = ParticleSplit(Scene(1.5, 30), 1.5, true);
    EXPECT_EQ(c.refracted, 7);
    EXPECT_EQ(c.reflected, 2);
    // Normal incidence, the limits: tS = 2 / 2.5 = 0.8, rS = -0.5 / 2.5 = -0.2.
    c = ParticleSplit(Scene(1.5, 0), 1.5, true);
    EXPECT_EQ(c.refracted, 8);
    EXPECT_EQ(c.reflected, 2);
    // n = 0.67, i = 30: r = 48.2682, tS = 1.3202, read as 2 - tS = 0.6798; rS = -0.3202.
    c = ParticleSplit(Scene(0.67, 30), 0.67, true);
    EXPECT_EQ(c.refracted, 6);
    EXPECT_EQ(c.reflected, 3);
    EXPECT_EQ(ParticleSplit(Scene(0.67, 30), 0.67, false).refracted, 10); // 13, at most ten
    c = ParticleSplit(Scene(0.8, 60), 0.8, true);
    EXPECT_EQ(c.refracted, 0);
    EXPECT_EQ(c.reflected, 10);
}

TEST(DescartesStream, AParticleComesDownTheRayAndGoesOnRefractedOrReflected) {
    InterpretationState s = Scene(1.5, 30);
    DescartesStream d = StartDescartes(s);
    // The lowest particle one lambda up the ray from (480, 270); the next one lambda further.
    EXPECT_NEAR(d.p[1].at.x, 480 - 50, 1e-9);
    EXPECT_NEAR(d.p[1].at.y, 270 + 100 * std::cos(30 * kDeg), 1e-9);
    EXPECT_NEAR(d.p[2].at.x, 480 - 100, 1e-9);
    EXPECT_NEAR(s.particleStepA[2], 270 + 200 * std::cos(30 * kDeg), 1e-9);
    const SplitCounts counts = ParticleSplit(s, 1.5, true); // 7 refracted, 2 reflected
    for (int tick = 0; tick < 3; ++tick) StepDescartes(d, s, 1.5, counts, 50);
    // T = 150: 50 past the surface; along it sin 30 = 0.5 per unit, down n cos r =
    // 1.5 * 0.942809 per unit.
    EXPECT_EQ(d.p[1].phase, StreamParticle::Refracted);
    EXPECT_NEAR(d.p[1].at.x, 505, 1e-9);
    EXPECT_NEAR(d.p[1].at.y, 270 - 50 * 1.5 * std::sqrt(8.0) / 3, 1e-9);
    for (int tick = 3; tick < 17; ++tick) StepDescartes(d, s, 1.5, counts, 50);
    // Particle 8 (8 > 7) arrives at T = 800 and goes back up: at T = 850 it is at (505, 313.3).
    EXPECT_EQ(d.p[8].phase, StreamParticle::Reflected);
    EXPECT_NEAR(d.p[8].at.x, 505, 1e-9);
    EXPECT_NEAR(d.p[8].at.y, 270 + 50 * std::cos(30 * kDeg), 1e-9);
    EXPECT_EQ(d.p[10].phase, StreamParticle::Coming); // arrives at T = 1000
    // Two half ticks take a particle where one whole tick does.
    DescartesStream halves = d, whole = d;
    StepDescartes(halves, s, 1.5, counts, 25);
    StepDescartes(halves, s, 1.5, counts, 25);
    StepDescartes(whole, s, 1.5, counts, 50);
    for (int i = 1; i <= kDescartesParticles; ++i) {
        EXPECT_NEAR(halves.p[i].at.x, whole.p[i].at.x, 1e-9) << i;
        EXPECT_NEAR(halves.p[i].at.y, whole.p[i].at.y, 1e-9) << i;
    }
}

TEST(DescartesStream, BeyondTheCriticalAngleEveryParticleIsReflected) {
    InterpretationState s = Scene(0.8, 60);
    DescartesStream d = StartDescartes(s);
    const SplitCounts counts = ParticleSplit(s, 0.8, true);
    for (int tick = 0; tick < 80; ++tick) {
        StepDescartes(d, s, 0.8, counts, 50);
        for (int i = 1; i <= kDescartesParticles; ++i) {
            ASSERT_NE(d.p[i].phase, StreamParticle::Refracted) << i;
            ASSERT_GE(d.p[i].at.y, 270 - 1e-9) << i;
        }
    }
    EXPECT_TRUE(DescartesGone(d, {960, -81, 540}));
}

TEST(DescartesStream, ANewIncidenceTurnsTheParticlesAtTheNextTick) {
    InterpretationState s = Scene(1.5, 30);
    DescartesStream d = StartDescartes(s);
    const SplitCounts counts = ParticleSplit(s, 1.5, true);
    for (int tick = 0; tick < 3; ++tick) StepDescartes(d, s, 1.5, counts, 50);
    const Point refracted = d.p[1].at, coming = d.p[5].at;
    ParticleRefraction(s, 1.5, 10);
    StepDescartes(d, s, 1.5, counts, 50);
    // Down at the new refraction angle, sin r = sin 10 / 1.5; the coming one at 10 degrees.
    const double sinR = std::sin(10 * kDeg) / 1.5;
    EXPECT_NEAR(d.p[1].at.x - refracted.x, 50 * std::sin(10 * kDeg), 1e-9);
    EXPECT_NEAR(d.p[1].at.y - refracted.y, -50 * 1.5 * std::sqrt(1 - sinR * sinR), 1e-9);
    EXPECT_NEAR(d.p[5].at.x - coming.x, 50 * std::sin(10 * kDeg), 1e-9);
    EXPECT_NEAR(d.p[5].at.y - coming.y, -50 * std::cos(10 * kDeg), 1e-9);
    EXPECT_FALSE(DescartesGone(d, {960, -81, 540}));
}

TEST(NewtonParticles, EachParticleFollowsItsTrackAndLeavesAtItsEnd) {
    InterpretationState s;
    for (int k = 1; k <= 200; ++k) {
        s.trackC[k] = k;
        s.trackA[k] = -k;
        s.trackD[k] = k;
        s.trackB[k] = k;
    }
    // Particle 1 (1 mod 10 < 7) on the first track: point 50 at panelTime 150.
    NewtonPlace p = NewtonParticle(s, 1, 150, 7, 200, 150);
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(p.at, (Point{50, -50}));
    // Particle 7 on the second track.
    EXPECT_EQ(NewtonParticle(s, 7, 720, 7, 200, 150).at, (Point{20, 20}));
    // Not there yet: behind the start on the line of the first steps.
    p = NewtonParticle(s, 1, 90, 7, 200, 150);
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(p.at, (Point{-10, 10})); // where point -10 of the track would be
    // Past the end: gone, and nothing read beyond the stored points.
    EXPECT_FALSE(NewtonParticle(s, 1, 100 + 201, 7, 200, 150).shown);
    EXPECT_FALSE(NewtonParticle(s, 7, 700 + 151, 7, 200, 150).shown);
    EXPECT_FALSE(NewtonParticle(s, 1, 150, 7, 0, 0).shown);
    EXPECT_FALSE(NewtonParticle(s, 1, 1e9, 7, 20000, 20000).shown);
    // The last particle to finish: 30 (first track) at 3200, 29 (second) at 3050.
    EXPECT_EQ(NewtonStreamEnd(7, 200, 150), 3200);
}

TEST(NewtonParticles, OnTheOneLayerTrackTheyLeaveAtSnellsAngle) {
    InterpretationState s;
    const NewtonScene scene = NewtonOneLayer(s, {1.5, 40, 1, 14400, 8100, 0});
    ASSERT_GT(scene.firstPoints, 40);
    const int i = 1, last = scene.firstPoints;
    const NewtonPlace a = NewtonParticle(s, i, 100 * i + last - 20, 10, last, scene.secondPoints);
    const NewtonPlace b = NewtonParticle(s, i, 100 * i + last, 10, last, scene.secondPoints);
    ASSERT_TRUE(a.shown && b.shown);
    // Below the layer the direction makes r = asin(sin 40 / 1.5) = 25.374 degrees with the normal.
    EXPECT_NEAR(std::atan2(b.at.x - a.at.x, a.at.y - b.at.y) / kDeg, 25.3740, 1e-3);
    // Before the surface: at 40 degrees.
    const NewtonPlace c = NewtonParticle(s, i, 100 * i + 1, 10, last, scene.secondPoints);
    const NewtonPlace e = NewtonParticle(s, i, 100 * i + 21, 10, last, scene.secondPoints);
    EXPECT_NEAR(std::atan2(e.at.x - c.at.x, c.at.y - e.at.y) / kDeg, 40, 1e-6);
}
