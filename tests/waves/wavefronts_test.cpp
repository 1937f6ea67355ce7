// The wave-front scene and the ray picture. The screen is 1920 x 1080, so waveScaleW = 960,
// waveScaleH = 540 and the surface lies at y = 270. Front positions are worked out by hand: at 30
// degrees tan i = 1/sqrt 3, a front meets the surface 200 units after the one before it
// (lambda1 / sin i) and its crossing point moves at c1 / sin i = 2 c1.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/model/mathconst.h"
#include "waves/model/interpretation.h"

namespace {

constexpr double kW = 960, kH = 540, kS = 270;
constexpr double kDeg = PI / 180;
constexpr Rgb kIncident{200, 100, 0}, kRefracted{0, 0, 255}, kReflected{255, 0, 0};

// The wave scene's set-up at clock 0: c2 = c1 / (R/100), the clamping, the amplitudes.
InterpretationState Scene(double c1, double ratioR, double incDeg, bool offGrazing = true) {
    InterpretationState s;
    SetWaveScaleFromSize(s, 1920, 1080);
    s.speedC1 = c1;
    s.speedC2 = c1 / (ratioR / 100);
    s.lambda1 = 100;
    s.incDeg = incDeg;
    s.incRad = incDeg * kDeg;
    SetUpRefraction(s, RefractionMode::Clamping, incDeg, offGrazing);
    StartWaveFronts(s);
    return s;
}

std::vector<DrawItem> Of(const Drawing& d, Rgb colour) {
    std::vector<DrawItem> out;
    for (const DrawItem& item : d)
        if (item.colour == colour) out.push_back(item);
    return out;
}

bool Near(Point p, double x, double y, double tolerance = 1e-6) {
    return std::fabs(p.x - x) <= tolerance && std::fabs(p.y - y) <= tolerance;
}

// Every item is a line of width 1 whose ends are finite and on the picture.
::testing::AssertionResult OnPicture(const Drawing& d, double w = kW, double h = kH) {
    for (const DrawItem& item : d) {
        if (item.kind != DrawItem::Line || item.width != 1)
            return ::testing::AssertionFailure() << "not a thin line";
        for (Point p : {item.a, item.b})
            if (!(std::isfinite(p.x) && std::isfinite(p.y) && p.x >= 0 && p.x <= w && p.y >= 0 &&
                  p.y <= h))
                return ::testing::AssertionFailure() << "off the picture: " << p.x << ", " << p.y;
    }
    return ::testing::AssertionSuccess();
}

// The line runs between p and q, in either order.
bool Ends(const DrawItem& item, Point p, Point q) {
    return (Near(item.a, p.x, p.y) && Near(item.b, q.x, q.y)) ||
           (Near(item.a, q.x, q.y) && Near(item.b, p.x, p.y));
}

double Slope(const DrawItem& item) { return (item.b.y - item.a.y) / (item.b.x - item.a.x); }

// One tick of the wave window: the set-up again, the fronts at the present clock, the frame and
// the clock step. Returns the number of ticks before the animation ended itself.
int TicksUntilTheEnd(InterpretationState& s, double ratioR, double panelDeg, int limit) {
    for (int tick = 0; tick < limit; ++tick) {
        s.speedC2 = s.speedC1 / (ratioR / 100);
        s.incDeg = panelDeg;
        s.incRad = panelDeg * kDeg;
        SetUpRefraction(s, RefractionMode::Clamping, panelDeg, true);
        const double clock = s.waveTime;
        StartWaveFronts(s);
        s.waveTime = clock;
        WaveFrame(s, FresnelAmplitudes(s), true);
        if (!AdvanceWaveClock(s, 10)) return tick;
    }
    return -1;
}

} // namespace

TEST(WaveFrontStart, FrontsStartAboveTheCornerOneGapApart) {
    InterpretationState s = Scene(1, 150, 30);
    // What a run before left behind.
    s.frontStart[35] = 7;
    s.frontOutX[12] = 7;
    s.frontHitX[50] = 7;
    s.frontHeight[3] = 7;
    s.waveTime = 33;
    StartWaveFronts(s);
    EXPECT_EQ(s.waveTime, 0);
    EXPECT_DOUBLE_EQ(s.tickStep, 10); // a tenth of the period 100 / 1
    EXPECT_DOUBLE_EQ(s.frontStart[1], kH);
    EXPECT_NEAR(s.frontStart[2], kH + 115.4700538, 1e-6); // 100 / cos 30
    EXPECT_NEAR(s.frontStart[20], kH + 19 * 115.4700538, 1e-5);
    EXPECT_EQ(s.frontStart[35], 0);
    EXPECT_EQ(s.frontOutX[12], 0);
    EXPECT_EQ(s.frontHitX[50], 0);
    EXPECT_EQ(s.frontHeight[3], 0);
    EXPECT_NEAR(s.frontShift[2], -50, 1e-12); // 100 sin 30
    EXPECT_NEAR(s.frontShift[20], -950, 1e-10);
}

TEST(WaveFrameTest, EqualSpeedsContinueTheFrontsWithoutReflection) {
    InterpretationState s = Scene(1, 100, 30);
    s.waveTime = 310;
    const Amplitudes a = FresnelAmplitudes(s);
    const Drawing d = WaveFrame(s, a, true);
    ASSERT_TRUE(OnPicture(d));
    // x_i = 2 c1 t - 200 (i - 1) - 270 sqrt 3 = 152.346 - 200 (i - 1).
    EXPECT_NEAR(s.frontHitX[1], 152.3462820, 1e-6);
    EXPECT_NEAR(s.frontHitX[4], -447.6537180, 1e-6);
    EXPECT_NEAR(s.frontOutX[1], 132.3462820, 1e-6); // a tenth of a period earlier: 20 back
    EXPECT_NEAR(s.frontHeight[1], kH - 310 * 1.1547005384, 1e-6);

    // Fronts 1 to 4 reach the picture; each runs up to the top edge, 270 sqrt 3 = 467.654 on.
    const auto incident = Of(d, kIncident);
    ASSERT_EQ(incident.size(), 4u);
    EXPECT_TRUE(Near(incident[0].a, 152.3462820, kS));
    EXPECT_TRUE(Near(incident[0].b, 620, kH));
    EXPECT_TRUE(Near(incident[1].a, 0, kS + 47.6537180 / std::sqrt(3.0))); // cut at x = 0
    EXPECT_TRUE(Near(incident[1].b, 420, kH));
    EXPECT_TRUE(Near(incident[3].b, 20, kH));

    // Only front 1 has crossed; below the surface it goes on along the same line.
    const auto refracted = Of(d, kRefracted);
    ASSERT_EQ(refracted.size(), 1u);
    EXPECT_TRUE(Ends(refracted[0], {0, kS - 152.3462820 / std::sqrt(3.0)}, {152.3462820, kS}));
    EXPECT_NEAR(Slope(refracted[0]), Slope(incident[0]), 1e-9);
    EXPECT_TRUE(Of(d, kReflected).empty()); // rS = 0, though the check box is ticked
}

TEST(WaveFrameTest, TotalReflectionDrawsNoRefractedFront) {
    // c2 = 2 c1 at 40 degrees: total reflection.
    InterpretationState s = Scene(1, 50, 40);
    ASSERT_FALSE(s.refractedWave);
    for (double clock : {0.0, 400.0, 900.0, 1500.0}) {
        s.waveTime = clock;
        const Amplitudes a = FresnelAmplitudes(s);
        const Drawing ticked = WaveFrame(s, a, true);
        ASSERT_TRUE(OnPicture(ticked));
        EXPECT_TRUE(Of(ticked, kRefracted).empty());
        // The mirror image of each incident front leaves up to the left, at -tan 39.999.
        for (const DrawItem& item : Of(ticked, kReflected))
            EXPECT_NEAR(Slope(item), -std::tan(39.999 * kDeg), 1e-9);
        if (clock == 900) {
            EXPECT_FALSE(Of(ticked, kReflected).empty());
            EXPECT_FALSE(Of(ticked, kIncident).empty());
        }
        // Unticked: no red, whatever the coefficient.
        EXPECT_TRUE(Of(WaveFrame(s, a, false), kReflected).empty());
    }
}

TEST(WaveFrameTest, GrazingIncidenceDrawsVerticalFrontsOneWavelengthApart) {
    // n2/n1 = 1.5 at 90 degrees: the incidence stays at 90 and the fronts stand upright.
    InterpretationState s = Scene(1, 150, 90);
    ASSERT_DOUBLE_EQ(s.incDeg, 90);
    s.waveTime = 1050; // x_i = 1050 - 100 (i - 1): fronts 2 to 11 lie at 950, 850, ... 50
    const Drawing d = WaveFrame(s, FresnelAmplitudes(s), false);
    ASSERT_TRUE(OnPicture(d));
    const auto incident = Of(d, kIncident);
    ASSERT_EQ(incident.size(), 10u);
    for (size_t k = 0; k < incident.size(); ++k) {
        const double x = 950 - 100.0 * k;
        EXPECT_TRUE(Near(incident[k].a, x, kS, 1e-9));
        EXPECT_TRUE(Near(incident[k].b, x, kH, 1e-9));
    }
    EXPECT_NEAR(s.frontOutX[2], 940, 1e-9);
    EXPECT_TRUE(Of(d, kRefracted).empty()); // ts = 0 at grazing incidence

    // At c = 2 the same picture comes at half the clock.
    InterpretationState fast = Scene(2, 150, 90);
    fast.waveTime = 525;
    EXPECT_EQ(Of(WaveFrame(fast, FresnelAmplitudes(fast), false), kIncident).size(), 10u);
    EXPECT_NEAR(fast.frontHitX[2], 950, 1e-9);
}

TEST(WaveFrameTest, DoubleSpeedMovesTheFrontsTwiceAsFastAtTheSameGap) {
    InterpretationState slow = Scene(1, 150, 30), fast = Scene(2, 150, 30);
    EXPECT_NEAR(fast.frontGap1, 100 / std::cos(30 * kDeg), 1e-9);
    EXPECT_EQ(fast.frontGap1, slow.frontGap1);
    EXPECT_DOUBLE_EQ(fast.frontSpeed1, 2 * slow.frontSpeed1);
    EXPECT_DOUBLE_EQ(fast.tickStep, 5);
    slow.waveTime = 310;
    fast.waveTime = 155;
    const Drawing a = WaveFrame(slow, FresnelAmplitudes(slow), true);
    const Drawing b = WaveFrame(fast, FresnelAmplitudes(fast), true);
    ASSERT_EQ(a.size(), b.size());
    for (int i = 1; i <= kWaveFronts; ++i) {
        EXPECT_NEAR(fast.frontHitX[i], slow.frontHitX[i], 1e-9);
        EXPECT_NEAR(fast.frontOutX[i], slow.frontOutX[i], 1e-9);
    }
    // Into n2/n1 = 1.5 the refracted fronts turn to 19.47 degrees.
    const auto refracted = Of(a, kRefracted);
    ASSERT_FALSE(refracted.empty());
    EXPECT_NEAR(Slope(refracted[0]), std::tan(std::asin(1 / 3.0)), 1e-9);
}

TEST(WaveClock, TheAnimationEndsOnceTheLastFrontHasCrossed) {
    // The last front's earlier crossing x'_20 = (c1 (t - tickStep) - 270 cos 30 - 1900) / sin 30
    // passes 960 once c1 t - c1 tickStep > 480 + 233.827 + 1900: the frame at t = 2624 ends it
    // at c = 1 (tickStep 10), the one at t = 1312 at c = 2 (tickStep 5).
    InterpretationState s = Scene(1, 100, 30);
    EXPECT_EQ(TicksUntilTheEnd(s, 100, 30, 100000), 2624);
    EXPECT_EQ(s.waveTime, 0);
    EXPECT_GT(s.frontOutX[kWaveFronts], kW);
    InterpretationState fast = Scene(2, 100, 30);
    EXPECT_EQ(TicksUntilTheEnd(fast, 100, 30, 100000), 1312);

    // The corners of the panel's scroll bars, at every speed of the menus and of the button.
    for (double c1 : {1.0, 2.0, 0.5, 0.25})
        for (double ratio : {50.0, 300.0})
            for (double inc : {1.0, 89.0, 90.0}) {
                InterpretationState corner = Scene(c1, ratio, inc);
                const int bound = static_cast<int>((20 * 100 + kW + kH) / c1);
                const int ticks = TicksUntilTheEnd(corner, ratio, inc, 100000);
                EXPECT_GE(ticks, 0) << c1 << " " << ratio << " " << inc;
                EXPECT_LE(ticks, bound) << c1 << " " << ratio << " " << inc;
                EXPECT_GT(corner.frontOutX[kWaveFronts], kW) << "ended before the last front";
            }
}

TEST(WaveClock, AClockWithNothingMovingStillStops) {
    // No frame ever computed: frontOutX stays 0, the clock stops after (2000 + 1500) / c1.
    InterpretationState s = Scene(1, 150, 30);
    int ticks = 0;
    while (AdvanceWaveClock(s, 10) && ticks < 100000) ++ticks;
    EXPECT_EQ(ticks, 3500);
    EXPECT_EQ(s.waveTime, 0);
    // A timer of no interval, or no speed, never moves the clock: stopped at once.
    EXPECT_FALSE(AdvanceWaveClock(s, 0));
    s.speedC1 = 0;
    EXPECT_FALSE(AdvanceWaveClock(s, 10));
}

TEST(RayPictureTest, EqualSpeedsTenIncidentTenRefractedNoReflected) {
    InterpretationState s = Scene(1, 100, 30);
    const Drawing d = RayPicture(s, FresnelAmplitudes(s));
    ASSERT_TRUE(OnPicture(d));
    ASSERT_EQ(d.size(), 20u);
    for (const DrawItem& item : d) EXPECT_FALSE(item.colour.has_value()); // the ForeColor
    // A_1 = 480; up to (480 - 270 tan 30, 540), down to (480 + 270 tan 30, 0); A_i 19.2 apart.
    EXPECT_TRUE(Near(d[0].a, 480, kS));
    EXPECT_TRUE(Near(d[0].b, 480 - 155.8845727, kH));
    EXPECT_TRUE(Near(d[9].a, 480 + 9 * 19.2, kS));
    EXPECT_TRUE(Near(d[10].b, 480 + 155.8845727, 0));
    EXPECT_TRUE(Near(d[19].b, 652.8 + 155.8845727, 0));
}

TEST(RayPictureTest, TotalReflectionTenReflectedAndNoRefracted) {
    InterpretationState s = Scene(1, 50, 40);
    const Drawing d = RayPicture(s, FresnelAmplitudes(s));
    ASSERT_TRUE(OnPicture(d));
    ASSERT_EQ(d.size(), 20u);
    // The reflected rays climb to the right: the tenth from A_10 = 652.8 to 652.8 + 226.549.
    for (int k = 10; k < 20; ++k) EXPECT_GT(d[k].b.y, kS);
    EXPECT_TRUE(Near(d[19].b, 652.8 + 226.5488702, kH, 1e-5));
}

TEST(RayPictureTest, RayCountsAreTenthsRoundedHalfToEven) {
    InterpretationState s = Scene(1, 150, 30);
    const auto counts = [&](double tS, double rS) {
        Amplitudes a;
        a.tS = tS;
        a.rS = rS;
        const Drawing d = RayPicture(s, a);
        int down = 0;
        for (const DrawItem& item : d)
            if (item.b.y < kS) ++down;
        return std::pair<int, int>{down, static_cast<int>(d.size()) - 10 - down};
    };
    EXPECT_EQ(counts(0.35, 0.25), std::make_pair(4, 2)); // 3.5 -> 4, 2.5 -> 2
    EXPECT_EQ(counts(-0.45, -0.15), std::make_pair(4, 2)); // magnitudes; 4.5 -> 4, 1.5 -> 2
    EXPECT_EQ(counts(0.36, 0.04), std::make_pair(4, 0));
    EXPECT_EQ(counts(0.7595917942, 0.2404082058), std::make_pair(8, 2)); // n2/n1 = 1.5 at 30
    // Into a faster medium the refracted amplitude passes 1 (n2/n1 = 0.5 at 20: 1.4408): one
    // refracted ray for each of the ten incident ones, no more.
    EXPECT_EQ(counts(1.4407881092, -0.4407881092), std::make_pair(10, 4));
}

TEST(RayPictureTest, NearGrazingRaysStayOnThePicture) {
    // 89.999 degrees with equal speeds: the incident rays start 270 tan 89.999 = 1.5e7 to the
    // left and are left out; the refracted ones run along just below the surface to the right.
    InterpretationState s = Scene(1, 100, 90);
    const Drawing d = RayPicture(s, FresnelAmplitudes(s));
    ASSERT_TRUE(OnPicture(d));
    ASSERT_EQ(d.size(), 10u);
    for (const DrawItem& item : d) {
        EXPECT_NEAR(item.b.x, kW, 1e-9);
        EXPECT_NEAR(item.b.y, kS, 0.02);
    }
}

TEST(WaveGrid, EveryFrameAndRayPictureIsFiniteAndOnThePicture) {
    InterpretationState s; // one state for the whole grid, as the program keeps one
    SetWaveScaleFromSize(s, 1920, 1080);
    for (double c1 : {1.0, 2.0, 0.5, 0.25})
        for (int ratio = 50; ratio <= 300; ratio += 1)
            for (int inc = 1; inc <= 90; ++inc)
                for (int mode = 0; mode < 3; ++mode) {
                    s.speedC1 = c1;
                    s.speedC2 = c1 / (ratio / 100.0);
                    s.lambda1 = 100;
                    s.incDeg = inc;
                    s.incRad = inc * kDeg;
                    if (mode == 0) {
                        SetUpRefraction(s, RefractionMode::Lowering);
                    } else {
                        SetUpRefraction(s, RefractionMode::Clamping, inc, mode == 1);
                    }
                    StartWaveFronts(s);
                    const Amplitudes a = FresnelAmplitudes(s);
                    const std::string where = "c1 " + std::to_string(c1) + " R " +
                                              std::to_string(ratio) + " inc " + std::to_string(inc) +
                                              " mode " + std::to_string(mode);
                    ASSERT_TRUE(OnPicture(RayPicture(s, a))) << where;
                    for (double clock : {0.0, 300.0 / c1, 1200.0 / c1, 3000.0 / c1}) {
                        s.waveTime = clock;
                        const Drawing d = WaveFrame(s, a, true);
                        ASSERT_TRUE(OnPicture(d)) << where << " t " << clock;
                        if (!s.refractedWave) {
                            ASSERT_TRUE(Of(d, kRefracted).empty()) << where;
                        }
                        for (int i = 1; i <= kWaveFronts; ++i)
                            for (double v : {s.frontHeight[i], s.frontHitX[i], s.frontOutX[i],
                                             s.frontStart[i], s.frontShift[i]})
                                ASSERT_TRUE(std::isfinite(v)) << where;
                        ASSERT_TRUE(std::isfinite(s.tickStep)) << where;
                    }
                }
}
