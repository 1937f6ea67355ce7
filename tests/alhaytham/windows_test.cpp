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

} // namespace

TEST_F(ProgramTest, AlHaythamsApparatusTurnsWithTheIncidenceAndItsHideLeadsToTheRulesInColour) {
    Main(*program);
    xaithamos& x = program->forms.xaithamos();
    const Canvas& c = *x.canvas;
    EXPECT_EQ(x.Label1->text(), QStringLiteral("INCIDENCE  ANGLE Γωνία πρόσπτωσης = 30°"));
    x.Show();
    EXPECT_TRUE(x.Option1->Value() && x.timiepi->isHidden());
    x.strefo->setValue(40); // reaches the part, whose apparatus the window shows
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
    x.strefo->setValue(80); // the ends of the scroll bars
    x.timiepi->setValue(10);
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "80 degrees, the stylus at the rim");
    x.Option1->click();
    EXPECT_TRUE(x.timiepi->isHidden() && drawnOf(c, DrawItem::Line, shadow).empty());
    EXPECT_EQ(drawnOf(c, DrawItem::Line, kRed).size(), 2u); // the apparatus stays
    // HIDE: the rules at the index of water, in the check and in the data windows.
    alhazencheck& check = program->forms.alhazencheck();
    const Canvas &rules = *program->forms.incref().canvas, &graph = *check.canvas;
    // Every segment of the four curves, one per incidence step, at this width.
    const auto expectCurves = [&graph](std::size_t steps, int width) {
        for (const QColor& colour : {kRed, kBlack, kBlue, kMagenta}) {
            std::size_t n = 0;
            for (const DrawItem& d : drawnOf(graph, DrawItem::Line, colour))
                n += std::fabs(d.b.x - d.a.x - 1) < 1e-9 && d.a.x >= 1 && d.width == width;
            EXPECT_EQ(n, steps) << width;
        }
    };
    // The colours of rules (5) and (6) in the rules list printed last.
    const auto ruleColours = [&rules] {
        const auto t = drawnOf(rules, DrawItem::Text);
        return std::pair(Canvas::ColourOf(t.at(t.size() - 4)).rgb(),
                         Canvas::ColourOf(t.at(t.size() - 3)).rgb());
    };
    x.svise->click();
    EXPECT_TRUE(!x.Visible() && check.Visible() && program->forms.incref().Visible() &&
                program->forms.analysis().Visible());
    const ::inpdat& data = program->forms.inpdat();
    EXPECT_EQ(QRect(check.Left(), check.Top(), check.Width(), check.Height()),
              QRect(0, 0, data.Width(), data.Height()));
    EXPECT_TRUE(check.Label1->text() == QStringLiteral("n =1.33") &&
                check.timidikti->value() == 133);
    // The rules list: twelve lines, rules (5) and (6) black, rule (3) where the list puts it.
    const auto texts = drawnOf(rules, DrawItem::Text);
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(ruleColours(), std::pair(kBlack.rgb(), kBlack.rgb()));
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
    EXPECT_EQ(ruleColours(), std::pair(kRed.rgb(), kBlack.rgb()));
    expectCurves(90, 3);
    const QImage seen = graph.image();
    int samples = 0, gaps = 0;
    for (double i = 40; i <= 85; i += 0.02, ++samples) {
        const double d = i - std::asin(std::sin(i * M_PI / 180) / 2) * 180 / M_PI;
        const QPointF p = graph.toPixel(i, d) * seen.devicePixelRatio();
        gaps += seen.pixelColor(int(p.x()), int(p.y())).lightness() > 128;
    }
    EXPECT_GT(gaps, samples / 10) << gaps << " of " << samples;
    // n = 1: no rule broken, the curves thin and the list black again.
    check.timidikti->setValue(100);
    expectCurves(88, 1);
    EXPECT_EQ(ruleColours(), std::pair(kBlack.rgb(), kBlack.rgb()));
    EXPECT_TRUE(
        printedText(graph, QStringLiteral("(INCIDENCE + DEVIATION πρόσπτωσης+απόκλισης)/2")));
    check.Command1->click();
    EXPECT_FALSE(check.Visible() || program->ended);
    check.Show();
    check.Command2->click();
    EXPECT_TRUE(program->ended);
}
