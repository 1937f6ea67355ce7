// The list, index-graph and mean-error windows beside the semicircle, used as a student uses
// them, then checked through their controls and what their canvases drew.
#include "support.h"

#include "data/inpdat.h"
#include "records/Grafindex.h"
#include "records/errors.h"

#include <optional>

namespace {

bool hasLine(const Canvas& c, double x1, double y1, double x2, double y2) {
    for (const DrawItem& d : drawnOf(c, DrawItem::Line))
        if (near(pt(d.a), x1, y1, 1e-9) && near(pt(d.b), x2, y2, 1e-9)) return true;
    return false;
}

bool printedAt(const Canvas& c, const QString& text, double x, double y) {
    for (const DrawItem& d : drawnOf(c, DrawItem::Text))
        if (textOf(d) == text && near(pt(d.a), x, y, 1e-9)) return true;
    return false;
}

// The segments of the mean-error curve: two radii apart, between radius 14 and 146.
std::vector<DrawItem> curveOf(const Canvas& c) {
    std::vector<DrawItem> out;
    for (const DrawItem& d : drawnOf(c, DrawItem::Line)) {
        const double x1 = pt(d.a).x(), x2 = pt(d.b).x();
        if (x1 >= 14 && x2 <= 146 && std::fabs(x2 - x1 - 2) < 1e-9) out.push_back(d);
    }
    return out;
}

class RecordWindowsTest : public SemicircleWindowTest {
protected:
    Grafindex& graph() { return program->forms.Grafindex(); }
};

} // namespace

TEST_F(RecordWindowsTest, MeanErrorCurveRunsOverSixtySevenRadiiWithItsLabelsAndTicks) {
    hmiky& h = open();
    errors& e = program->forms.errors();
    Canvas& c = record(e);
    e.Form_Click();

    const auto curve = curveOf(c);
    ASSERT_EQ(curve.size(), 66u);
    EXPECT_EQ(pt(curve.front().a).x(), 14);
    EXPECT_EQ(pt(curve.back().b).x(), 146);
    EXPECT_TRUE(hasLine(c, 0, 0, 150, 0));
    EXPECT_TRUE(hasLine(c, 0, 0, 0, 100));
    EXPECT_TRUE(printedAt(c, "Radius of Semicircle", 45, -2));
    EXPECT_TRUE(printedAt(c, "Mean Error%", 15, 80));
    EXPECT_TRUE(printedAt(c, "n= 1.50", 25, 65));
    EXPECT_TRUE(printedAt(c, "h= 0.00", 25, 60));
    // x: a tick every 10 from (x, -0.4) to (x, 0.4), its number one step on; y: every 20.
    EXPECT_TRUE(hasLine(c, -10, -0.4, -10, 0.4));
    EXPECT_TRUE(axisNumberAt(c, "-10", -10, -0.4));
    EXPECT_FALSE(axisNumberAt(c, "0", 0, -0.4));
    EXPECT_FALSE(hasLine(c, -2, 10, 2, 10));
    EXPECT_TRUE(axisNumberAt(c, "100.0", -10.0 / 3, 100));
    EXPECT_FALSE(printedText(c, "-20.00")); // below the graph's bottom, -9: not printed cut

    // A misplaced ray and semicircle give a curve above zero; the radius of the semicircle
    // window is left as it was.
    h.hvalue->setValue(10);
    h.xcoor->setValue(2);
    h.angle->setValue(-30);
    e.Form_Click();
    double largest = 0;
    for (const DrawItem& d : curveOf(c)) largest = std::max(largest, pt(d.b).y());
    EXPECT_GT(largest, 0.5);
    EXPECT_TRUE(printedAt(c, "h= 1.00", 25, 60));
    EXPECT_TRUE(printedAt(c, "xc= 0.40", 25, 55));
    EXPECT_TRUE(printedAt(c, "Angle= -3.00", 25, 45));
    EXPECT_EQ(program->semi.radiusR, h.HScroll1->value());
    expectAllFinite(c);
}

TEST_F(RecordWindowsTest, IndexGraphShowsRowsAndTheirMeanErrorOrOnlyAxesWithoutRows) {
    open();
    Canvas& c = record(graph());
    graph().zografizo();
    EXPECT_TRUE(hasLine(c, -5, 0, 100, 0));
    EXPECT_TRUE(hasLine(c, 0, -1, 0, 4));
    EXPECT_TRUE(printedAt(c, QStringLiteral("INCIDENCE ANGLE Πρόπστωσης"), 40, -0.5));
    for (const QString& t : printed(c)) EXPECT_FALSE(t.startsWith("MEAN ERROR"));
    EXPECT_TRUE(drawnOf(c, DrawItem::Dot).empty());
    expectAllFinite(c);

    // n = 1.5: errors 0 and 0.1 give 100 * sqrt(0.01 / 2) / 1.5 = 4.714 %.
    list().addRow("10", "6.65", "1.5000");
    list().addRow("20", "12.86", "1.6000");
    graph().zografizo();
    EXPECT_TRUE(printedAt(c, QStringLiteral("MEAN ERROR Μέσο σφάλμα=4.714 %"), 20, 2.5));
    const auto points = drawnOf(c, DrawItem::Dot);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(near(pt(points[1].a), 20, 1.6f, 1e-9));
    EXPECT_EQ(points[1].width, 5);
    // Index ticks every 0.5, from (-2, y) to (2, y); incidence ticks 0.02 high.
    EXPECT_TRUE(hasLine(c, -2, 0.5, 2, 0.5));
    EXPECT_TRUE(hasLine(c, 10, -0.02, 10, 0.02));
    EXPECT_TRUE(axisNumberAt(c, "20", 20, -0.02));

    // On a scale without negative x no tick goes left of 0.
    c.Cls();
    c.Scale(0, 3, 100, -0.8);
    graph().tickmarks();
    int vertical = 0;
    for (const DrawItem& d : drawnOf(c, DrawItem::Line)) {
        if (pt(d.a).x() != pt(d.b).x()) continue;
        ++vertical;
        EXPECT_GE(pt(d.a).x(), 0);
    }
    EXPECT_GT(vertical, 0);

    graph().Form_Click(); // a click brings up the mean error against the radius
    EXPECT_TRUE(program->forms.errors().isVisible());
}

TEST_F(RecordWindowsTest, CompanionWindowsStandRightOfTheSemicircle) {
    hmiky& h = open();
    const double screenH = program->screen.Height();
    EXPECT_NEAR(list().Left(), h.Width(), 15);
    EXPECT_NEAR(list().Height(), screenH / 2, 15);
    EXPECT_NEAR(graph().Left(), h.Width(), 15);
    EXPECT_NEAR(graph().Top(), list().Height(), 15);
    EXPECT_NEAR(graph().Height(), screenH * 0.9 - list().Height(), 15);
    const errors& e = program->forms.errors();
    EXPECT_GE(e.Left(), graph().Left() + graph().Width() - 15);
    EXPECT_LE(e.Left() + e.Width(), program->screen.Width() + 15);
}

TEST_F(RecordWindowsTest, OnANarrowWindowTheErrorAxisKeepsItsNumbersAndTheTitleItsWords) {
    // On school laptops the mean-error window is only 200 pixels wide.
    for (const QSize screen : {QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)}) {
        program->screen.widthPx = screen.width();
        program->screen.heightPx = screen.height();
        open();
        errors& e = program->forms.errors();
        e.Form_Load();
        Canvas& c = record(e);
        e.Form_Click();
        const double axis = c.toPixel(0, 0).x();
        const double size = c.FontSize();
        for (int y = 20; y <= 100; y += 20) {
            const QString number = QString::number(y) + ".0";
            std::optional<DrawItem> d;
            for (const DrawItem& t : drawnOf(c, DrawItem::Text))
                if (textOf(t) == number) d = t;
            ASSERT_TRUE(d) << number.toStdString() << " at " << screen.width();
            c.setFontSize(d->fontSize);
            const double left = c.toPixel(pt(d->a).x(), 0).x();
            const double right = c.toPixel(pt(d->a).x() + c.TextWidth(number), 0).x();
            EXPECT_GE(left, 0) << number.toStdString();
            EXPECT_LT(right, axis) << number.toStdString();
            EXPECT_NEAR(c.toPixel(0, pt(d->a).y()).y(), c.toPixel(0, y).y(), 8) << number.toStdString();
        }
        for (const DrawItem& t : drawnOf(c, DrawItem::Text)) {
            if (textOf(t) != "Radius of Semicircle") continue;
            c.setFontSize(t.fontSize);
            EXPECT_LE(c.toPixel(pt(t.a).x() + c.TextWidth(textOf(t)), 0).x(), c.width()) << screen.width();
            EXPECT_GE(t.fontSize, 9);
        }
        c.setFontSize(size);
    }
}

TEST_F(RecordWindowsTest, TransferCopiesTheSweepIntoTheDataWindowUpToFourteenRows) {
    hmiky& h = open();
    inpdat& data = program->forms.inpdat();
    data.Text1[9]->setText("keep");
    data.Refr[9]->setText("keep");
    h.Command4->click();
    list().Command1->click();
    EXPECT_EQ(data.Text1[8]->text(), "80");
    EXPECT_EQ(data.Refr[0]->text(), "4"); // "4.00" read as a number
    EXPECT_EQ(data.Text1[9]->text(), "keep");
    EXPECT_EQ(data.Refr[9]->text(), "keep");
    EXPECT_TRUE(data.isVisible());

    list().clearRows();
    for (int i = 1; i <= 16; ++i)
        list().addRow(QString::number(i * 5), QString::number(i * 3.25), "1.5000");
    list().Command1->click();
    EXPECT_EQ(data.Text1[13]->text(), "70");
    EXPECT_EQ(data.Refr[13]->text(), "45.5");
}

TEST_F(RecordWindowsTest, ListWindowGraphsItsRowsOnAClick) {
    open();
    Canvas& c = record(list());
    list().addRow("30", "19.47", "1.5000");
    list().Form_Click();
    EXPECT_TRUE(hasLine(c, 0, -1, 0, 2));
    list().zografizo();
    EXPECT_TRUE(hasLine(c, 0, -1, 0, 4));
    const auto points = drawnOf(c, DrawItem::Dot);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_TRUE(near(pt(points[0].a), 30, 1.5, 1e-9));
    // Incidence ticks every 10 (step (ScaleLeft + ScaleWidth) / 10), index ticks every 0.4.
    EXPECT_TRUE(axisNumberAt(c, "10", 10, -0.08));
    EXPECT_TRUE(axisNumberAt(c, "0.4", -10.0 / 3, 0.4));
    expectAllFinite(c);
}
