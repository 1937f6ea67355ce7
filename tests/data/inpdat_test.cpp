#include "data_window_support.h"

#include "alhaytham/xaithamos.h"
#include "particles/somata.h"
#include "ptolemy/ptolemaios.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

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
    EXPECT_EQ(drawnOf(graphCanvas(), Drawn::Point).size(), 9u);

    // Back from historical: the typed row is what counts now, and the check stays.
    d().klinoistoria->trigger();
    EXPECT_FALSE(d().fromLists);
    EXPECT_TRUE(d().Ptolemy->isChecked());
    dialogs->messages.clear();
    d().Command1->click();
    EXPECT_EQ(messages().size(), 1u); // the one typed row gives no line
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

