// Al Haytham's windows as a student uses them: the apparatus with its scroll bars and ruler,
// the way to the rules, and the check of the rules at every index; each reaches the part and
// the part's change reaches the views and the data window's graphs (the numbers: rules_test).
#include "support.h"

#include "alhaytham/alhazencheck.h"
#include "alhaytham/xaithamos.h"
#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"

namespace {
const QColor kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0), kBlue = RGB(0, 0, 255),
             kMagenta = RGB(255, 0, 255);

// Lines from x0 to x0 + 1 of the check's graph in a colour and width: one per incidence step.
std::vector<DrawItem> stepLines(const Canvas& c, const QColor& colour, int width) {
    std::vector<DrawItem> out;
    for (const DrawItem& d : drawnOf(c, DrawItem::Line, colour))
        if (std::fabs(d.b.x - d.a.x - 1) < 1e-9 && d.a.x >= 1 && d.width == width) out.push_back(d);
    return out;
}

// The colours of rules (5) and (6) in the rules list.
std::pair<QRgb, QRgb> ruleColours(const Canvas& c) {
    std::pair<QRgb, QRgb> out;
    for (const DrawItem& d : drawnOf(c, DrawItem::Text)) {
        if (textOf(d).startsWith("(5)")) out.first = Canvas::ColourOf(d).rgb();
        if (textOf(d).startsWith("(6)")) out.second = Canvas::ColourOf(d).rgb();
    }
    return out;
}
} // namespace

TEST_F(ProgramTest, AlHaythamsApparatusTurnsWithTheIncidenceAndShowsTheRulerOnRequest) {
    Main(*program);
    xaithamos& x = program->forms.xaithamos();
    const Canvas& c = *x.canvas;
    EXPECT_EQ(x.Label1->text(), QStringLiteral("INCIDENCE  ANGLE Γωνία πρόσπτωσης = 30°"));
    EXPECT_TRUE(x.Option1->Value() && x.timiepi->isHidden());
    x.strefo->setValue(40);
    EXPECT_EQ(program->alhaytham.incidence, 40);
    EXPECT_EQ(x.Label1->text(), QStringLiteral("INCIDENCE ANGLE Γωνία πρόσπτωσης = 40°"));
    // The red rays, thinner in the air than in the water, to the spot where the beam leaves.
    const auto red = drawnOf(c, DrawItem::Line, kRed);
    const Point spot = program->alhaytham.apparatus().spot;
    ASSERT_TRUE(red.size() == 2 && red[0].width == 2 && red[1].width == 3);
    EXPECT_TRUE(near(pt(red[1].b), spot.x, spot.y));
    EXPECT_TRUE(near(pt(drawnOf(c, DrawItem::Circle).at(0).a), spot.x, spot.y));
    const QColor wood = RGB(150, 90, 30), shadow = RGB(160, 160, 160);
    EXPECT_TRUE(drawnOf(c, DrawItem::Line, wood).empty()); // no ruler, no stylus
    x.Option2->click();
    EXPECT_TRUE(program->alhaytham.rulerVisible && !x.timiepi->isHidden());
    EXPECT_EQ(drawnOf(c, DrawItem::Line, wood).size(), 4u + 9u);
    x.timiepi->setValue(5);
    EXPECT_EQ(x.Label2->text(), QStringLiteral("POSITION OF STYLUSθέση στυλού = 0.5 RAY ακτίνα"));
    const Point foot = program->alhaytham.stylusOnRuler().shadow.a;
    EXPECT_TRUE(near(pt(drawnOf(c, DrawItem::Line, shadow).at(0).a), foot.x, foot.y));
    for (int i : {0, 80}) { // the ends of the scroll bars
        x.strefo->setValue(i);
        x.timiepi->setValue(i / 8);
        EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, std::to_string(i));
    }
    x.Option1->click();
    EXPECT_TRUE(x.timiepi->isHidden() && drawnOf(c, DrawItem::Line, shadow).empty());
    EXPECT_EQ(drawnOf(c, DrawItem::Line, kRed).size(), 2u); // the apparatus stays
}

TEST_F(ProgramTest, AlHaythamsHideLeadsToTheRulesAtWaterAndTheIndexTurnsThemToColour) {
    Main(*program);
    xaithamos& x = program->forms.xaithamos();
    alhazencheck& check = program->forms.alhazencheck();
    const Canvas &rules = *program->forms.incref().canvas, &c = *check.canvas;
    // Every segment of the four curves, one per incidence step, at this width.
    const auto expectCurves = [&c](std::size_t steps, int width) {
        for (const QColor& colour : {kRed, kBlack, kBlue, kMagenta})
            EXPECT_EQ(stepLines(c, colour, width).size(), steps) << width;
    };
    x.Show();
    x.svise->click();
    EXPECT_TRUE(!x.Visible() && check.Visible() && program->forms.incref().Visible() &&
                program->forms.analysis().Visible());
    const ::inpdat& data = program->forms.inpdat();
    EXPECT_EQ(QRect(check.Left(), check.Top(), check.Width(), check.Height()),
              QRect(0, 0, data.Width(), data.Height()));
    EXPECT_TRUE(check.Label1->text() == QStringLiteral("n =1.33") &&
                check.timidikti->value() == 133);
    // The rules list: twelve lines, all black, rule (3) where the list puts it.
    const auto texts = drawnOf(rules, DrawItem::Text);
    ASSERT_EQ(texts.size(), 12u);
    for (const DrawItem& d : texts)
        EXPECT_TRUE(sameColor(Canvas::ColourOf(d), kBlack));
    EXPECT_TRUE(near(pt(texts[6].a), -5, 75));
    EXPECT_EQ(textOf(texts[6]).simplified(),
              QStringLiteral("(3) d2/i2 > d1/i1. απ2 /πρ2 > απ1 /πρ1."));
    expectCurves(90, 1); // at 1.33 nothing breaks
    EXPECT_TRUE(program->forms.analysis().Text1->toPlainText().startsWith(
        QStringLiteral("Ο `Aραβας AL HAYTHAM")));
    // n = 2: rule (5) red from the first degree on, every curve thick; the deviation keeps its
    // dash-dot look: along it, as drawn, the gaps of the pattern show.
    check.timidikti->setValue(200);
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "n = 2");
    EXPECT_TRUE(program->alhaytham.n == 2 && check.Label1->text() == QStringLiteral("n =2.00"));
    EXPECT_EQ(ruleColours(rules), std::pair(kRed.rgb(), kBlack.rgb()));
    expectCurves(90, 3);
    for (const DrawItem& d : stepLines(c, kBlack, 3))
        EXPECT_EQ(d.style, 3);
    const QImage seen = c.image();
    int samples = 0, gaps = 0;
    for (double i = 40; i <= 85; i += 0.02, ++samples) {
        const double d = i - std::asin(std::sin(i * M_PI / 180) / 2) * 180 / M_PI;
        const QPointF p = c.toPixel(i, d) * seen.devicePixelRatio();
        gaps += seen.pixelColor(int(p.x()), int(p.y())).lightness() > 128;
    }
    EXPECT_GT(gaps, samples / 10) << gaps << " of " << samples;
    check.timidikti->setValue(10);
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "n = 0.1");
    // n = 0.5: the refraction, thick, stops at the critical angle, 30 degrees; rule (6) in magenta.
    check.timidikti->setValue(50);
    ASSERT_EQ(stepLines(c, kRed, 3).size(), 29u);
    EXPECT_EQ(stepLines(c, kRed, 3).back().b.x, 30);
    EXPECT_EQ(ruleColours(rules), std::pair(kBlack.rgb(), kMagenta.rgb()));
    // n = 1: no rule broken, the curves thin and the list black again.
    check.timidikti->setValue(100);
    expectCurves(88, 1);
    EXPECT_EQ(ruleColours(rules), std::pair(kBlack.rgb(), kBlack.rgb()));
    // The legend: the deviation's dash-dot look beside its name.
    const auto black = drawnOf(c, DrawItem::Line, kBlack);
    EXPECT_TRUE(std::any_of(black.begin(), black.end(), [](const DrawItem& d) {
        return near(pt(d.a), 90, 23) && near(pt(d.b), 100, 23) && d.style == 3;
    }));
    EXPECT_TRUE(printedText(c, QStringLiteral("(INCIDENCE + DEVIATION πρόσπτωσης+απόκλισης)/2")));
    check.Command1->click();
    EXPECT_FALSE(check.Visible() || program->ended);
    check.Show();
    check.Command2->click();
    EXPECT_TRUE(program->ended);
}
