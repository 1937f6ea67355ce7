// Ptolemy's windows as a student uses them: the data window's menu item, the option buttons,
// the rebuild's input box, the apparatus's scroll bars and its "HIDE"; each reaches the part
// and the part's change reaches every view (the numbers themselves: ptolemy_model_test).
#include "support.h"

#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"
#include "ptolemy/EMFANISI.h"
#include "ptolemy/ptolemaios.h"
#include "ptolemy/ptolkam.h"

TEST_F(ProgramTest, PtolemysApparatusItsObservationAndHisTableShowWhatThePartHolds) {
    Main(*program);
    ptolemaios& w = program->forms.ptolemaios();
    EMFANISI& view = program->forms.EMFANISI();
    EXPECT_TRUE(w.Visible() && view.Visible());
    EXPECT_EQ(w.Label1->text(), QStringLiteral("ANGLE IN WATER γωνία στο νερό = 30"));
    // The ray in air, blue and twice as wide, to where it leaves the water.
    const DrawItem ray = drawnOf(*w.canvas, DrawItem::Line, RGB(0, 0, 255)).at(0);
    const Point exit = program->ptolemy.scene().centre.exit;
    EXPECT_TRUE(ray.width == 2 && near(pt(ray.b), exit.x, exit.y));
    // The body moved onto the refracted ray: in the observation its box lies over the line.
    w.metatopisipar->setValue(100);
    EXPECT_TRUE(w.Label2->text().contains(QStringLiteral("MEAN μέσος =41.7°")));
    const DrawItem body = drawnOf(*view.canvas, DrawItem::FilledBox, RGB(55, 155, 0)).at(0);
    EXPECT_TRUE(std::min(body.a.y, body.b.y) <= 0 && std::max(body.a.y, body.b.y) >= 0);
    // Too steep an angle is lowered and the scroll bar follows, without a message; a wide
    // target loses its edge's exit first: one message for the change, not one a degree.
    w.goniaprosptosis->setValue(88);
    EXPECT_TRUE(w.goniaprosptosis->value() == 48 && program->ptolemy.waterAngle == 48);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("ANGLE IN WATER γωνία μέσα στο νερό = 48°"));
    w.goniaprosptosis->setValue(30);
    w.dgonia->setValue(20);
    EXPECT_TRUE(dialogs->messages.empty());
    w.goniaprosptosis->setValue(47);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(
        dialogs->messages[0].text,
        QStringLiteral(
            "ANGLE OF INCIDENCE 2 IN WATER γωνία πρόσπτωσης 2 στο νερό = 52.0  SIN ημιτονο = 1.0"));
    EXPECT_EQ(w.goniaprosptosis->value(), 43);
    EXPECT_EQ(w.Label3->text(), QStringLiteral("TARGET'S ANGLE Γωνία στόχου =10.0°"));
    // HIDE: both windows go, the explanation and the apparatus come in the data windows.
    w.Command1->click();
    EXPECT_FALSE(w.Visible() || view.Visible());
    analysis& a = program->forms.analysis();
    EXPECT_TRUE(a.Visible() && a.Text1->isVisibleTo(&a) && a.Text1->font().pointSizeF() == 13);
    EXPECT_TRUE(a.Text1->toPlainText().startsWith(
        QStringLiteral("O ΠΤΟΛΕΜΑΙΟΣ (Κλαύδιος), είναι οδιάσημος αρχαίος αστρονόμος, ο πρώτος")));
    const Canvas& r = *program->forms.incref().canvas;
    EXPECT_TRUE(program->forms.incref().Visible() && drawnOf(r, DrawItem::Circle).size() == 2);
    EXPECT_TRUE(printedText(r, QStringLiteral("PTOLEMY'S APPARATUS Η συσκευή του Πτολεμαίου")));

    // The data window's PTOLEMY DATA MANIPULATION: his table, in its own letter.
    ptolkam& t = program->forms.ptolkam();
    program->forms.velmoratimeleti().Command2_Click();
    program->forms.inpdat().ptolemeosprosarmogidedo->trigger();
    const Canvas& c = *t.canvas;
    // The colour of the point drawn last at (x, y), the one the student sees, at the table's size.
    const auto topPointAt = [&c](double x, double y) {
        QColor top;
        for (const DrawItem& d : drawnOf(c, DrawItem::Dot))
            if (d.width == 6 && near(pt(d.a), x, y, 1e-9)) top = Canvas::ColourOf(d);
        return top;
    };
    ASSERT_TRUE(t.Visible());
    for (QWidget* control :
         std::initializer_list<QWidget*>{t.Option1, t.Option2, t.Enallagi, t.kripse, t.Label1})
        EXPECT_EQ(control->font().family(), "Tahoma");
    // Glass: Ptolemy's values black over the proportion 13.5/20 in red where they meet; the
    // exact law as circles, the fifth at 50 degrees (sin r = sin 50 / 1.52: r = 30.263).
    t.Option2->click();
    EXPECT_TRUE(sameColor(topPointAt(80, 42), RGB(0, 0, 0)));
    EXPECT_TRUE(sameColor(topPointAt(80, 80 * 13.5 / 20), RGB(255, 0, 0)));
    EXPECT_TRUE(near(pt(drawnOf(c, DrawItem::Circle).at(4).a), 50, 30.2634, 1e-3));
    t.Option1->click(); // water, with the origin
    EXPECT_TRUE(sameColor(topPointAt(0, 0), RGB(0, 0, 0)));
    // The rebuild from the first pair: its values, and the pair's marks over the rebuilt values
    // and over the analogy.
    dialogs->answer("1");
    t.Enallagi->click();
    EXPECT_EQ(dialogs->questions.back().title, QStringLiteral("CHOOSE A NUMBER BETWEEN 1 &7"));
    EXPECT_TRUE(program->ptolemy.pair == 1 && t.Label1->text().isEmpty());
    for (const char* text : {"10°   ", "49.5°", "  EXPECTGED  VALUES Πραγματικές τιμές"})
        EXPECT_TRUE(printedText(c, QString::fromUtf8(text))) << text;
    EXPECT_TRUE(sameColor(topPointAt(10, 7.5), RGB(0, 255, 0)));
    EXPECT_TRUE(sameColor(topPointAt(20, 15), RGB(0, 0, 255)));
    t.Option2->click(); // back to Ptolemy's own table
    EXPECT_TRUE(printedText(c, QStringLiteral("EXPECTED VALUES Πραγματικές τιμές")));
    t.kripse->click();
    EXPECT_FALSE(t.Visible());
}
