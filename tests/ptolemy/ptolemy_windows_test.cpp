// Ptolemy's windows as a student uses them: the data window's menu item, the option buttons,
// the rebuild's input box, the apparatus's scroll bars and its "HIDE".
#include "support.h"

#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"
#include "ptolemy/EMFANISI.h"
#include "ptolemy/ptolemaios.h"
#include "ptolemy/ptolkam.h"

namespace {
std::vector<QPointF> pointsOf(const Canvas& c, const QColor& colour, int width) {
    std::vector<QPointF> out;
    for (const DrawItem& d : c.displayList())
        if (d.kind == DrawItem::Dot && sameColor(Canvas::ColourOf(d), colour) && d.width == width) out.push_back(pt(d.a));
    return out;
}
// The colour of the point drawn last at (x, y): the one the student sees.
QColor topPointAt(const Canvas& c, double x, double y) {
    QColor top;
    for (const DrawItem& d : c.displayList())
        if (d.kind == DrawItem::Dot && near(pt(d.a), x, y, 1e-9)) top = Canvas::ColourOf(d);
    return top;
}
bool hasPoint(const std::vector<QPointF>& ps, double x, double y) {
    return std::any_of(ps.begin(), ps.end(), [&](const QPointF& p) { return near(p, x, y, 1e-9); });
}
QRect frameOf(const Form& f) {
    return QRect(int(f.Left() / 15), int(f.Top() / 15), int(f.Width() / 15), int(f.Height() / 15));
}
} // namespace

class PtolemyTableTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command2_Click();
        program->forms.inpdat().ptolemeosprosarmogidedo->trigger();
        record(w());
    }
    ptolkam& w() { return program->forms.ptolkam(); }
};

TEST_F(PtolemyTableTest, TheMenuItemOpensTheFullScreenPlotOfWaterAndTheOptionsSwitchMedium) {
    EXPECT_TRUE(w().Visible());
    EXPECT_TRUE(w().Label1->text().startsWith(
        QStringLiteral("Ο Πτολεμαίος προσάρμοσε τις πειραματικές τιμές έτσι που οι δεύτερες διαφορές των γωνιών διάθλασης")));
    EXPECT_TRUE(w().Label1->text().endsWith(QStringLiteral("difference of  20° and 30°.")));
    EXPECT_LE(w().Label1->heightForWidth(w().Label1->width()), w().Label1->height());
    // Glass: Ptolemy's values in black, the proportion 13.5/20 in red, the law as circles.
    w().Option2->click();
    const auto black = pointsOf(*w().canvas, RGB(0, 0, 0), 6);
    const auto red = pointsOf(*w().canvas, RGB(255, 0, 0), 6);
    EXPECT_TRUE(hasPoint(black, 80, 42));
    EXPECT_TRUE(hasPoint(red, 80, 80 * 13.5 / 20));
    EXPECT_FALSE(hasPoint(black, 0, 0)); // the glass table has no origin
    std::size_t circles = 0;
    for (const DrawItem& d : drawnOf(*w().canvas, DrawItem::Circle))
        if (near(pt(d.a), 50, std::asin(std::sin(50 * 3.14159265358979 / 180) / 1.52) * 180 / 3.14159265358979, 1e-6))
            ++circles;
    EXPECT_EQ(circles, 1u);
    EXPECT_TRUE(printedText(*w().canvas, QStringLiteral("EXPECTED VALUES Πραγματικές τιμές")));
    // Where the proportion meets Ptolemy's value (20 degrees), his point stays on top.
    EXPECT_TRUE(hasPoint(red, 20, 13.5));
    EXPECT_TRUE(sameColor(topPointAt(*w().canvas, 20, 13.5), RGB(0, 0, 0)));
    // Water has the origin and his first value, 8 at 10 degrees: the proportion 8/10.
    w().Option1->click();
    const auto waterBlack = pointsOf(*w().canvas, RGB(0, 0, 0), 6);
    EXPECT_TRUE(hasPoint(waterBlack, 0, 0));
    EXPECT_TRUE(hasPoint(waterBlack, 10, 8));
    EXPECT_TRUE(hasPoint(waterBlack, 70, 45.5));
    EXPECT_TRUE(hasPoint(pointsOf(*w().canvas, RGB(255, 0, 0), 6), 80, 64));
    EXPECT_TRUE(sameColor(topPointAt(*w().canvas, 10, 8), RGB(0, 0, 0)));
    // The text's first difference, 7,5 degrees, is the plot's own.
    EXPECT_TRUE(w().Label1->text().contains(QStringLiteral("(which is 7,5° from air to water)")));
    w().kripse->click();
    EXPECT_FALSE(w().Visible());
}

TEST_F(PtolemyTableTest, TheRebuildPrintsItsTableAndMarksThePair) {
    dialogs->answer("1");
    w().Enallagi->click();
    EXPECT_EQ(dialogs->questions.back().title, QStringLiteral("CHOOSE A NUMBER BETWEEN 1 &7"));
    EXPECT_TRUE(w().Label1->text().isEmpty());
    const Canvas& c = *w().canvas;
    for (const char* t : {"7.5°", "15.0°", "22.0°", "28.5°", "34.5°", "40.0°", "45.0°", "49.5°"})
        EXPECT_TRUE(printedText(c, QString::fromUtf8(t))) << t;
    for (const char* t : {"7.5", "7.0", "6.5", "6.0", "5.5", "5.0", "4.5"})
        EXPECT_TRUE(printedText(c, QString::fromUtf8(t))) << t;
    EXPECT_TRUE(printedText(c, QStringLiteral("10°   ")));
    EXPECT_TRUE(printedText(c, QStringLiteral("  EXPECTGED  VALUES Πραγματικές τιμές")));
    EXPECT_TRUE(hasPoint(pointsOf(c, RGB(0, 255, 0), 6), 10, 7.5));
    EXPECT_TRUE(hasPoint(pointsOf(c, RGB(0, 0, 255), 6), 20, 15));
    // The analogy takes its ratio from the pair's first value: its point there lies under the
    // green mark, which is drawn last.
    EXPECT_TRUE(hasPoint(pointsOf(c, RGB(255, 0, 0), 6), 10, 7.5));
    EXPECT_TRUE(sameColor(topPointAt(c, 10, 7.5), RGB(0, 255, 0)));
    EXPECT_TRUE(sameColor(topPointAt(c, 20, 15), RGB(0, 0, 255)));
    // The hostile answers all give a pair inside the tables.
    for (const char* a : {"", "abc", "1e308", "-1e308", "1e-320", "nan", "inf", "41,8", "0.5", "7.9"}) {
        dialogs->answer(QString::fromUtf8(a));
        w().Enallagi->click();
        EXPECT_GE(w().lastRebuild().pair, 1) << a;
        EXPECT_LE(w().lastRebuild().pair, 7) << a;
        expectAllFinite(c);
    }
    dialogs->answer(QString(10000, '7'));
    w().Enallagi->click();
    EXPECT_EQ(w().lastRebuild().pair, 1); // too long to be a number
    dialogs->answer(QStringLiteral("12"));
    w().Enallagi->click();
    EXPECT_EQ(w().lastRebuild().pair, 7);
    w().Enallagi->click(); // cancelled
    EXPECT_EQ(w().lastRebuild().pair, 1);
}

class PtolemyApparatusTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        record(w());
        record(view());
    }
    ptolemaios& w() { return program->forms.ptolemaios(); }
    EMFANISI& view() { return program->forms.EMFANISI(); }
};

TEST_F(PtolemyApparatusTest, TheObservationStandsUnderTheDiscClearOfTheNote) {
    EXPECT_EQ(w().Label1->text(), QStringLiteral("ANGLE IN WATER γωνία στο νερό = 30"));
    EXPECT_EQ(w().Label3->text(), QStringLiteral("ANGLE OF TARGET Γωνία στόχου =0.5"));
    w().DrawPtolemyExperiment();
    EXPECT_TRUE(w().Visible() && view().Visible());
    // Under the disc, in the left half: the note on Ptolemy's method in the right half stays
    // in sight.
    EXPECT_GT(frameOf(view()).top(), frameOf(w()).bottom());
    EXPECT_LE(frameOf(view()).right(), 1920 / 2);
    EXPECT_EQ(w().Top(w().Label3), w().Top(w().dgonia));
    // Every control inside the window and off the disc's rim, none over another.
    const QRect inside(0, 0, w().canvas->width(), w().canvas->height());
    std::vector<QRect> boxes;
    for (QWidget* c : {static_cast<QWidget*>(w().goniaprosptosis), static_cast<QWidget*>(w().dgonia),
                       static_cast<QWidget*>(w().metatopisipar), static_cast<QWidget*>(w().Command1),
                       static_cast<QWidget*>(w().Label1), static_cast<QWidget*>(w().Label2),
                       static_cast<QWidget*>(w().Label3)}) {
        EXPECT_TRUE(inside.contains(c->geometry()));
        for (const QRect& b : boxes) EXPECT_FALSE(b.intersects(c->geometry()));
        boxes.push_back(c->geometry());
    }
    // The ray in air, blue and twice as wide, to the rim at arcsin(1.33 sin 30) = 41.68.
    const auto blue = drawnOf(*w().canvas, DrawItem::Line, RGB(0, 0, 255));
    ASSERT_FALSE(blue.empty());
    EXPECT_TRUE(near(pt(blue[0].b), -150 * 0.665, 150 * std::sqrt(1 - 0.665 * 0.665), 1e-9));
    EXPECT_EQ(blue[0].width, 2);
    EXPECT_TRUE(w().Label2->text().contains(QStringLiteral("EXPECTED αναμενόμενη =41.7°")));
}

TEST_F(PtolemyApparatusTest, TooSteepAnAngleIsLoweredAndTheScrollBarFollows) {
    w().goniaprosptosis->setValue(88);
    EXPECT_EQ(w().goniaprosptosis->value(), 48);
    EXPECT_EQ(w().Label1->text(), QStringLiteral("ANGLE IN WATER γωνία μέσα στο νερό = 48°"));
    EXPECT_TRUE(dialogs->messages.empty());
    // A wide target loses its edge's exit first: one message for the change, not one a degree.
    w().goniaprosptosis->setValue(30);
    w().dgonia->setValue(20);
    EXPECT_TRUE(dialogs->messages.empty());
    w().goniaprosptosis->setValue(47);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.startsWith(
        QStringLiteral("ANGLE OF INCIDENCE 2 IN WATER γωνία πρόσπτωσης 2 στο νερό = 52.0")));
    EXPECT_EQ(w().goniaprosptosis->value(), 43);
    EXPECT_EQ(w().Label3->text(), QStringLiteral("TARGET'S ANGLE Γωνία στόχου =10.0°"));
}

TEST_F(PtolemyApparatusTest, TheBodyMovedOntoTheRefractedRayCoversTheTarget) {
    w().metatopisipar->setValue(100);
    EXPECT_TRUE(w().lastScene().covers);
    EXPECT_TRUE(w().Label2->text().startsWith(QStringLiteral("BODY'S POSITION IN  AIR")));
    EXPECT_TRUE(w().Label2->text().contains(QStringLiteral("MEAN μέσος =41.7°")));
    // In the observation the body's box lies over the target's line.
    const auto green = drawnOf(*view().canvas, DrawItem::FilledBox);
    ASSERT_EQ(green.size(), 2u);
    EXPECT_TRUE(sameColor(fillOf(green[1]), RGB(55, 155, 0)));
    EXPECT_LE(std::min(pt(green[1].a).y(), pt(green[1].b).y()), 0);
    EXPECT_GE(std::max(pt(green[1].a).y(), pt(green[1].b).y()), 0);
    EXPECT_TRUE(printedText(*view().canvas, QStringLiteral("iN AIR Στόν αέρα")));
    w().metatopisipar->setValue(-200);
    EXPECT_FALSE(w().lastScene().covers);
    EXPECT_TRUE(w().Label2->text().startsWith(QStringLiteral("BODY'S POSITION IN AIR")));
}

TEST_F(PtolemyApparatusTest, EveryScrollBarPositionDrawsOnlyNumbers) {
    for (int v = 1; v <= 88; v += 3) {
        w().goniaprosptosis->setValue(v);
        for (int t : {1, 7, 20}) {
            w().dgonia->setValue(t);
            for (int p : {-200, -1, 0, 100, 300}) {
                w().metatopisipar->setValue(p);
                expectAllFinite(*w().canvas);
                expectAllFinite(*view().canvas);
                for (QLabel* l : {w().Label1, w().Label2, w().Label3})
                    ASSERT_FALSE(l->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
            }
        }
    }
    EXPECT_LE(dialogs->messages.size(), 30u * 3u);
}

TEST_F(PtolemyApparatusTest, HideShowsTheExplanationWithTheApparatus) {
    record(program->forms.incref());
    w().Command1->click();
    EXPECT_FALSE(w().Visible());
    EXPECT_FALSE(view().Visible());
    analysis& a = program->forms.analysis();
    EXPECT_TRUE(a.Text1->isVisibleTo(&a));
    EXPECT_TRUE(a.Text1->toPlainText().startsWith(
        QStringLiteral("O ΠΤΟΛΕΜΑΙΟΣ (Κλαύδιος), είναι οδιάσημος αρχαίος αστρονόμος, ο πρώτος")));
    EXPECT_TRUE(a.Text1->toPlainText().contains(QStringLiteral(" Τότε μετρά τη γωνία διάθλασης GEH.")));
    EXPECT_TRUE(a.Text1->toPlainText().endsWith(QStringLiteral("Then  the  refraction angle HEG is measured")));
    EXPECT_EQ(a.Text1->font().pointSizeF(), 13);
    incref& r = program->forms.incref();
    EXPECT_TRUE(r.Visible());
    for (const char* letter : {"Z", "H", "D", "A", "B", "G", "E"})
        EXPECT_TRUE(printedText(*r.canvas, QString::fromUtf8(letter))) << letter;
    EXPECT_TRUE(printedText(*r.canvas, QStringLiteral("PTOLEMY'S APPARATUS Η συσκευή του Πτολεμαίου")));
    EXPECT_EQ(drawnOf(*r.canvas, DrawItem::Circle).size(), 2u);
}

// On a small screen as on a large one: no control cut by an edge or laid over another, and
// every label holds its longest text.
class PtolemyOnAScreen : public ProgramTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(PtolemyOnAScreen, NoControlIsCutOrCovered) {
    program->screen.widthPx = GetParam().width();
    program->screen.heightPx = GetParam().height();
    Main(*program);
    const auto check = [](Form& f, std::initializer_list<QWidget*> controls) {
        const QRect inside(0, 0, f.canvas->width(), f.canvas->height());
        std::vector<QRect> boxes;
        for (QWidget* c : controls) {
            EXPECT_TRUE(inside.contains(c->geometry())) << f.objectName().toStdString();
            for (const QRect& b : boxes) EXPECT_FALSE(b.intersects(c->geometry())) << f.objectName().toStdString();
            boxes.push_back(c->geometry());
            if (auto* l = qobject_cast<QLabel*>(c))
                EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString();
            if (auto* b = qobject_cast<QAbstractButton*>(c))
                EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) / 2, b->width()) << b->text().toStdString();
        }
    };
    ptolkam& t = program->forms.ptolkam();
    t.Show();
    check(t, {t.Option1, t.Option2, t.Enallagi, t.kripse, t.Label1});
    ptolemaios& p = program->forms.ptolemaios();
    p.goniaprosptosis->setValue(47);
    p.dgonia->setValue(20);
    p.metatopisipar->setValue(100); // the longest position text
    check(p, {p.Label1, p.goniaprosptosis, p.dgonia, p.Label3, p.Label2, p.metatopisipar, p.Command1});
    EMFANISI& v = program->forms.EMFANISI();
    EXPECT_FALSE(frameOf(p).intersects(frameOf(v)));
    EXPECT_LE(frameOf(v).right(), GetParam().width() - 1);
}

INSTANTIATE_TEST_SUITE_P(SmallAndLarge, PtolemyOnAScreen,
                         ::testing::Values(QSize(1366, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& p) {
                             return std::to_string(p.param.width()) + "x" + std::to_string(p.param.height());
                         });
