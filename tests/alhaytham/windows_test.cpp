// Al Haytham's windows as a student uses them: the apparatus with its scroll bars and ruler,
// the way to the rules, and the check of the rules at every index.
#include "support.h"

#include "alhaytham/alhazencheck.h"
#include "alhaytham/xaithamos.h"
#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"

#include <QRegularExpression>

namespace {
const QColor kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0), kBlue = RGB(0, 0, 255),
             kMagenta = RGB(255, 0, 255), kGreen = RGB(0, 255, 0), kCyan = RGB(0, 255, 255);

void expectSound(const Form& f, const char* where) {
    for (const DrawItem& d : f.canvas->displayList())
        for (const QPointF& p : pointsOf(d))
            ASSERT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()) && std::fabs(p.x()) < 1e4 &&
                        std::fabs(p.y()) < 1e4)
                << where;
    for (const QLabel* l : f.canvas->findChildren<QLabel*>())
        ASSERT_TRUE(readable(l->text())) << where << ": " << l->text().toStdString();
}

// Lines from x0 to x0 + 1 of the check's graph in a colour: one per incidence step.
std::vector<DrawItem> stepLines(const Canvas& c, const QColor& colour) {
    std::vector<DrawItem> out;
    for (const DrawItem& d : drawnOf(c, DrawItem::Line, colour))
        if (pointsOf(d).size() == 2 && std::fabs(pt(d.b).x() - pt(d.a).x() - 1) < 1e-9 &&
            pt(d.a).x() >= 1 && pt(d.a).x() <= 90)
            out.push_back(d);
    return out;
}

// The printed line of the rules list that starts with `start`.
const DrawItem* ruleLine(const Canvas& c, const QString& start) {
    for (const DrawItem& d : c.displayList())
        if (d.kind == DrawItem::Text && textOf(d).startsWith(start)) return &d;
    return nullptr;
}
} // namespace

class AlHaythamTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        record(x());
        record(check());
        record(program->forms.incref());
    }
    xaithamos& x() { return program->forms.xaithamos(); }
    alhazencheck& check() { return program->forms.alhazencheck(); }
    Canvas& rules() { return *program->forms.incref().canvas; }
    // The student leaves the apparatus for the rules, then sets the index.
    void openCheck() { x().svise->click(); }
    void setIndex(int value) {
        check().timidikti->setValue(value);
    }
};

TEST_F(AlHaythamTest, TheApparatusOpensAtThirtyDegreesWithoutTheRuler) {
    EXPECT_EQ(x().Caption(), QStringLiteral("Πείραμα του Αλ Χαϊθάμ"));
    EXPECT_EQ(x().Label1->text(), QStringLiteral("INCIDENCE  ANGLE Γωνία πρόσπτωσης = 30°"));
    EXPECT_TRUE(x().Option1->Value());
    EXPECT_FALSE(x().Option2->Value());
    EXPECT_TRUE(x().timiepi->isHidden());
    EXPECT_EQ(x().strefo->maximum(), 80);
    EXPECT_EQ(x().strefo->pageStep(), 10);
    EXPECT_EQ(x().timiepi->maximum(), 10);
    EXPECT_EQ(x().timiepi->pageStep(), 2);

    x().strefo->setValue(40);
    EXPECT_EQ(x().Label1->text(), QStringLiteral("INCIDENCE ANGLE Γωνία πρόσπτωσης = 40°"));
    const Canvas& c = *x().canvas;
    EXPECT_DOUBLE_EQ(c.ScaleLeft(), -350);
    EXPECT_DOUBLE_EQ(c.ScaleTop(), 350);
    // 360 chords of the rim and 36 dotted radii of the graduation.
    int chords = 0, dotted = 0;
    for (const DrawItem& d : c.displayList()) {
        if (d.kind != DrawItem::Line) continue;
        const double r0 = std::hypot(pt(d.a).x(), pt(d.a).y());
        const double r1 = std::hypot(pt(d.b).x(), pt(d.b).y());
        if (d.style == 0 && std::fabs(r0 - 250) < 1e-6 && std::fabs(r1 - 250) < 1e-6) ++chords;
        if (d.style == 2 && r0 < 1e-9 && std::fabs(r1 - 250) < 1e-6) ++dotted;
    }
    EXPECT_EQ(chords, 360);
    EXPECT_EQ(dotted, 36);
    // The red rays: in at 40 degrees from the perpendicular, out at r = 28.90 (sin r = 0.64279 /
    // 1.33 = 0.48330), thinner in the air than in the water.
    const auto red = drawnOf(c, DrawItem::Line, kRed);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0].width, 2);
    EXPECT_EQ(red[1].width, 3);
    EXPECT_NEAR(std::atan2(pt(red[0].a).x(), pt(red[0].a).y()) * 180 / M_PI, 40, 1e-6);
    const QPointF out = pt(red[1].b);
    EXPECT_NEAR(std::atan2(-out.x(), -out.y()) * 180 / M_PI, 28.90, 0.01);
    // The beam's spot is filled where the refracted ray meets the rim.
    const auto spots = drawnOf(c, DrawItem::Circle);
    ASSERT_EQ(spots.size(), 1u);
    EXPECT_TRUE(spots[0].filled);
    EXPECT_TRUE(sameColor(fillOf(spots[0]), RGB(155, 255, 0)));
    EXPECT_TRUE(near(pt(spots[0].a), out.x(), out.y()));
    // No ruler, no stylus.
    for (const DrawItem& d : c.displayList()) EXPECT_NE(d.width, 4);
}

TEST_F(AlHaythamTest, AtZeroIncidenceTheBeamIsNotBent) {
    x().strefo->setValue(0);
    const auto red = drawnOf(*x().canvas, DrawItem::Line, kRed);
    ASSERT_EQ(red.size(), 2u);
    for (const DrawItem& d : red)
        for (const QPointF& p : pointsOf(d)) EXPECT_NEAR(p.x(), 0, 1e-9);
    EXPECT_NEAR(pt(red[0].a).y(), 250, 1e-9);
    EXPECT_NEAR(pt(red[1].b).y(), -250, 1e-9);
}

TEST_F(AlHaythamTest, TheRulerAndTheStylusComeAndGoWithTheOptions) {
    x().Option2->click();
    EXPECT_TRUE(x().Option2->Value());
    EXPECT_FALSE(x().timiepi->isHidden());
    const auto thick = [this] {
        std::vector<DrawItem> out;
        for (const DrawItem& d : x().canvas->displayList())
            if (d.kind == DrawItem::Line && d.width == 4) out.push_back(d);
        return out;
    };
    const auto ruler = drawnOf(*x().canvas, DrawItem::Line, RGB(150, 90, 30));
    EXPECT_EQ(ruler.size(), 4u + 9u);
    ASSERT_EQ(thick().size(), 2u); // the stylus and its shadow

    x().timiepi->setValue(5);
    EXPECT_EQ(x().Label2->text(), QStringLiteral("POSITION OF STYLUSθέση στυλού = 0.5 RAY ακτίνα"));
    // The stylus stands half a radius down the refracted ray (22.08 degrees at 30).
    const auto s = thick();
    ASSERT_EQ(s.size(), 2u);
    const QPointF foot = pt(s[0].a);
    EXPECT_NEAR(std::hypot(foot.x(), foot.y()), 125, 1e-6);
    EXPECT_NEAR(std::atan2(-foot.x(), -foot.y()) * 180 / M_PI, 22.08, 0.01);

    x().Option1->click();
    EXPECT_TRUE(x().timiepi->isHidden());
    EXPECT_TRUE(thick().empty());
    EXPECT_TRUE(drawnOf(*x().canvas, DrawItem::Line, RGB(150, 90, 30)).empty());
    EXPECT_FALSE(drawnOf(*x().canvas, DrawItem::Line, kRed).empty()); // the apparatus stays
}

TEST_F(AlHaythamTest, HideLeadsToTheRulesAtTheIndexOfWater) {
    x().Show();
    openCheck();
    EXPECT_FALSE(x().Visible());
    EXPECT_TRUE(check().Visible());
    EXPECT_TRUE(program->forms.incref().Visible());
    const ::inpdat& data = program->forms.inpdat();
    EXPECT_EQ(check().Left(), 0);
    EXPECT_EQ(check().Top(), 0);
    EXPECT_EQ(check().Width(), data.Width());
    EXPECT_EQ(check().Height(), data.Height());
    EXPECT_EQ(check().Label1->text(), QStringLiteral("n =1.33"));
    EXPECT_EQ(check().timidikti->value(), 133);

    // The rules list: twelve lines, all black; Greek after the English on the same line.
    ASSERT_EQ(printed(rules()).size(), 12u);
    for (const DrawItem& d : drawnOf(rules(), DrawItem::Text)) EXPECT_TRUE(sameColor(Canvas::ColourOf(d), kBlack));
    const DrawItem* r3 = ruleLine(rules(), QStringLiteral("(3) d2/i2 > d1/i1."));
    ASSERT_TRUE(r3);
    EXPECT_TRUE(textOf(*r3).endsWith(QStringLiteral("απ2 /πρ2 > απ1 /πρ1.")));
    EXPECT_EQ(textOf(*r3).mid(18, textOf(*r3).size() - 18 - 20).trimmed(), QString());
    EXPECT_TRUE(near(pt(r3->a), -5, 75));
    EXPECT_TRUE(printedText(rules(), QStringLiteral(
        " AL HAYTHAM'S RULES  FOR REFRACTION–Κανόνες του Al Haytham για τη διάθλαση")));

    // At 1.33 nothing breaks: every step is thin.
    for (const QColor& colour : {kRed, kBlack, kBlue, kMagenta}) {
        const auto lines = stepLines(*check().canvas, colour);
        EXPECT_EQ(lines.size(), 90u);
        for (const DrawItem& d : lines) EXPECT_EQ(d.width, 1);
    }
    // The explanation is in the analysis window's notes.
    const QTextEdit* notes = program->forms.analysis().Text1;
    EXPECT_FALSE(notes->isHidden());
    EXPECT_TRUE(notes->toPlainText().startsWith(QStringLiteral("Ο `Aραβας AL HAYTHAM")));
}

TEST_F(AlHaythamTest, AtIndexTwoRuleFiveTurnsRedAndTheCurvesThick) {
    openCheck();
    setIndex(200);
    EXPECT_EQ(check().Label1->text(), QStringLiteral("n =2.00"));
    EXPECT_TRUE(check().rule5Shown);
    const DrawItem* r5 = ruleLine(rules(), QStringLiteral("(5) for refraction form rare to dens d < i/2"));
    ASSERT_TRUE(r5);
    EXPECT_TRUE(sameColor(Canvas::ColourOf(*r5), kRed));
    EXPECT_TRUE(textOf(*r5).endsWith(QStringLiteral("για διάθλαση από αραιό σε πυκνό απ < πρ/2")));
    for (const DrawItem& d : drawnOf(rules(), DrawItem::Text))
        if (textOf(d) != textOf(*r5)) {
            EXPECT_TRUE(sameColor(Canvas::ColourOf(d), kBlack)) << textOf(d).toStdString();
        }
    // Broken from the first degree on: every segment of the four curves is thick, and the
    // deviation keeps its dash-dot look: along it, as drawn, the gaps of the pattern show.
    for (const QColor& colour : {kRed, kBlack, kBlue, kMagenta}) {
        const auto lines = stepLines(*check().canvas, colour);
        EXPECT_EQ(lines.size(), 90u);
        for (const DrawItem& d : lines) EXPECT_EQ(d.width, 3);
    }
    for (const DrawItem& d : stepLines(*check().canvas, kBlack))
        EXPECT_EQ(d.style, 3);
    const Canvas& c = *check().canvas;
    const QImage seen = c.image();
    int samples = 0, gaps = 0;
    for (double i = 40; i <= 85; i += 0.02) {
        const double d = i - std::asin(std::sin(i * M_PI / 180) / 2) * 180 / M_PI;
        const QPointF p = c.toPixel(i, d) * seen.devicePixelRatio();
        const QColor at = seen.pixelColor(int(p.x()), int(p.y()));
        ++samples;
        gaps += at.lightness() > 128;
    }
    EXPECT_GT(gaps, samples / 10) << gaps << " of " << samples;
    // i = 80: r = 29.50 and d = 50.50.
    for (const DrawItem& d : stepLines(*check().canvas, kRed))
        if (pt(d.a).x() == 80) {
            EXPECT_NEAR(pt(d.a).y(), 29.50, 0.01);
        }

    // Back to 1.33: the list is printed again in black and the curves are thin.
    setIndex(133);
    EXPECT_FALSE(check().rule5Shown);
    r5 = ruleLine(rules(), QStringLiteral("(5)"));
    ASSERT_TRUE(r5);
    EXPECT_TRUE(sameColor(Canvas::ColourOf(*r5), kBlack));
    for (const DrawItem& d : stepLines(*check().canvas, kRed)) EXPECT_EQ(d.width, 1);
}

TEST_F(AlHaythamTest, BelowOneTheRefractionStopsAtTheCriticalAngle) {
    openCheck();
    setIndex(50);
    const auto red = stepLines(*check().canvas, kRed);
    ASSERT_FALSE(red.empty());
    double last = 0;
    for (const DrawItem& d : red) last = std::max(last, pt(d.b).x());
    EXPECT_EQ(last, 30); // sin 30 / 0.5 = 1
    // Rule (6) broken all the way: magenta in the list, the curves thick.
    EXPECT_TRUE(check().rule6Shown);
    const DrawItem* r6 = ruleLine(rules(), QStringLiteral("(6)"));
    ASSERT_TRUE(r6);
    EXPECT_TRUE(sameColor(Canvas::ColourOf(*r6), kMagenta));
    for (const DrawItem& d : red) EXPECT_EQ(d.width, 3);

    // n = 1: no deviation, the dash-dot curve lies on the axis.
    setIndex(100);
    const auto deviation = stepLines(*check().canvas, kBlack);
    ASSERT_EQ(deviation.size(), 88u);
    for (const DrawItem& d : deviation) {
        EXPECT_EQ(d.style, 3);
        EXPECT_NEAR(pt(d.a).y(), 0, 1e-9);
        EXPECT_NEAR(pt(d.b).y(), 0, 1e-9);
    }
    EXPECT_FALSE(check().rule6Shown);
    EXPECT_TRUE(sameColor(Canvas::ColourOf(*ruleLine(rules(), QStringLiteral("(6)"))), kBlack));
}

TEST_F(AlHaythamTest, TheLegendShowsEachCurveInItsOwnLook) {
    openCheck();
    const Canvas& c = *check().canvas;
    const auto legendLine = [&c](double y) -> const DrawItem* {
        for (const DrawItem& d : c.displayList())
            if (d.kind == DrawItem::Line && near(pt(d.a), 90, y) && near(pt(d.b), 100, y)) return &d;
        return nullptr;
    };
    const struct {
        double y;
        QColor colour;
        int style;
    } looks[] = {{30, kRed, 0}, {23, kBlack, 3}, {16, kBlue, 0}, {9, kMagenta, 0}};
    for (const auto& l : looks) {
        const DrawItem* d = legendLine(l.y);
        ASSERT_TRUE(d) << l.y;
        EXPECT_TRUE(sameColor(Canvas::ColourOf(*d), l.colour)) << l.y;
        EXPECT_EQ(d->style, l.style) << l.y;
    }
    EXPECT_TRUE(drawnOf(c, DrawItem::Line, kGreen).empty());
    EXPECT_TRUE(drawnOf(c, DrawItem::Line, kCyan).empty());
    EXPECT_TRUE(printedText(c, QStringLiteral("(INCIDENCE + DEVIATION πρόσπτωσης+απόκλισης)/2")));
    EXPECT_TRUE(printedText(c, QStringLiteral("DEVIATION απόκλισης")));
}

TEST_F(AlHaythamTest, BackHidesTheCheckAndEndEndsTheProgram) {
    openCheck();
    check().Command1->click();
    EXPECT_FALSE(check().Visible());
    EXPECT_FALSE(program->ended);
    check().Show();
    check().Command2->click();
    EXPECT_TRUE(program->ended);
    EXPECT_FALSE(check().Visible());
}

TEST_F(AlHaythamTest, EveryScrollBarPositionDrawsFiniteAndReadable) {
    for (bool ruler : {false, true}) {
        (ruler ? x().Option2 : x().Option1)->click();
        for (int i = 0; i <= 80; ++i) {
            x().strefo->setValue(i);
            for (int t = 0; t <= 10; t += ruler ? 1 : 10) {
                x().timiepi->setValue(t);
                expectSound(x(), "apparatus");
            }
        }
    }
    openCheck();
    for (int v = 10; v <= 200; ++v) {
        setIndex(v);
        expectSound(check(), "check");
        expectSound(program->forms.incref(), "rules");
        ASSERT_EQ(check().Label1->text(), QStringLiteral("n =") + QString::number(v / 100.0, 'f', 2));
    }
}

class AlHaythamCheckOnAScreen : public ProgramTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(AlHaythamCheckOnAScreen, TheButtonsStandAboveTheLegendAndTheLegendInsideTheWindow) {
    program->screen.widthPx = GetParam().width();
    program->screen.heightPx = GetParam().height();
    Main(*program);
    alhazencheck& check = program->forms.alhazencheck();
    record(check);
    program->forms.xaithamos().svise->click();
    Canvas& c = *check.canvas;
    const double legendTop = c.toPixel(88, 33).y();
    const QRect inside(0, 0, c.width(), c.height());
    for (QWidget* w : {static_cast<QWidget*>(check.Label1), static_cast<QWidget*>(check.timidikti),
                       static_cast<QWidget*>(check.Command1), static_cast<QWidget*>(check.Command2)}) {
        EXPECT_TRUE(inside.contains(w->geometry())) << w->objectName().toStdString();
        EXPECT_LT(w->geometry().bottom(), legendTop) << w->objectName().toStdString();
    }
    EXPECT_LT(check.Command1->geometry().bottom(), check.Command2->geometry().top());
    EXPECT_LT(check.timidikti->geometry().bottom(), check.Command1->geometry().top());
    EXPECT_GE(check.timidikti->height(), 60);
    // Every legend text ends inside the window, at a size still read without a lens.
    const double size = c.FontSize();
    int texts = 0;
    for (const DrawItem& d : c.displayList()) {
        if (d.kind != DrawItem::Text || !textOf(d).contains(QStringLiteral("INCIDENCE")) &&
                                         !textOf(d).contains(QStringLiteral("REFRACTION")) &&
                                         !textOf(d).contains(QStringLiteral("DEVIATION")))
            continue;
        ++texts;
        EXPECT_GE(d.fontSize, 6) << textOf(d).toStdString();
        c.setFontSize(d.fontSize);
        EXPECT_LE(pt(d.a).x() + c.TextWidth(textOf(d)), c.ScaleLeft() + c.ScaleWidth()) << textOf(d).toStdString();
        EXPECT_GE(pt(d.a).x(), 60) << textOf(d).toStdString();
    }
    c.setFontSize(size);
    EXPECT_EQ(texts, 4);
}

INSTANTIATE_TEST_SUITE_P(SchoolScreens, AlHaythamCheckOnAScreen,
                         ::testing::Values(QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& p) {
                             return std::to_string(p.param.width()) + "x" + std::to_string(p.param.height());
                         });
