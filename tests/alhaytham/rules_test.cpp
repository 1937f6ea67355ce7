// Al Haytham's rules, his apparatus and the part that carries them, against hand calculations
// with the sine law.
#include "alhaytham/model/alhaytham_part.h"
#include "shell/model/mathconst.h"

#include <gtest/gtest.h>

#include <cmath>

// Rule (5), for light into the denser medium (n > 1), breaks where d > i/2, i.e. r < i/2, i.e.
// cos(i/2) < n/2 (from the first degree at n = 2, from 51.68 at 1.8, never at 1.33); rule (6),
// out of it (n < 1), where d > i, i.e. r > 2i, i.e. below 45 degrees cos i < 1 / (2n) (from
// 33.56 at 0.6, everywhere at 0.5); a broken rule thickens the step's curves; at n = 1 nothing
// deviates. The steps end where sin(i + 1) / n reaches 1: at 88 for n = 1, 47 at 0.75, 35 at 0.6,
// 29 at 0.5.
TEST(AlHaythamRules, WhereEachIndexBreaksARuleByHand) {
    for (int v = 10; v <= 200; ++v) { // every index the scroll bar gives
        const double n = v / 100.0;
        for (const RuleStep& s : CheckRules(n)) {
            const double i = s.incidence * PI / 180;
            ASSERT_TRUE(std::isfinite(s.deviation + s.nextDeviation + s.nextRefraction)) << v;
            ASSERT_TRUE(v != 100 || std::fabs(s.deviation) + std::fabs(s.nextDeviation) < 1e-9);
            ASSERT_EQ(s.rule5Broken, n > 1 && std::cos(i / 2) < n / 2) << v << " " << s.incidence;
            ASSERT_EQ(s.rule6Broken, n < 1 && 2 * i < PI / 2 && std::cos(i) < 1 / (2 * n))
                << v << " " << s.incidence;
            for (const StyledLine& l : StepCurves(s))
                ASSERT_EQ(l.width, s.rule5Broken || s.rule6Broken ? 3 : 1);
        }
    }
    const std::pair<double, std::size_t> ends[] = {{2, 90},    {1.33, 90}, {1, 88},
                                                   {0.75, 47}, {0.6, 35},  {0.5, 29}};
    for (const auto& [n, last] : ends) {
        const std::vector<RuleStep> steps = CheckRules(n);
        EXPECT_TRUE(steps.size() == last && steps.front().incidence == 1 &&
                    steps.back().incidence == int(last))
            << n;
    }
    // At i = 1, n = 2: r = 0.49998 and d = 0.50002 > 0.5, the first break; n = 1.33, i = 80:
    // r = 47.77; n = 0.6, i = 33: sin r = 0.90773.
    EXPECT_NEAR(CheckRules(2)[0].deviation, 0.50002, 1e-5);
    EXPECT_NEAR(CheckRules(1.33)[79].deviation, 32.23, 0.01);
    EXPECT_NEAR(CheckRules(0.6)[32].refraction, 65.19, 0.01);
    // No refracted ray past the critical angle, nor for an index that is no index.
    for (const double n : {0.5, 0.0, -1.5, double(NAN)})
        EXPECT_FALSE(RefractionDeg(n, 31)) << n;
    // The four curves of a step, at i = 80, n = 2: refraction 29.50 (red), deviation 50.50
    // (black dash-dot), half the incidence 40 to 40.5 (blue), the mean of incidence and
    // deviation 65.25 (magenta).
    const auto c = StepCurves(CheckRules(2)[79]);
    const double ys[] = {29.50, 50.50, 40, 65.25};
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(c[k].a.y, ys[k], 0.01) << k;
    EXPECT_TRUE(c[2].b.y == 40.5 && c[0].a.x == 80 && c[0].b.x == 81 && c[1].style == 3);
}

TEST(AlHaythamApparatusGeometry, TheDiscTurnsAndTheRayBendsTowardsThePerpendicular) {
    // The sight hole at (250 sin i, 250 cos i); the spot where the ray refracted at r meets the
    // rim, (-250 sin r, -250 cos r): r = 0, 22.08 (sin r = 0.5 / 1.33 = 0.37594), 28.90
    // (0.64279 / 1.33 = 0.48330) and 47.77 (below water's critical 48.75).
    const struct { double i, r; } cases[] = {{0, 0}, {30, 22.08}, {40, 28.90}, {80, 47.77}};
    for (const auto& c : cases) {
        const Apparatus a = AlHaythamApparatus(c.i);
        const double i = c.i * PI / 180, r = c.r * PI / 180;
        EXPECT_NEAR(a.refractionDeg, c.r, 0.01);
        EXPECT_TRUE(std::hypot(a.hole.x - 250 * std::sin(i), a.hole.y - 250 * std::cos(i)) < 1e-9);
        EXPECT_TRUE(std::hypot(a.spot.x + 250 * std::sin(r), a.spot.y + 250 * std::cos(r)) < 0.05);
        EXPECT_NEAR(a.unbent.x, -a.hole.x, 1e-9); // the straight path, the disc's 270 degrees
    }
    // The stylus at 0.6 of the radius on the ray at 50 degrees (r = 35.17): its shadow runs from
    // its foot on along the ray to 185 of the 250 to the spot; the ruler a radius long; the
    // stylus kept on it.
    const Apparatus ap = AlHaythamApparatus(50);
    const Segment shadow = AlHaythamStylus(ap, 0.6).shadow;
    EXPECT_LT(std::hypot(shadow.a.x - 0.6 * ap.spot.x, shadow.a.y - 0.6 * ap.spot.y), 1e-6);
    EXPECT_LT(std::hypot(shadow.b.x - 0.74 * ap.spot.x, shadow.b.y - 0.74 * ap.spot.y), 1e-6);
    const Segment edge = AlHaythamRuler(ap).upperEdge;
    EXPECT_NEAR(std::hypot(edge.b.x - edge.a.x, edge.b.y - edge.a.y), kDiscRadius, 1e-9);
    EXPECT_EQ(AlHaythamStylus(ap, 7).position, 1);
}

// The rules list (its places and rule (3): windows_test) and the explanation in both languages,
// as the program's own texts: the rules compare a larger incidence i2 with a smaller i1 (with
// the sine law a larger incidence gives the larger deviation and refraction); the denser medium
// hinders the motion along the surface more than the easier motion along the perpendicular, so
// the light turns towards it.
TEST(AlHaythamTexts, TheRulesListAndTheExplanationSayWhatTheSineLawGives) {
    const std::vector<RulesLine>& lines = AlHaythamRulesList();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[3].english, " and r1, r2 REFRACTION ANGLES, then if i2>i1:");
    EXPECT_EQ(lines[3].greek, "και δ1, δ2 οι γωνίες διάθλασης τότε αν πρ2>πρ1 έχομε:");
    EXPECT_EQ(lines[7].english + "|" + lines[8].english,
              "(4) r2 > r1|(5) for refraction form rare to dens d < i/2");
    const std::string text = AlHaythamExplanation();
    EXPECT_TRUE(text.starts_with("Ο `Aραβας AL HAYTHAM που είναι γνωστός και ως Al Hazen"));
    for (const char* part :
         {"επιβεβαιώνει τον κανόνα AL HAYTHAM (AL HAZEN) did not give",
          " Motion along the perpendicular is the easier one: the denser medium hinders the "
          "PARALLEL component of velocity more than the perpendicular one, so the light turns "
          "towards the perpendicular",
          "Η κίνηση κατά την κάθετο είναι η ευκολότερη"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(text.find("component of velocity is reduced"), std::string::npos);
}

// The rules list is told again whenever a rule's colour changes on the way through the
// incidences, even where it ends in the colours it had: it then replaces whatever the graph
// shows since.
TEST(AlHaythamPart, TheRulesListIsToldAgainWhereARuleChangesColour) {
    AlHaythamReconstruction part;
    int lists = 0;
    const auto connection = part.changed.connect(
        [&lists](const AlHaythamChange& c) { lists += c.what == AlHaythamChange::RulesList; });
    const auto colours = [&part] {
        return std::pair(part.rulesList()[8].colour, part.rulesList()[9].colour);
    };
    const Rgb black{0, 0, 0};
    const struct {
        double n;
        int lists;
        Rgb five, six;
    } steps[] = {{1.33, 0, black, black},       {2, 1, kRule5Colour, black},
                 {1.8, 2, kRule5Colour, black}, {0.5, 3, black, kRule6Colour},
                 {0.6, 4, black, kRule6Colour}, {1, 5, black, black}};
    for (const auto& s : steps) {
        part.check(s.n);
        EXPECT_EQ(lists, s.lists) << s.n;
        EXPECT_EQ(colours(), std::pair(s.five, s.six)) << s.n;
    }
}
