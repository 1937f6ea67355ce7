#include "support.h"

#include "shell/controls.h"

#include "waves/rixo.h"

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <tuple>

namespace {
constexpr double kPi = 3.14159265358979323846;

QColor pixelAt(Canvas& c, double x, double y) {
    const QPointF p = c.toPixel(x, y);
    return c.image().pixelColor(int(p.x()), int(p.y()));
}
} // namespace

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() {
        canvas.resize(400, 400);
        canvas.Scale(-200, 200, 200, -200);
        canvas.Cls();
    }
    Canvas canvas;
};

TEST_F(CanvasTest, UserScaleFlipsYAndTheDefaultScaleIsTwips) {
    EXPECT_EQ(canvas.ScaleLeft(), -200);
    EXPECT_EQ(canvas.ScaleHeight(), -400);
    EXPECT_EQ(canvas.toPixel(-200, 200), QPointF(0, 0));
    EXPECT_EQ(canvas.toPixel(0, 100), QPointF(200, 100));
    EXPECT_EQ(canvas.toUser(QPointF(300, 300)), QPointF(100, -100));
    Canvas plain;
    plain.resize(100, 50);
    EXPECT_EQ(plain.ScaleWidth(), 1500);
    EXPECT_EQ(plain.ScaleHeight(), 750);
    EXPECT_EQ(plain.toPixel(150, 150), QPointF(10, 10));
}

TEST_F(CanvasTest, SectorsArcsAndAspect) {
    canvas.FillStyle = 0;
    canvas.FillColor = RGB(205, 0, 0);
    // Negative angles: from straight up counter-clockwise to straight down, radii drawn and
    // filled: the left half-disc.
    canvas.Circle(0, 0, 100, RGB(0, 0, 0), -kPi / 2, -3 * kPi / 2);
    EXPECT_EQ(pixelAt(canvas, -50, 10), RGB(205, 0, 0));
    EXPECT_EQ(pixelAt(canvas, -50, -40), RGB(205, 0, 0));
    EXPECT_EQ(pixelAt(canvas, 50, 10), RGB(255, 255, 255));
    EXPECT_LT(pixelAt(canvas, 0, 30).lightness(), 200); // the diameter
    ASSERT_EQ(canvas.displayList().size(), 1u);
    EXPECT_TRUE(canvas.displayList()[0].filled);
    EXPECT_TRUE(canvas.displayList()[0].arc);

    // The end wraps through 2 pi when it is below the start: the right half.
    canvas.Cls();
    canvas.FillColor = RGB(0, 0, 255);
    canvas.Circle(0, 0, 100, RGB(0, 0, 0), -3 * kPi / 2, -kPi / 2);
    EXPECT_EQ(pixelAt(canvas, 50, 0), RGB(0, 0, 255));
    EXPECT_EQ(pixelAt(canvas, -50, 0), RGB(255, 255, 255));

    // Positive angles: an arc with no radii, never filled.
    canvas.Cls();
    canvas.Circle(0, 0, 100, RGB(0, 0, 0), 0.0, kPi);
    EXPECT_EQ(pixelAt(canvas, 0, 50), RGB(255, 255, 255));
    EXPECT_FALSE(canvas.displayList()[0].filled);

    canvas.Cls();
    canvas.FillColor = RGB(0, 255, 0);
    canvas.CircleAspect(0, 0, 100, RGB(0, 0, 0), 0.5);
    EXPECT_EQ(pixelAt(canvas, 90, 0), RGB(0, 255, 0));
    EXPECT_EQ(pixelAt(canvas, 0, 70), RGB(255, 255, 255));
    EXPECT_EQ(pixelAt(canvas, 0, 40), RGB(0, 255, 0));
}

TEST_F(CanvasTest, LinesBoxesPointsAndCls) {
    canvas.Line(-100, -100, 100, 100, RGB(0, 0, 255));
    EXPECT_EQ(canvas.CurrentX, 100);
    EXPECT_EQ(canvas.CurrentY, 100);
    canvas.LineTo(150, 100, RGB(0, 255, 0));
    canvas.Line(23, 13, 100, 6, RGB(255, 255, 0), Canvas::BoxFilled);
    canvas.DrawStyle = 2;
    canvas.Line(-150, -150, -50, -150);
    const auto& list = canvas.displayList();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(pt(list[1].a), QPointF(100, 100));
    EXPECT_EQ(pt(list[1].b), QPointF(150, 100));
    EXPECT_EQ(list[2].kind, DrawItem::FilledBox);
    EXPECT_EQ(pixelAt(canvas, 60, 10), RGB(255, 255, 0));
    EXPECT_EQ(list[3].style, 2);

    canvas.DrawWidth = 5;
    canvas.PSet(10, 7, RGB(255, 0, 0));
    const auto points = drawnOf(canvas, DrawItem::Dot, RGB(255, 0, 0));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(pt(points[0].a), QPointF(10, 7));
    EXPECT_EQ(points[0].width, 5);
    EXPECT_EQ(pixelAt(canvas, 10, 7), RGB(255, 0, 0));

    canvas.Cls();
    EXPECT_TRUE(canvas.displayList().empty());
    EXPECT_EQ(pixelAt(canvas, 60, 10), RGB(255, 255, 255));
    EXPECT_EQ(canvas.CurrentX, -200);
    EXPECT_EQ(canvas.CurrentY, 200);
}

TEST_F(CanvasTest, PrintMovesDownOneLineAndBackToTheLeftEdge) {
    canvas.CurrentX = 10;
    canvas.CurrentY = 100;
    canvas.Print("n=1.50");
    EXPECT_EQ(canvas.CurrentX, -200);
    // y grows upwards here, so down is smaller.
    EXPECT_NEAR(100 - canvas.CurrentY, -canvas.TextHeight("n"), 1e-9);
    EXPECT_GT(100 - canvas.CurrentY, 0);
    EXPECT_TRUE(printedText(canvas, "n=1.50"));
    EXPECT_EQ(pt(canvas.displayList()[0].a), QPointF(10, 100));
}

class FormTest : public ProgramTest {
protected:
    // A window of the shell with no handlers of its own.
    Form blank{"blank", QStringLiteral("BLANK")};
};

TEST_F(FormTest, InkSurvivesHideShowAndGrowing) {
    Form& f = blank;
    f.setWidth(300 * 15);
    f.setHeight(300 * 15);
    f.Show();
    f.canvas->Scale(0, 100, 100, 0);
    f.canvas->Line(10, 5, 90, 15, RGB(0, 0, 255), Canvas::BoxFilled);
    f.Hide();
    f.Show();
    QApplication::processEvents();
    EXPECT_EQ(pixelAt(*f.canvas, 50, 10), RGB(0, 0, 255));
    const QPointF before = f.canvas->toPixel(50, 10);
    f.setWidth(600 * 15);
    QApplication::processEvents();
    EXPECT_EQ(f.canvas->image().pixelColor(int(before.x()), int(before.y())), RGB(0, 0, 255));
    EXPECT_GE(f.canvas->image().width(), f.canvas->width());
    EXPECT_GT(f.canvas->width(), 580); // the window's frame is all it loses
}

TEST_F(FormTest, ControlsArePlacedInTheUserScale) {
    Form& f = blank;
    f.setWidth(400 * 15);
    f.setHeight(400 * 15);
    f.canvas->Scale(-200, 200, 200, -200);
    QWidget w(f.canvas);
    f.setLeft(&w, -100);
    f.setTop(&w, -150);
    f.setWidth(&w, 50);
    f.setHeight(&w, -20);
    EXPECT_NEAR(f.Left(&w), -100, 1.0);
    EXPECT_NEAR(f.Top(&w), -150, 1.0);
    EXPECT_NEAR(f.Width(&w), 50, 1.0);
    // Sizes are magnitudes whatever the direction of y: with y upwards the control's lower
    // edge is at Top - Height.
    EXPECT_NEAR(f.Height(&w), 20, 1.0);
    EXPECT_EQ(w.geometry(), QRect(100, 350, 50, 20));
    EXPECT_EQ(f.Width(), 400 * 15);
}

TEST_F(CanvasTest, MouseEventsArriveInUserUnitsAndADragIsNoClick) {
    std::vector<std::tuple<int, double, double>> downs, ups;
    int clicks = 0;
    canvas.onMouseDown = [&](int b, int, double x, double y) { downs.emplace_back(b, x, y); };
    canvas.onMouseUp = [&](int b, int, double x, double y) { ups.emplace_back(b, x, y); };
    canvas.onClick = [&] { ++clicks; };
    auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button) {
        QMouseEvent e(type, at, canvas.mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &e);
    };
    send(QEvent::MouseButtonPress, QPointF(300, 100), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(300, 100), Qt::LeftButton);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(std::get<0>(downs[0]), 1);
    EXPECT_DOUBLE_EQ(std::get<1>(downs[0]), 100);
    EXPECT_DOUBLE_EQ(std::get<2>(downs[0]), 100);
    EXPECT_EQ(clicks, 1);
    send(QEvent::MouseButtonPress, QPointF(100, 100), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(200, 300), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_DOUBLE_EQ(std::get<1>(ups.back()), 0);
    EXPECT_DOUBLE_EQ(std::get<2>(ups.back()), -100);
    send(QEvent::MouseButtonPress, QPointF(10, 10), Qt::RightButton);
    EXPECT_EQ(std::get<0>(downs.back()), 2);
}

TEST(KeyCodes, OnlyKeysNotCharactersNavigate) {
    EXPECT_EQ(keyCodeOf(Qt::Key_Return), 13);
    EXPECT_EQ(keyCodeOf(Qt::Key_Down), 40);
    EXPECT_EQ(keyCodeOf(Qt::Key_Home), 36);
    EXPECT_EQ(keyCodeOf(Qt::Key_A), 'A');
    EXPECT_EQ(keyCodeOf(Qt::Key_7), '7');
    // "(", "'", "$", "%" and "&" have the codes of the arrows and Home as characters.
    for (int k : {Qt::Key_ParenLeft, Qt::Key_Apostrophe, Qt::Key_Dollar, Qt::Key_Percent,
                  Qt::Key_Ampersand, Qt::Key_Period})
        EXPECT_EQ(keyCodeOf(k), 0) << k;
}

// A one-pixel line across or down is one row (column) of fully dark pixels, whatever the
// surface's size: odd or even, and a scale whose units fall between pixels.
TEST(CrispLines, AOnePixelAxisIsOnePixelWideAndFullyDarkOnEveryWidth) {
    for (const QSize size : {QSize(400, 400), QSize(401, 399), QSize(960, 540), QSize(683, 287)}) {
        Canvas c;
        c.resize(size);
        c.Scale(-5, 3, 100, -0.8); // the index graph's scale
        c.Cls();
        c.Line(-5, 0, 100, 0, RGB(0, 0, 0));  // the x axis
        c.Line(0, -0.8, 0, 3, RGB(0, 0, 0));  // the y axis
        c.Line(10, 2, 90, 1.5, RGB(0, 0, 0), Canvas::BoxOutline); // two more rows down midX
        const QImage img = c.image();
        auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 40; };
        auto grey = [&](int x, int y) { const int g = qGray(img.pixel(x, y)); return g >= 40 && g < 215; };
        const int midX = size.width() * 2 / 3, midY = size.height() / 5;
        int darkRows = 0, greyRows = 0, darkCols = 0, greyCols = 0;
        for (int y = 0; y < size.height(); ++y) {
            darkRows += dark(midX, y);
            greyRows += grey(midX, y);
        }
        for (int x = 0; x < size.width(); ++x) {
            darkCols += dark(x, midY);
            greyCols += grey(x, midY);
        }
        EXPECT_EQ(darkRows, 3) << size.width() << "x" << size.height();
        EXPECT_EQ(greyRows, 0) << size.width() << "x" << size.height();
        EXPECT_EQ(darkCols, 1) << size.width() << "x" << size.height();
        EXPECT_EQ(greyCols, 0) << size.width() << "x" << size.height();
    }
}
