#include "data_window_support.h"

#include "alhaytham/xaithamos.h"
#include "data/model/laws.h"
#include "particles/somata.h"
#include "ptolemy/ptolemaios.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include <QClipboard>
#include <QTest>

namespace {

struct SetTexts {
    const char* item;
    int listCount;
    const char* heading;
    const char* label3;
    const char* increfCaption;
};

} // namespace

TEST_F(DataWindowTest, LoadsAtTheLeftHalfWithItsGraphWindowsBesideIt) {
    EXPECT_EQ(d().Caption(), "Istorikva");
    EXPECT_EQ(d().canvas->BackColor(), RGB(224, 224, 224));
    // The notes' box of analysis waits hidden at its top left, almost as large as the window.
    EXPECT_FALSE(sines().Text1->isVisible());
    EXPECT_EQ(sines().Text1->pos(), QPoint(0, 0));
    EXPECT_NEAR(sines().Text1->width(), sines().canvas->width() * 14 / 15, 1);
    EXPECT_NEAR(sines().Text1->height(), sines().canvas->height() * 0.9, 1);
    // Rows 480 twips apart; a quarter of its width right of Text1(i) the wider Refr(i).
    EXPECT_NEAR(d().Top(d().Text1[1]) - d().Top(d().Text1[0]), 480, 15);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(d().Top(d().Refr[i]), d().Top(d().Text1[i]));
        EXPECT_NEAR(d().Left(d().Refr[i]), d().Left(d().Text1[i]) + d().Width(d().Text1[i]) * 1.25, 30);
        EXPECT_GT(d().Width(d().Refr[i]), d().Width(d().Text1[i]));
    }
}

TEST_F(DataWindowTest, MenusReadAsTheStudentSeesThem) {
    QStringList top;
    for (QAction* a : d().menuBar()->actions())
        if (a->isVisible()) top << a->text();
    EXPECT_EQ(top, (QStringList{"MODELS", "EXPECTED", "HISTORICAL DATA", "HISTORY NOTES"}));
    QStringList history;
    for (QAction* a : d().Histoire->actions())
        history << a->text();
    EXPECT_EQ(
        history,
        (QStringList{"Newton: WATER", "Newton: GLASS", "Al Haytham:  WATER", "Al Haytham: GLASS",
                     "PTOLEMY WATER", "PTOLEMY DATA MANIPULATION", "PTOLEMY: GLASS",
                     "Witelo:FROM WATER TO AIR", "Witelo: GLASS TO AIR", "BACK FROM HISTORICAL"}));
    EXPECT_EQ(d().History_notes->actions().size(), 10);
    EXPECT_EQ(d().Snell_2->text(), "Snell: GIVE n");
    EXPECT_EQ(d().Snell_1->text(), "Snell: n according to data");
    EXPECT_TRUE(d().Ptolemy->isCheckable());
    EXPECT_FALSE(d().klinoistoria->isCheckable());
}

TEST_F(DataWindowTest, EachDataSetFillsTheListsAndChecksOnlyItsOwnItem) {
    const SetTexts sets[] = {
        {"newt2", 8, "INCIDENCE Πρόσπτωση ", "Newton's DATA: νερό",
         "REFRACTION ANGLE VS INCIDENCE ANGLE"},
        {"Newt", 13, " INCIDENCE Πρόσπτωσης", "Newton's DATA: GLASS Γυαλί",
         "REFRACTION ANGLE VS INCIDENCE ANGLE"},
        {"Alhazen2", 9, "INCIDENCE Πρόσπτωση ", "Al Haytham's DATA: water νερό",
         "REFRACTION ANGLE VS INCIDENCE "},
        {"Alhazen", 9, " incidence Πρόσπτωση", "Al Haytham's DATA: GLASS Γυαλιού",
         "REFRACTION ANGLE VS INCIDENCE ANGLE"},
        {"ptolemy2", 9, "INCIDENCE Πρόσπτωση", "PTOLEMY'S DATA FOR WATER Δεδομένα Πτολεμαίου νερού",
         "REFRACTION ANGLE VS INCIDENCE ANGLE "},
        {"Ptolemy", 9, "INCIDENCE Πρόσπτωση ",
         "PTOLEMY'S DATA FOR GLASS Δεδομένα Πτολεμαίου Γυαλιού",
         "REFRACTION ANGLE VX INCIDENCE ANGLE Γωνία διάθλασης vs γωνία πρόσπτωσης"},
        {"Vitello_water", 9, "INCIDENCE Πρόσπτωση ",
         "Witelo Data: From Water  to  Airνερό σε αέρα ", "REFRACTION ANGLE VS INCIDENCE ANGLE"},
        {"Vitello_Glass", 9, "INCIDENCE Πρόσπτωση ", "Witelo data: From Glass to air γυαλί σε αέρα",
         "REFRACTION ANGLE VS INCIDENCE ANGLE"},
    };
    QAction* items[] = {d().newt2,    d().Newt,    d().Alhazen2,      d().Alhazen,
                        d().ptolemy2, d().Ptolemy, d().Vitello_water, d().Vitello_Glass};
    for (int s = 0; s < 8; ++s) {
        SCOPED_TRACE(sets[s].item);
        items[s]->trigger();
        EXPECT_EQ(d().List1->count(), sets[s].listCount);
        EXPECT_EQ(d().List2->count(), sets[s].listCount);
        EXPECT_EQ(d().List1->item(0)->text(), QString::fromUtf8(sets[s].heading));
        EXPECT_EQ(d().List2->item(0)->text(), QStringLiteral("REFRACTION Διάθλαση"));
        EXPECT_EQ(d().Label3->text(), QString::fromUtf8(sets[s].label3));
        EXPECT_TRUE(d().List1->isVisible());
        EXPECT_EQ(graph().Caption(), QString::fromUtf8(sets[s].increfCaption));
        EXPECT_EQ(sines().Caption(), "SIN(REFRACTION) VS SIN(INCIDENCE)");
        EXPECT_TRUE(d().fromLists);
        for (int other = 0; other < 8; ++other)
            EXPECT_EQ(items[other]->isChecked(), other == s) << sets[other].item;
    }
    EXPECT_EQ(d().List2->item(8)->text(), "118"); // Witelo's glass, past 90 degrees
    // Choosing the checked item again keeps its check.
    d().Vitello_Glass->trigger();
    EXPECT_TRUE(d().Vitello_Glass->isChecked());
}

TEST_F(DataWindowTest, TypingRemovesTheChecksOfAllButWiteloAndHidesTheListsButKeepsTheirData) {
    // A key alone removes the check and resets the graph's pen, but changes no text.
    d().Ptolemy->trigger();
    graphCanvas().ForeColor = RGB(9, 9, 9);
    press(d().Text1[2], Qt::Key_5);
    EXPECT_FALSE(d().Ptolemy->isChecked());
    EXPECT_TRUE(d().List1->isVisible());
    EXPECT_EQ(graphCanvas().ForeColor, RGB(0, 0, 0));
    d().Vitello_Glass->trigger();
    press(d().Refr[0], Qt::Key_Down);
    press(d().Text1[0], Qt::Key_Down);
    EXPECT_TRUE(d().Vitello_Glass->isChecked());

    d().Ptolemy->trigger();
    d().Text1[3]->setText("45");
    EXPECT_FALSE(d().List1->isVisible());
    EXPECT_FALSE(d().List2->isVisible());
    EXPECT_FALSE(d().Label3->isVisible());
    EXPECT_EQ(d().Text1[3]->palette().color(QPalette::Base), RGB(255, 205, 205));
    EXPECT_NE(d().Text1[2]->palette().color(QPalette::Base), RGB(255, 205, 205));
    EXPECT_TRUE(d().fromLists);

    // The button still plots the nine points of the lists, heading point included.
    d().Command1->click();
    EXPECT_EQ(drawnOf(graphCanvas(), DrawItem::Dot).size(), 9u);

    // Back from historical: the typed row is what counts now, and the check stays.
    d().klinoistoria->trigger();
    EXPECT_FALSE(d().fromLists);
    EXPECT_TRUE(d().Ptolemy->isChecked());
    dialogs->messages.clear();
    d().Command1->click();
    EXPECT_EQ(messages().size(), 1u); // the one typed row gives no line
}

// A teacher pastes the class's measurements (Ctrl+V) over a loaded data set; what Ctrl+C copies
// comes back unchanged; a value the boxes refuse is refused with their message, changing nothing.
TEST_F(DataWindowTest, CtrlVPastesAClassTableThatCtrlCGivesBackUnchanged) {
    d().Show();
    d().Ptolemy->trigger();
    ASSERT_TRUE(d().fromLists);
    auto pasteInto = [](QWidget* target, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    };
    auto column = [](const std::array<QLineEdit*, 14>& boxes) {
        QStringList out;
        for (const QLineEdit* b : boxes)
            out << b->text();
        return out;
    };
    // Snell's law for n = 1.5, as a spreadsheet in a comma-decimal school writes it.
    const QString table = QStringLiteral(
        "Γωνία πρόσπτωσης;Γωνία διάθλασης\r\n10;6,6478\r\n20;13,1801\r\n30;19,4712\r\n"
        "40;25,374\r\n50;30,7102\r\n60;35,2644\r\n70;38,7896\r\n80;41,0364\r\n");
    d().Text1[12]->setText("77"); // an old row past the table is emptied
    pasteInto(d().Command1, table);
    EXPECT_TRUE(messages().empty());
    const QStringList incidence = column(d().Text1), refraction = column(d().Refr);
    EXPECT_EQ(incidence.mid(0, 9),
              (QStringList{"10", "20", "30", "40", "50", "60", "70", "80", ""}));
    EXPECT_EQ(refraction[1], "13,1801");
    EXPECT_EQ(incidence[12], "");
    EXPECT_FALSE(d().fromLists);
    EXPECT_FALSE(d().Ptolemy->isChecked());
    EXPECT_TRUE(d().List1->isHidden());
    EXPECT_EQ(d().Text1[0]->palette().color(QPalette::Base), RGB(255, 205, 205)); // as if typed
    d().Command1->click();
    EXPECT_TRUE(
        printedText(sineCanvas(), QStringLiteral("INDEX OF REFRACTION Δείκτης Διάθλασης= 1.5000")));

    // Copied and pasted back, after the rows were changed: the same rows, the same copy.
    QTest::keyClick(&d(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(
        QStringLiteral("INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\n10\t6,6478\n")));
    type({"1", "2", "3"}, {"4", "5", "6"});
    d().Refr[13]->setText("9");
    pasteInto(d().Text1[4], copied);
    EXPECT_EQ(column(d().Text1), incidence);
    EXPECT_EQ(column(d().Refr), refraction);
    QTest::keyClick(d().Refr[2], Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), copied);

    // A refused cell: the boxes' own message, every box as it was.
    pasteInto(&d(), QStringLiteral("10\t7\n20\t400\n30\t19\n"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], QString::fromStdString(RefusedBoxText({1, true})));
    EXPECT_EQ(column(d().Text1), incidence);
    EXPECT_EQ(column(d().Refr), refraction);

    // Headings alone change nothing either, and say so.
    pasteInto(&d(), QStringLiteral("INCIDENCE\tREFRACTION\n"));
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_TRUE(messages()[1].contains(QStringLiteral("nothing was changed")));
    EXPECT_EQ(column(d().Text1), incidence);
    dialogs->messages.pop_back();

    // One number pasted into a box is the box's own paste; a table too long is cut at 14 rows,
    // and the teacher is told.
    d().Text1[9]->clear();
    d().Text1[9]->setFocus();
    pasteInto(d().Text1[9], QStringLiteral("41,8"));
    EXPECT_EQ(d().Text1[9]->text(), "41,8");
    EXPECT_EQ(d().Text1[0]->text(), "10");
    EXPECT_EQ(messages().size(), 1u);
    QString tall;
    for (int i = 1; i <= 20; ++i)
        tall += QString("%1\t%2\n").arg(4 * i).arg(3 * i);
    pasteInto(&d(), tall);
    EXPECT_EQ(d().Text1[13]->text(), "56");
    EXPECT_EQ(d().Refr[13]->text(), "42");
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_TRUE(messages()[1].contains("6") && messages()[1].contains(QStringLiteral("γραμμές")));
}

TEST_F(DataWindowTest, KeysMoveBetweenTheBoxesAndWrapAsTheTableSays) {
    d().Show();
    auto expectFocusAfter = [&](QWidget* from, int key, QWidget* to) {
        from->setFocus();
        press(from, key);
        EXPECT_EQ(d().focusWidget(), to);
    };
    auto& t = d().Text1;
    auto& r = d().Refr;
    expectFocusAfter(t[0], Qt::Key_Return, t[1]);
    expectFocusAfter(t[13], Qt::Key_Return, t[0]);
    expectFocusAfter(t[13], Qt::Key_Down, t[0]);
    expectFocusAfter(t[0], Qt::Key_Up, t[13]);
    expectFocusAfter(t[5], Qt::Key_Up, t[4]);
    expectFocusAfter(t[5], Qt::Key_Right, r[5]);
    expectFocusAfter(t[13], Qt::Key_Right, r[0]);
    expectFocusAfter(t[6], Qt::Key_Left, t[6]);
    expectFocusAfter(t[9], Qt::Key_Home, t[0]);
    expectFocusAfter(r[2], Qt::Key_Enter, r[3]);
    expectFocusAfter(r[13], Qt::Key_Down, r[0]);
    expectFocusAfter(r[0], Qt::Key_Up, r[13]);
    expectFocusAfter(r[4], Qt::Key_Left, t[4]);
    expectFocusAfter(r[13], Qt::Key_Left, r[0]); // not Text1(13): the window always did so
    expectFocusAfter(r[8], Qt::Key_Right, r[8]);
    expectFocusAfter(r[7], Qt::Key_Home, r[0]);
}

TEST_F(DataWindowTest, ButtonsLeadBackToTheMenuToTheInterpretationAndToTheEnd) {
    d().Ptolemy->trigger();
    EXPECT_TRUE(graph().Visible());
    d().Command2->click();
    EXPECT_FALSE(d().Visible());
    EXPECT_FALSE(graph().Visible());
    EXPECT_FALSE(sines().Visible());
    EXPECT_TRUE(program->forms.velmoratimeleti().Visible());

    program->forms.velmoratimeleti().Command2_Click();
    d().Command4->click();
    EXPECT_FALSE(d().Visible());
    EXPECT_TRUE(program->forms.rixo().Visible());
    EXPECT_TRUE(program->forms.rixotext().Visible());
    EXPECT_TRUE(program->forms.somata().Visible());

    d().Command3->click();
    EXPECT_TRUE(program->ended);
}

