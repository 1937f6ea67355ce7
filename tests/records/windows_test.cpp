// The list, index-graph and mean-error windows beside the semicircle: each shows the
// experiment when told, draws its graph, and hands on what a click asks for. What the rows and
// curves hold is the model tests' (tests/semicircle); here it arrives.
#include "support.h"

#include "data/inpdat.h"
#include "records/Grafindex.h"
#include "records/errors.h"

namespace {

bool hasLine(const Canvas& c, double x1, double y1, double x2, double y2) {
    return std::ranges::any_of(drawnOf(c, DrawItem::Line), [&](const DrawItem& d) {
        return near(pt(d.a), x1, y1, 1e-9) && near(pt(d.b), x2, y2, 1e-9);
    });
}

bool printedAt(const Canvas& c, const QString& text, double x, double y) {
    return std::ranges::any_of(drawnOf(c, DrawItem::Text), [&](const DrawItem& d) {
        return textOf(d) == text && near(pt(d.a), x, y, 1e-9);
    });
}

class RecordWindowsTest : public SemicircleWindowTest {
protected:
    void SetUp() override { open(); }
    Experiment& part() { return program->experiment; }
};

} // namespace

TEST_F(RecordWindowsTest, TheListShowsTheExperimentsRowsTextsAndMeanAndGraphsItsRows) {
    Canvas& c = record(list());
    part().addRow({"30", "19.47", "1.5000"});
    part().addRow({"40", "total reflection", "ολική ανάκλαση"});
    part().setListLabel(2, "xc = 0.40");
    EXPECT_EQ(items(list().List2), (std::vector<QString>{"19.47", "total reflection"}));
    EXPECT_EQ(items(list().List1).back() + items(list().List3).back() + list().Label3->text(),
              QStringLiteral("40ολική ανάκλασηxc = 0.40"));
    list().Form_Click();
    EXPECT_TRUE(hasLine(c, 0, -1, 0, 2));
    list().zografizo();
    EXPECT_TRUE(hasLine(c, 0, -1, 0, 4));
    const auto points = drawnOf(c, DrawItem::Dot);
    ASSERT_EQ(points.size(), 1u); // the row without an index has no point
    EXPECT_TRUE(near(pt(points[0].a), 30, 1.5, 1e-9));
    // Incidence ticks every 10 (step (ScaleLeft + ScaleWidth) / 10), index ticks every 0.4.
    EXPECT_TRUE(axisNumberAt(c, "10", 10, -0.08) && axisNumberAt(c, "0.4", -10.0 / 3, 0.4));
    part().clearRows();
    EXPECT_EQ(list().List1->count(), 0);
    h().Command4->click(); // a sweep's mean index, printed on a clean picture
    EXPECT_EQ(printed(c), std::vector<QString>{QStringLiteral(
                              "MEAN VALUE OF INDEX Μέσος όρος δείκτη διάθλασης1.50")});
}

TEST_F(RecordWindowsTest, TheIndexGraphShowsTheRowsAndTheirMeanErrorOrOnlyAxesWithoutRows) {
    Grafindex& graph = program->forms.Grafindex();
    Canvas& c = record(graph);
    graph.zografizo();
    EXPECT_TRUE(hasLine(c, -5, 0, 100, 0) && hasLine(c, 0, -1, 0, 4));
    EXPECT_TRUE(printedAt(c, QStringLiteral("INCIDENCE ANGLE Πρόπστωσης"), 40, -0.5));
    EXPECT_TRUE(drawnOf(c, DrawItem::Dot).empty() && // without rows: no point, no mean error
                std::ranges::none_of(printed(c), [](auto& t) { return t.startsWith("MEAN"); }));
    // Told by the experiment: n = 1.5, errors 0 and 0.1 give 100 sqrt(0.01 / 2) / 1.5 = 4.714 %.
    part().addRow({"10", "6.65", "1.5000"});
    part().addRow({"20", "12.86", "1.6000"});
    part().drawIndexGraph();
    EXPECT_TRUE(printedAt(c, QStringLiteral("MEAN ERROR Μέσο σφάλμα=4.714 %"), 20, 2.5));
    const auto points = drawnOf(c, DrawItem::Dot);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(near(pt(points[1].a), 20, 1.6f, 1e-9) && points[1].width == 5);
    // Index ticks every 0.5, from (-2, y) to (2, y); incidence ticks 0.02 high.
    EXPECT_TRUE(hasLine(c, -2, 0.5, 2, 0.5) && hasLine(c, 10, -0.02, 10, 0.02));
    EXPECT_TRUE(axisNumberAt(c, "20", 20, -0.02));
    part().clearIndexGraph();
    EXPECT_TRUE(c.displayList().empty());
    graph.Form_Click(); // a click brings up the mean error against the radius
    EXPECT_TRUE(program->forms.errors().isVisible());
}

TEST_F(RecordWindowsTest, TheMeanErrorCurveRunsOverSixtySevenRadiiForThePresentSettings) {
    errors& e = program->forms.errors();
    Canvas& c = record(e);
    const auto curve = [&] {
        std::vector<DrawItem> out; // two radii apart, from radius 14 to 146
        for (const DrawItem& d : drawnOf(c, DrawItem::Line))
            if (d.a.x >= 14 && d.b.x <= 146 && std::fabs(d.b.x - d.a.x - 2) < 1e-9)
                out.push_back(d);
        return out;
    };
    e.Form_Click();
    EXPECT_EQ(curve().size(), 66u); // between the 67 radii of the model's curve
    EXPECT_TRUE(hasLine(c, 0, 0, 150, 0) && hasLine(c, 0, 0, 0, 100));
    EXPECT_TRUE(printedAt(c, "Radius of Semicircle", 45, -2) &&
                printedAt(c, "Mean Error%", 15, 80));
    EXPECT_TRUE(printedAt(c, "n= 1.50", 25, 65) && printedAt(c, "h= 0.00", 25, 60));
    // x: a tick every 10 from (x, -0.4) to (x, 0.4), its number one step on; y: every 20.
    EXPECT_TRUE(hasLine(c, -10, -0.4, -10, 0.4) && axisNumberAt(c, "-10", -10, -0.4));
    EXPECT_FALSE(axisNumberAt(c, "0", 0, -0.4) || hasLine(c, -2, 10, 2, 10));
    EXPECT_TRUE(axisNumberAt(c, "100.0", -10.0 / 3, 100));
    EXPECT_FALSE(printedText(c, "-20.00")); // below the graph's bottom, -9: not printed cut
    // BEST SEMICIRCLE with a misplaced ray and semicircle: the curve of the settings now, which
    // are listed, and the semicircle window's radius left as it was.
    part().setRayH(1);
    part().setGeometry(100, 0.4, 0, -3);
    h().Optimize->trigger();
    EXPECT_EQ(curve().back().b.y, part().meanErrorCurve().back().error);
    EXPECT_TRUE(printedAt(c, "h= 1.00", 25, 60) && printedAt(c, "xc= 0.40", 25, 55) &&
                printedAt(c, "Angle= -3.00", 25, 45));
    EXPECT_EQ(part().radiusR(), 100);
    // Far off the centre, a small glass measures indices thousands of percent off (421154 % at
    // radius 14, 10 to the left and 2 up): the curve leaves the graph at its top edge.
    part().setGeometry(100, -10, 2, 0);
    h().Optimize->trigger();
    std::vector<DrawItem> lines; // the curve's, right of the ticks
    for (const DrawItem& d : drawnOf(c, DrawItem::Line))
        if (d.a.x >= 14) lines.push_back(d);
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end(),
                            [](auto& d) { return d.a.y <= 106 && d.b.y <= 106; }));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](auto& d) { return d.a.y == 106 || d.b.y == 106; }));
}

// TRANSFER OF DATA: the rows go into the data window's boxes as plain numbers; a cell without
// a value leaves an empty box (how many rows and what boxes keep: the data part's tests).
TEST_F(RecordWindowsTest, TransferCopiesTheRowsIntoTheDataWindow) {
    inpdat& data = program->forms.inpdat();
    h().Command4->click();
    list().Command1->click();
    EXPECT_TRUE(data.isVisible());
    EXPECT_EQ(data.Text1[8]->text() + " " + data.Refr[0]->text(), "80 4"); // "4.00" as a number
    h().Indexn->setValue(5);
    giveAngle("60"); // turned back
    list().Command1->click();
    EXPECT_EQ(data.Text1[0]->text() + " " + data.Refr[0]->text(), "60 ");
}
