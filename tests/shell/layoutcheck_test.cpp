// The layout check finds what a student would see wrong: controls cut by the window's edge or
// laid over one another, captions too long for their controls, printed texts that run out of
// the window or lie under a control. (CTest runs it on every window at five screen sizes.)
#include "support.h"

#include "shell/controls.h"
#include "shell/layoutcheck.h"

class LayoutCheckTest : public ProgramTest {
protected:
    void SetUp() override {
        f.setWidth(300 * 15);
        f.setHeight(200 * 15);
        f.canvas->Scale(0, 0, 300, 200); // one unit a pixel
        f.show();
    }
    QWidget* button(const QString& name, const QString& caption, QRect r) {
        auto* b = new CommandButton(caption, f.canvas);
        b->setObjectName(name);
        b->setGeometry(r);
        b->show();
        return b;
    }
    // Whether the check finds a fault that says `what`.
    bool found(const QString& what) const {
        const QStringList faults = ControlFaults(f);
        return std::any_of(faults.begin(), faults.end(), [&](auto& t) { return t.contains(what); });
    }
    Form f{"blank", QStringLiteral("BLANK")};
};

TEST_F(LayoutCheckTest, CutOverlappingAndTooNarrowControlsAreEachReported) {
    button("ok", "OK", QRect(10, 10, 80, 30));
    button("end", "END", QRect(100, 10, 80, 30));
    f.canvas->PrintAt(10, 60, QStringLiteral("n = 1.50"));
    EXPECT_TRUE(ControlFaults(f).isEmpty()) << ControlFaults(f).join('\n').toStdString();
    QWidget* cut = button("cut", "CUT", QRect(260, 10, 80, 30));
    QWidget* over = button("b", "B", QRect(50, 20, 80, 30));
    button("narrow", "A CAPTION FAR TOO LONG", QRect(10, 120, 40, 20));
    EXPECT_TRUE(found("cut at 260,10 80x30 is cut by the edge"));
    EXPECT_TRUE(found("b lies over ok"));
    EXPECT_TRUE(found("the text of narrow does not fit it"));
    // An overlap the window makes on purpose is none; a hidden control is not seen.
    f.allowOverlap(over, f.canvas->findChild<QWidget*>("ok"));
    EXPECT_FALSE(found("b lies over ok"));
    cut->hide();
    EXPECT_FALSE(found("is cut"));
}

TEST_F(LayoutCheckTest, PrintedTextsMustStayInsideTheWindowClearOfControlsAndOfEachOther) {
    f.canvas->PrintAt(250, 100, QStringLiteral("A LEGEND TOO LONG FOR ITS PLACE"));
    EXPECT_TRUE(found("\"A LEGEND TOO LONG FOR ITS PLACE\" runs past the edge"));
    f.canvas->Cls();
    f.canvas->PrintAt(20, 20, QStringLiteral("10.0"));
    f.canvas->PrintAt(30, 25, QStringLiteral("20.0"));
    EXPECT_TRUE(found("the printed texts \"10.0\" and \"20.0\" run into each other"));
    f.canvas->Cls();
    f.canvas->PrintAt(20, 100, QStringLiteral("REFRACTION"));
    button("back", "BACK", QRect(30, 95, 80, 30));
    EXPECT_TRUE(found("back lies over the printed text \"REFRACTION\""));
    f.canvas->Cls();
    EXPECT_TRUE(ControlFaults(f).isEmpty());
}

TEST_F(LayoutCheckTest, PrintInsideShrinksThenMovesALongTextButKeepsAShortOne) {
    Canvas& c = *f.canvas;
    c.setFontSize(12);
    const QString legend = QStringLiteral("INCIDENCE/2 πρόσπτωσης/2");
    ASSERT_GT(150 + c.TextWidth(legend), 300); // too long for its place at the window's size
    c.PrintInside(20, 10, QStringLiteral("short"), 7);
    c.PrintInside(150, 50, legend, 6);
    c.PrintInside(200, 90, legend, 11.5);
    EXPECT_DOUBLE_EQ(c.FontSize(), 12); // the window's font is kept
    const auto& list = c.displayList();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_TRUE(list[0].fontSize == 12 && pt(list[0].a).x() == 20);
    // Each ends inside the 300-pixel window; the first long one shrank as far as it needed
    // and stayed where it was put, the second could not shrink enough and moved left.
    for (std::size_t k = 1; k < 3; ++k) {
        c.setFontSize(list[k].fontSize);
        EXPECT_LE(pt(list[k].a).x() + c.TextWidth(textOf(list[k])), 300) << k;
    }
    EXPECT_TRUE(list[1].fontSize < 12 && list[1].fontSize >= 6 && pt(list[1].a).x() == 150);
    c.setFontSize(list[1].fontSize + 0.5);
    EXPECT_GT(150 + c.TextWidth(legend), 298); // a step larger would not have fitted
    EXPECT_TRUE(list[2].fontSize == 11.5 && pt(list[2].a).x() < 200);
    c.setFontSize(12);
    EXPECT_TRUE(ControlFaults(f).isEmpty()) << ControlFaults(f).join('\n').toStdString();
    // A text wider than the whole window starts at its left edge, and the check tells of it.
    c.PrintInside(100, 150, legend + legend, 12);
    EXPECT_EQ(pt(c.displayList().back().a).x(), 0);
    EXPECT_TRUE(found("runs past the edge"));
}
