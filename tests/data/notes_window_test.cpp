// The HISTORY NOTES menu as a student uses it: each item fills the analysis window's text box
// and, for four notes, draws its illustration in incref, without touching the data.
#include "data_window_support.h"

#include "alhaytham/xaithamos.h"
#include "ptolemy/ptolemaios.h"
#include "waves/model/interpretation_state.h"

namespace {

struct Item {
    QAction* inpdat::*action;
    const char* caption;
    int size;
    bool draws;
};

const Item kItems[] = {
    {&inpdat::alhaytham, "AL HAYTHAM", 11, false},   {&inpdat::Descarteslaw, "DESCARTES", 12, false},
    {&inpdat::Fermatlaw, "FERMAT", 12, true},        {&inpdat::fresnellaw, "FRESNEL", 13, false},
    {&inpdat::Herolaw, "HERO OF ALEXANDRIA", 13, true}, {&inpdat::Keplerlaw, "KEPLER", 12, false},
    {&inpdat::Newtonlaw, "NEWTON", 13, true},         {&inpdat::Ptolemylaw, "ABOUT PTOLEMY", 13, true},
    {&inpdat::Snellaw, "SNELL", 13, false},           {&inpdat::Witellolaw, "WITELO", 10, false},
};

} // namespace

TEST_F(DataWindowTest, EveryNoteFillsTheTextBoxWithItsCaptionAndSize) {
    for (const Item& item : kItems) {
        SCOPED_TRACE(item.caption);
        (d().*item.action)->trigger();
        EXPECT_EQ(sines().Caption(), QString::fromUtf8(item.caption));
        EXPECT_TRUE(sines().Visible());
        ASSERT_TRUE(sines().Text1->isVisibleTo(&sines()));
        EXPECT_EQ(sines().Text1->font().pointSizeF(), item.size);
        const QString text = sines().Text1->toPlainText();
        // Greek first: the note opens with a Greek letter, and holds no number a student could
        // take for a fault.
        ASSERT_FALSE(text.isEmpty());
        EXPECT_GE(text.at(0).unicode(), 0x0370);
        EXPECT_FALSE(text.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        EXPECT_EQ(sines().Text1->textCursor().position(), 0); // read from the start
        if (item.draws) {
            EXPECT_TRUE(graph().Visible());
            EXPECT_FALSE(graphCanvas().displayList().empty());
        } else {
            EXPECT_TRUE(graphCanvas().displayList().empty());
        }
        EXPECT_TRUE(sineCanvas().displayList().empty());
    }
}

TEST_F(DataWindowTest, TwoNotesInARowShowOnlyTheSecond) {
    d().Fermatlaw->trigger();
    const int cls = graphCanvas().clsCount();
    d().Herolaw->trigger();
    EXPECT_GT(graphCanvas().clsCount(), cls);
    EXPECT_FALSE(printedText(graphCanvas(), QStringLiteral("FERMAT'S PRINCIPLE Αρχή του Fermat")));
    EXPECT_TRUE(anyPrintedStartsWith(graphCanvas(), QStringLiteral("HERO'S PROOF")));
    EXPECT_FALSE(sines().Text1->toPlainText().contains(QStringLiteral("FERMAT proved")));
    // A note without an illustration leaves the graph clean.
    d().Snellaw->trigger();
    EXPECT_TRUE(graphCanvas().displayList().empty());
    EXPECT_TRUE(sines().Text1->toPlainText().contains(QStringLiteral("1621")));
}

TEST_F(DataWindowTest, FermatsIllustrationStandsWhereTheNoteSays) {
    d().Fermatlaw->trigger();
    EXPECT_TRUE(graph().Visible());
    EXPECT_EQ(graph().Caption(), QStringLiteral("FERMAT'S PRINCIPLE"));
    const Canvas& c = graphCanvas();
    // A unit as long across as down, at least the box the figure asks for.
    EXPECT_NEAR(c.pixelsPerUnitX(), -c.pixelsPerUnitY(), 1e-6 * c.pixelsPerUnitX());
    EXPECT_LE(c.ScaleLeft(), -150);
    EXPECT_GE(c.ScaleLeft() + c.ScaleWidth(), 150);
    EXPECT_GE(c.ScaleTop(), 170);
    EXPECT_LE(c.ScaleTop() + c.ScaleHeight(), -110);
    // The band of the second medium in orange, down from the surface, across the window.
    const auto bands = drawnOf(c, DrawItem::FilledBox);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_TRUE(sameColor(fillOf(bands[0]), RGB(200, 100, 0)));
    EXPECT_DOUBLE_EQ(pt(bands[0].a).y(), 0);
    EXPECT_DOUBLE_EQ(pt(bands[0].b).y(), -140);
    EXPECT_LE(pt(bands[0].a).x(), c.ScaleLeft());
    EXPECT_EQ(linesBetween(c, RGB(0, 0, 0), -140, 0, 140, 0), 1);
    EXPECT_EQ(linesBetween(c, RGB(0, 0, 0), 0, -110, 0, 100), 1);
    const double zx = -115 * std::sin(M_PI / 6), zy = 115 * std::cos(M_PI / 6);
    EXPECT_EQ(linesBetween(c, RGB(0, 255, 0), zx, zy, 0, 0), 1);
    EXPECT_EQ(linesBetween(c, RGB(0, 255, 0), 0, 0, 115 * std::sin(M_PI / 9), -115 * std::cos(M_PI / 9)), 1);
    for (const DrawItem& t : drawnOf(c, DrawItem::Text)) {
        if (textOf(t).size() == 1) EXPECT_EQ(t.fontSize, 14) << textOf(t).toStdString();
        else EXPECT_EQ(t.fontSize, 11) << textOf(t).toStdString();
    }
    EXPECT_TRUE(printedText(c, QStringLiteral("IS SMALLER THAN TIME ALONG ZGH είναι μικρότερος από το χρόνο κατά ZGH")));
    // Every line of explanation ends inside the window.
    for (const DrawItem& t : drawnOf(c, DrawItem::Text))
        EXPECT_LE(c.toPixel(pt(t.a).x(), 0).x() + QFontMetricsF(QFont(c.FontName(), t.fontSize)).horizontalAdvance(textOf(t)),
                  c.width() + 1) << textOf(t).toStdString();
}

TEST_F(DataWindowTest, NewtonsNoteLeavesTheInterpretationAsItWas) {
    program->forms.velmoratimeleti().Command5_Click(); // the wave windows set the state up
    const InterpretationState before = program->interp;
    d().Newtonlaw->trigger();
    const InterpretationState& after = program->interp;
    EXPECT_EQ(after.incRad, before.incRad);
    EXPECT_EQ(after.refrRad, before.refrRad);
    EXPECT_EQ(after.frontSpeed1, before.frontSpeed1);
    EXPECT_EQ(after.frontSpeed2, before.frontSpeed2);
    EXPECT_EQ(after.scaleW, before.scaleW);
    EXPECT_EQ(after.scaleH, before.scaleH);
    EXPECT_EQ(graph().Caption(), QStringLiteral("PATHS OF Newton's rays"));
    // The red particle into the glass and the blue one out of it, drawn as lines.
    EXPECT_GT(drawnOf(graphCanvas(), DrawItem::Line, RGB(255, 0, 0)).size(), 10u);
    EXPECT_GT(drawnOf(graphCanvas(), DrawItem::Line, RGB(0, 0, 255)).size(), 10u);
    EXPECT_TRUE(anyPrintedStartsWith(graphCanvas(), QStringLiteral("RED: AIR TO GLASS, INCIDENCE 28, REFRACTION 18.2")));
}

TEST_F(DataWindowTest, NotesOpenTheirWindowsAndLeaveTheDataAlone) {
    d().Ptolemy->trigger(); // Ptolemy's glass data, read from the lists
    d().Text1[0]->setText(QStringLiteral("12"));
    d().Refr[0]->setText(QStringLiteral("9"));
    std::vector<bool> checks;
    for (QAction* a : d().Histoire->actions()) checks.push_back(a->isChecked());

    d().alhaytham->trigger();
    EXPECT_TRUE(program->forms.xaithamos().Visible());
    // Al Haytham's apparatus opens without replacing his note.
    EXPECT_TRUE(sines().Text1->toPlainText().contains(QStringLiteral("Ιμπν αλ-Χάιθαμ")));
    d().Ptolemylaw->trigger();
    EXPECT_TRUE(program->forms.ptolemaios().Visible());
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Circle).size(), 2u);
    EXPECT_TRUE(printedText(graphCanvas(), QStringLiteral("PTOLEMY'S APPARATRUS Η συσκευή του Πτολεμαίου")));
    for (const Item& item : kItems) (d().*item.action)->trigger();

    EXPECT_TRUE(d().fromLists);
    std::vector<bool> after;
    for (QAction* a : d().Histoire->actions()) after.push_back(a->isChecked());
    EXPECT_EQ(after, checks);
    EXPECT_TRUE(d().Ptolemy->isChecked());
    EXPECT_EQ(d().Text1[0]->text(), QStringLiteral("12"));
    EXPECT_EQ(d().Refr[0]->text(), QStringLiteral("9"));
    EXPECT_GT(d().List1->count(), 0);
}
