#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>

class Canvas;
class QPainter;

// A shape control: a rectangle, circle or oval that the canvas draws itself, placed in the
// canvas's user scale. Media lie under the ink as coloured backgrounds; bodies and particles
// move over it (see Canvas::addShape).
class Shape {
public:
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3 };
    enum Fill {
        Solid = 0,
        Transparent = 1,
        HorizontalLine = 2,
        VerticalLine = 3,
        UpwardDiagonal = 4,
        DownwardDiagonal = 5,
        Cross = 6,
        DiagonalCross = 7
    };
    enum Layer { UnderInk, OverInk };

    Shape(Canvas& canvas, Layer layer) : canvas_(canvas), layer_(layer) {}
    Shape(const Shape&) = delete;
    Shape& operator=(const Shape&) = delete;

    Kind kind() const { return kind_; }
    Layer layer() const { return layer_; }
    void setKind(Kind k);

    // Place and size in the canvas's user units; Width and Height are magnitudes, whatever
    // the direction of the scale's axes. Top is the user y of the upper edge.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v) { move(v, top_, width_, height_); }
    void setTop(double v) { move(left_, v, width_, height_); }
    void setWidth(double v) { move(left_, top_, v, height_); }
    void setHeight(double v) { move(left_, top_, width_, v); }
    void move(double left, double top, double width, double height);
    // The centre in user units, and a move that puts the centre on a point (size kept).
    QPointF centre() const;
    void centreOn(double x, double y);

    bool Visible() const { return visible_; }
    void setVisible(bool on);

    QColor FillColor() const { return fillColor_; }
    void setFillColor(const QColor& c);
    int FillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& c);
    // 0 transparent back (hatches show the canvas through), 1 opaque back.
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int style);
    // 0 no border, 1 solid border.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    QColor BorderColor() const { return borderColor_; }
    void setBorderColor(const QColor& c);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int pixels);

    // The pixel rectangle the shape covers on its canvas, border included.
    QRectF pixelRect() const;
    void paint(QPainter& p) const;

private:
    void changed(); // asks the canvas to repaint the old and the new area only

    Canvas& canvas_;
    Layer layer_;
    Kind kind_ = Rectangle;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    QColor fillColor_ = Qt::black;
    int fillStyle_ = Transparent;
    QColor backColor_ = Qt::white;
    int backStyle_ = 0;
    int borderStyle_ = 1;
    QColor borderColor_ = Qt::black;
    int borderWidth_ = 1;
    QRectF painted_; // the area last painted, so a move repaints only what it must
};
