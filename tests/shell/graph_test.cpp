// The graphs' axes, ticks, numbers and grid, against the places worked out by hand from the
// scale and the steps; a steep fitted line cut to its band.
#include "support.h"

#include "shell/graph.h"
#include "shell/layoutcheck.h"

namespace {
// The axis numbers that stand for the place (x, y) (see axisNumberAt), in the order drawn.
std::vector<QString> textsAt(const Canvas& c, double x, double y) {
    std::vector<QString> out;
    for (const QString& t : printed(c))
        if (axisNumberAt(c, t, x, y) && std::find(out.begin(), out.end(), t) == out.end())
            out.push_back(t);
    return out;
}

bool isLine(const DrawItem& d, double x1, double y1, double x2, double y2) {
    return d.kind == DrawItem::Line && pt(d.a) == QPointF(x1, y1) && pt(d.b) == QPointF(x2, y2);
}
} // namespace

class GraphTest : public ProgramTest {
protected:
    // Any window serves: the graph module draws on a canvas, whichever window holds it.
    Form& target() { return *program->forms.byName("incref"); }
    Canvas& canvas() { return *target().canvas; }
    void SetUp() override { canvas().Cls(); }
};

TEST_F(GraphTest, TheWorkedCaseNumbersBothAxesAndDrawsTheGrid) {
    canvas().Scale(-5, 100, 115, -35);
    DrawAxesGrid(canvas(), 110, -5, 95, -30, 0, 0, 10, 10);
    const Canvas& c = canvas();
    const auto& list = c.displayList();
    ASSERT_GE(list.size(), 2u);
    EXPECT_TRUE(isLine(list[0], -5, 0, 110, 0));
    EXPECT_TRUE(isLine(list[1], 0, -30, 0, 95));
    // x: ticks at 0 ... 100, each label one step on, so 10 ... 110; y: grid lines and labels
    // 10.0 ... 100.0, the last the first step not below 95.
    for (int k = 10; k <= 110; k += 10)
        EXPECT_EQ(textsAt(c, k, 2), std::vector<QString>{QString::number(k)}) << k;
    for (int k = 10; k <= 100; k += 10)
        EXPECT_EQ(textsAt(c, 10.0 / 3, k), std::vector{QString::number(k) + ".0"}) << k;
    // The graph numbers its origin twice ("0", then "0.00"): the second would lie over the
    // first, so it is left out.
    EXPECT_EQ(textsAt(c, 10.0 / 3, 0), (std::vector<QString>{"0"}));
    const auto grid = drawnOf(c, DrawItem::Line, RGB(0, 0, 255));
    EXPECT_EQ(grid.size(), 11u); // ten above zero and the one at zero
    for (const DrawItem& g : grid)
        EXPECT_TRUE(pt(g.a).x() == 0 && pt(g.b).x() == 110);
    // Below zero and left of it the floors keep everything out.
    for (const QString& t : printed(c))
        EXPECT_FALSE(t.startsWith('-')) << t.toStdString();

    // A range that does not cross zero puts the axes at its low ends.
    canvas().Cls();
    canvas().Scale(0, 100, 100, 0);
    DrawAxesGrid(canvas(), 90, 10, 90, 5, 0, 0, 10, 10);
    ASSERT_GE(list.size(), 2u);
    EXPECT_TRUE(isLine(list[0], 10, 5, 90, 5));
    EXPECT_TRUE(isLine(list[1], 10, 5, 10, 90));
}

TEST_F(GraphTest, RangesAndStepsThatAreNoneDrawTheAxesOnlyAndNumberingAlwaysEnds) {
    canvas().Scale(-1, 1, 1, -1);
    DrawAxesGrid(canvas(), 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(canvas().displayList().size(), 2u);
    EXPECT_TRUE(printed(canvas()).empty());
    canvas().Cls();
    DrawAxesGrid(canvas(), 5, 0, 5, 0, 0, 0, 0, 0); // automatic step 0
    EXPECT_EQ(canvas().displayList().size(), 2u);
    canvas().Cls();
    DrawAxesGrid(canvas(), std::nan(""), 0, 5, 0, 0, 0, 10, 10);
    EXPECT_TRUE(canvas().displayList().empty());
    // A small y range shows its scale factor after each label.
    canvas().Scale(-0.1, 6, 1, -1);
    DrawAxesGrid(canvas(), 1, 0, 0.5, 0, 0, 0, 0.1, 0);
    EXPECT_EQ(textsAt(canvas(), 0.1 / 3, 5), std::vector<QString>{"5.001.00e-01"});
    canvas().Cls();
    // A step that is not positive numbers nothing.
    canvas().Scale(-5, 3, 95, -0.8);
    TickmarkStyle st;
    st.xStep = 0;
    DrawTickmarks(canvas(), st);
    st.xStep = std::nan("");
    DrawTickmarks(canvas(), st);
    EXPECT_TRUE(canvas().displayList().empty());
    // A scale a billion steps wide ends after a bounded number of ticks.
    canvas().Scale(-1e9, 1e9, 1e9, -1e9);
    st.xStep = 1;
    DrawTickmarks(canvas(), st);
    DrawAxesGrid(canvas(), 1e9, -1e9, 1e9, -1e9, -1e9, -1e9, 1, 1);
    EXPECT_LT(canvas().displayList().size(), 100000u);
    EXPECT_GT(canvas().displayList().size(), 0u);
}

TEST_F(GraphTest, TickmarksNumberBothAxesOutToTheEdgesOfTheScale) {
    // The index graph's scale: x from -5 to 95, y from -0.8 to 3.
    canvas().Scale(-5, 3, 95, -0.8);
    // Every second step of y gets a tick: 1, 2, 3, ...
    DrawTickmarks(canvas(), {.yStep = 0.5, .yModulus = 2, .u = 2, .v = 3});
    const Canvas& c = canvas();
    // x: ticks at 0, 10, ... 90 (the last below the width 100), each label a step on; the
    // label 100 would stand beyond the right edge (95) and -10 beyond the left (-5): neither
    // is printed cut in half.
    for (int x = 10; x <= 90; x += 10)
        EXPECT_EQ(textsAt(c, x, -0.1), std::vector<QString>{QString::number(x)}) << x;
    for (const char* outside : {"100", "110", "-10"})
        EXPECT_FALSE(printedText(c, outside));
    // y: 0.5 steps up while below ScaleTop - ScaleHeight = 6.8, every second one labelled;
    // each step is taken before the test, so the last tick stands at 7.
    for (const char* y : {"0.0", "1.0", "2.0", "3.0"})
        EXPECT_EQ(textsAt(c, -3, QString(y).toDouble()), std::vector<QString>{y}) << y;
    EXPECT_TRUE(textsAt(c, -3, 1.5).empty());
    EXPECT_FALSE(printedText(c, "-1.00")); // below the scale's bottom, -0.8
    // Each y tick is a short line across the axis: 1 ... 7 above; -1 ... -4 below (the last
    // step passes -3.8).
    int yTicks = 0;
    for (const DrawItem& d : drawnOf(c, DrawItem::Line))
        yTicks += pt(d.a).y() == pt(d.b).y() && pt(d.a).x() == -2 && pt(d.b).x() == 2;
    EXPECT_EQ(yTicks, 7 + 4);
}

// Every number of a graph can be read, however tight the scale: inside the surface and over
// no other number (as the layout check finds them), on no axis; a tight scale is numbered
// every few ticks instead.
TEST_F(GraphTest, AxisNumbersStayInsideClearOfTheAxesAndOfEachOther) {
    target().Show();
    // Odd widths take the data window's grid, even ones the list windows' tick marks.
    for (const QSize size : {QSize(255, 690), QSize(255, 691), QSize(961, 405), QSize(960, 405),
                             QSize(301, 230), QSize(300, 230), QSize(683, 288), QSize(684, 288)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        target().setWidth(size.width() * 15);
        target().setHeight(size.height() * 15 + target().MenuHeight());
        Canvas& c = canvas();
        c.Cls();
        c.Scale(-12, 106, 156, -9); // the mean-error graph's scale
        if (size.width() % 2)
            DrawAxesGrid(c, 150, -10, 100, -5, -10, -5, 10, 20);
        else
            DrawTickmarks(c, {.yStep = 20, .t = 0.4, .u = 2, .v = 10.0 / 3});
        const QPointF origin = c.toPixel(0, 0);
        int numbers = 0, yNumbers = 0; // those above the x axis are the y axis's
        for (const DrawItem& d : drawnOf(c, DrawItem::Text)) {
            const QRectF box(c.pixelOf(d),
                             QSizeF(c.TextPixels(textOf(d)),
                                    c.TextHeight(textOf(d)) * std::fabs(c.pixelsPerUnitY())));
            ++numbers;
            yNumbers += box.top() < origin.y() - 10;
            EXPECT_FALSE(box.top() < origin.y() + 1 && box.bottom() > origin.y() - 1)
                << textOf(d).toStdString();
            EXPECT_FALSE(box.left() < origin.x() - 1 && box.right() > origin.x() + 1)
                << textOf(d).toStdString();
        }
        EXPECT_GE(yNumbers, 3);
        EXPECT_GE(numbers, 4); // thinned, not emptied
    }
}

TEST(GraphLine, ASteepLineIsCutToTheBandAndKeepsItsCourse) {
    // Worked by hand for the band -0.3 ... 1.5: the fit of sines through (0, 0) and (180, 30)
    // with a slope of 4e15 leaves at y = 1.5, x = 1.5 / 4e15; y = 5 - 10 x meets 1.5 at 0.35
    // and -0.3 at 0.53; a line inside keeps its ends exactly; one wholly outside is gone.
    struct Case {
        Point a, b;
        bool kept;
        Point cutA, cutB;
    };
    // clang-format off
    const Case cases[] = {
        {{0, 0}, {1, 4e15}, true, {0, 0}, {1.5 / 4e15, 1.5}},
        {{0, 5}, {1, -5}, true, {0.35, 1.5}, {0.53, -0.3}},
        {{0, 0.1}, {1, 0.66}, true, {0, 0.1}, {1, 0.66}},
        {{0, 2}, {1, 3}, false, {}, {}},
        {{0, 2}, {1, 2}, false, {}, {}}};
    // clang-format on
    for (const Case& c : cases) {
        Point a = c.a, b = c.b;
        ASSERT_EQ(ClipToBand(a, b, -0.3, 1.5), c.kept) << c.a.y << " " << c.b.y;
        if (!c.kept) continue;
        EXPECT_NEAR(a.x, c.cutA.x, 4e-15 * std::fabs(c.cutA.x) + 1e-30);
        EXPECT_NEAR(b.x, c.cutB.x, 4e-15 * std::fabs(c.cutB.x) + 1e-30);
        EXPECT_DOUBLE_EQ(a.y, c.cutA.y);
        EXPECT_DOUBLE_EQ(b.y, c.cutB.y);
    }
}
