// The refraction set-up, the amplitude coefficients, the wave fronts, the ray picture and the
// wave clock, against numbers worked out apart from the code: Snell's law, the textbook Fresnel
// coefficients with indices (n1 = 1, n2 = c1/c2), rs = (cos i - n2 cos t) / (cos i + n2 cos t),
// ts = 2 cos i / (cos i + n2 cos t), and front positions worked out by hand for a picture of
// 960 x 540 units (the surface at y = 270).
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"
#include "waves/model/interpretation.h"

namespace {

constexpr double kDeg = PI / 180;
constexpr double kW = 960, kH = 540, kS = 270;
constexpr WaveScale kScale{kW, kH, kW};
constexpr Rgb kIncident{200, 100, 0}, kRefracted{0, 0, 255}, kReflected{255, 0, 0};
constexpr auto kLower = RefractionMode::Lowering, kClamp = RefractionMode::Clamping;

// The wave scene's set-up: c2 = c1 / (R/100), clamped and moved off 90 degrees.
Refraction Scene(double c1, double ratioR, double incDeg) {
    return SetUpRefraction(c1, c1 / (ratioR / 100), incDeg, kClamp, incDeg, true);
}
Drawing Frame(const Refraction& r, double clock, bool reflected = true) {
    return WaveFrame(r, FresnelAmplitudes(r), kScale, clock, reflected);
}

Drawing Of(Drawing d, Rgb colour) {
    std::erase_if(d, [&](const DrawItem& item) { return item.colour != colour; });
    return d;
}

bool Near(Point p, double x, double y, double tolerance = 1e-6) {
    return std::fabs(p.x - x) <= tolerance && std::fabs(p.y - y) <= tolerance;
}

// Every item is a line of width 1 whose ends are on the picture (a NaN is on no picture).
::testing::AssertionResult OnPicture(const Drawing& d) {
    for (const DrawItem& item : d)
        for (Point p : {item.a, item.b})
            if (item.kind != DrawItem::Line || item.width != 1 || !(p.x >= 0 && p.x <= kW) ||
                !(p.y >= 0 && p.y <= kH))
                return ::testing::AssertionFailure() << "off the picture: " << p.x << ", " << p.y;
    return ::testing::AssertionSuccess();
}

double Slope(const DrawItem& item) { return (item.b.y - item.a.y) / (item.b.x - item.a.x); }

// The wave window's ticks of 10 ms until the animation ends itself.
int TicksUntilTheEnd(double c1, double ratioR, double incDeg) {
    int ticks = 0;
    for (auto clock = std::optional<double>(0); ticks < 100000; ++ticks)
        if (!(clock = AdvanceWaveClock(Scene(c1, ratioR, incDeg), kScale, *clock, 10))) break;
    return ticks;
}

} // namespace

// Each set-up as a scene runs it: the incidence it ends with, the refraction, whether a
// refracted wave exists, the coefficients with their signs (rS the opposite of the textbook's
// rs, tS the textbook's ts, both worked out from the formulas above), the incidence text, and
// what the panel shows: the amplitudes and the energy (reflected rs^2, refracted the
// transmittance (n2 cos t / cos i) ts^2).
TEST(RefractionSetUp, TableOfSetUpsCoefficientsAndWhatThePanelShows) {
    struct Case {
        double c2, inc;
        RefractionMode mode;
        bool offGrazing;
        double incDeg, refrDeg;
        bool refracted;
        double rS, tS;
        const char *text, *reflected, *refractedPercent, *reflectedEnergy, *refractedEnergy;
    };
    const char* none = nullptr;
    // clang-format off
    const Case cases[] = {
        // Equal speeds: unbent, nothing reflected, even at 0 and at 90 (kept, or moved to 89.999).
        {1, 30, kLower, true, 30, 30, true, 0, 1, "INCIDENCE Πρόσπτωσης= 30°  REFRACTION διάθλασης =30.00°", "0.00", "100.00", "0.00", "100.00"},
        {1, 0, kClamp, false, 0, 0, true, 0, 1, none, "0.00", "100.00", "0.00", "100.00"},
        {1, 90, kClamp, false, 90, 90, true, 0, 1, "INCIDENCE Πρόσπτωσης= 90°  REFRACTION διάθλασης =90.00°", "0.00", "100.00", "0.00", "100.00"},
        {1, 90, kClamp, true, 89.999, 89.999, true, 0, 1, "INCIDENCE Πρόσπτωσης= 90°  REFRACTION διάθλασης =90.00°", none, none, none, none},
        // n2/n1 = 1.5: sin t = 1/3 at 30, far from 0.99, so not moved; at the normal the
        // limits (n - 1) / (n + 1), 2 / (n + 1), which the formulas reach just off it; grazing,
        // where sin t = 2/3 stays below 0.99: rs = -1, ts = 0.
        {1 / 1.5, 30, kClamp, true, 30, 19.4712206345, true, 0.2404082058, 0.7595917942, "INCIDENCE Πρόσπτωσης= 30°  REFRACTION διάθλασης =19.47°", "24.04", "75.96", "5.78", "94.22"},
        {1 / 1.5, 0, kClamp, false, 0, 0, true, 0.2, 0.8, none, "20.00", "80.00", "4.00", "96.00"},
        {1 / 1.5, 1e-4, kClamp, false, 1e-4, 6.6667e-5, true, 0.2, 0.8, none, none, none, none, none},
        {1 / 1.5, 90, kClamp, true, 90, 41.8103148958, true, 1, 0, "INCIDENCE Πρόσπτωσης= 90°  REFRACTION διάθλασης =41.81°", "100.00", "0.00", "100.00", "0.00"},
        // c2 = 2 c1 at 20: sin t = 0.68404; the amplitude passes 100 (ts = 1 + rs); at the normal
        // rs = (1 - 0.5) / 1.5 = 1/3, ts = 2 / 1.5 = 4/3.
        {2, 20, kLower, true, 20, 43.1601777998, true, -0.4407881092, 1.4407881092, "INCIDENCE Πρόσπτωσης= 20°  REFRACTION διάθλασης =43.16°", "44.08", "144.08", "19.43", "80.57"},
        {2, 0, kClamp, false, 0, 0, true, -1.0 / 3, 4.0 / 3, none, none, none, none, none},
        // At 30 sin t = 1 exactly: the grazing refracted wave, no lowering, rs = -1, ts = 2;
        // clamped it is the critical angle itself, total reflection, and moved off to 29.999 a
        // refracted wave again, asin(2 sin 29.999) = 89.5545, rs = 0.99106, ts = 1.99106.
        {2, 30, kLower, true, 30, 90, true, -1, 2, "INCIDENCE Πρόσπτωσης= 30°  REFRACTION διάθλασης =90.00°", "100.00", "200.00", "100.00", "0.00"},
        {2, 30, kClamp, false, 30, 90, false, -1, 0, "INCIDENCE Πρόσπτωσης= 30°", "100.00", "0.00", none, none},
        {2, 30, kClamp, true, 29.999, 89.5544886058, true, -0.9910617698, 1.9910617698, "INCIDENCE Πρόσπτωσης= 30°  REFRACTION διάθλασης =89.55°", "99.11", "199.11", "98.22", "1.78"},
        // At 40: total reflection, moved off to 39.999 or (the panel's handler) kept at 40.
        {2, 40, kClamp, true, 39.999, 90, false, -1, 0, "INCIDENCE Πρόσπτωσης= 40°", "100.00", "0.00", "100.00", "0.00"},
        {2, 40, kClamp, false, 40, 90, false, -1, 0, "INCIDENCE Πρόσπτωσης= 40°", "100.00", "0.00", "100.00", "0.00"},
        // c2 = 3 c1: 3 sin 20 = 1.026 > 1, 3 sin 19 = 0.9767: lowered to 19 degrees, where
        // rs = 0.85934, ts = 1.85934.
        {3, 30, kLower, true, 19, 77.6085905557, true, -0.8593387624, 1.8593387624, "INCIDENCE Πρόσπτωσης= 19°  REFRACTION διάθλασης =77.61°", "85.93", "185.93", "73.85", "26.15"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.c2) + " at " + std::to_string(c.inc));
        const Refraction r = SetUpRefraction(1, c.c2, c.inc, c.mode, c.inc, c.offGrazing);
        const Amplitudes a = FresnelAmplitudes(r);
        EXPECT_DOUBLE_EQ(r.incDeg, c.incDeg);
        EXPECT_NEAR(r.refrRad / kDeg, c.refrDeg, 1e-7);
        EXPECT_EQ(r.refractedWave, c.refracted);
        EXPECT_TRUE(std::fabs(a.rS - c.rS) < 1e-8 && std::fabs(a.tS - c.tS) < 1e-8) << a.rS << a.tS;
        EXPECT_EQ(FresnelAmplitudes(r, true).rS, -a.rS); // the start's sign
        for (const auto& [shown, want] :
             {std::pair{IncidenceText(r, true), c.text},
              {Format(a.reflectedPercent, "0.00"), c.reflected},
              {Format(a.refractedPercent, "0.00"), c.refractedPercent},
              {Format(a.reflectedEnergyPercent, "0.00"), c.reflectedEnergy},
              {Format(a.refractedEnergyPercent, "0.00"), c.refractedEnergy}})
            EXPECT_EQ(shown, want ? want : shown);
    }
    // The other polarisation, computed and not shown: textbook rp = 0.158900, tp = 0.772600 on
    // glass at 30 degrees. The start's text: one blank.
    const Amplitudes glass = FresnelAmplitudes(SetUpRefraction(1, 1 / 1.5, 30, kClamp, 30));
    EXPECT_TRUE(std::fabs(glass.rP - 0.1588998003) < 1e-9 &&
                std::fabs(glass.tP - 0.7725998669) < 1e-9);
    EXPECT_EQ(IncidenceText(SetUpRefraction(1, 1, 30, kLower), false),
              "INCIDENCE Πρόσπτωσης= 30° REFRACTION διάθλασης =30.00°");
}

// What every set-up keeps, at any ratio, incidence, speed and mode: numbers, Snell's law, the
// energy, a lowering in whole degrees only while no refracted wave exists, and every frame and
// ray picture on the picture, with no refracted front where there is no refracted wave.
::testing::AssertionResult KeepsTheLaws(double c1, int ratio, int inc, int mode) {
    const double q = 100.0 / ratio;
    const Refraction r = SetUpRefraction(c1, c1 * q, inc, mode ? kClamp : kLower, inc, mode == 1);
    const Amplitudes a = FresnelAmplitudes(r);
    const auto fail = [](const char* what) { return ::testing::AssertionFailure() << what; };
    for (double v : {r.incDeg, r.refrRad, r.tanInc(), r.tanRefr(), r.frontGap1(), a.rP, a.tP})
        if (!std::isfinite(v)) return fail("no number");
    if (!OnPicture(RayPicture(r, a, kScale))) return fail("a ray off the picture");
    for (double clock : {0.0, 300.0 / c1, 1200.0 / c1, 3000.0 / c1})
        if (const Drawing d = Frame(r, clock);
            !OnPicture(d) || !(r.refractedWave || Of(d, kRefracted).empty()))
            return fail("a front");
    if (!(std::fabs(a.rS) <= 1 + 1e-9) ||
        std::fabs(a.reflectedEnergyPercent - 100 * a.rS * a.rS) > 1e-9 ||
        a.reflectedEnergyPercent + a.refractedEnergyPercent != 100 || (ratio == 100 && a.rS != 0))
        return fail("the reflected energy");
    const double sine = std::sin(r.incRad()) * q, ci = std::cos(r.incRad()),
                 ct = std::cos(r.refrRad);
    if (!r.refractedWave)
        return r.refrRad == PI / 2 && sine >= 1 - 1e-12 && a.tS == 0 ? ::testing::AssertionSuccess()
                                                                     : fail("total reflection");
    if (std::fabs(std::sin(r.refrRad) - std::min(sine, 1.0)) > 1e-9) return fail("Snell's law");
    if (mode == 0 && r.incDeg != inc && !(std::sin((r.incDeg + 1) * kDeg) * q > 1))
        return fail("lowered too far");
    // The energy shown as refracted is the transmitted power (n cos t / cos i) ts^2.
    if (ci > 1e-3 && ct > 1e-3 &&
        std::fabs(ct / ci / q * a.tS * a.tS - a.refractedEnergyPercent / 100) > 1e-9)
        return fail("the refracted energy");
    return ::testing::AssertionSuccess();
}

TEST(RefractionGrid, EveryRatioIncidenceSpeedAndModeKeepsTheLawsAndThePicture) {
    for (double c1 : {1.0, 2.0, 0.5, 0.25})
        for (int ratio = 50; ratio <= 300; ++ratio)
            for (int inc = 1; inc <= 90; ++inc)
                for (int mode = 0; mode < 3; ++mode)
                    ASSERT_TRUE(KeepsTheLaws(c1, ratio, inc, mode))
                        << c1 << " R " << ratio << " inc " << inc << " mode " << mode;
}

// ---- The wave fronts ----------------------------------------------------------------------

TEST(WaveFronts, PlacesAndSegmentsWorkedOutByHand) {
    const Refraction glass = Scene(1, 150, 30), same = Scene(1, 100, 30);
    // At clock 0 front 1 passes the top-left corner, the others one gap (100 / cos 30) above.
    EXPECT_DOUBLE_EQ(WaveFront(glass, kScale, 0, 1).height, kH);
    EXPECT_NEAR(WaveFront(glass, kScale, 0, 2).height, kH + 115.4700538, 1e-6);
    EXPECT_NEAR(WaveFront(glass, kScale, 0, 20).height, kH + 19 * 115.4700538, 1e-5);
    // Equal speeds at 310: x_i = 2 c1 t - 200 (i - 1) - 270 sqrt 3 = 152.346 - 200 (i - 1);
    // a tenth of a period earlier it met the surface 20 back.
    const FrontPlace f1 = WaveFront(same, kScale, 310, 1);
    EXPECT_TRUE(std::fabs(f1.hitX - 152.3462820) < 1e-6 && std::fabs(f1.outX - 132.3462820) < 1e-6);
    EXPECT_NEAR(f1.height, kH - 310 * 1.1547005384, 1e-6);
    EXPECT_NEAR(WaveFront(same, kScale, 310, 4).hitX, -447.6537180, 1e-6);
    const Drawing d = Frame(same, 310);
    // Fronts 1 to 4 reach the picture, each up to the top edge 270 sqrt 3 = 467.654 further on.
    const Drawing incident = Of(d, kIncident), refracted = Of(d, kRefracted);
    ASSERT_EQ(incident.size(), 4u);
    EXPECT_TRUE(Near(incident[0].a, 152.3462820, kS) && Near(incident[0].b, 620, kH));
    EXPECT_TRUE(Near(incident[1].a, 0, kS + 47.6537180 / std::sqrt(3.0))); // cut at x = 0
    EXPECT_TRUE(Near(incident[3].b, 20, kH));
    // Only front 1 has crossed; below the surface it goes on along the same line; rS = 0
    // draws no reflected front, though the check box is ticked.
    ASSERT_EQ(refracted.size(), 1u);
    EXPECT_TRUE(Near(refracted[0].b, 0, kS - 152.3462820 / std::sqrt(3.0)));
    EXPECT_NEAR(Slope(refracted[0]), Slope(incident[0]), 1e-9);
    EXPECT_TRUE(Of(d, kReflected).empty());
    // n2/n1 = 1.5: the refracted fronts turn to asin(1/3); at c = 2 the same picture comes at
    // half the clock, the fronts the same gap apart.
    EXPECT_NEAR(Slope(Of(Frame(glass, 310), kRefracted).at(0)), std::tan(std::asin(1 / 3.0)), 1e-9);
    for (int i : {1, 20})
        EXPECT_NEAR(WaveFront(Scene(2, 150, 30), kScale, 155, i).outX,
                    WaveFront(glass, kScale, 310, i).outX, 1e-9);
}

TEST(WaveFronts, TotalReflectionAndGrazingIncidence) {
    // c2 = 2 c1 at 40: no refracted front; each reflected one leaves up to the left at
    // -tan 39.999; unticked, no red whatever the coefficient.
    const Refraction total = Scene(1, 50, 40);
    for (double clock : {0.0, 400.0, 900.0, 1500.0}) {
        const Drawing d = Frame(total, clock);
        EXPECT_TRUE(Of(Frame(total, clock, false), kReflected).empty());
        for (const DrawItem& item : Of(d, kReflected))
            EXPECT_NEAR(Slope(item), -std::tan(39.999 * kDeg), 1e-9);
        EXPECT_TRUE(clock != 900 || !(Of(d, kReflected).empty() || Of(d, kIncident).empty()));
    }
    // n2/n1 = 1.5 at 90: upright fronts lambda1 apart at x = 1050 - 100 (i - 1); fronts 2 to
    // 11 lie at 950, 850, ... 50; no refracted front (ts = 0 at grazing incidence).
    const Refraction grazing = Scene(1, 150, 90);
    const Drawing d = Frame(grazing, 1050, false), incident = Of(d, kIncident);
    ASSERT_EQ(incident.size(), 10u);
    for (size_t k = 0; k < incident.size(); ++k)
        EXPECT_TRUE(Near(incident[k].a, 950 - 100.0 * k, kS, 1e-9) &&
                    Near(incident[k].b, 950 - 100.0 * k, kH, 1e-9));
    EXPECT_NEAR(WaveFront(grazing, kScale, 1050, 2).outX, 940, 1e-9);
    EXPECT_TRUE(Of(d, kRefracted).empty());
    EXPECT_NEAR(WaveFront(Scene(2, 150, 90), kScale, 525, 2).hitX, 950, 1e-9); // half the clock
}

TEST(WaveClock, TheAnimationEndsOnceTheLastFrontHasCrossed) {
    // The last front's earlier crossing x'_20 = (c1 (t - tickStep) - 270 cos 30 - 1900) / sin 30
    // passes 960 once c1 t - c1 tickStep > 480 + 233.827 + 1900: the frame at t = 2624 ends it
    // at c = 1 (tickStep 10), the one at t = 1312 at c = 2 (tickStep 5).
    EXPECT_EQ(TicksUntilTheEnd(1, 100, 30), 2624);
    EXPECT_EQ(TicksUntilTheEnd(2, 100, 30), 1312);
    // The corners of the panel's scroll bars, at every speed of the menus and of the button:
    // the end comes, within the time every front needs to cross.
    for (double c1 : {1.0, 2.0, 0.5, 0.25})
        for (double ratio : {50.0, 300.0})
            for (double inc : {1.0, 89.0, 90.0})
                EXPECT_LE(TicksUntilTheEnd(c1, ratio, inc), int((20 * 100 + kW + kH) / c1))
                    << c1 << " " << ratio << " " << inc;
    // A timer of no interval, or no speed, never moves the clock.
    EXPECT_FALSE(AdvanceWaveClock(Scene(1, 150, 30), kScale, 0, 0) ||
                 AdvanceWaveClock(Scene(0, 150, 30), kScale, 0, 10));
}

// ---- The ray picture ----------------------------------------------------------------------

TEST(RayPictureTest, RaysWorkedOutByHandAndCountsRoundedHalfToEven) {
    // Equal speeds: ten incident and ten refracted rays in the ForeColor from A_i = 480 + 19.2
    // (i - 1), up to (A_i - 270 tan 30, 540) and down to (A_i + 270 tan 30, 0).
    const Refraction same = Scene(1, 100, 30), total = Scene(1, 50, 40),
                     grazing = Scene(1, 100, 90);
    const Drawing d = RayPicture(same, FresnelAmplitudes(same), kScale);
    ASSERT_EQ(d.size(), 20u);
    EXPECT_TRUE(std::none_of(d.begin(), d.end(), [](auto& item) { return item.colour; }));
    EXPECT_TRUE(Near(d[0].a, 480, kS) && Near(d[0].b, 480 - 155.8845727, kH));
    EXPECT_TRUE(Near(d[9].a, 480 + 9 * 19.2, kS) && Near(d[19].b, 652.8 + 155.8845727, 0));
    // Total reflection: ten reflected rays climbing to the right, the tenth to 652.8 + 226.549.
    const Drawing t = RayPicture(total, FresnelAmplitudes(total), kScale);
    ASSERT_EQ(t.size(), 20u);
    EXPECT_TRUE(std::all_of(t.begin() + 10, t.end(), [](auto& item) { return item.b.y > kS; }));
    EXPECT_TRUE(Near(t[19].b, 652.8 + 226.5488702, kH, 1e-5));
    // 89.999 degrees with equal speeds: the incident rays start 1.5e7 to the left and are left
    // out; the refracted ones run just below the surface to the right edge.
    const Drawing g = RayPicture(grazing, FresnelAmplitudes(grazing), kScale);
    ASSERT_EQ(g.size(), 10u);
    for (const DrawItem& item : g)
        EXPECT_TRUE(Near(item.b, kW, kS, 0.02));
    // The counts: 10 |tS| and 10 |rS| to the nearest, a half to the even one; at most ten.
    const struct {
        double tS, rS;
        int down, up;
    } counts[] = {
        // clang-format off
        {0.35, 0.25, 4, 2}, {-0.45, -0.15, 4, 2}, {0.36, 0.04, 4, 0}, {0.7595917942, 0.2404082058, 8, 2},
        {1.4407881092, -0.4407881092, 10, 4},
        // clang-format on
    };
    for (const auto& c : counts) {
        const Drawing rays = RayPicture(Scene(1, 150, 30), Amplitudes{c.rS, c.tS}, kScale);
        const auto down =
            std::count_if(rays.begin(), rays.end(), [](auto& i) { return i.b.y < kS; });
        EXPECT_TRUE(down == c.down && int(rays.size()) - 10 - down == c.up) << c.tS << " " << c.rS;
    }
}
