// Al Haytham's rules, his apparatus and the part that carries them, against hand calculations
// with the sine law.
#include "alhaytham/model/alhaytham_part.h"
#include "shell/model/mathconst.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// The first and the last of a run of whole numbers, nothing missing between them.
std::vector<int> span(const std::vector<int>& v) {
    if (v.empty()) return {};
    if (v.back() - v.front() + 1 != int(v.size())) return {-1};
    return {v.front(), v.back()};
}
} // namespace

// Rule (5) breaks where d > i/2, i.e. r < i/2, i.e. cos(i/2) < n/2; rule (6) where d > i,
// i.e. r > 2i, i.e. cos i < 1 / (2n); the curve ends where sin(i + 1) / n reaches 1.
TEST(AlHaythamRules, WhereEachIndexBreaksARuleByHand) {
    const struct {
        double n;
        int steps, last;
        std::vector<int> rule5, rule6; // first and last incidence where broken
    } cases[] = {
        {2, 90, 90, {1, 90}, {}},    // cos(i/2) < 1 from the first degree
        {1.8, 90, 90, {52, 90}, {}}, // cos(i/2) < 0.9 from 51.68
        {1.5, 90, 90, {83, 90}, {}}, // cos(i/2) < 0.75 from 82.82
        {1.33, 90, 90, {}, {}},      // cos(i/2) < 0.665 would need 96.7
        {1, 88, 88, {}, {}},         // sin 89 and sin 90 reach 1 at 89 and 90
        {0.75, 47, 47, {}, {}},      // cos i < 0.6667 from 48.19, beyond the last step
        {0.6, 35, 35, {}, {34, 35}}, // cos i < 0.8333 from 33.56, critical angle 36.87
        {0.5, 29, 29, {}, {1, 29}},  // cos i < 1 everywhere, critical angle 30
    };
    for (const auto& c : cases) {
        const std::vector<RuleStep> steps = CheckRules(c.n);
        ASSERT_EQ(int(steps.size()), c.steps) << c.n;
        EXPECT_EQ(steps.front().incidence + 100 * steps.back().incidence, 1 + 100 * c.last) << c.n;
        std::vector<int> five, six;
        for (const RuleStep& s : steps) {
            if (s.rule5Broken) five.push_back(s.incidence);
            if (s.rule6Broken) six.push_back(s.incidence);
            for (const StyledLine& l : StepCurves(s))
                EXPECT_EQ(l.width, s.rule5Broken || s.rule6Broken ? 3 : 1);
        }
        EXPECT_EQ(span(five), c.rule5) << c.n;
        EXPECT_EQ(span(six), c.rule6) << c.n;
    }
    // At i = 1, n = 2: r = 0.49998 and d = 0.50002 > 0.5, the first break; n = 1.33, i = 80:
    // r = 47.77; n = 0.6, i = 33: sin r = 0.90773.
    EXPECT_NEAR(CheckRules(2)[0].deviation, 0.50002, 1e-5);
    EXPECT_NEAR(CheckRules(1.33)[79].deviation, 32.23, 0.01);
    EXPECT_NEAR(CheckRules(0.6)[32].refraction, 65.19, 0.01);
    for (int v = 10; v <= 200; ++v) // every index the scroll bar gives
        for (const RuleStep& s : CheckRules(v / 100.0))
            ASSERT_TRUE(std::isfinite(s.deviation + s.nextDeviation + s.nextRefraction)) << v;
    for (const RuleStep& s : CheckRules(1))
        EXPECT_NEAR(s.deviation + s.nextDeviation, 0, 1e-9);
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

// The rules list and the explanation in both languages, as the program's own texts: the rules
// compare a larger incidence i2 with a smaller i1 (with the sine law a larger incidence gives
// the larger deviation and refraction); the denser medium hinders the motion along the surface
// more than the easier motion along the perpendicular, so the light turns towards it.
TEST(AlHaythamTexts, TheRulesListAndTheExplanationSayWhatTheSineLawGives) {
    const std::vector<RulesLine>& lines = AlHaythamRulesList();
    ASSERT_EQ(lines.size(), 12u);
    const double ys[] = {110, 105, 100, 95, 90, 85, 75, 70, 65, 60, 55, 50};
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(lines[k].y, ys[k]);
    EXPECT_EQ(lines[3].english, " and r1, r2 REFRACTION ANGLES, then if i2>i1:");
    EXPECT_EQ(lines[3].greek, "και δ1, δ2 οι γωνίες διάθλασης τότε αν πρ2>πρ1 έχομε:");
    EXPECT_EQ(lines[6].english + lines[6].greek, "(3) d2/i2 > d1/i1.απ2 /πρ2 > απ1 /πρ1.");
    EXPECT_EQ(lines[7].english, "(4) r2 > r1");
    EXPECT_EQ(lines[8].english, "(5) for refraction form rare to dens d < i/2");
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
        EXPECT_EQ(part.n, s.n);
        EXPECT_EQ(lists, s.lists) << s.n;
        EXPECT_EQ(colours(), std::pair(s.five, s.six)) << s.n;
    }
}
