// Al Haytham's rules and apparatus against hand calculations with the sine law.
#include "alhaytham/model/alhaytham.h"
#include "shell/model/mathconst.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const RuleStep* stepAt(const std::vector<RuleStep>& steps, int incidence) {
    for (const RuleStep& s : steps)
        if (s.incidence == incidence) return &s;
    return nullptr;
}
int firstRule5Break(double n) {
    for (const RuleStep& s : CheckRules(n))
        if (s.rule5Broken) return s.incidence;
    return 0;
}
} // namespace

TEST(AlHaythamAngles, RotatePointTurnsClockwiseAsTheEyeSeesIt) {
    const Point a = RotatePoint(1, 0, PI / 2);
    EXPECT_NEAR(a.x, 0, 1e-12);
    EXPECT_NEAR(a.y, -1, 1e-12);
    const Point b = RotatePoint(0, 1, PI / 2);
    EXPECT_NEAR(b.x, 1, 1e-12);
    EXPECT_NEAR(b.y, 0, 1e-12);
    // 30 degrees: (cos 30, -sin 30) = (0.8660, -0.5).
    const Point c = RotatePoint(2, 0, PI / 6);
    EXPECT_NEAR(c.x, 1.7321, 1e-4);
    EXPECT_NEAR(c.y, -1.0, 1e-12);
}

TEST(AlHaythamAngles, RefractionFollowsTheSineLawAndStopsAtTheCriticalAngle) {
    // sin r = sin 80 / 2 = 0.98481 / 2 = 0.49240: r = 29.50.
    EXPECT_NEAR(RefractionDeg(2, 80).value(), 29.50, 0.01);
    // Water: sin r = 0.5 / 1.33 = 0.37594: r = 22.08.
    EXPECT_NEAR(RefractionDeg(1.33, 30).value(), 22.08, 0.01);
    EXPECT_NEAR(RefractionDeg(1, 45).value(), 45, 1e-9);
    // From dense to rare with n = 0.5 the critical angle is 30 degrees.
    EXPECT_NEAR(RefractionDeg(0.5, 20).value(), 43.16, 0.01); // sin r = 0.34202 / 0.5
    EXPECT_FALSE(RefractionDeg(0.5, 31));
    EXPECT_FALSE(RefractionDeg(1, 90)); // sin 90 / 1 reaches 1
    EXPECT_FALSE(RefractionDeg(0, 30));
    EXPECT_FALSE(RefractionDeg(-1.5, 30));
    EXPECT_FALSE(RefractionDeg(NAN, 30));
}

TEST(AlHaythamRules, AtIndexTwoRuleFiveBreaksFromTheFirstDegree) {
    const std::vector<RuleStep> steps = CheckRules(2);
    ASSERT_EQ(steps.size(), 90u); // sin i / 2 never reaches 1
    const RuleStep* at80 = stepAt(steps, 80);
    ASSERT_TRUE(at80);
    EXPECT_NEAR(at80->refraction, 29.50, 0.01);
    EXPECT_NEAR(at80->deviation, 50.50, 0.01); // more than 80 / 2 = 40
    EXPECT_TRUE(at80->rule5Broken);
    EXPECT_FALSE(at80->rule6Broken);
    // d > i/2 means r < i/2, i.e. sin i / n < sin(i/2), i.e. cos(i/2) < n/2. At n = 2 that holds
    // for every i above 0: at i = 1, r = 0.49998 and d = 0.50002 > 0.5.
    EXPECT_EQ(firstRule5Break(2), 1);
    EXPECT_NEAR(stepAt(steps, 1)->deviation, 0.50002, 1e-5);
    for (const RuleStep& s : steps) EXPECT_TRUE(s.rule5Broken) << s.incidence;
    // n = 1.5: cos(i/2) < 0.75 from i = 82.82; n = 1.8: cos(i/2) < 0.9 from i = 51.68.
    EXPECT_EQ(firstRule5Break(1.5), 83);
    EXPECT_EQ(firstRule5Break(1.8), 52);
}

TEST(AlHaythamRules, WaterBreaksNoRule) {
    // cos(i/2) < 0.665 would need i > 96.7 degrees.
    const std::vector<RuleStep> steps = CheckRules(1.33);
    ASSERT_EQ(steps.size(), 90u);
    for (const RuleStep& s : steps) {
        EXPECT_FALSE(s.rule5Broken || s.rule6Broken) << s.incidence;
        for (const StyledLine& l : StepCurves(s)) EXPECT_EQ(l.width, 1);
    }
    // i = 80: r = 47.77, d = 32.23 < 40.
    EXPECT_NEAR(stepAt(steps, 80)->deviation, 32.23, 0.01);
}

TEST(AlHaythamRules, EqualIndicesDoNotDeviate) {
    const std::vector<RuleStep> steps = CheckRules(1);
    // The steps at 89 and 90 reach sin 90 / 1 = 1 and draw nothing.
    ASSERT_EQ(steps.size(), 88u);
    EXPECT_EQ(steps.back().incidence, 88);
    for (const RuleStep& s : steps) {
        EXPECT_NEAR(s.deviation, 0, 1e-9);
        EXPECT_NEAR(s.nextDeviation, 0, 1e-9);
        EXPECT_FALSE(s.rule5Broken || s.rule6Broken);
    }
}

TEST(AlHaythamRules, FromDenseToRareTheCurveStopsAtTheCriticalAngle) {
    // n = 0.5: sin 30 / 0.5 = 1, so the last step runs from 29 to 30 degrees.
    const std::vector<RuleStep> half = CheckRules(0.5);
    ASSERT_FALSE(half.empty());
    EXPECT_EQ(half.front().incidence, 1);
    EXPECT_EQ(half.back().incidence, 29);
    for (const RuleStep& s : half) {
        EXPECT_TRUE(std::isfinite(s.nextRefraction));
        // Rule (6) is broken when d > i, i.e. r > 2i, i.e. cos i < 1 / (2n) = 1: everywhere.
        EXPECT_TRUE(s.rule6Broken) << s.incidence;
        EXPECT_FALSE(s.rule5Broken);
    }
    // n = 0.6: cos i < 0.8333 from i = 33.56, and the critical angle is 36.87: at 36 the next
    // degree has no ray, so only 34 (r = 68.75 > 68) and 35 (r = 72.93 > 70) break it.
    std::vector<int> broken;
    for (const RuleStep& s : CheckRules(0.6))
        if (s.rule6Broken) broken.push_back(s.incidence);
    EXPECT_EQ(broken, (std::vector<int>{34, 35}));
    EXPECT_NEAR(stepAt(CheckRules(0.6), 33)->refraction, 65.19, 0.01);
    // n = 0.75: cos i < 0.6667 would need i > 48.19, beyond the critical angle 48.59 - 1.
    for (const RuleStep& s : CheckRules(0.75)) EXPECT_FALSE(s.rule6Broken) << s.incidence;
}

TEST(AlHaythamRules, TheFourCurvesOfAStep) {
    const RuleStep s = *stepAt(CheckRules(2), 80);
    const auto c = StepCurves(s);
    // Refraction red, deviation black dash-dot, half the incidence blue, the mean magenta.
    EXPECT_EQ(c[0].colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(c[1].colour, (Rgb{0, 0, 0}));
    EXPECT_EQ(c[1].style, 3);
    EXPECT_EQ(c[2].colour, (Rgb{0, 0, 255}));
    EXPECT_EQ(c[3].colour, (Rgb{255, 0, 255}));
    for (const StyledLine& l : c) {
        EXPECT_EQ(l.width, 3);
        EXPECT_EQ(l.a.x, 80);
        EXPECT_EQ(l.b.x, 81);
    }
    EXPECT_NEAR(c[0].a.y, 29.50, 0.01);
    EXPECT_NEAR(c[1].a.y, 50.50, 0.01);
    EXPECT_EQ(c[2].a.y, 40);
    EXPECT_EQ(c[2].b.y, 40.5);
    EXPECT_NEAR(c[3].a.y, (80 + 50.50) / 2, 0.01);
}

TEST(AlHaythamApparatusGeometry, TheDiscTurnsAndTheRayBendsTowardsThePerpendicular) {
    // Incidence 0: in along the perpendicular and out along it, unbent.
    const Apparatus upright = AlHaythamApparatus(0);
    EXPECT_NEAR(upright.hole.x, 0, 1e-9);
    EXPECT_NEAR(upright.hole.y, kDiscRadius, 1e-9);
    EXPECT_NEAR(upright.spot.x, 0, 1e-9);
    EXPECT_NEAR(upright.spot.y, -kDiscRadius, 1e-9);
    EXPECT_EQ(upright.refractionDeg, 0);

    // 30 degrees: the hole at (250 sin 30, 250 cos 30) = (125, 216.51); r = 22.08.
    const Apparatus a = AlHaythamApparatus(30);
    EXPECT_NEAR(a.hole.x, 125, 1e-9);
    EXPECT_NEAR(a.hole.y, 216.51, 0.01);
    EXPECT_NEAR(a.refractionDeg, 22.08, 0.01);
    EXPECT_NEAR(a.spot.x, -250 * 0.37594, 0.01);
    EXPECT_NEAR(a.unbent.x, -125, 1e-9); // the straight path would stand further out
    EXPECT_LT(a.unbent.x, a.spot.x);

    // 80 degrees, the most the scroll bar gives: 47.77, below water's critical 48.75.
    const Apparatus steep = AlHaythamApparatus(80);
    EXPECT_NEAR(steep.refractionDeg, 47.77, 0.01);
    EXPECT_LT(steep.refractionDeg, 48.75);
}

TEST(AlHaythamApparatusGeometry, DiscRulerAndStylus) {
    const std::vector<Segment> chords = DiscChords(PI / 6);
    ASSERT_EQ(chords.size(), 360u);
    for (const Segment& s : chords) EXPECT_NEAR(std::hypot(s.a.x, s.a.y), kDiscRadius, 1e-9);
    // The chord from 90 to 91 degrees starts at the sight hole, turned by 30 degrees.
    EXPECT_NEAR(chords[89].a.x, 125, 1e-9);
    EXPECT_EQ(DiscGraduation(0).size(), 36u);
    // The disc's 180-degree mark on the water surface at incidence 0.
    const Segment mark = DiscMark(180, 0);
    EXPECT_NEAR(mark.a.x, -kDiscRadius, 1e-9);
    EXPECT_NEAR(mark.a.y, 0, 1e-9);

    // At 50 degrees r = 35.17; the stylus at 0.6 stands 150 from the centre on the ray.
    const Apparatus ap = AlHaythamApparatus(50);
    EXPECT_NEAR(ap.refractionDeg, 35.17, 0.01);
    const Stylus st = AlHaythamStylus(ap, 0.6);
    EXPECT_NEAR(st.shadow.a.x, -150 * std::sin(35.17 * PI / 180), 0.05);
    EXPECT_NEAR(st.shadow.a.y, -150 * std::cos(35.17 * PI / 180), 0.05);
    // The shadow runs along the ray, away from the centre.
    EXPECT_NEAR(std::hypot(st.shadow.b.x, st.shadow.b.y), 185, 1e-9);
    const Ruler ruler = AlHaythamRuler(ap);
    EXPECT_EQ(ruler.marks.size(), 9u);
    EXPECT_NEAR(std::hypot(ruler.farEnd.a.x - ruler.startEnd.a.x, ruler.farEnd.a.y - ruler.startEnd.a.y),
                kDiscRadius, 1e-9);
    EXPECT_EQ(AlHaythamStylus(ap, 7).position, 1);
}

TEST(AlHaythamTexts, TheRulesListAndTheExplanation) {
    const std::vector<RulesLine>& lines = AlHaythamRulesList();
    ASSERT_EQ(lines.size(), 12u);
    const double ys[] = {110, 105, 100, 95, 90, 85, 75, 70, 65, 60, 55, 50};
    for (std::size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k].y, ys[k]);
    EXPECT_EQ(lines[6].english, "(3) d2/i2 > d1/i1.");
    EXPECT_EQ(lines[6].greek, "απ2 /πρ2 > απ1 /πρ1.");
    EXPECT_EQ(lines[7].english, "(4) r2 > r1");
    EXPECT_EQ(lines[8].english, "(5) for refraction form rare to dens d < i/2");
    EXPECT_EQ(lines[8].rule, 5);
    EXPECT_EQ(lines[9].rule, 6);
    EXPECT_EQ(lines[10].greek, "`Eνα πυκνότερο μέσο πλησιάζει το φως προς την κάθετο");
    // The rules compare a larger incidence i2 with a smaller i1, in both languages: with
    // Snell's law (n = 1.33) a larger incidence gives the larger deviation (1) and refraction
    // (4), and the deviation grows less than the incidence (2).
    EXPECT_EQ(lines[3].english, " and r1, r2 REFRACTION ANGLES, then if i2>i1:");
    EXPECT_EQ(lines[3].greek, "και δ1, δ2 οι γωνίες διάθλασης τότε αν πρ2>πρ1 έχομε:");
    for (int i1 = 1; i1 + 7 <= 90; i1 += 11) {
        const int i2 = i1 + 7;
        const double r1 = std::asin(std::sin(i1 * M_PI / 180) / 1.33) * 180 / M_PI;
        const double r2 = std::asin(std::sin(i2 * M_PI / 180) / 1.33) * 180 / M_PI;
        EXPECT_GT(i2 - r2, i1 - r1);
        EXPECT_LT((i2 - r2) - (i1 - r1), i2 - i1);
        EXPECT_GT(r2, r1);
    }

    const std::string text = AlHaythamExplanation();
    EXPECT_EQ(text.rfind("Ο `Aραβας AL HAYTHAM που είναι γνωστός και ως Al Hazen", 0), 0u);
    EXPECT_NE(text.find("επιβεβαιώνει τον κανόνα AL HAYTHAM (AL HAZEN) did not give"), std::string::npos);
    // The denser medium hinders the motion along the surface more than the easier motion along
    // the perpendicular, so the light turns towards the perpendicular (rule 7).
    EXPECT_NE(text.find(" Motion along the perpendicular is the easier one: the denser medium "
                        "hinders the PARALLEL component of velocity more than the perpendicular "
                        "one, so the light turns towards the perpendicular"),
              std::string::npos);
    EXPECT_NE(text.find("Η κίνηση κατά την κάθετο είναι η ευκολότερη"), std::string::npos);
    EXPECT_EQ(text.find("component of velocity is reduced"), std::string::npos);
    const std::string end = "A GRAPH CHANGES COLOR. ALSO THE RULE CHANGES COLOR";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}
