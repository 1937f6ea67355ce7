// The data window and its two graph windows as a student uses them: each click reaches the data
// analysis, and what the part then holds is what the windows show (the numbers themselves are
// model_test's); the flows to other windows.
#include "support.h"

#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"
#include "data/model/note_figures.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

class DataWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command2_Click();
    }
    inpdat& d() { return program->forms.inpdat(); }
    DataAnalysis& part() { return program->dataAnalysis; }
    incref& angles() { return program->forms.incref(); }
    Canvas& graph() { return *angles().canvas; }
    analysis& sines() { return program->forms.analysis(); }
    int lines(const QColor& colour, QPointF a, QPointF b) {
        int count = 0;
        for (const DrawItem& l : drawnOf(graph(), DrawItem::Line, colour))
            count += near(pt(l.a), a.x(), a.y(), 1e-4) && near(pt(l.b), b.x(), b.y(), 1e-4);
        return count;
    }
    const DrawItem& lastDrawn() { return graph().displayList().back(); }
};

TEST_F(DataWindowTest, EachDataSetItemShowsItsSetInTheListsAndBothGraphs) {
    QString menus;
    for (QMenu* menu : {d().Models, d().Snell, d().empirikos, d().Histoire, d().History_notes})
        for (QAction* a : menu->actions())
            menus += a->text() + "|";
    EXPECT_EQ(menus.toStdString(),
              "Kepler'S|Snell law|EMPIRICAL|Snell: GIVE n|Snell: n according to data|"
              "REFRACTION ANGLE=3/2 INCIDENCE ANGLE|REFRACTION ANGLE=2/3 INCIDENCE ANGLE|"
              "Newton: WATER|Newton: GLASS|Al Haytham:  WATER|Al Haytham: GLASS|PTOLEMY WATER|"
              "PTOLEMY DATA MANIPULATION|PTOLEMY: GLASS|Witelo:FROM WATER TO AIR|"
              "Witelo: GLASS TO AIR|BACK FROM HISTORICAL|Al Haytham|Descartes|Fermat|Fresnel|"
              "HERO OF ALEXANDRIA|Kepler|Newton|PTOLEMY'S APPARATUS|Snell|Witelo|");
    QAction* items[] = {d().newt2,    d().Newt,    d().Alhazen2,      d().Alhazen,
                        d().ptolemy2, d().Ptolemy, d().Vitello_water, d().Vitello_Glass};
    for (std::size_t s = 0; s < 8; ++s) {
        items[s]->trigger();
        for (std::size_t other = 0; other < 8; ++other)
            EXPECT_EQ(items[other]->isChecked(), other == s) << s;
    }
    EXPECT_EQ(graph().ScaleTop(), 110); // Witelo's angles past 90 degrees
    // Ptolemy's glass: its lists and captions, a purple cross at each of the nine points, (0, 0)
    // first, with the legend's, and on the sine graph the nine points and the index.
    d().Ptolemy->trigger();
    const HistoricalDataSet& set = *FindDataSet("Ptolemy");
    EXPECT_TRUE(d().List1->isVisible() && d().List2->count() == 9 && sines().Visible());
    EXPECT_EQ(d().List1->item(0)->text().toStdString(), set.list1Heading);
    EXPECT_EQ(d().Label3->text().toStdString(), set.label3Caption);
    EXPECT_EQ(angles().Caption().toStdString(), set.increfCaption);
    EXPECT_EQ(sines().Caption(), "SIN(REFRACTION) VS SIN(INCIDENCE)");
    EXPECT_TRUE(drawnOf(graph(), DrawItem::Line, RGB(100, 0, 255)).size() == 2 * 9 + 2 &&
                lines(RGB(100, 0, 255), {8, 5}, {12, 9}) == 1); // (10, 7)
    EXPECT_TRUE(
        printedText(graph(), QStringLiteral("PTOLEMY Πτολεμαίος")) &&
        printedText(*sines().canvas, QStringLiteral("REFRACTION INDEX Δείκτης Διάθλασης= 1.513")));
    EXPECT_EQ(drawnOf(*sines().canvas, DrawItem::Dot).size(), 9u);
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "data sets");
}

TEST_F(DataWindowTest, TheBoxesShowThePartsRowsAndTakeKeysAndPastedTables) {
    d().Ptolemy->trigger();
    d().Refr[0]->setText("7");
    d().Text1[0]->setText("10"); // typed: pink, and the lists hidden
    EXPECT_EQ(part().typedRefraction[0] + part().typedIncidence[0], "710");
    EXPECT_TRUE(d().Text1[0]->palette().color(QPalette::Base) == RGB(255, 205, 205) &&
                d().Text1[1]->palette().color(QPalette::Base) != RGB(255, 205, 205));
    EXPECT_FALSE(d().List1->isVisible() || d().Label3->isVisible());
    d().Command1->click(); // the button still plots the nine points of the lists
    EXPECT_EQ(drawnOf(graph(), DrawItem::Dot).size(), 9u);
    // A key takes the checks of all but Witelo; in an incidence box it blackens the pen.
    d().Show();
    d().Ptolemy->trigger();
    graph().ForeColor = RGB(9, 9, 9);
    QTest::keyClick(d().Text1[2], Qt::Key_5);
    EXPECT_TRUE(!d().Ptolemy->isChecked() && graph().ForeColor == RGB(0, 0, 0));
    d().Vitello_Glass->trigger();
    QTest::keyClick(d().Refr[0], Qt::Key_Down);
    EXPECT_TRUE(d().Vitello_Glass->isChecked());
    // Enter, Down, Up, Right, Left and Home move between the boxes and wrap round.
    auto& t = d().Text1;
    auto& r = d().Refr;
    const std::tuple<QWidget*, int, QWidget*> moves[] = {
        {t[0], Qt::Key_Return, t[1]}, {t[13], Qt::Key_Return, t[0]}, {t[13], Qt::Key_Down, t[0]},
        {t[0], Qt::Key_Up, t[13]},    {t[5], Qt::Key_Up, t[4]},      {t[5], Qt::Key_Right, r[5]},
        {t[13], Qt::Key_Right, r[0]}, {t[6], Qt::Key_Left, t[6]},    {t[9], Qt::Key_Home, t[0]},
        {r[2], Qt::Key_Enter, r[3]},  {r[13], Qt::Key_Down, r[0]},   {r[0], Qt::Key_Up, r[13]},
        {r[4], Qt::Key_Left, t[4]},   {r[13], Qt::Key_Left, r[0]},   {r[8], Qt::Key_Right, r[8]},
        {r[7], Qt::Key_Home, r[0]}};
    for (const auto& [from, key, to] : moves) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key(key));
        EXPECT_EQ(d().focusWidget(), to) << key;
    }
    // A teacher pastes the class's measurements (Ctrl+V): the rows from the first on, the others
    // emptied; a single number goes into the box that has the focus; a table refused is told.
    auto paste = [](QWidget* target, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    };
    d().Ptolemy->trigger();
    paste(d().Command1, QStringLiteral("Πρόσπτωση;Διάθλαση\r\n10;6,6478\r\n20;13,1801\r\n"));
    EXPECT_EQ(d().Refr[1]->text() + "|" + d().Text1[2]->text(), "13,1801|");
    EXPECT_FALSE(part().fromLists || d().Ptolemy->isChecked() || d().List1->isVisible());
    d().Text1[9]->setFocus();
    paste(d().Text1[9], QStringLiteral("41,8"));
    EXPECT_EQ(d().Text1[9]->text() + d().Text1[0]->text(), "41,810");
    paste(&d(), QStringLiteral("10\t7\n20\t400\n"));
    EXPECT_EQ(dialogs->messages.at(0).text.toStdString(), RefusedBoxText({1, true}));
    EXPECT_EQ(d().Text1[1]->text(), "20");
}

// Each law as incref draws it over the data, without clearing: Kepler's line with its label in
// italics, Snell's curve, its label at the curve's end, the empirical rules with their captions;
// then the button's own plot and EXPECTED's rows.
TEST_F(DataWindowTest, TheLawsAreDrawnOverTheDataWithoutClearing) {
    d().Ptolemy->trigger();
    const int clears = graph().clsCount();
    d().Kepler->trigger();
    EXPECT_EQ(lines(RGB(255, 0, 0), {0, 0}, {100, 60}), 1); // slope 0.6
    EXPECT_TRUE(lastDrawn().italic && !graph().FontItalic());
    d().Snell_1->trigger();
    EXPECT_EQ(drawnOf(graph(), DrawItem::Line, RGB(155, 39, 110)).size(), 90u);
    dialogs->answer("1.5");
    d().Snell_2->trigger();
    EXPECT_EQ(dialogs->questions.at(0).prompt + "|" + dialogs->questions.at(0).proposed,
              QStringLiteral("INDEX OF REFRACTION δείκτης διάθλασης?|1.5"));
    EXPECT_TRUE(textOf(lastDrawn()) == "n=1.50" && near(pt(lastDrawn().a), 90, 41.810315, 1e-5));
    sines().Text1->show();
    d().toentrito1->trigger();
    EXPECT_TRUE(sines().Text1->isHidden());
    EXPECT_EQ(angles().Caption(), "REFRACTION ANGLE VS INCIDENCE ANGLE");
    EXPECT_EQ(lines(RGB(165, 100, 80), {0, 0}, {100, 200.0 / 3}), 1);
    EXPECT_EQ(textOf(lastDrawn()),
              QStringLiteral("REFRACTION = 2/3 INCIDENCE Διάθλασης=2/3Πρόσπτωσης"));
    d().pyknoareo->trigger();
    EXPECT_EQ(angles().Caption(), "REFRACTION  ANGLE VS INCIDENCE ANGLE");
    EXPECT_EQ(lines(RGB(165, 100, 80), {0, 0}, {100, 150}), 1);
    EXPECT_EQ(textOf(lastDrawn()),
              QStringLiteral("REFRACTION = 3/2 INCIDENCE διάθλασης=3/2πρόσπτωσης"));
    EXPECT_EQ(graph().clsCount(), clears);
    // The button draws over its last plot unless ERASE is ticked; a steep fit is cut at the top.
    d().klinoistoria->trigger();
    part().transferRows({{"10", "7"}, {"10.001", "30"}});
    d().Command1->click();
    d().Command1->click();
    EXPECT_EQ(drawnOf(graph(), DrawItem::Dot).size(), 4u);
    d().svinograf->setChecked(true);
    d().Command1->click();
    EXPECT_EQ(drawnOf(graph(), DrawItem::Dot).size(), 2u);
    EXPECT_NEAR(drawnOf(*sines().canvas, DrawItem::Line, RGB(0, 255, 0)).at(0).b.y, 1.5, 1e-9);
    dialogs->answer("1.5");
    d().theoretikes->trigger();
    EXPECT_EQ(d().Refr[9]->text(), "41.810315");
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "laws");
}

// Each note's item puts its note in the analysis window, from its start, and its figure, if it has
// one, with its caption in incref (else incref's own on a clean graph), both cleared first, and
// leaves the data; Al Haytham's and Ptolemy's open their windows. What other parts put there goes
// through the part the same way (their own tests show it arrives): a figure without a caption
// leaves incref's, an explanation shown again keeps the reader's place.
TEST_F(DataWindowTest, EveryNoteShowsItsTextAndItsFigureAndTheButtonsLeaveTheWindow) {
    d().Ptolemy->trigger();
    d().Text1[0]->setText("12");
    const std::pair<QAction*, const char*> items[] = {{d().alhaytham, nullptr},
                                                      {d().Descarteslaw, nullptr},
                                                      {d().Fermatlaw, "FERMAT'S PRINCIPLE"},
                                                      {d().fresnellaw, nullptr},
                                                      {d().Herolaw, "HERO OF ALEXANDRIA"},
                                                      {d().Keplerlaw, nullptr},
                                                      {d().Newtonlaw, "PATHS OF Newton's rays"},
                                                      {d().Ptolemylaw, "PTOLEMY'S APPARATUS"},
                                                      {d().Snellaw, nullptr},
                                                      {d().Witellolaw, nullptr}};
    for (std::size_t k = 0; k < std::size(items); ++k) {
        const auto [item, figure] = items[k];
        item->trigger();
        EXPECT_EQ(sines().Caption().toStdString(), Note(AllNotes()[k]).caption);
        EXPECT_EQ(angles().Caption().toStdString(), figure ? figure : kIncrefDesignCaption);
        EXPECT_EQ(graph().displayList().empty(), !figure) << k;
    }
    const HistoryNote& witelo = Note(NoteId::Witelo);
    ASSERT_TRUE(sines().Visible() && sines().Text1->isVisibleTo(&sines()));
    EXPECT_EQ(sines().Text1->font().pointSizeF(), witelo.fontSize);
    EXPECT_EQ(sines().Text1->toPlainText().toStdString(), witelo.Text());
    EXPECT_EQ(sines().Text1->textCursor().position(), 0);
    EXPECT_TRUE(sines().canvas->displayList().empty());
    EXPECT_TRUE(part().fromLists && d().Ptolemy->isChecked() && d().Text1[0]->text() == "12");
    d().alhaytham->trigger();
    EXPECT_TRUE(program->WindowShown("xaithamos"));
    d().Ptolemylaw->trigger();
    EXPECT_TRUE(program->WindowShown("ptolemaios") && angles().Visible());
    d().Fermatlaw->trigger();
    EXPECT_NEAR(graph().pixelsPerUnitX(), -graph().pixelsPerUnitY(), 1e-6); // a unit even
    EXPECT_LE(graph().ScaleTop() + graph().ScaleHeight(), -110); // the figure's whole box
    EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(*program, "notes");
    part().showFigure(PtolemyFigure("PTOLEMY'S APPARATUS Η συσκευή του Πτολεμαίου"));
    EXPECT_EQ(angles().Caption(), "FERMAT'S PRINCIPLE");
    sines().Text1->moveCursor(QTextCursor::End);
    const int place = sines().Text1->textCursor().position();
    part().showExplanation(Note(NoteId::Fermat).Text());
    EXPECT_EQ(sines().Text1->textCursor().position(), place);
    EXPECT_GT(place, 0);
    // INITIAL: back to the main menu, the graphs with the data window (INTERPRETATION and the
    // table of Ptolemy's data: the waves' and Ptolemy's tests); END ends the program.
    d().Command2->click();
    EXPECT_FALSE(d().Visible() || angles().Visible() || sines().Visible());
    EXPECT_TRUE(program->forms.velmoratimeleti().Visible());
    d().Command3->click();
    EXPECT_TRUE(program->ended);
}
