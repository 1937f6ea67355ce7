#include "shell/graph.h"
#include "shell/qformat.h"

#include <algorithm>
#include <cmath>

#include "shell/canvas.h"
#include "shell/colours.h"
#include "shell/model/numfmt.h"

namespace {


// A shared routine must not hang on whatever range it is given; no graph needs more ticks.
constexpr int kMaxTicks = 2000;

// The automatic step of an axis: a tenth of its larger end, scaled up to at least 1 first.
double automaticXStep(double xMax, double xMin) {
    double m = std::max(std::fabs(xMax), std::fabs(xMin));
    if (m == 0) return 0; // no range, no step
    while (m < 1)
        m = 10 * m;
    return std::trunc(m / 10);
}

// The y step comes with a scale factor s that the labels show when the range is small.
void automaticYStep(double yMax, double yMin, double& step, double& s) {
    s = 1;
    step = 0;
    double ny = std::max(std::fabs(yMax), std::fabs(yMin));
    if (ny == 0) return;
    while (ny < 1)
        ny = 10 * ny;
    double t = ny / 10;
    while (std::trunc(t) == 0) {
        t = 10 * t;
        s = s / 10;
    }
    step = std::trunc(t);
}

} // namespace

TickmarkStyle TenthsOfTheScale(const Canvas& c, double yStep, int xModulus, int yModulus) {
    TickmarkStyle st;
    st.xStep = (c.ScaleLeft() + c.ScaleWidth()) / 10;
    st.yStep = yStep;
    st.xModulus = xModulus;
    st.yModulus = yModulus;
    st.t = st.yStep / 5;
    st.u = st.xStep / 5;
    st.v = st.xStep / 3;
    return st;
}

namespace {

// Places the numbers of one graph's axes so that each can be read: inside the surface, clear
// of the axes' lines and of one another. A number with no room of its own near its tick is
// left out, so that a tight scale is numbered every second or third tick instead of in a
// run of digits.
class AxisNumbers {
public:
    explicit AxisNumbers(Canvas& c) : c_(c) {
        const QPointF origin = c.toPixel(0, 0);
        axisRow_ = origin.y();
        axisColumn_ = origin.x();
    }
    // A number under the tick at x, its top at height `top` (user units), centred on the tick.
    void under(double x, double top, const QString& text) {
        const QSizeF s = size(text);
        const QPointF at = c_.toPixel(x, top);
        QRectF r(at.x() - s.width() / 2, at.y(), s.width(), s.height());
        if (crossesRow(r)) r.moveTop(axisRow_ + 2); // never struck through by the x axis
        place(r, text, s.width() / 2);
    }
    // A number at height y whose left edge the graph puts at x (user units): kept on that side
    // of the y axis, and clear of it.
    void beside(double x, double y, const QString& text) {
        const QSizeF s = size(text);
        const QPointF at = c_.toPixel(x, y);
        QRectF r(at, s);
        if (crossesRow(r)) r.moveTop(axisRow_ + 2); // the number of 0 hangs just under the axis
        if (crossesColumn(r)) {
            if (at.x() < axisColumn_) r.moveRight(axisColumn_ - 3);
            else r.moveLeft(axisColumn_ + 3);
        }
        // Where the window leaves no room left of the y axis, the number reads just right of it.
        if (r.left() < 0 && r.right() <= axisColumn_ + 1 && axisColumn_ + 3 + r.width() <= c_.width())
            r.moveLeft(axisColumn_ + 3);
        place(r, text, s.height());
    }

private:
    QSizeF size(const QString& text) const {
        return QSizeF(std::fabs(c_.TextWidth(text) * c_.pixelsPerUnitX()) + 1,
                      std::fabs(c_.TextHeight(text) * c_.pixelsPerUnitY()));
    }
    bool crossesRow(const QRectF& r) const { return r.top() < axisRow_ + 1 && r.bottom() > axisRow_ - 1; }
    bool crossesColumn(const QRectF& r) const {
        return r.left() < axisColumn_ + 1 && r.right() > axisColumn_ - 1;
    }
    // Inside the surface, moved at most `slack` pixels from where it belongs; not over a number
    // already placed nor, after the move, over an axis.
    void place(QRectF r, const QString& text, double slack) {
        const QRectF before = r;
        if (r.right() > c_.width()) r.moveRight(c_.width());
        if (r.left() < 0) r.moveLeft(0);
        if (r.bottom() > c_.height()) r.moveBottom(c_.height());
        if (r.top() < 0) r.moveTop(0);
        if (std::fabs(r.left() - before.left()) > slack || std::fabs(r.top() - before.top()) > slack ||
            r.width() > c_.width() || r.height() > c_.height())
            return;
        if ((!crossesRow(before) && crossesRow(r)) || (!crossesColumn(before) && crossesColumn(r)))
            return;
        for (const QRectF& other : taken_)
            if (other.adjusted(-3, -1, 3, 1).intersects(r)) return;
        taken_.push_back(r);
        const QPointF user = c_.toUser(r.topLeft());
        c_.PrintAt(user.x(), user.y(), text);
    }

    Canvas& c_;
    double axisRow_ = 0, axisColumn_ = 0;
    std::vector<QRectF> taken_;
};

} // namespace

void DrawTickmarks(Canvas& c, const TickmarkStyle& st) {
    if (!(st.xStep > 0) || !(st.yStep > 0) || st.xModulus < 1 || st.yModulus < 1) return;
    // A scale far wider than its step would take for ever to number; no graph needs more.
    const int kMaxPasses = kMaxTicks * std::max(st.xModulus, st.yModulus);
    AxisNumbers numbers(c);
    // Positive x: the label goes up after the step, so it stands at the next tick.
    double x = 0;
    for (int k = 1; x < c.ScaleWidth() && k < kMaxPasses; ++k) {
        if (k % st.xModulus == 0) {
            c.Line(x, -st.t, x, st.t);
            x += st.xStep;
            numbers.under(x, -st.t, fmt(x, st.xFormat));
        }
    }
    x = 0;
    for (int k = 1; x > c.ScaleLeft() && k < kMaxPasses; ++k) {
        if (k % st.xModulus == 0) {
            c.Line(x, -st.t, x, st.t);
            x -= st.xStep;
            numbers.under(x, -st.t, fmt(x, st.xFormat));
        }
    }
    double y = 0;
    for (int k = 1; y < c.ScaleTop() - c.ScaleHeight() && k < kMaxPasses; ++k) {
        y += st.yStep;
        if (k % st.yModulus == 0) {
            c.Line(-st.u, y, st.u, y);
            numbers.beside(-st.v, y, fmt(y, st.yFormat));
        }
    }
    numbers.beside(-st.v, 0, fmt(0, st.yFormat));
    y = 0;
    for (int k = 1; y > -std::fabs(c.ScaleHeight()) && k < kMaxPasses; ++k) {
        y -= st.yStep;
        if (k % st.yModulus == 0) {
            c.Line(-st.u, y, st.u, y);
            numbers.beside(-st.v, y, fmt(y, st.yNegativeFormat));
        }
    }
}


double UnderAxisNumbers(const Canvas& c) {
    const double perUnit = std::fabs(c.pixelsPerUnitY());
    if (!(perUnit > 0) || !std::isfinite(perUnit)) return 0;
    // The numbers hang 2 pixels under the axis, a line high; a pixel more keeps them apart.
    return -(std::fabs(c.TextHeight(QStringLiteral("0"))) * perUnit + 3) / perUnit;
}

void DrawAxesGrid(Canvas& c, double xMax, double xMin, double yMax, double yMin, double xFloor,
                  double yFloor, double xStep, double yStep) {
    for (double v : {xMax, xMin, yMax, yMin, xFloor, yFloor, xStep, yStep}) {
        if (!std::isfinite(v)) return;
    }
    const QColor& blue = colours::blue;

    if (yMax * yMin <= 0)
        c.Line(xMin, 0, xMax, 0);
    else
        c.Line(xMin, yMin, xMax, yMin);
    if (xMax * xMin <= 0)
        c.Line(0, yMin, 0, yMax);
    else
        c.Line(xMin, yMin, xMin, yMax);

    double xstep = automaticXStep(xMax, xMin);
    double ystep = 0, s = 1;
    automaticYStep(yMax, yMin, ystep, s);
    if (xStep > 0) xstep = static_cast<float>(xStep);
    if (yStep > 0) ystep = yStep;
    // A range below 10 with no step of its own has an automatic step of 0: nothing to number.
    if (!(xstep > 0) || !(ystep > 0)) return;

    const auto yLabel = [s](double y, const char* pattern) {
        if (s >= 1) return fmt(y, pattern);
        return fmt(y, "0.00") + fmt(s, "0.00e+00");
    };

    AxisNumbers numbers(c);
    // Each label stands at the next tick's position, so the last may lie a step beyond xMax.
    double x = 0;
    for (int n = 0; x < xMax && n < kMaxTicks; ++n) {
        c.Line(x, -ystep / 5, x, ystep / 5);
        x = x + xstep;
        numbers.under(x, ystep / 5, QString::fromStdString(PlainNumber(x)));
    }

    x = 0;
    for (int count = 1; x > c.ScaleLeft() && count < 2 * kMaxTicks; ++count) {
        if (count % 2 == 0) {
            x = x - xstep;
            if (x >= xFloor) {
                c.Line(x, -ystep / 5, x, ystep / 5);
                numbers.under(x, -ystep / 5, QString::fromStdString(PlainNumber(x)));
            }
        }
    }

    double y = 0;
    for (int n = 0; y < yMax && n < kMaxTicks; ++n) {
        y = y + ystep;
        c.Line(0, y, xMax, y, blue);
        c.Line(-xstep / 5, y, xstep / 5, y);
        numbers.beside(xstep / 3, y, yLabel(y, "0.0"));
    }

    y = 0;
    if (yStep > 0) {
        numbers.beside(xstep / 3, 0, fmt(0, "0"));
        c.Line(0, 0, xMax, 0, blue);
    }
    numbers.beside(xstep / 3, 0, yLabel(0, "0.00"));

    // Only every second step below zero gets a line and a label.
    for (int count = 1; y > -std::fabs(c.ScaleHeight()) && count < 2 * kMaxTicks; ++count) {
        y = y - ystep;
        if (y >= yFloor && count % 2 == 0) {
            c.Line(0, y, xMax, y, blue);
            c.Line(-xstep / 5, y, xstep / 5, y);
            numbers.beside(xstep / 3, y, yLabel(y, "0.00"));
        }
    }
}

void GraphLine(Canvas& canvas, Point a, Point b, double yLow, double yHigh,
               std::optional<QColor> color) {
    if (!ClipToBand(a, b, yLow, yHigh)) return;
    if (color)
        canvas.Line(a.x, a.y, b.x, b.y, *color);
    else
        canvas.Line(a.x, a.y, b.x, b.y);
}

void DrawModelDrawing(Canvas& canvas, const Drawing& drawing) {
    // In the canvas's DrawStyle: model drawings leave the pattern to the window.
    const int width = canvas.DrawWidth;
    for (const DrawItem& item : drawing) {
        canvas.DrawWidth = item.width;
        const QColor colour = item.colour ? Canvas::ColourOf(item) : canvas.ForeColor;
        switch (item.kind) {
        case DrawItem::Line:
            canvas.Line(item.a.x, item.a.y, item.b.x, item.b.y, colour);
            break;
        case DrawItem::Dot:
            canvas.PSet(item.a.x, item.a.y, colour);
            break;
        case DrawItem::Box:
            canvas.Line(item.a.x, item.a.y, item.b.x, item.b.y, colour, Canvas::BoxOutline);
            break;
        case DrawItem::FilledBox:
            canvas.Line(item.a.x, item.a.y, item.b.x, item.b.y, colour, Canvas::BoxFilled);
            break;
        case DrawItem::Circle: {
            const int fillStyle = canvas.FillStyle;
            const QColor fill = canvas.FillColor;
            canvas.FillStyle = item.filled ? 0 : 1;
            canvas.FillColor = QColor(item.fill.r, item.fill.g, item.fill.b, item.fill.a);
            if (item.arc)
                canvas.Circle(item.a.x, item.a.y, item.radius, colour, item.start, item.end, item.aspect);
            else
                canvas.CircleAspect(item.a.x, item.a.y, item.radius, colour, item.aspect);
            canvas.FillStyle = fillStyle;
            canvas.FillColor = fill;
            break;
        }
        case DrawItem::Text: {
            const QColor fore = canvas.ForeColor;
            canvas.ForeColor = colour;
            canvas.PrintAt(item.a.x, item.a.y, QString::fromStdString(item.text));
            canvas.ForeColor = fore;
            break;
        }
        }
    }
    canvas.DrawWidth = width;
}

void DrawFigure(Canvas& canvas, const Figure& figure) {
    auto colour = [](Rgb c) { return QColor(c.r, c.g, c.b); };
    const int width = canvas.DrawWidth, style = canvas.DrawStyle;
    const QColor fore = canvas.ForeColor;
    const double fontSize = canvas.FontSize();
    // The explanations in a font small enough (down to 6 points) that the longest takes at
    // most four fifths of the window's width; the box widened where one would run past its
    // right edge.
    const double explanationSize = canvas.FitFontSize(11, 6, [&] {
        for (const FigureText& t : figure.explanations)
            if (canvas.TextPixels(QString::fromStdString(t.text)) > 0.8 * canvas.width()) return false;
        return true;
    });
    double right = figure.right;
    for (int pass = 0; pass < 6; ++pass) {
        canvas.ScaleEven(figure.left, figure.top, right, figure.bottom);
        double needed = right;
        for (const FigureText& t : figure.explanations)
            needed = std::max(needed, t.at.x + canvas.TextWidth(QString::fromStdString(t.text)));
        if (needed <= canvas.ScaleLeft() + canvas.ScaleWidth()) break;
        right = needed + (figure.right - figure.left) * 0.02;
    }
    canvas.DrawWidth = 1;
    canvas.DrawStyle = 0;
    // A band across the whole figure (a medium) reaches both edges of the window.
    const double shownLeft = canvas.ScaleLeft(), shownRight = shownLeft + canvas.ScaleWidth();
    for (const FigureBand& b : figure.bands) {
        const bool across = std::min(b.a.x, b.b.x) <= figure.left &&
                            std::max(b.a.x, b.b.x) >= figure.right;
        const double x1 = across ? std::min(shownLeft, b.a.x) : b.a.x;
        const double x2 = across ? std::max(shownRight, b.b.x) : b.b.x;
        canvas.Line(x1, b.a.y, x2, b.b.y, colour(b.colour), Canvas::BoxFilled);
    }
    for (const FigureLine& l : figure.lines) {
        canvas.DrawWidth = l.width;
        canvas.DrawStyle = l.style;
        canvas.Line(l.a.x, l.a.y, l.b.x, l.b.y, colour(l.colour));
    }
    canvas.DrawWidth = 1;
    canvas.DrawStyle = 0;
    for (const FigureCircle& c : figure.circles)
        canvas.Circle(c.centre.x, c.centre.y, c.radius, colour(c.colour));
    canvas.ForeColor = QColor(0, 0, 0);
    auto print = [&canvas](const std::vector<FigureText>& texts, double size) {
        canvas.setFontSize(size);
        for (const FigureText& t : texts)
            canvas.PrintAt(t.at.x, t.at.y, QString::fromStdString(t.text));
    };
    print(figure.labels, 14);
    print(figure.explanations, explanationSize);
    canvas.setFontSize(fontSize);
    canvas.ForeColor = fore;
    canvas.DrawWidth = width;
    canvas.DrawStyle = style;
}
