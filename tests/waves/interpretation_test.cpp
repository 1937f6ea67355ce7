// The refraction set-up, the amplitude coefficients and the incidence text of the
// interpretation windows. Expected numbers come from Snell's law and from the textbook form of
// the Fresnel coefficients with indices, rs = (n1 cos i - n2 cos t) / (n1 cos i + n2 cos t),
// ts = 2 n1 cos i / (n1 cos i + n2 cos t), worked out apart from the code (n1 = 1, n2 = c1/c2).
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "shell/model/mathconst.h"
#include "shell/model/numfmt.h"
#include "waves/model/interpretation.h"

namespace {

constexpr double kDeg = PI / 180;

// The state as a scene leaves it before the set-up: c1, c2 = c1 / (R/100), lambda1 = 100 and
// the incidence in degrees and radians.
void Prepare(InterpretationState& s, double c1, double ratioR, double incDeg) {
    s.speedC1 = c1;
    s.speedC2 = c1 / (ratioR / 100);
    s.lambda1 = 100;
    s.incDeg = incDeg;
    s.incRad = incDeg * kDeg;
}

InterpretationState Scene(double c1, double ratioR, double incDeg) {
    InterpretationState s;
    Prepare(s, c1, ratioR, incDeg);
    return s;
}

InterpretationState WithSpeeds(double c1, double c2, double incDeg) {
    InterpretationState s = Scene(c1, 100, incDeg);
    s.speedC2 = c2;
    return s;
}

std::string Percent(double value) { return Format(value, "0.00"); }

} // namespace

TEST(RefractionSetUp, EqualSpeedsLeaveTheWaveUnbent) {
    InterpretationState s = Scene(1, 100, 30);
    SetUpRefraction(s, RefractionMode::Lowering);
    EXPECT_TRUE(s.refractedWave);
    EXPECT_DOUBLE_EQ(s.incDeg, 30);
    EXPECT_NEAR(s.refrRad, PI / 6, 1e-12);
    EXPECT_NEAR(s.tanRefr, s.tanInc, 1e-12);
    EXPECT_NEAR(s.tanInc, 0.5773502692, 1e-9); // 1 / sqrt 3
    EXPECT_DOUBLE_EQ(s.lambda2, 100);
    EXPECT_NEAR(s.frontSpeed1, 1.1547005384, 1e-9); // 1 / cos 30 = 2 / sqrt 3
    EXPECT_NEAR(s.frontSpeed2, 1.1547005384, 1e-9);
    EXPECT_NEAR(s.frontGap1, 115.47005384, 1e-7);
    EXPECT_NEAR(s.frontGap2, 115.47005384, 1e-7);

    const Amplitudes a = FresnelAmplitudes(s);
    EXPECT_EQ(Percent(a.reflectedPercent), "0.00");
    EXPECT_EQ(Percent(a.refractedPercent), "100.00");
    EXPECT_EQ(IncidenceText(s, false), "INCIDENCE Πρόσπτωσης= 30° REFRACTION διάθλασης =30.00°");
    EXPECT_EQ(IncidenceText(s, true), "INCIDENCE Πρόσπτωσης= 30°  REFRACTION διάθλασης =30.00°");
}

TEST(RefractionSetUp, IntoASlowerMediumBendsTowardsTheNormal) {
    // n2/n1 = 1.5 at 30 degrees: sin t = 0.5 / 1.5 = 1/3, t = 19.4712 degrees.
    InterpretationState s = Scene(1, 150, 30);
    SetUpRefraction(s, RefractionMode::Clamping, 30);
    EXPECT_DOUBLE_EQ(s.incDeg, 30); // sin 30 / 1.5 = 0.33 is far from 0.99: not moved
    EXPECT_NEAR(s.refrRad / kDeg, 19.4712206345, 1e-9);
    EXPECT_NEAR(s.lambda2, 66.6666666667, 1e-9);
    EXPECT_NEAR(s.frontSpeed2, (1 / 1.5) / std::sqrt(8.0 / 9), 1e-12); // cos t = sqrt(8/9)
    EXPECT_NEAR(s.frontGap2, (100 / 1.5) / std::sqrt(8.0 / 9), 1e-9);
    EXPECT_EQ(IncidenceText(s, true), "INCIDENCE Πρόσπτωσης= 30°  REFRACTION διάθλασης =19.47°");

    // Textbook: rs = -0.240408, ts = 0.759592, rp = 0.158900, tp = 0.772600.
    const Amplitudes a = FresnelAmplitudes(s);
    EXPECT_NEAR(a.rS, 0.2404082058, 1e-9); // sin(i - t) / sin(i + t): the opposite sign
    EXPECT_NEAR(a.tS, 0.7595917942, 1e-9);
    EXPECT_NEAR(a.rP, 0.1588998003, 1e-9);
    EXPECT_NEAR(a.tP, 0.7725998669, 1e-9);
    EXPECT_EQ(Percent(a.reflectedPercent), "24.04");
    EXPECT_EQ(Percent(a.refractedPercent), "75.96");
    // The wave window's start takes the textbook sign; the percentages stay.
    const Amplitudes start = FresnelAmplitudes(s, true);
    EXPECT_NEAR(start.rS, -0.2404082058, 1e-9);
    EXPECT_EQ(start.reflectedPercent, a.reflectedPercent);
}

TEST(RefractionSetUp, IntoAFasterMediumTheRefractedAmplitudeExceedsOne) {
    // c2 = 2 c1 at 20 degrees: sin t = 2 sin 20 = 0.68404, t = 43.1602 degrees;
    // textbook rs = 0.440788, ts = 1.440788 (ts = 1 + rs for this polarisation).
    InterpretationState s = Scene(1, 50, 20);
    SetUpRefraction(s, RefractionMode::Lowering);
    EXPECT_DOUBLE_EQ(s.incDeg, 20);
    EXPECT_NEAR(s.refrRad / kDeg, 43.1601777998, 1e-9);
    EXPECT_DOUBLE_EQ(s.lambda2, 200);
    const Amplitudes a = FresnelAmplitudes(s);
    EXPECT_NEAR(a.rS, -0.4407881092, 1e-9);
    EXPECT_NEAR(a.tS, 1.4407881092, 1e-9);
}

TEST(RefractionSetUp, LoweringStopsAtTheCriticalAngleAndLowersBeyondIt) {
    // c2 / c1 = 2 at 30 degrees: sin t = 1 exactly, the grazing refracted wave; no lowering.
    InterpretationState grazing = WithSpeeds(1, 2, 30);
    SetUpRefraction(grazing, RefractionMode::Lowering);
    EXPECT_DOUBLE_EQ(grazing.incDeg, 30);
    EXPECT_EQ(grazing.refrRad, PI / 2);
    EXPECT_TRUE(grazing.refractedWave);
    EXPECT_EQ(grazing.frontSpeed2, 0);
    EXPECT_EQ(grazing.frontGap2, 0);
    EXPECT_EQ(IncidenceText(grazing, false), "INCIDENCE Πρόσπτωσης= 30° REFRACTION διάθλασης =90.00°");
    // At t = 90 degrees the formulas tend to rs = -1, ts = 2: no energy passes.
    const Amplitudes g = FresnelAmplitudes(grazing);
    EXPECT_EQ(Percent(g.reflectedPercent), "100.00");
    EXPECT_EQ(Percent(g.refractedPercent), "200.00");
    EXPECT_EQ(Percent(g.reflectedEnergyPercent), "100.00");
    EXPECT_EQ(Percent(g.refractedEnergyPercent), "0.00");

    // c2 / c1 = 3: 3 sin 20 = 1.026 is above 1, 3 sin 19 = 0.9767 is not: t = 77.6086 degrees.
    InterpretationState lowered = WithSpeeds(1, 3, 30);
    SetUpRefraction(lowered, RefractionMode::Lowering);
    EXPECT_DOUBLE_EQ(lowered.incDeg, 19);
    EXPECT_NEAR(lowered.incRad, 19 * kDeg, 1e-15);
    EXPECT_NEAR(lowered.refrRad / kDeg, 77.6085905557, 1e-8);
    EXPECT_NEAR(std::sin(lowered.refrRad), 3 * std::sin(19 * kDeg), 1e-12);
    EXPECT_EQ(IncidenceText(lowered, false), "INCIDENCE Πρόσπτωσης= 19° REFRACTION διάθλασης =77.61°");
}

TEST(RefractionSetUp, ClampingAllowsTotalReflection) {
    // c2 = 2 c1 at 40 degrees: 2 sin 40 = 1.29, moved off by 0.001 degree and still above 1.
    InterpretationState s = Scene(1, 50, 40);
    SetUpRefraction(s, RefractionMode::Clamping, 40);
    EXPECT_DOUBLE_EQ(s.incDeg, 39.999);
    EXPECT_DOUBLE_EQ(s.incRad, 39.999 * PI / 180);
    EXPECT_EQ(s.refrRad, PI / 2);
    EXPECT_FALSE(s.refractedWave);
    EXPECT_EQ(s.frontSpeed2, 0);
    EXPECT_EQ(s.frontGap2, 0);
    EXPECT_NEAR(s.frontGap1, 100 / std::cos(39.999 * kDeg), 1e-9);
    const Amplitudes a = FresnelAmplitudes(s);
    EXPECT_EQ(a.rS, -1);
    EXPECT_EQ(a.tS, 0);
    EXPECT_EQ(Percent(a.reflectedPercent), "100.00");
    EXPECT_EQ(Percent(a.refractedPercent), "0.00");
    EXPECT_EQ(a.reflectedEnergyPercent, 100);
    EXPECT_EQ(a.refractedEnergyPercent, 0);
    EXPECT_EQ(IncidenceText(s, true), "INCIDENCE Πρόσπτωσης= 40°");

    // Without the move off (the panel's incidence handler) the incidence stays at 40.
    InterpretationState panel = Scene(1, 50, 40);
    SetUpRefraction(panel, RefractionMode::Clamping, 40, false);
    EXPECT_DOUBLE_EQ(panel.incDeg, 40);
    EXPECT_EQ(panel.refrRad, PI / 2);
    EXPECT_FALSE(panel.refractedWave);

    // 30 degrees into a medium twice as fast is the critical angle itself: total reflection.
    InterpretationState critical = Scene(1, 50, 30);
    SetUpRefraction(critical, RefractionMode::Clamping, 30, false);
    EXPECT_EQ(critical.refrRad, PI / 2);
    EXPECT_FALSE(critical.refractedWave);
    // Moved off to 29.999 degrees a refracted wave exists: asin(2 sin 29.999) = 89.5545 degrees.
    SetUpRefraction(critical, RefractionMode::Clamping, 30, true);
    EXPECT_DOUBLE_EQ(critical.incDeg, 29.999);
    EXPECT_TRUE(critical.refractedWave);
    EXPECT_NEAR(critical.refrRad / kDeg, 89.5544886058, 1e-7);
}

TEST(RefractionSetUp, ClampingAtNinetyDegrees) {
    // Equal speeds: the sine reaches 1 and the incidence is moved to 89.999 degrees.
    InterpretationState same = Scene(1, 100, 90);
    SetUpRefraction(same, RefractionMode::Clamping, 90);
    EXPECT_DOUBLE_EQ(same.incDeg, 89.999);
    EXPECT_TRUE(same.refractedWave);
    EXPECT_NEAR(same.refrRad, same.incRad, 1e-9);
    EXPECT_NEAR(same.tanInc, 57295.7795, 1e-2); // tan 89.999 = 1 / tan 0.001 degree
    EXPECT_EQ(IncidenceText(same, true), "INCIDENCE Πρόσπτωσης= 90°  REFRACTION διάθλασης =90.00°");

    // Not moved off, the same sine of exactly 1 between media alike is the wave running on
    // along the surface: there is nothing to reflect it.
    InterpretationState panel = Scene(1, 100, 90);
    SetUpRefraction(panel, RefractionMode::Clamping, 90, false);
    EXPECT_DOUBLE_EQ(panel.incDeg, 90);
    EXPECT_EQ(panel.refrRad, PI / 2);
    EXPECT_TRUE(panel.refractedWave);
    EXPECT_EQ(panel.frontSpeed2, 0);

    // n2/n1 = 1.5: sin t = 1 / 1.5, well below 0.99: the incidence stays at 90 (grazing fronts).
    // Textbook at grazing incidence: rs = (0 - 1.5 cos t) / (0 + 1.5 cos t) = -1, ts = 0.
    InterpretationState glass = Scene(1, 150, 90);
    SetUpRefraction(glass, RefractionMode::Clamping, 90);
    EXPECT_DOUBLE_EQ(glass.incDeg, 90);
    EXPECT_NEAR(glass.refrRad / kDeg, 41.8103148958, 1e-9);
    EXPECT_TRUE(std::isfinite(glass.frontGap1) && std::isfinite(glass.tanInc));
    const Amplitudes a = FresnelAmplitudes(glass);
    EXPECT_EQ(Percent(a.reflectedPercent), "100.00");
    EXPECT_EQ(Percent(a.refractedPercent), "0.00");
}

TEST(FresnelAmplitudesTest, NormalIncidenceTakesTheLimit) {
    // At 0 degrees sin(i + t) = 0; the limits are rs = (1 - n) / (1 + n), ts = 2 / (1 + n).
    InterpretationState glass = Scene(1, 150, 0);
    SetUpRefraction(glass, RefractionMode::Clamping, 0);
    const Amplitudes a = FresnelAmplitudes(glass);
    EXPECT_NEAR(a.rS, 0.2, 1e-15); // textbook -0.2, in the opposite sign
    EXPECT_NEAR(a.tS, 0.8, 1e-15);
    EXPECT_NEAR(a.rP, 0.2, 1e-15);
    EXPECT_NEAR(a.tP, 0.8, 1e-15);
    EXPECT_NEAR(FresnelAmplitudes(glass, true).rS, -0.2, 1e-15);

    // Into a medium twice as fast: rs = (1 - 0.5) / 1.5 = 1/3, ts = 2 / 1.5 = 4/3.
    InterpretationState fast = Scene(1, 50, 0);
    SetUpRefraction(fast, RefractionMode::Clamping, 0);
    const Amplitudes b = FresnelAmplitudes(fast);
    EXPECT_NEAR(b.rS, -1.0 / 3, 1e-15);
    EXPECT_NEAR(b.tS, 4.0 / 3, 1e-15);

    // Just off the normal the formulas themselves agree with the limit.
    InterpretationState near = Scene(1, 150, 1e-4);
    SetUpRefraction(near, RefractionMode::Clamping, 1e-4);
    EXPECT_NEAR(FresnelAmplitudes(near).rS, 0.2, 1e-8);
}

// What the panel shows at textbook points: the amplitudes of the wave whose field is
// perpendicular to the plane of incidence and how the energy divides, against the textbook
// coefficients in the index form (n1 = 1, n2 = R / 100), worked out here: reflectance rs^2,
// transmittance (n2 cos t / cos i) ts^2.
TEST(FresnelAmplitudesTest, TextbookPointsOfTheAmplitudesAndTheEnergy) {
    const struct {
        int ratioR;
        double incDeg;
        const char *reflected, *refracted, *reflectedEnergy, *refractedEnergy;
    } points[] = {
        {150, 0, "20.00", "80.00", "4.00", "96.00"},   // normal incidence on glass
        {150, 30, "24.04", "75.96", "5.78", "94.22"},  // glass at 30 degrees
        {50, 20, "44.08", "144.08", "19.43", "80.57"}, // a faster medium below
        {50, 40, "100.00", "0.00", "100.00", "0.00"},  // past the critical angle, 30
        {100, 0, "0.00", "100.00", "0.00", "100.00"},  // two media alike ...
        {100, 45, "0.00", "100.00", "0.00", "100.00"},
        {100, 90, "0.00", "100.00", "0.00", "100.00"}, // ... even at 90 degrees
        {150, 90, "100.00", "0.00", "100.00", "0.00"}, // grazing on glass
    };
    for (const auto& p : points) {
        // As the panel's incidence scroll bar sets it up: never moved off its degree.
        InterpretationState s = Scene(1, p.ratioR, p.incDeg);
        SetUpRefraction(s, RefractionMode::Clamping, p.incDeg, false);
        const Amplitudes a = FresnelAmplitudes(s);
        const std::string where = std::to_string(p.ratioR) + " at " + std::to_string(p.incDeg);
        EXPECT_EQ(Percent(a.reflectedPercent), p.reflected) << where;
        EXPECT_EQ(Percent(a.refractedPercent), p.refracted) << where;
        EXPECT_EQ(Percent(a.reflectedEnergyPercent), p.reflectedEnergy) << where;
        EXPECT_EQ(Percent(a.refractedEnergyPercent), p.refractedEnergy) << where;
        const double n2 = p.ratioR / 100.0, i = p.incDeg * kDeg, sinT = std::sin(i) / n2;
        if (sinT >= 1 || p.incDeg == 90) continue;
        const double cosI = std::cos(i), cosT = std::sqrt(1 - sinT * sinT);
        const double rs = (cosI - n2 * cosT) / (cosI + n2 * cosT),
                     ts = 2 * cosI / (cosI + n2 * cosT);
        EXPECT_NEAR(a.reflectedPercent, 100 * std::fabs(rs), 1e-9) << where;
        EXPECT_NEAR(a.refractedPercent, 100 * ts, 1e-9) << where;
        EXPECT_NEAR(a.reflectedEnergyPercent, 100 * rs * rs, 1e-9) << where;
        EXPECT_NEAR(a.refractedEnergyPercent, 100 * n2 * cosT / cosI * ts * ts, 1e-9) << where;
    }
}

TEST(RefractionGrid, EveryRatioIncidenceSpeedAndModeIsFiniteAndKeepsTheLaws) {
    int cases = 0;
    InterpretationState s; // one state for the whole grid, as the program keeps one
    for (double c1 : {1.0, 2.0, 0.5, 0.25})
        for (int ratio = 50; ratio <= 300; ++ratio)
            for (int inc = 1; inc <= 90; ++inc)
                for (int mode = 0; mode < 3; ++mode) {
                    Prepare(s, c1, ratio, inc);
                    if (mode == 0) {
                        SetUpRefraction(s, RefractionMode::Lowering);
                    } else {
                        SetUpRefraction(s, RefractionMode::Clamping, inc, mode == 1);
                    }
                    const Amplitudes a = FresnelAmplitudes(s), b = FresnelAmplitudes(s, true);
                    const std::string where = "c1 " + std::to_string(c1) + " R " +
                                              std::to_string(ratio) + " inc " + std::to_string(inc) +
                                              " mode " + std::to_string(mode);
                    for (double v : {s.incDeg, s.incRad, s.refrRad, s.tanInc, s.tanRefr, s.lambda2,
                                     s.frontSpeed1, s.frontSpeed2, s.frontGap1, s.frontGap2, a.rS,
                                     a.tS, a.rP, a.tP, a.reflectedPercent, a.refractedPercent,
                                     a.reflectedEnergyPercent, a.refractedEnergyPercent, b.rS})
                        ASSERT_TRUE(std::isfinite(v)) << where;
                    ASSERT_NEAR(s.lambda2 / s.lambda1, s.speedC2 / s.speedC1, 1e-12) << where;
                    ASSERT_LE(std::fabs(a.rS), 1 + 1e-9) << where;
                    ASSERT_LE(std::fabs(a.tS), 2 + 1e-9) << where; // ts = 1 + rs
                    ASSERT_NEAR(a.reflectedEnergyPercent, 100 * a.rS * a.rS, 1e-9) << where;
                    ASSERT_EQ(a.reflectedEnergyPercent + a.refractedEnergyPercent, 100) << where;
                    if (ratio == 100) {
                        ASSERT_EQ(a.rS, 0) << where; // two media alike
                    }
                    const double q = s.speedC2 / s.speedC1, sine = std::sin(s.incRad) * q;
                    if (!s.refractedWave) {
                        ASSERT_EQ(s.refrRad, PI / 2) << where;
                        ASSERT_GE(sine, 1 - 1e-12) << where;
                        ASSERT_EQ(s.frontSpeed2, 0) << where;
                        ASSERT_EQ(s.frontGap2, 0) << where;
                        ASSERT_EQ(a.tS, 0) << where;
                        continue;
                    }
                    ASSERT_LE(sine, 1 + 1e-12) << where;
                    ASSERT_NEAR(std::sin(s.refrRad), sine, 1e-9) << where;
                    if (mode == 0) {
                        // Lowered only while no refracted wave existed, in whole degrees.
                        ASSERT_EQ(s.incDeg, std::round(s.incDeg)) << where;
                        if (s.incDeg < inc) {
                            ASSERT_GT(std::sin((s.incDeg + 1) * kDeg) * q, 1) << where;
                        }
                    }
                    // Energy: the transmitted power of the s wave, T = (n cos t / cos i) ts^2
                    // with n = c1 / c2, is the energy shown as refracted.
                    const double ci = std::cos(s.incRad), ct = std::cos(s.refrRad);
                    if (ci > 1e-3 && ct > 1e-3) {
                        const double n = 1 / q;
                        ASSERT_NEAR(n * ct / ci * a.tS * a.tS, a.refractedEnergyPercent / 100, 1e-9)
                            << where;
                    }
                    ++cases;
                }
    EXPECT_GT(cases, 200000); // most of the 271 080 cases refract
}
