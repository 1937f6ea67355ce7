#include "support.h"

#include "data/axesgrid.h"
#include "data/incref.h"

#include <cmath>

namespace {
const QColor kBlue = RGB(0, 0, 255);

std::vector<QString> textsAt(const Canvas& c, double x, double y) {
    std::vector<QString> out;
    for (const Drawn& d : c.displayList())
        if (d.kind == Drawn::Text && std::abs(d.points[0].x() - x) < 1e-6 &&
            std::abs(d.points[0].y() - y) < 1e-6)
            out.push_back(d.text);
    return out;
}

bool near(const Drawn& d, double x1, double y1, double x2, double y2) {
    return d.kind == Drawn::Line && d.points[0] == QPointF(x1, y1) &&
           d.points[1] == QPointF(x2, y2);
}
} // namespace

class AxesGridTest : public ProgramTest {
protected:
    Form& target() { return program->forms.incref(); }
    Canvas& canvas() { return *target().canvas; }
    void SetUp() override {
        record(target());
        canvas().Cls();
    }
};

TEST_F(AxesGridTest, TheWorkedCaseNumbersBothAxesAndDrawsTheGrid) {
    canvas().Scale(-5, 100, 115, -35);
    DrawAxesGrid(target(), 110, -5, 95, -30, 0, 0, 10, 10);
    const Canvas& c = canvas();
    const auto& list = c.displayList();
    ASSERT_GE(list.size(), 2u);
    EXPECT_TRUE(near(list[0], -5, 0, 110, 0));
    EXPECT_TRUE(near(list[1], 0, -30, 0, 95));

    // x: ticks at 0 ... 100, each label one step on, so 10 ... 110.
    for (int x = 10; x <= 110; x += 10)
        EXPECT_EQ(textsAt(c, x, 2), std::vector<QString>{QString::number(x)}) << x;
    // y: grid lines and labels 10.0 ... 100.0, the last the first step not below 95.
    for (int y = 10; y <= 100; y += 10) {
        EXPECT_EQ(textsAt(c, 10.0 / 3, y), std::vector<QString>{QString::number(y) + ".0"});
    }
    EXPECT_EQ(textsAt(c, 10.0 / 3, 0), (std::vector<QString>{"0", "0.00"}));
    const auto grid = drawnOf(c, Drawn::Line, kBlue);
    EXPECT_EQ(grid.size(), 11u); // ten above zero and the one at zero
    for (const Drawn& g : grid) {
        EXPECT_EQ(g.points[0].x(), 0);
        EXPECT_EQ(g.points[1].x(), 110);
    }
    // Below zero and left of it the floors keep everything out.
    for (const QString& t : printed(c))
        EXPECT_FALSE(t.startsWith('-')) << t.toStdString();

    // A range that does not cross zero puts the axes at its low ends.
    canvas().Cls();
    canvas().Scale(0, 100, 100, 0);
    DrawAxesGrid(target(), 90, 10, 90, 5, 0, 0, 10, 10);
    ASSERT_GE(list.size(), 2u);
    EXPECT_TRUE(near(list[0], 10, 5, 90, 5));
    EXPECT_TRUE(near(list[1], 10, 5, 10, 90));
}

TEST_F(AxesGridTest, RangesWithoutAStepDrawTheAxesOnlyAndEnd) {
    canvas().Scale(-1, 1, 1, -1);
    DrawAxesGrid(target(), 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(canvas().displayList().size(), 2u);
    EXPECT_TRUE(printed(canvas()).empty());
    canvas().Cls();
    DrawAxesGrid(target(), 5, 0, 5, 0, 0, 0, 0, 0); // automatic step 0
    EXPECT_EQ(canvas().displayList().size(), 2u);
    canvas().Cls();
    DrawAxesGrid(target(), std::nan(""), 0, 5, 0, 0, 0, 10, 10);
    EXPECT_TRUE(canvas().displayList().empty());
    // A small y range shows its scale factor after each label.
    canvas().Scale(-0.1, 6, 1, -1);
    DrawAxesGrid(target(), 1, 0, 0.5, 0, 0, 0, 0.1, 0);
    EXPECT_EQ(textsAt(canvas(), 0.1 / 3, 5), std::vector<QString>{"5.001.00e-01"});
}
