// The window layer as the parts' windows use it: timers that run only while their window is
// shown, shapes for media and bodies, picture boxes, option buttons, check boxes, scroll bars,
// and ink that survives hiding and growing.
#include "support.h"

#include "shell/controls.h"
#include "shell/timer.h"

#include <QApplication>
#include <QTest>

class ShellControlsTest : public ProgramTest {
protected:
    // A window of 400 x 400 pixels of drawing surface (no menu bar) in the given scale.
    Form& window(double x1, double y1, double x2, double y2) {
        blank.setWidth(400 * 15);
        blank.setHeight(400 * 15);
        blank.canvas->Scale(x1, y1, x2, y2);
        return blank;
    }
    // A window of the shell with no handlers of its own.
    Form blank{"blank", QStringLiteral("BLANK")};
};

TEST_F(ShellControlsTest, ATimerTicksOnlyWhileItsWindowIsShownAndEndStopsItForGood) {
    // A window of the registry, as End stops the timers of every loaded window. (The close
    // button's stop is the main menu's test.)
    Form& f = *program->forms.byName("storiopt");
    double clock = 0;
    Timer* t1 = nullptr;
    // The wave clock's handler: it advances by a tenth of the interval, read at each tick.
    t1 = f.addTimer([&] { clock += t1->Interval() / 10.0; }, 10);
    Timer* t2 = f.addTimer([&] { clock += 1000; }, 50, false);
    // Enabled while its window is hidden, a timer waits for the window to show.
    EXPECT_TRUE(t1->Enabled() && !t1->running());
    f.Show();
    EXPECT_TRUE(t1->running() && !t2->running());
    t1->Tick();
    t2->Tick(); // disabled: nothing
    t1->setInterval(50);
    t1->Tick();
    t1->setInterval(0); // an interval of 0 stops the clock though Enabled stays on
    EXPECT_TRUE(t1->Enabled() && !t1->running());
    t1->Tick();
    EXPECT_DOUBLE_EQ(clock, 6.0);
    // Hidden, the window disables its timers; End stops them for good.
    t1->setInterval(10);
    f.Hide();
    EXPECT_FALSE(t1->Enabled());
    f.Show();
    t1->setEnabled(true);
    t2->setEnabled(true);
    ASSERT_TRUE(t1->running() && t2->running());
    program->End();
    t1->Tick();
    t2->Tick();
    EXPECT_FALSE(t1->running() || t2->running());
    EXPECT_DOUBLE_EQ(clock, 6.0);
}

TEST_F(ShellControlsTest, TheRealClockDrivesTheHandler) {
    Form& f = window(0, 0, 100, 100);
    f.Show();
    int ticks = 0;
    Timer* t = f.addTimer([&] { ++ticks; }, 5);
    QTest::qWait(80);
    EXPECT_GE(ticks, 2);
    t->setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
}

// A hidden window gives its ink back and draws it again from the display list when it shows:
// the same picture, stroke for stroke; the ink also survives the window growing. Beyond the
// display list's limit the ink is kept as its image only, until the next Cls.
TEST_F(ShellControlsTest, InkSurvivesHideShowAndGrowingDrawnAgainFromTheDisplayList) {
    Form& f = window(0, 0, 300, 200);
    f.setWidth(300 * 15);
    f.setHeight(200 * 15);
    f.Show();
    Canvas& c = *f.canvas;
    c.Line(10, 10, 290, 20, RGB(0, 0, 255));
    c.DrawStyle = 2;
    c.Line(10, 30, 290, 30, RGB(255, 0, 0));
    c.DrawStyle = 0;
    c.DrawWidth = 3;
    c.Line(20, 40, 80, 90, RGB(0, 128, 0), Canvas::BoxOutline);
    c.Line(100, 40, 140, 90, RGB(200, 100, 0), Canvas::BoxFilled);
    c.FillStyle = 0;
    c.FillColor = RGB(205, 0, 0);
    c.Circle(200, 70, 30, RGB(0, 0, 0), -0.5, -2.5);
    c.FillStyle = 1;
    c.CircleAspect(250, 150, 30, RGB(0, 0, 0), 0.5);
    c.Circle(60, 150, 25, RGB(0, 0, 0), 0.2, 3.0);
    c.PSet(150, 150, RGB(0, 0, 0));
    c.DrawWidth = 6;
    c.PSet(170, 150, RGB(0, 0, 255));
    c.setFontSize(14);
    c.setFontItalic(true);
    c.PrintAt(100, 110, QStringLiteral("n = sin i / sin r Δείκτης"));
    ASSERT_EQ(c.displayList().size(), 10u);
    const QImage ink = c.image();
    f.Hide();
    f.Show();
    QApplication::processEvents();
    const QImage again = c.image();
    int far = 0, dark = 0;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x) {
            const QColor a = ink.pixelColor(x, y), b = again.pixelColor(x, y);
            far += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                       std::abs(a.blue() - b.blue()) >
                   24;
            dark += b.lightness() < 128;
        }
    EXPECT_LT(far, 40) << "of " << ink.width() * ink.height();
    EXPECT_GT(dark, 2000);
    const QPointF box = c.toPixel(120, 65);
    f.setWidth(600 * 15);
    QApplication::processEvents();
    EXPECT_EQ(c.image().pixelColor(int(box.x()), int(box.y())), RGB(200, 100, 0));
    EXPECT_GE(c.image().width(), c.width());
    EXPECT_GT(c.width(), 580); // the window's frame is all it loses

    c.Cls();
    c.DrawWidth = 1;
    for (std::size_t i = 0; i <= Canvas::kMaxItems; ++i)
        c.Line(0, 100, 300, 100, RGB(0, 0, 0));
    EXPECT_FALSE(c.displayListComplete());
    EXPECT_TRUE(c.displayList().empty());
    f.Hide();
    f.Show();
    EXPECT_LT(c.image().pixelColor(c.toPixel(150, 100).toPoint()).lightness(), 100);
    c.Cls();
    c.Line(0, 0, 10, 10);
    EXPECT_TRUE(c.displayListComplete());
    EXPECT_EQ(c.displayList().size(), 1u);
}

TEST_F(ShellControlsTest, AShapeFollowsItsPlaceInUpwardAndDownwardScales) {
    // y upwards: Top is the upper edge, the lower edge is at Top - Height.
    Form& up = window(-200, 200, 200, -200);
    Shape* s = up.canvas->addShape(Shape::OverInk, Shape::Circle);
    s->move(-100, 50, 40, 20);
    EXPECT_EQ(s->pixelRect(), QRectF(100 + 10, 150, 20, 20)); // a circle is the smaller side
    s->setKind(Shape::Oval);                                  // an oval fills its box
    EXPECT_EQ(s->pixelRect(), QRectF(100, 150, 40, 20));
    EXPECT_EQ(s->centre(), QPointF(-80, 40));
    // A body put with its centre on a clicked point comes back with that centre.
    s->centreOn(37.5, -12.25);
    EXPECT_EQ(s->centre(), QPointF(37.5, -12.25));
    EXPECT_EQ(QPointF(s->Left(), s->Top()), QPointF(37.5 - 20, -12.25 + 10));
    EXPECT_EQ(s->pixelRect().center(), up.canvas->toPixel(37.5, -12.25));
    // A negative height is its magnitude; a non-finite place is refused.
    s->move(0, 0, 10, -30);
    s->move(NAN, 5, 10, 10);
    s->setLeft(INFINITY);
    EXPECT_EQ(s->Left(), 0);
    EXPECT_EQ(s->Height(), 30);

    // y downwards (twips-like): the lower edge is at Top + Height.
    Form& down = window(0, 0, 4000, 4000);
    Shape* d = down.canvas->addShape(Shape::UnderInk);
    d->move(1000, 2000, 400, 200);
    EXPECT_EQ(d->pixelRect(), QRectF(100, 200, 40, 20));
    EXPECT_EQ(d->centre(), QPointF(1200, 2100));
    d->centreOn(500, 500);
    EXPECT_DOUBLE_EQ(d->Top(), 400);
}

TEST_F(ShellControlsTest, MediaLieUnderTheInkAndBodiesOverIt) {
    Canvas& c = *window(0, 0, 400, 400).canvas;
    // A hatched lower medium with an opaque peach back, and a red line drawn across it.
    const QColor peach(255, 205, 160), black(0, 0, 0), red(255, 0, 0);
    Shape* medium = c.addShape(Shape::UnderInk);
    medium->move(0, 200, 400, 200);
    medium->setBackStyle(1);
    medium->setBackColor(peach);
    medium->setFillStyle(Shape::UpwardDiagonal);
    medium->setFillColor(black);
    medium->setBorderStyle(0);
    c.DrawWidth = 3;
    c.Line(0, 300, 400, 300, red);
    // A solid green body over the ink at the line's middle.
    Shape* body = c.addShape(Shape::OverInk, Shape::Circle);
    body->move(190, 290, 20, 20);
    body->setFillStyle(Shape::Solid);
    body->setFillColor(RGB(0, 255, 0));
    body->setBorderStyle(0);

    const QImage img = c.image();
    EXPECT_EQ(img.pixelColor(100, 100), QColor(255, 255, 255)); // upper medium: the back
    EXPECT_EQ(img.pixelColor(50, 300), red);                    // the ink over the hatch
    EXPECT_EQ(img.pixelColor(350, 300), red);
    EXPECT_EQ(img.pixelColor(200, 300), QColor(0, 255, 0)); // the body over the ink
    // Hidden, the body leaves the ink as it was; Cls wipes the ink but not the medium.
    body->setVisible(false);
    EXPECT_EQ(c.image().pixelColor(200, 300), red);
    c.Cls();
    const QColor after = c.image().pixelColor(50, 300);
    EXPECT_TRUE(after == black || after == peach);
}

TEST_F(ShellControlsTest, APictureBoxShowsItsPictureStretchedWithInkAndControlsInItsScale) {
    Form& f = window(0, 0, 400, 400);
    Canvas* box = new Canvas(f.canvas);
    f.placeTwips(box, 0, 0, 200 * 15, 100 * 15);
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixelColor(0, 0, QColor(255, 0, 0));
    picture.setPixelColor(1, 0, QColor(0, 0, 255));
    box->setPicture(picture);
    QImage img = box->image();
    EXPECT_EQ(img.size(), QSize(200, 100));
    EXPECT_EQ(img.pixelColor(10, 50), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(190, 50), QColor(0, 0, 255));
    // A vector page drawn at the box's size stays sharp: its edge is one pixel wide.
    box->setPictureRenderer([](QPainter& p, const QRectF& r) {
        p.fillRect(QRectF(r.left(), r.top(), r.width() / 2, r.height()), QColor(0, 128, 0));
    });
    img = box->image();
    EXPECT_EQ(img.pixelColor(99, 50), QColor(0, 128, 0));
    EXPECT_EQ(img.pixelColor(100, 50), QColor(255, 255, 255));
    EXPECT_FALSE(box->LoadPicture(":/no/such/picture.png"));
    EXPECT_TRUE(box->hasPicture());
    // Ink goes over the picture; a control sits in the box's own scale, y upwards, and its
    // sizes are magnitudes whatever the direction of y.
    box->Scale(0, 10, 20, 0);
    box->DrawWidth = 3;
    box->Line(0, 5, 20, 5, RGB(255, 255, 0));
    EXPECT_EQ(box->image().pixelColor(50, 50), QColor(255, 255, 0));
    QWidget w(box);
    f.setLeft(&w, 5);
    f.setTop(&w, 8);
    f.setWidth(&w, 10);
    f.setHeight(&w, -2);
    EXPECT_EQ(w.geometry(), QRect(50, 20, 100, 20));
    EXPECT_EQ(QRectF(f.Left(&w), f.Top(&w), f.Width(&w), f.Height(&w)), QRectF(5, 8, 10, 2));
}

TEST_F(ShellControlsTest, OptionButtonsExcludeEachOtherAndCheckBoxesReadZeroOrOne) {
    Form& f = window(0, 0, 400, 400);
    std::vector<QString> clicks;
    auto* water = new OptionButton("WATER", f.canvas);
    auto* glass = new OptionButton("GLASS", f.canvas);
    auto* other1 = new OptionButton("A", f.canvas);
    optionGroup({water, glass});
    optionGroup({other1, new OptionButton("B", f.canvas)});
    water->Click = [&] { clicks.push_back("water"); };
    glass->Click = [&] { clicks.push_back("glass"); };
    water->setValue(true);
    other1->setValue(true);
    EXPECT_TRUE(water->Value()); // each group keeps its own choice
    glass->click();              // the student
    EXPECT_TRUE(!water->Value() && glass->Value() && other1->Value());
    glass->click(); // already on: no second Click
    EXPECT_EQ(clicks, (std::vector<QString>{"water", "glass"}));

    auto* box = new CheckBox("REFLECTED WAVE", f.canvas);
    int seen = -1;
    box->Click = [&] { seen = box->Value(); };
    EXPECT_EQ(box->Value(), 0);
    box->click();
    EXPECT_EQ(seen, 1);
    box->setValue(0);
    EXPECT_EQ(seen, 0);
}

// (The handlers of menu items, and a scroll bar's GotFocus, are the windows' tests'.)
TEST_F(ShellControlsTest, AVerticalScrollBarTakesItsRangeAndStepsAndRunsItsChange) {
    Form& f = window(0, 0, 400, 400);
    int changes = 0;
    QScrollBar* v = makeVScroll(f.canvas, -30, 30, 0, 1, 10, [&] { ++changes; });
    v->setValue(5);
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(v->value(), 15);
    v->setValue(1000);
    EXPECT_EQ(v->value(), 30);
    v->setValue(30); // no change, no handler
    EXPECT_EQ(changes, 3);
    onGotFocus(v, [] {});
    EXPECT_NE(v->focusPolicy(), Qt::NoFocus); // a click gives it the focus

    // A text box of several lines refuses a font size that is no number.
    auto* text = new MultiLineText(f.canvas, 12);
    text->setFontSize(NAN);
    EXPECT_EQ(text->font().pointSizeF(), 12);
}
