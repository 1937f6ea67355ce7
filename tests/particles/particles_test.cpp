// Fermat's path and least time, and the particle models, against hand calculations and a
// minimisation made apart from the program. Fermat's scene: the surface is y = H/2 = 200
// (H = 400), medium 1 above. The particles' scene: 960 x 540, the surface at y = 270, the
// column meeting it at x = 480.
#include "particles/model/fermat.h"
#include "particles/model/particles.h"
#include "shell/model/mathconst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr double H = 400, kDeg = PI / 180;
const std::string kFirst = "Time of movement from  magenta through blue to  GREEN";
// A 3-4-5 triangle above the surface and a segment below at sin r = 0.4 (length 250): the
// sines 0.6 and 0.4 obey sin i / sin r = 1.5.
const Point kUpper{0, 600}, kCrossing{300, 200}, kLower{400, 200 - 50 * std::sqrt(21.0)};

// The least-time crossing found apart from the program: the time minimised by golden sections
// in long double, which resolve the flat bottom of the time however near the surface a body
// stands.
double GoldenLeastTime(Point upper, Point lower, long double n) {
    const long double s = H / 2;
    const auto time = [&](long double x) {
        return std::hypot(x - upper.x, s - upper.y) + n * std::hypot(x - lower.x, s - lower.y);
    };
    long double a = std::min(upper.x, lower.x), b = std::max(upper.x, lower.x);
    const long double g = (std::sqrt(5.0L) - 1) / 2;
    long double c = b - g * (b - a), d = a + g * (b - a), tc = time(c), td = time(d);
    for (int k = 0; k < 300; ++k) {
        if (tc < td) {
            b = d, d = c, td = tc, c = b - g * (b - a), tc = time(c);
        } else {
            a = c, c = d, tc = td, d = a + g * (b - a), td = time(d);
        }
    }
    return double((a + b) / 2);
}
} // namespace

TEST(FermatPath, TheLawsOverTheirBandsAndNowhereElse) {
    const Point a{0, 500}, b{600, 500}; // mirror images at 45 degrees, d1 = d2 = 300 sqrt 2
    const struct {
        Point p1, p2, p3;
        double c2;
        bool fermatTicked;
        PathVerdict::Law law;
    } cases[] = {
        {kUpper, kLower, kCrossing, 0.5, false, PathVerdict::None}, // Fermat's law not ticked
        // 5 units along, |1.5 * 0.3830 - 0.6064| = 0.032 < 0.05; 10 along, 0.064: not.
        {kUpper, kLower, {305, 200}, 1 / 1.5, true, PathVerdict::Fermat},
        {kUpper, kLower, {310, 200}, 1 / 1.5, true, PathVerdict::None},
        {kLower, kUpper, kCrossing, 1 / 1.5, true, PathVerdict::Fermat}, // light from below
        {kUpper, {-100, -29}, kCrossing, 1, true, PathVerdict::None},    // crossing not between
        {{100, 600}, {100, -100}, {100, 200}, 1 / 1.5, true, PathVerdict::Fermat}, // vertical
        {a, b, {300, 200.4}, 1, false, PathVerdict::Hero},
        {a, b, {300, 200.6}, 1, false, PathVerdict::None}, // half a unit off: never Hero
        {a, b, {300, 150}, 1, false, PathVerdict::None},
        {a, {600, 650}, {300, 200}, 1, false, PathVerdict::None}, // cosines 0.707, 0.832
        // Both ends on one ray from the crossing body: folded back on itself, no reflection.
        {a, {150, 350}, {300, 200}, 1, false, PathVerdict::None},
        {{300, 500}, {300, 300}, {300, 200}, 1, false, PathVerdict::None},
        // Bodies on one point: a time, no law.
        {kUpper, kLower, kUpper, 1 / 1.5, true, PathVerdict::None},
        {kUpper, kLower, kLower, 1 / 1.5, true, PathVerdict::None},
    };
    for (const auto& c : cases) {
        const PathVerdict v =
            EvaluatePath(c.p1, c.p2, c.p3, H, 1, c.c2, 1.5, c.fermatTicked, kFirst);
        EXPECT_EQ(v.law, c.law) << c.p3.x << ", " << c.p3.y;
        EXPECT_TRUE(std::isfinite(v.time));
    }
    // Times and captions: 500 at c1 = 1 and 250 at c2.
    PathVerdict v = EvaluatePath(kUpper, kLower, kCrossing, H, 1, 0.5, 1.5, false, kFirst);
    EXPECT_EQ(v.caption, kFirst + "1000.00");
    EXPECT_TRUE(v.colour == (Rgb{0, 0, 0}) && v.width == 1);
    // An end exactly on the surface counts as the lower medium.
    v = EvaluatePath({0, 200}, kLower, kCrossing, H, 1, 0.5, 1.5, false, kFirst);
    EXPECT_NEAR(v.time, 300 / 0.5 + 250 / 0.5, 1e-9);
    v = EvaluatePath(kUpper, kLower, kCrossing, H, 1, 1 / 1.5, 1.5, true, kFirst);
    EXPECT_EQ(v.caption, kFirst + "875.00" + "             total distance = " + "750.00" +
                             "      Παράδειγμα αρχής Fermat");
    EXPECT_TRUE(v.colour == (Rgb{0, 255, 0}) && v.width == 5);
    v = EvaluatePath(a, b, {300, 200}, H, 1, 1, 1.5, true, kFirst); // Hero before Fermat
    EXPECT_EQ(v.caption, kFirst + "848.53" + "            total distance = " + "848.53" +
                             "      Νόμος Ήρωνος");
    EXPECT_EQ(v.colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(EvaluatePath({50, 200}, {50, 200}, {50, 200}, H, 1, 1, 1.5, true, kFirst).caption,
              kFirst + "0.00");
    EXPECT_TRUE(
        std::isfinite(EvaluatePath(kUpper, kLower, kCrossing, H, 0, NAN, 1.5, true, kFirst).time));
    // No law ticked keeps the lower speed; never a speed of no number (the laws' speeds are
    // the particle window's tests').
    EXPECT_DOUBLE_EQ(FermatSpeed2(FermatLaw::None, 2, 1.5, 7), 7);
    EXPECT_DOUBLE_EQ(FermatSpeed2(FermatLaw::Fermat, 2, 0, 7), 7);
    EXPECT_DOUBLE_EQ(FermatSpeed2(FermatLaw::None, 2, 1.5, 0), 2);
}

TEST(LeastTime, TheCrossingObeysSnellsLawAtEveryPlacementNearTheSurfaceToo) {
    // By hand: the 3-4-5 path obeys sin i / sin r = 1.5 at x = 300, time 875.
    const LeastTime t = FindLeastTime(kUpper, kLower, H, 1.5);
    ASSERT_TRUE(t.found);
    EXPECT_TRUE(t.upper == kUpper && t.lower == kLower);
    EXPECT_NEAR(t.xMin, 300, 1e-9);
    EXPECT_NEAR(t.tMin, 875, 1e-9);
    // Placements in both orders, bodies from a hundredth of a unit to 190 units off the
    // surface, against the independent minimum: the angles agree, Snell's law holds to 1e-6
    // and the window's own test calls the path Fermat's.
    const std::pair<double, double> kAcross[] = {
        {100, 700}, {700, 100}, {400, 400.5}, {0, 1100}, {350, 352}};
    double worstDeg = 0;
    int placements = 0;
    for (const double n : {0.5, 1.0, 1.33, 2.5})
        for (const double above : {0.01, 0.3, 20.0, 190.0})
            for (const double below : {0.01, 0.3, 20.0, 190.0})
                for (const auto& [xu, xd] : kAcross) {
                    const Point upper{xu, 200 + above}, lower{xd, 200 - below};
                    const bool upperFirst = placements++ % 2 == 0;
                    const Point p1 = upperFirst ? upper : lower, p2 = upperFirst ? lower : upper;
                    const LeastTime l = FindLeastTime(p1, p2, H, n);
                    ASSERT_TRUE(l.found);
                    const double x = l.xMin, ref = GoldenLeastTime(upper, lower, n);
                    const double sinI = (x - xu) / std::hypot(x - xu, above);
                    const double sinR = (x - xd) / std::hypot(x - xd, below);
                    ASSERT_LT(std::fabs(sinI + n * sinR), 1e-6) << n << " " << xu << " " << xd;
                    const auto deg = [](double dx, double dy) {
                        return std::atan2(std::fabs(dx), dy) * 180 / M_PI;
                    };
                    worstDeg =
                        std::max({worstDeg, std::fabs(deg(x - xu, above) - deg(ref - xu, above)),
                                  std::fabs(deg(x - xd, below) - deg(ref - xd, below))});
                    const PathVerdict v =
                        EvaluatePath(p1, p2, {x, 200}, H, 1, 1 / n, n, true, kFirst);
                    ASSERT_EQ(v.law, PathVerdict::Fermat) << n << " " << xu << " " << xd;
                    EXPECT_NEAR(l.tMin, v.time, 1e-9 * v.time);
                }
    EXPECT_LT(worstDeg, 1e-4);
    std::printf("least-time crossing: worst angle error %.3g degrees over %d placements\n",
                worstDeg, placements);
    // Ends on one side (or one on the surface) find nothing; ends one above the other give the
    // vertical path; an index of no number finds nothing.
    EXPECT_FALSE(FindLeastTime({0, 600}, {400, 300}, H, 1.5).found);
    EXPECT_FALSE(FindLeastTime({0, 200}, {400, 0}, H, 1.5).found);
    const LeastTime v = FindLeastTime({100, 600}, {100, -100}, H, 1.5);
    EXPECT_DOUBLE_EQ(v.xMin, 100);
    EXPECT_NEAR(v.tMin, 400 + 300 * 1.5, 1e-9);
    EXPECT_FALSE(FindLeastTime(kUpper, kLower, H, 0).found ||
                 FindLeastTime(kUpper, kLower, H, NAN).found);
}

TEST(ParticleModels, SetUpAndTheShareOfRefractedParticles) {
    ParticleSetUp set = ParticleRefraction(1.5, 30);
    EXPECT_FALSE(set.label5);
    EXPECT_NEAR(set.refrRad / kDeg, 19.4712, 1e-4); // asin(1/3)
    EXPECT_EQ(*ParticleRefraction(0.8, 30).label5,
              "CRITICAL ANGLE Κρίσιμη γωνία =53.13"); // asin 0.8
    EXPECT_EQ(*ParticleRefraction(0.8, 30, true).label5, "CRITICAL  ANGLE Κρίσιμη γωνία =53.13");
    set = ParticleRefraction(0.8, 60); // beyond the critical angle
    EXPECT_FALSE(set.refractedWave);
    EXPECT_DOUBLE_EQ(set.refrRad, PI / 2);
    EXPECT_NEAR(ParticleRefraction(1, 82).incDeg, 81.999, 1e-12); // sin 82 = 0.9903 >= 0.99
    set = ParticleRefraction(NAN, INFINITY);
    EXPECT_TRUE(std::isfinite(set.incRad()) && std::isfinite(set.refrRad));
    // Refracted and reflected in each ten. n = 1.5, i = 30: rS = sin 10.5288 / sin 49.4712 =
    // 0.2404, tS = 0.7594; at the normal 0.8 and -0.2; n = 0.67, i = 30: r = 48.2682, tS =
    // 1.3202, read as 2 - tS = 0.6798 (or kept: 13, at most ten), rS = -0.3202.
    const struct {
        double n, inc;
        bool twoMinus;
        int refracted, reflected;
    } splits[] = {{1.5, 30, true, 7, 2},
                  {1.5, 0, true, 8, 2},
                  {0.67, 30, true, 6, 3},
                  {0.67, 30, false, 10, 3},
                  {0.8, 60, true, 0, 10}};
    for (const auto& c : splits) {
        const SplitCounts s = ParticleSplit(ParticleRefraction(c.n, c.inc), c.n, c.twoMinus);
        EXPECT_EQ(s.refracted, c.refracted) << c.n << " " << c.inc;
        EXPECT_EQ(s.reflected, c.reflected) << c.n << " " << c.inc;
    }
}

TEST(ParticleModels, DescartesStreamTickByTick) {
    ParticleSetUp set = ParticleRefraction(1.5, 30);
    DescartesStream d = StartDescartes(set, 960, 540);
    // The lowest particle one lambda up the ray from (480, 270); the next one lambda further.
    EXPECT_NEAR(d.p[1].at.y, 270 + 100 * std::cos(30 * kDeg), 1e-9);
    EXPECT_TRUE(std::fabs(d.p[1].at.x - 430) < 1e-9 && std::fabs(d.p[2].at.x - 380) < 1e-9);
    const SplitCounts counts = ParticleSplit(set, 1.5, true); // 7 refracted, 2 reflected
    for (int tick = 0; tick < 3; ++tick)
        StepDescartes(d, set, 540, 1.5, counts, 50);
    // T = 150: 50 past the surface, along it 0.5 per unit, down n cos r = 1.5 * 0.942809.
    EXPECT_EQ(d.p[1].phase, StreamParticle::Refracted);
    EXPECT_NEAR(d.p[1].at.x, 505, 1e-9);
    EXPECT_NEAR(d.p[1].at.y, 270 - 50 * 1.5 * std::sqrt(8.0) / 3, 1e-9);
    for (int tick = 3; tick < 17; ++tick)
        StepDescartes(d, set, 540, 1.5, counts, 50);
    // Particle 8 (8 > 7) arrives at T = 800 and goes back up: at T = 850 it is at (505, 313.3).
    EXPECT_EQ(d.p[8].phase, StreamParticle::Reflected);
    EXPECT_NEAR(d.p[8].at.x, 505, 1e-9);
    EXPECT_NEAR(d.p[8].at.y, 270 + 50 * std::cos(30 * kDeg), 1e-9);
    EXPECT_EQ(d.p[10].phase, StreamParticle::Coming); // arrives at T = 1000
    // Two half ticks take a particle where one whole tick does.
    DescartesStream halves = d, whole = d;
    StepDescartes(halves, set, 540, 1.5, counts, 25);
    StepDescartes(halves, set, 540, 1.5, counts, 25);
    StepDescartes(whole, set, 540, 1.5, counts, 50);
    for (int i = 1; i <= kDescartesParticles; ++i)
        EXPECT_LT(
            std::hypot(halves.p[i].at.x - whole.p[i].at.x, halves.p[i].at.y - whole.p[i].at.y),
            1e-9)
            << i;
    // A new incidence turns them at the next tick: the refracted one at sin r = sin 10 / 1.5,
    // the coming one at 10 degrees.
    const Point refracted = d.p[1].at, coming = d.p[20].at;
    set = ParticleRefraction(1.5, 10);
    StepDescartes(d, set, 540, 1.5, counts, 50);
    const double sinR = std::sin(10 * kDeg) / 1.5;
    EXPECT_NEAR(d.p[1].at.x - refracted.x, 50 * std::sin(10 * kDeg), 1e-9);
    EXPECT_NEAR(d.p[1].at.y - refracted.y, -50 * 1.5 * std::sqrt(1 - sinR * sinR), 1e-9);
    EXPECT_NEAR(d.p[20].at.y - coming.y, -50 * std::cos(10 * kDeg), 1e-9);
    EXPECT_FALSE(DescartesGone(d, {960, -81, 540}));
    // Beyond the critical angle every particle is reflected, and all leave the picture.
    set = ParticleRefraction(0.8, 60);
    DescartesStream total = StartDescartes(set, 960, 540);
    for (int tick = 0; tick < 80; ++tick) {
        StepDescartes(total, set, 540, 0.8, ParticleSplit(set, 0.8, true), 50);
        for (int i = 1; i <= kDescartesParticles; ++i)
            ASSERT_GE(total.p[i].at.y, 270 - 1e-9) << i;
    }
    EXPECT_TRUE(DescartesGone(total, {960, -81, 540}));
}

TEST(ParticleModels, NewtonsParticlesFollowTheirTracks) {
    NewtonTracks s;
    for (auto* track : {&s.trackA, &s.trackB, &s.trackC, &s.trackD})
        track->assign(201, 0.0);
    for (int k = 1; k <= 200; ++k) {
        s.trackC[k] = s.trackD[k] = s.trackB[k] = k;
        s.trackA[k] = -k;
    }
    // Particle 1 (1 mod 10 < 7) on the first track: point 50 at panelTime 150; particle 7 on
    // the second; not there yet: behind the start on the line of the first steps.
    EXPECT_EQ(NewtonParticle(s, 1, 150, 7, 200, 150).at, (Point{50, -50}));
    EXPECT_EQ(NewtonParticle(s, 7, 720, 7, 200, 150).at, (Point{20, 20}));
    EXPECT_EQ(NewtonParticle(s, 1, 90, 7, 200, 150).at, (Point{-10, 10}));
    // Past the end: gone, and nothing read beyond the stored points.
    EXPECT_FALSE(NewtonParticle(s, 1, 100 + 201, 7, 200, 150).shown);
    EXPECT_FALSE(NewtonParticle(s, 7, 700 + 151, 7, 200, 150).shown);
    EXPECT_FALSE(NewtonParticle(s, 1, 150, 7, 0, 0).shown);
    EXPECT_FALSE(NewtonParticle(s, 1, 1e9, 7, 20000, 20000).shown);
    // The last particle to finish: 30 (first track) at 3200, 29 (second) at 3050.
    EXPECT_EQ(NewtonStreamEnd(7, 200, 150), 3200);
    // On the one-layer track at 40 degrees they come at 40 and leave at asin(sin 40 / 1.5).
    const NewtonScene scene = NewtonOneLayer({1.5, 40, 1, 960, 540, 0});
    const int last = scene.firstPoints, second = scene.secondPoints;
    const auto at = [&](double t) {
        return NewtonParticle(scene.tracks, 1, t, 10, last, second).at;
    };
    const auto angle = [](Point a, Point b) { return std::atan2(b.x - a.x, a.y - b.y) / kDeg; };
    EXPECT_NEAR(angle(at(100 + last - 20), at(100 + last)), 25.3740, 1e-3);
    EXPECT_NEAR(angle(at(101), at(121)), 40, 1e-6);
}
