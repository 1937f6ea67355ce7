#include "data_window_support.h"
#include "shell/model/numfmt.h"

#include <functional>

namespace {
const QColor kPurple = RGB(100, 0, 255);
const QColor kBlack = RGB(0, 0, 0);
const QColor kGreen = RGB(0, 255, 0);
const QColor kSnellColour = RGB(155, 39, 110);
} // namespace

TEST_F(DataWindowTest, PtolemysGlassGivesPurpleCrossesAndAnIndexOfOnePointFiveOneThree) {
    d().Ptolemy->trigger();
    Canvas& g = graphCanvas();
    EXPECT_EQ(g.ScaleTop(), 80);
    // Two lines a cross at each of the nine points, (0, 0) first, and the legend's cross.
    EXPECT_EQ(drawnOf(g, DrawItem::Line, kPurple).size(), 2u * 9 + 2);
    EXPECT_EQ(linesBetween(g, kPurple, 8, 5, 12, 9), 1);    // (10, 7)
    EXPECT_EQ(linesBetween(g, kPurple, 82, 40, 78, 44), 1); // (80, 42)
    EXPECT_EQ(linesBetween(g, kPurple, -2, -2, 2, 2), 1);   // the heading's (0, 0)
    EXPECT_TRUE(printedText(g, QStringLiteral("PTOLEMY Πτολεμαίος")));
    EXPECT_TRUE(printedText(g, QStringLiteral("REFRACTION ANGLE Γωνία Διάθλασης")));

    // Least squares on the sines by hand: slope 0.660913, so n = 1.51306.
    Canvas& s = sineCanvas();
    EXPECT_TRUE(printedText(s, QStringLiteral("REFRACTION INDEX Δείκτης Διάθλασης= 1.513")));
    EXPECT_NEAR(program->data.fittedIndex, 1.513059, 1e-5);
    const auto green = drawnOf(s, DrawItem::Line, kGreen);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_NEAR(pt(green[0].b).y(), 0.663481, 1e-5);
    EXPECT_EQ(drawnOf(s, DrawItem::Dot).size(), 9u);
    EXPECT_TRUE(printedText(s, QStringLiteral("Sin(REFRACTIONΔιάθλασης)")));
    // The sine graph is numbered by its own tick marks.
    EXPECT_TRUE(printedText(s, "0.30"));
    EXPECT_TRUE(printedText(s, "0.5"));
}

TEST_F(DataWindowTest, WiteloFitsHisFirstRowsButPlotsEveryPointOnATallerGraph) {
    d().Vitello_Glass->trigger();
    Canvas& g = graphCanvas();
    EXPECT_EQ(g.ScaleTop(), 110);
    const auto points = drawnOf(g, DrawItem::Dot, kBlack);
    ASSERT_EQ(points.size(), 9u);
    EXPECT_TRUE(near(pt(points[8].a), 80, 118));
    EXPECT_TRUE(printedText(g, "110.0")); // the grid reaches the taller top
    // Printed: the fit over (0, 0) and 10 ... 50 degrees; kept: the fit two points shorter.
    EXPECT_TRUE(
        printedText(sineCanvas(), QStringLiteral("REFRACTION INDEX Δείκτης Διάθλασης= 0.804")));
    EXPECT_NEAR(program->data.fittedIndex, 0.771889, 1e-5);
}

TEST_F(DataWindowTest, TypedRowsStopAtTheFirstEmptyRefraction) {
    type({"10", "20", "30", "40", "50", "60"}, {"7", "13.5", "19.5", "", "30", "34.5"});
    d().analysisdata();
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Dot, kBlack).size(), 3u);
    // By hand over 10, 20, 30 degrees: n = 1.53951.
    EXPECT_TRUE(
        printedText(sineCanvas(), QStringLiteral("REFRACTION INDEX Δείκτης Διάθλασης= 1.540")));

    d().Command1->click();
    EXPECT_TRUE(
        printedText(sineCanvas(), QStringLiteral("INDEX OF REFRACTION Δείκτης Διάθλασης= 1.5395")));
    EXPECT_EQ(graph().Caption(), "REFRACTION ANGLE VS INCIDENCE ANGLE");
    EXPECT_TRUE(printedText(graphCanvas(), QStringLiteral("INCIDENCE ANGLE Πρόσπτωσης")));
}

TEST_F(DataWindowTest, TheButtonDrawsOverItsLastPlotUnlessEraseIsTicked) {
    type({"10", "20"}, {"7", "13.5"});
    d().Command1->click();
    d().Command1->click();
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Dot, kBlack).size(), 4u);
    d().svinograf->setChecked(true);
    d().Command1->click();
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Dot, kBlack).size(), 2u);
    // Fourteen filled rows are all used, and nothing looks for a fifteenth.
    for (int i = 0; i < 14; ++i) {
        d().Text1[i]->setText(QString::number(5 * (i + 1)));
        d().Refr[i]->setText(QString::number(3 * (i + 1)));
    }
    d().Command1->click();
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Dot, kBlack).size(), 14u);
}

TEST_F(DataWindowTest, DataThatGiveNoLineGiveAMessageAndNoIndex) {
    struct Case {
        std::initializer_list<const char*> incidence, refraction;
    };
    const Case cases[] = {
        {{}, {}},                                 // nothing typed
        {{"30"}, {"20"}},                         // one point
        {{"30", "30", "30"}, {"19", "20", "21"}}, // every incidence the same
        {{"ten", "x"}, {"7", "8"}},               // words read as 0, twice
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 14; ++i) {
            d().Text1[i]->clear();
            d().Refr[i]->clear();
        }
        type(c.incidence, c.refraction);
        for (bool byButton : {true, false}) {
            dialogs->messages.clear();
            if (byButton)
                d().Command1->click();
            else
                d().analysisdata();
            ASSERT_EQ(messages().size(), 1u);
            EXPECT_TRUE(messages()[0].contains(QStringLiteral("Χρειάζονται")) ||
                        messages()[0].contains(QStringLiteral("διαφορετικές")))
                << messages()[0].toStdString();
            EXPECT_TRUE(drawnOf(sineCanvas(), DrawItem::Line, kGreen).empty());
            EXPECT_FALSE(anyPrintedStartsWith(sineCanvas(), "INDEX OF"));
            EXPECT_FALSE(anyPrintedStartsWith(sineCanvas(), "REFRACTION INDEX"));
            EXPECT_EQ(program->data.windowIndex(), 0);
        }
    }
    // With no index, Snell's law from the data says so instead of drawing.
    type({"30"}, {"20"});
    const std::size_t before = graphCanvas().displayList().size();
    dialogs->messages.clear();
    d().Snell_1->trigger();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(graphCanvas().displayList().size(), before);
}

TEST_F(DataWindowTest, KeplerFitsPtolemysFirstSixPoints) {
    d().Ptolemy->trigger();
    d().Kepler->trigger();
    EXPECT_EQ(graph().Caption(), "REFRACTION ANGLE VS INCIDENCE  ANGLE ");
    // (0, 0), (10, 7) ... (50, 30) by hand: slope 0.6.
    const auto red = drawnOf(graphCanvas(), DrawItem::Line, RGB(255, 0, 0));
    ASSERT_EQ(red.size(), 1u);
    EXPECT_NEAR(pt(red[0].b).y(), 60, 1e-4); // at 100 degrees
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::FilledBox, RGB(255, 255, 0)).size(), 1u);
    const DrawItem& label = graphCanvas().displayList().back();
    EXPECT_EQ(textOf(label),
              QStringLiteral("Kepler's Model for Refraction Μοντέλο Kepler για διάθλαση= "
                             "0.60Πρόσπτωση"));
    EXPECT_TRUE(label.italic);
    EXPECT_FALSE(graphCanvas().FontItalic());
    EXPECT_EQ(graphCanvas().ForeColor, kBlack);
}

TEST_F(DataWindowTest, KeplerWithTooFewDistinctPointsSaysSo) {
    d().Command1->click(); // a frame to draw on
    type({"10", "10", "10"}, {"7", "7.5", "8"}); // all at one incidence
    dialogs->messages.clear();
    d().Kepler->trigger();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_TRUE(drawnOf(graphCanvas(), DrawItem::Line, RGB(255, 0, 0)).empty());
    EXPECT_TRUE(drawnOf(graphCanvas(), DrawItem::FilledBox).empty());
}

TEST_F(DataWindowTest, SnellWithTheFittedIndexAndWithAGivenOne) {
    d().Ptolemy->trigger();
    d().Snell_1->trigger();
    // n = 1.513 has no critical angle: a segment for every degree.
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Line, kSnellColour).size(), 90u);
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::FilledBox, RGB(0, 255, 255)).size(), 1u);
    EXPECT_TRUE(printedText(graphCanvas(), "n=1.51"));

    dialogs->answer("1.5");
    d().Snell_2->trigger();
    ASSERT_EQ(dialogs->questions.size(), 1u);
    EXPECT_EQ(dialogs->questions[0].prompt,
              QStringLiteral("INDEX OF REFRACTION δείκτης διάθλασης?"));
    EXPECT_EQ(dialogs->questions[0].proposed, "1.5");
    EXPECT_EQ(graph().Caption(), "REFRACTION ANGLE VS INCIDENCE ANGLE");
    const DrawItem& label = graphCanvas().displayList().back();
    EXPECT_EQ(textOf(label), "n=1.50");
    EXPECT_TRUE(near(pt(label.a), 90, 41.810315, 1e-5)); // at the end of the curve

    // Witelo's index is below 1: the curve stops at the critical angle, 50.5 degrees.
    d().Vitello_Glass->trigger();
    d().Snell_1->trigger();
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Line, kSnellColour).size(), 50u);
}

TEST_F(DataWindowTest, SnellAndExpectedRefuseAnIndexThatIsNoIndex) {
    d().Ptolemy->trigger();
    type({"10"}, {"7"});
    const std::string tenThousand(10000, '7');
    for (const char* answer : {"0", "-1.5", "abc", "", "1e-10", "0.0199", "1e308", "-1e308",
                               "1e-320", "nan", "inf", "100.5", tenThousand.c_str()}) {
        SCOPED_TRACE(answer);
        const std::size_t before = graphCanvas().displayList().size();
        dialogs->messages.clear();
        dialogs->answer(answer);
        d().Snell_2->trigger();
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0],
                  "Index of refraction: a number from 0.02 to 100   Δείκτης διάθλασης: αριθμός "
                  "από 0.02 έως 100");
        EXPECT_EQ(graphCanvas().displayList().size(), before);

        dialogs->answer(answer);
        d().theoretikes->trigger();
        EXPECT_EQ(messages().size(), 2u);
        EXPECT_EQ(d().Text1[0]->text(), "10");
        EXPECT_EQ(d().Refr[0]->text(), "7");
        EXPECT_EQ(graphCanvas().displayList().size(), before);
    }
    // The bounds themselves are indices, and "1,5" is 1.5.
    dialogs->messages.clear();
    dialogs->answer("0,02");
    d().Snell_2->trigger();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(textOf(graphCanvas().displayList().back()), "n=0.02");
    // A cancelled box changes nothing and says nothing.
    dialogs->messages.clear();
    d().theoretikes->trigger();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(d().Text1[0]->text(), "10");
}

TEST_F(DataWindowTest, ExpectedFillsSnellsValuesForTheGivenIndex) {
    d().Ptolemy->trigger();
    d().Text1[13]->setText("99");
    dialogs->answer("1.5");
    d().theoretikes->trigger();
    EXPECT_EQ(dialogs->questions[0].prompt,
              QStringLiteral("index of refraction Δώσε δείκτη διάθλασης"));
    EXPECT_FALSE(d().fromLists);
    EXPECT_EQ(d().Text1[1]->text(), "10");
    EXPECT_EQ(d().Refr[1]->text(), "6.647777"); // asin(sin 10 / 1.5)
    EXPECT_EQ(d().Refr[9]->text(), "41.810315");
    EXPECT_EQ(d().Text1[10]->text(), "");
    EXPECT_EQ(d().Text1[13]->text(), "99"); // the last row is not emptied
    EXPECT_FALSE(drawnOf(graphCanvas(), DrawItem::Line, kBlack).empty()); // Ptolemy's plot stays

    dialogs->answer("0,5"); // a decimal comma
    d().theoretikes->trigger();
    EXPECT_EQ(d().Text1[9]->text(), "22.5");

    // n = 0.3 stops at 17.5 degrees with an empty refraction and empties the rows after it.
    dialogs->answer("0.3");
    d().theoretikes->trigger();
    EXPECT_EQ(d().Text1[7]->text(), "17.5");
    EXPECT_EQ(d().Refr[7]->text(), "");
    EXPECT_EQ(d().Text1[8]->text(), "");

    // The button then plots the rows whose two boxes are filled.
    d().Command1->click();
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Dot, kBlack).size(), 7u);
}

TEST_F(DataWindowTest, EmpiricalRulesLayTheirLinesWithoutClearing) {
    d().Ptolemy->trigger();
    const int clears = graphCanvas().clsCount();
    sines().Text1->show();
    d().toentrito1->trigger();
    EXPECT_FALSE(sines().Text1->isVisibleTo(&sines()));
    EXPECT_EQ(graph().Caption(), "REFRACTION ANGLE VS INCIDENCE ANGLE");
    EXPECT_EQ(linesBetween(graphCanvas(), RGB(165, 100, 80), 0, 0, 100, 200.0 / 3), 1);
    const DrawItem twoThirds = graphCanvas().displayList().back();
    EXPECT_EQ(textOf(twoThirds), QStringLiteral("REFRACTION = 2/3 INCIDENCE Διάθλασης=2/3Πρόσπτωσης"));
    EXPECT_TRUE(near(pt(twoThirds.a), 40, 50));
    EXPECT_EQ(Canvas::ColourOf(twoThirds), RGB(165, 155, 80));

    d().pyknoareo->trigger();
    EXPECT_EQ(graph().Caption(), "REFRACTION  ANGLE VS INCIDENCE ANGLE");
    EXPECT_EQ(linesBetween(graphCanvas(), RGB(165, 100, 80), 0, 0, 100, 150), 1);
    EXPECT_TRUE(near(pt(graphCanvas().displayList().back().a), 40, 60));
    EXPECT_EQ(graphCanvas().ForeColor, kBlack);
    EXPECT_EQ(graphCanvas().clsCount(), clears);
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Line, kPurple).size(), 20u);
}

// A box that holds no angle the window accepts is named, and nothing else happens: no graph
// drawn or cleared, no index changed, no question asked, the student's text left in its box.
TEST_F(DataWindowTest, ABoxThatHoldsNoAngleIsNamedAndChangesNothing) {
    type({"10", "20", "30", "40"}, {"7", "13", "19.5", "25"});
    d().Command1->click();
    ASSERT_TRUE(messages().empty());
    const double index = program->data.windowIndex();
    EXPECT_NEAR(index, 1.548384, 1e-6); // 1 / slope of the least-squares line of the sines
    const std::string tenThousand(10000, '7');
    struct Case {
        const char* typed;
        bool refraction;
    };
    for (const Case& bad : {Case{"1e308", false}, Case{"-1e308", false}, Case{"361", false},
                            Case{"1e999", true}, Case{"-360.5", true},
                            Case{tenThousand.c_str(), true}}) {
        SCOPED_TRACE(bad.typed);
        type({"10", "20", bad.refraction ? "30" : bad.typed, "40"},
             {"7", "13", bad.refraction ? bad.typed : "19.5", "25"});
        const std::size_t graphBefore = graphCanvas().displayList().size();
        const std::size_t sinesBefore = sineCanvas().displayList().size();
        const QString expected =
            bad.refraction
                ? "Refraction angle, row 3: a number from -360 to 360   Γωνία διάθλασης, "
                  "γραμμή 3: αριθμός από -360 έως 360"
                : "Incidence angle, row 3: a number from -360 to 360   Γωνία πρόσπτωσης, "
                  "γραμμή 3: αριθμός από -360 έως 360";
        std::vector<std::function<void()>> acts{
            [&] { d().Command1->click(); },      // the data-analysis button
            [&] { d().Kepler->trigger(); },      // Kepler's model, ERASE ticked below
            [&] { d().Snell_1->trigger(); },     // Snell with the data's index
            [&] { d().Snell_2->trigger(); }};    // Snell: GIVE n
        d().svinograf->setChecked(true);
        for (const auto& act : acts) {
            dialogs->messages.clear();
            dialogs->questions.clear();
            act();
            ASSERT_EQ(messages().size(), 1u);
            EXPECT_EQ(messages()[0], expected);
            EXPECT_TRUE(dialogs->questions.empty());
            EXPECT_EQ(graphCanvas().displayList().size(), graphBefore);
            EXPECT_EQ(sineCanvas().displayList().size(), sinesBefore);
            EXPECT_EQ(program->data.windowIndex(), index);
        }
        EXPECT_EQ((bad.refraction ? d().Refr[2] : d().Text1[2])->text().toStdString(), bad.typed);
    }
    // Within the bounds and as students write them, the same boxes are read.
    type({"10", "20", "360", "40"}, {"7", "13", "-360", "25"});
    dialogs->messages.clear();
    d().Command1->click();
    EXPECT_TRUE(messages().empty());
    type({"10", "20", "30,0", "40"}, {"7", "13", "1e-320", "25"}); // 1e-320 is 0
    d().Command1->click();
    EXPECT_TRUE(messages().empty());
    expectAllFinite(sineCanvas());
}

// Incidences of one sine give no line through the sines; a steep line is cut at the graph.
TEST_F(DataWindowTest, SinesThatGiveNoLineAndLinesTooSteepForTheGraph) {
    type({"0", "180"}, {"0", "30"});
    d().Command1->click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("ημίτονο"))) << messages()[0].toStdString();
    EXPECT_FALSE(anyPrintedStartsWith(sineCanvas(), "INDEX OF"));
    EXPECT_TRUE(drawnOf(sineCanvas(), DrawItem::Line, RGB(0, 255, 0)).empty());
    EXPECT_EQ(program->data.windowIndex(), 0);

    // sin 10 = 0.173648, sin 10.001 = 0.173665: slope 0.5 / 1.72e-5 = 2.9e4, the line leaves
    // the graph's top (1.5) at x = 1.5 / 2.9e4, 5.2e-5.
    dialogs->messages.clear();
    type({"10", "10.001"}, {"0", "30"});
    d().Command1->click();
    EXPECT_TRUE(messages().empty());
    const auto green = drawnOf(sineCanvas(), DrawItem::Line, RGB(0, 255, 0));
    ASSERT_EQ(green.size(), 1u);
    EXPECT_NEAR(pt(green[0].b).y(), 1.5, 1e-9);
    EXPECT_GT(pt(green[0].b).x(), 0);
    EXPECT_LT(pt(green[0].b).x(), 1e-4);
    // Kepler's line through the same two angles (a third row, past them, is left out of his
    // fit), 30 degrees up over 0.001: cut where it leaves the angle graph at 110.
    type({"10", "10.001", "20"}, {"0", "30", "13"});
    d().Kepler->trigger();
    EXPECT_TRUE(messages().empty());
    const auto red = drawnOf(graphCanvas(), DrawItem::Line, RGB(255, 0, 0));
    ASSERT_FALSE(red.empty());
    EXPECT_NEAR(pt(red.back().b).y(), 110, 1e-9);
    expectAllFinite(graphCanvas());
}

// An index fitted to odd data that gives no curve is named, and nothing is drawn for it.
TEST_F(DataWindowTest, SnellRefusesAFittedIndexWithNoCurve) {
    // Refractions of 0.01 and 0.02 degrees for 10 and 80: n = 0.8112 / 1.745e-4 = 4647.6 (the
    // fit runs in single precision, so to within a unit).
    type({"10", "80"}, {"0.01", "0.02"});
    d().Command1->click();
    const double n = program->data.windowIndex();
    EXPECT_NEAR(n, 4647.6, 1.0);
    dialogs->messages.clear();
    const std::size_t before = graphCanvas().displayList().size();
    d().Snell_1->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("The index from the data, n=" +
                                         QString::fromStdString(Format(n, "0.00")) + ", gives"))
        << messages()[0].toStdString();
    EXPECT_TRUE(messages()[0].endsWith(QStringLiteral("δεν δίνει καμπύλη")));
    EXPECT_EQ(graphCanvas().displayList().size(), before);
}
