// The main menu's flows: what starts up, what each button opens, and how the program ends.
#include "support.h"

#include "waves/rixo.h"

class MainMenuTest : public ProgramTest {
protected:
    void SetUp() override { Main(*program); }
    velmoratimeleti& menu() { return program->forms.velmoratimeleti(); }
};

TEST_F(MainMenuTest, StartUpShowsTheMenuAndLoadsTheDataWindowsHidden) {
    EXPECT_TRUE(menu().Visible());
    EXPECT_EQ(menu().Caption(), QStringLiteral("ΜΕΛΕΤΗ ΔΙΑΘΛΑΣΗΣ"));
    EXPECT_NEAR(menu().Width(), 28800 * 49 / 50, 15);
    EXPECT_EQ(menu().Command1->Caption(), QStringLiteral("SEMICIRCLE ΗΜΙΚΥΚΛΙΟ"));
    EXPECT_EQ(menu().Command2->Caption(),
              QStringLiteral("ANALYSIS OF DATA, SOME HISTORICAL ELEMENTS  Μελέτη των "
                             "δεδομένων,ιστορικά στοιχεία"));
    EXPECT_EQ(menu().Command3->Caption(), QStringLiteral("END Τέλος"));
    for (const char* name : {"inpdat", "analysis", "incref"})
        EXPECT_TRUE(program->forms.isLoaded(name)) << name;
    EXPECT_FALSE(program->forms.byName("inpdat")->Visible() || program->forms.isLoaded("hmiky"));
    EXPECT_EQ(program->interpretation.speedChoice(), 1.0);
    // The three lower buttons form one row at half the screen height.
    for (QWidget* b : {menu().Command1, menu().Command2, menu().Command3})
        EXPECT_NEAR(menu().Top(b), 16200 / 2, 15);
    EXPECT_EQ(menu().Left(menu().Command1), 0);
    EXPECT_NEAR(menu().Left(menu().Command2), 2640, 15);
    EXPECT_NEAR(menu().Left(menu().Command3), 6720, 15);
    menu().Command3->click(); // END
    EXPECT_TRUE(program->ended && !menu().Visible());
}

TEST_F(MainMenuTest, SemicircleButtonOpensTheSquareWindowWithOneRay) {
    menu().Command1->click();
    hmiky& h = program->forms.hmiky();
    EXPECT_TRUE(h.Visible());
    EXPECT_NEAR(h.Width(), 16200 * 9 / 10, 15);
    EXPECT_EQ(h.canvas->width(), h.canvas->height()); // round circles meet the rays
    EXPECT_EQ(QPointF(h.canvas->ScaleLeft(), h.canvas->ScaleHeight()), QPointF(-200, -400));
    EXPECT_EQ(
        QStringList({h.Indexnt->text(), h.Label3->text(), h.Label2->text(), h.Label4->text()}),
        QStringList({"Δείκτης  n = 1.50", "xc=0.00", "yc=0.00", "h(Ray's y(0)=0.00"}));
    // cmdend, Command1 and Command4 side by side at y = -150; Command2 just above Command3.
    EXPECT_NEAR(h.Top(h.cmdend), -150, 1);
    EXPECT_NEAR(h.Left(h.Command1), -200 + h.Width(h.cmdend), 1);
    EXPECT_NEAR(h.Left(h.Command4), h.Left(h.Command1) + h.Width(h.Command1), 1);
    EXPECT_NEAR(h.Top(h.Command2), h.Top(h.Command3) + h.Height(h.Command3), 1); // y upwards
}

TEST_F(MainMenuTest, OpeningTheSemicircleTwiceKeepsTheRadiusButResetsTheRest) {
    menu().Command1->click();
    hmiky& h = program->forms.hmiky();
    h.HScroll1->setValue(120);
    h.Indexn->setValue(18);
    h.xcoor->setValue(5);
    h.Command3->click(); // BACK
    EXPECT_TRUE(!h.Visible() && menu().Visible());
    menu().Command1->click();
    const auto& e = program->experiment;
    EXPECT_EQ(std::tuple(e.radiusR(), e.indexN(), e.xc()), std::tuple(120.0, 1.5, 0.0));
    // The scroll bars agree, so moving the tilt next keeps the centre where it is drawn.
    EXPECT_EQ(h.Indexn->value(), 15);
    EXPECT_EQ(h.xcoor->value(), 0);
    h.angle->setValue(10);
    EXPECT_EQ(std::tuple(e.indexN(), e.xc()), std::tuple(1.5, 0.0));
}

TEST_F(MainMenuTest, DataHistoryAndInterpretationButtonsOpenTheirWindows) {
    menu().Command2->click();
    for (const char* name : {"hmiky", "List_of_Data", "errors"})
        EXPECT_TRUE(program->forms.isLoaded(name)) << name;
    EXPECT_TRUE(!program->forms.hmiky().Visible() && program->forms.byName("inpdat")->Visible());
    menu().Command4->click();
    EXPECT_TRUE(program->forms.byName("storiopt")->Visible());
    EXPECT_EQ(program->forms.byName("storiopt")->Caption(), QStringLiteral("Σύντομη Ιστορία"));
    menu().Command5->click();
    for (const char* name : {"rixo", "rixotext", "somata"})
        EXPECT_TRUE(program->forms.byName(name)->Visible()) << name;
    menu().close(); // the menu's close button ends the program as END does
    EXPECT_TRUE(program->ended);
    EXPECT_FALSE(menu().Visible() || program->forms.byName("inpdat")->Visible() ||
                 program->forms.byName("somata")->Visible());
}

TEST_F(MainMenuTest, CloseButtonsHideTheirWindowAndClosingTheLastOneShownEndsTheProgram) {
    bool quit = false;
    program->onEnd = [&] { quit = true; };
    menu().Command5->click();
    rixo& waves = program->forms.rixo();
    ASSERT_TRUE(waves.Timer1->running());
    waves.close(); // the title bar's close button: hidden, its fronts stopped, the rest goes on
    EXPECT_FALSE(waves.Visible() || waves.Timer1->running() || quit);
    menu().Hide();
    program->forms.byName("rixotext")->close();
    EXPECT_FALSE(quit);
    program->forms.byName("somata")->close();
    EXPECT_TRUE(quit);
}
