// Fermat's path and least time, and the particle models, against hand calculations and the
// calculus of the travel time, made apart from the program. Fermat's scene: the surface is y = H/2
// = 200 (H = 400), medium 1 above. The particles' scene: 960 x 540, the surface at y = 270, the
// column meeting it at x = 480.
#include "particles/model/fermat.h"
#include "particles/model/particles.h"
#include "shell/model/mathconst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

namespace {
constexpr double H = 400, kDeg = PI / 180;
const std::string kFirst = "Time of movement from  magenta through blue to  GREEN";
// A 3-4-5 triangle above the surface and a segment below at sin r = 0.4 (length 250): the
// sines 0.6 and 0.4 obey sin i / sin r = 1.5.
const Point kUpper{0, 600}, kCrossing{300, 200}, kLower{400, 200 - 50 * std::sqrt(21.0)};
bool Near(Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y) < 1e-9; }

} // namespace

TEST(FermatPath, TheLawsOverTheirBandsAndNowhereElse) {
    const Point a{0, 500}, b{600, 500}; // mirror images at 45 degrees, d1 = d2 = 300 sqrt 2
    constexpr auto None = PathVerdict::None, Hero = PathVerdict::Hero, Fermat = PathVerdict::Fermat;
    const struct {
        Point p1, p2, p3;
        double c2;
        bool ticked; // Fermat's law
        PathVerdict::Law law;
        const char* caption; // after the first text; none: not looked at
    } cases[] = {
        // clang-format off
        // Times and captions: 500 at c1 = 1 and 250 at c2; Fermat's law not ticked.
        {kUpper, kLower, kCrossing, 0.5, false, None, "1000.00"},
        {kUpper, kLower, kCrossing, 1 / 1.5, true, Fermat, "875.00             total distance = 750.00      Παράδειγμα αρχής Fermat"},
        // An end exactly on the surface counts as the lower medium: 300 / 0.5 + 250 / 0.5.
        {{0, 200}, kLower, kCrossing, 0.5, false, None, "1100.00"},
        // 5 units along, |1.5 * 0.3830 - 0.6064| = 0.032 < 0.05; 10 along, 0.064: not.
        {kUpper, kLower, {305, 200}, 1 / 1.5, true, Fermat, nullptr},
        {kUpper, kLower, {310, 200}, 1 / 1.5, true, None, nullptr},
        {kLower, kUpper, kCrossing, 1 / 1.5, true, Fermat, nullptr}, // light from below
        {kUpper, {-100, -29}, kCrossing, 1, true, None, nullptr},    // crossing not between
        {{100, 600}, {100, -100}, {100, 200}, 1 / 1.5, true, Fermat, nullptr}, // vertical
        {a, b, {300, 200}, 1, true, Hero, "848.53            total distance = 848.53      Νόμος Ήρωνος"}, // before Fermat
        {a, b, {300, 200.4}, 1, false, Hero, nullptr},
        {a, b, {300, 200.6}, 1, false, None, nullptr}, // half a unit off: never Hero
        {a, b, {300, 150}, 1, false, None, nullptr},
        {a, {600, 650}, {300, 200}, 1, false, None, nullptr}, // cosines 0.707, 0.832
        // Both ends on one ray from the crossing body: folded back on itself, no reflection.
        {a, {150, 350}, {300, 200}, 1, false, None, nullptr},
        {{300, 500}, {300, 300}, {300, 200}, 1, false, None, nullptr},
        // Bodies on one point: a time, no law.
        {kUpper, kLower, kUpper, 1 / 1.5, true, None, nullptr},
        {kUpper, kLower, kLower, 1 / 1.5, true, None, nullptr},
        {{50, 200}, {50, 200}, {50, 200}, 1, true, None, "0.00"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const PathVerdict v = EvaluatePath(c.p1, c.p2, c.p3, H, 1, c.c2, 1.5, c.ticked, kFirst);
        // Black and thin, red for Hero's law, green and of width 5 for Fermat's.
        const Rgb colour{c.law == Hero ? 255 : 0, c.law == Fermat ? 255 : 0, 0};
        EXPECT_TRUE(v.law == c.law && v.colour == colour && v.width == (c.law == Fermat ? 5 : 1))
            << c.p3.x << ", " << c.p3.y;
        EXPECT_EQ(v.caption, c.caption ? kFirst + c.caption : v.caption);
    }
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
    EXPECT_TRUE(t.found && t.upper == kUpper && t.lower == kLower &&
                std::fabs(t.xMin - 300) < 1e-9 && std::fabs(t.tMin - 875) < 1e-9);
    // Placements in both orders, bodies from a hundredth of a unit to 190 units off the
    // surface: the time sqrt((x - xu)^2 + a^2) + n sqrt((x - xd)^2 + b^2) is convex, so the
    // crossing is its least exactly where its slope sin i + n sin r (signed) is 0. Snell's law
    // holds to 1e-10, as near as the two sines can be told apart with both bodies a hundredth
    // of a unit off the surface (there the crossing of n = 1 lies within 0.0002 degree of the
    // least), and the window's own test calls the path Fermat's.
    const std::pair<double, double> kAcross[] = {
        {100, 700}, {700, 100}, {400, 400.5}, {0, 1100}, {350, 352}};
    for (const bool upperFirst : {true, false})
        for (const double n : {0.5, 1.0, 1.33, 2.5})
            for (const double above : {0.01, 0.3, 20.0, 190.0})
                for (const double below : {0.01, 0.3, 20.0, 190.0})
                    for (const auto& [xu, xd] : kAcross) {
                        const Point upper{xu, 200 + above}, lower{xd, 200 - below};
                        const LeastTime l = upperFirst ? FindLeastTime(upper, lower, H, n)
                                                       : FindLeastTime(lower, upper, H, n);
                        const double x = l.xMin, slope = (x - xu) / std::hypot(x - xu, above) +
                                                         n * (x - xd) / std::hypot(x - xd, below);
                        const PathVerdict v =
                            EvaluatePath(upper, lower, {x, 200}, H, 1, 1 / n, n, true, kFirst);
                        ASSERT_TRUE(l.found && std::fabs(slope) < 1e-10 &&
                                    v.law == PathVerdict::Fermat &&
                                    std::fabs(l.tMin - v.time) < 1e-9 * v.time)
                            << n << " " << xu << " " << xd << " " << above << " " << below;
                    }
    // Ends on one side (or one on the surface) find nothing; ends one above the other give the
    // vertical path; an index of no number finds nothing.
    for (auto [p1, p2, n] : {std::tuple{Point{0, 600}, Point{400, 300}, 1.5},
                             {Point{0, 200}, Point{400, 0}, 1.5},
                             {kUpper, kLower, 0.0},
                             {kUpper, kLower, NAN}})
        EXPECT_FALSE(FindLeastTime(p1, p2, H, n).found) << p1.y << " " << n;
    const LeastTime v = FindLeastTime({100, 600}, {100, -100}, H, 1.5);
    EXPECT_TRUE(v.xMin == 100 && std::fabs(v.tMin - (400 + 300 * 1.5)) < 1e-9);
}

TEST(ParticleModels, SetUpAndTheShareOfRefractedParticles) {
    const ParticleSetUp glass = ParticleRefraction(1.5, 30), total = ParticleRefraction(0.8, 60),
                        hostile = ParticleRefraction(NAN, INFINITY);
    EXPECT_TRUE(!glass.label5 && std::fabs(glass.refrRad / kDeg - 19.4712) < 1e-4); // asin(1/3)
    // asin 0.8 = 53.13 degrees, as the particles' clocks write it.
    EXPECT_EQ(*ParticleRefraction(0.8, 30).label5, "CRITICAL ANGLE Κρίσιμη γωνία =53.13");
    EXPECT_EQ(*ParticleRefraction(0.8, 30, true).label5, "CRITICAL  ANGLE Κρίσιμη γωνία =53.13");
    EXPECT_TRUE(!total.refractedWave && total.refrRad == PI / 2); // beyond the critical angle
    EXPECT_NEAR(ParticleRefraction(1, 82).incDeg, 81.999, 1e-12); // sin 82 = 0.9903 >= 0.99
    EXPECT_TRUE(std::isfinite(hostile.incRad()) && std::isfinite(hostile.refrRad));
    // Refracted and reflected in each ten. n = 1.5, i = 30: rS = sin 10.5288 / sin 49.4712 =
    // 0.2404, tS = 0.7594; at the normal 0.8 and -0.2; n = 0.67, i = 30: r = 48.2682, tS =
    // 1.3202, read as 2 - tS = 0.6798 (or kept: 13, at most ten), rS = -0.3202.
    const struct {
        double n, inc;
        bool twoMinus;
        int refracted, reflected;
    } splits[] = {
        // clang-format off
        {1.5, 30, true, 7, 2}, {1.5, 0, true, 8, 2}, {0.67, 30, true, 6, 3}, {0.67, 30, false, 10, 3},
        {0.8, 60, true, 0, 10},
        // clang-format on
    };
    for (const auto& c : splits) {
        const SplitCounts s = ParticleSplit(ParticleRefraction(c.n, c.inc), c.n, c.twoMinus);
        EXPECT_TRUE(s.refracted == c.refracted && s.reflected == c.reflected)
            << c.n << " " << c.inc;
    }
}

TEST(ParticleModels, DescartesStreamTickByTick) {
    ParticleSetUp set = ParticleRefraction(1.5, 30);
    DescartesStream d = StartDescartes(set, 960, 540);
    // The lowest particle one lambda up the ray from (480, 270); the next one lambda further.
    EXPECT_TRUE(Near(d.p[1].at, {430, 270 + 100 * std::cos(30 * kDeg)}) &&
                Near(d.p[2].at, {380, 270 + 200 * std::cos(30 * kDeg)}));
    const SplitCounts counts = ParticleSplit(set, 1.5, true); // 7 refracted, 2 reflected
    for (int tick = 0; tick < 3; ++tick)
        StepDescartes(d, set, 540, 1.5, counts, 50);
    // T = 150: 50 past the surface, along it 0.5 per unit, down n cos r = 1.5 * 0.942809.
    EXPECT_TRUE(d.p[1].phase == StreamParticle::Refracted &&
                Near(d.p[1].at, {505, 270 - 50 * 1.5 * std::sqrt(8.0) / 3}));
    for (int tick = 3; tick < 17; ++tick)
        StepDescartes(d, set, 540, 1.5, counts, 50);
    // Particle 8 (8 > 7) arrives at T = 800 and goes back up: at T = 850 it is at (505, 313.3).
    // Particle 10 arrives at T = 1000.
    EXPECT_TRUE(d.p[8].phase == StreamParticle::Reflected &&
                d.p[10].phase == StreamParticle::Coming &&
                Near(d.p[8].at, {505, 270 + 50 * std::cos(30 * kDeg)}));
    // Two half ticks take a particle where one whole tick does.
    DescartesStream halves = d, whole = d;
    for (auto [stream, dt] : {std::pair{&halves, 25}, {&halves, 25}, {&whole, 50}})
        StepDescartes(*stream, set, 540, 1.5, counts, dt);
    for (int i = 1; i <= kDescartesParticles; ++i)
        EXPECT_TRUE(Near(halves.p[i].at, whole.p[i].at)) << i;
    // A new incidence turns them at the next tick: the refracted one at sin r = sin 10 / 1.5,
    // the coming one at 10 degrees.
    const Point refracted = d.p[1].at, coming = d.p[20].at;
    set = ParticleRefraction(1.5, 10);
    StepDescartes(d, set, 540, 1.5, counts, 50);
    // 50 sin 10 = 8.6824089, 50 n cos r = 74.4957433, 50 cos 10 = 49.2403877.
    EXPECT_TRUE(
        Near(d.p[1].at, {refracted.x + 8.682408883346517, refracted.y - 74.49574334136405}));
    EXPECT_TRUE(Near(d.p[20].at, {coming.x + 8.682408883346517, coming.y - 49.2403876506104}));
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
    for (int k = 0; k <= 200; ++k) // element 0 stays 0, as the scenes leave it
        s.trackA.push_back(-k), s.trackB.push_back(k), s.trackC.push_back(k), s.trackD.push_back(k);
    // Particle 1 (1 mod 10 < 7) on the first track: point 50 at panelTime 150; particle 7 on
    // the second; not there yet: behind the start on the line of the first steps.
    EXPECT_EQ(NewtonParticle(s, 1, 150, 7, 200, 150).at, (Point{50, -50}));
    EXPECT_EQ(NewtonParticle(s, 7, 720, 7, 200, 150).at, (Point{20, 20}));
    EXPECT_EQ(NewtonParticle(s, 1, 90, 7, 200, 150).at, (Point{-10, 10}));
    // Past the end: gone, and nothing read beyond the stored points.
    // clang-format off
    for (auto [i, t, first, second] : {std::tuple{1, 301.0, 200, 150}, {7, 851.0, 200, 150}, {1, 150.0, 0, 0},
                                       {1, 1e9, 20000, 20000}})
        // clang-format on
        EXPECT_FALSE(NewtonParticle(s, i, t, 7, first, second).shown) << i << " " << t;
    // The last particle to finish: 30 (first track) at 3200, 29 (second) at 3050.
    EXPECT_EQ(NewtonStreamEnd(7, 200, 150), 3200);
    // On the one-layer track at 40 degrees they come at 40 and leave at asin(sin 40 / 1.5).
    const NewtonScene sc = NewtonOneLayer({1.5, 40, 1, 960, 540, 0});
    const int last = sc.firstPoints;
    const auto at = [&](double t) { return NewtonParticle(sc.tracks, 1, t, 10, last, 0).at; };
    const auto angle = [](Point a, Point b) { return std::atan2(b.x - a.x, a.y - b.y) / kDeg; };
    EXPECT_NEAR(angle(at(100 + last - 20), at(100 + last)), 25.3740, 1e-3);
    EXPECT_NEAR(angle(at(101), at(121)), 40, 1e-6);
}
