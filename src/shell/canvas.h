#pragma once
#include "shell/colours.h"
#include "shell/model/drawing.h"
#include "shell/shape.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <QPainter>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>


// Mouse button as the handlers read it: 1 left, 2 right, 4 middle.
int mouseButtonCode(Qt::MouseButton button);
// Shift state as the handlers read it: 1 Shift, 2 Control (3 both), 4 Alt.
int shiftStateCode(Qt::KeyboardModifiers modifiers);

// The pixels of a user scale: where a canvas puts what is drawn in that scale.
struct PixelFrame {
    double left = 0, top = 0;  // the user point at the top left
    double perX = 1, perY = 1; // pixels per user unit
    double dpr = 1;            // device pixels per pixel
    friend bool operator==(const PixelFrame&, const PixelFrame&) = default;
};

// The drawing surface of a window or picture box. What is drawn stays drawn until Cls,
// like ink on paper: it goes into a persistent image, and painting only copies that image.
// Painting lays, from the bottom up: the back colour, the picture, the shapes that stand for
// media, the ink, then the bodies and particles. So every line a handler draws shows over a
// medium, and a moving body never smears the ink it passes over.
class Canvas : public QWidget {
    Q_OBJECT
public:
    enum LineMode { Plain, BoxOutline, BoxFilled };

    explicit Canvas(QWidget* parent = nullptr);
    ~Canvas() override;

    // User scale: (x1, y1) is the top-left corner, (x2, y2) the bottom-right corner.
    void Scale(double x1, double y1, double x2, double y2);
    // A scale with y growing upwards (y1 > y2) that shows at least the box from (x1, y1) to
    // (x2, y2), centred, with a unit as long across as down, so that circles are round and
    // angles are drawn as they are.
    void ScaleEven(double x1, double y1, double x2, double y2);
    bool hasUserScale() const { return userScale_; }
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;
    void setScaleLeft(double v);
    void setScaleTop(double v);
    void setScaleWidth(double v);
    void setScaleHeight(double v);

    // Conversions between user units and the widget's pixels.
    QPointF toPixel(double x, double y) const;
    QPointF toUser(QPointF pixel) const;
    double pixelsPerUnitX() const;
    double pixelsPerUnitY() const;

    void Cls();
    void Line(double x1, double y1, double x2, double y2, LineMode mode = Plain);
    void Line(double x1, double y1, double x2, double y2, const QColor& color,
              LineMode mode = Plain);
    // Line from the current point (CurrentX, CurrentY).
    void LineTo(double x2, double y2);
    void LineTo(double x2, double y2, const QColor& color);
    // Angles in radians, counter-clockwise as the eye sees them; a negative angle also draws
    // its radius. Without angles the whole circle (or ellipse, by aspect) is drawn.
    void Circle(double x, double y, double radius);
    void Circle(double x, double y, double radius, const QColor& color);
    void Circle(double x, double y, double radius, const QColor& color, double start, double end,
                double aspect = 1.0);
    void CircleAspect(double x, double y, double radius, const QColor& color, double aspect);
    void PSet(double x, double y);
    void PSet(double x, double y, const QColor& color);
    // Consecutive segments through the points, in one colour; ends at the last point. A dashed
    // DrawStyle runs on across the joints, however short the segments.
    void Polyline(const std::vector<QPointF>& points, const QColor& color);
    // Writes at CurrentX/CurrentY (top-left of the text), then moves down one line.
    void Print(const QString& text);
    // Print at (x, y).
    void PrintAt(double x, double y, const QString& text) {
        CurrentX = x;
        CurrentY = y;
        Print(text);
    }
    // Print at (x, y) a text that must end inside the surface: where it would run past the
    // right edge it is printed smaller, down to `smallest` points, and at the smallest moved
    // left so that it ends at the edge (never past the left edge). The font is kept.
    void PrintInside(double x, double y, const QString& text, double smallest);
    double TextHeight(const QString& text) const;
    double TextWidth(const QString& text) const;
    // Text is measured as on a usual screen of 96 dots per inch, whatever the surface holds.
    static QFontMetricsF MetricsOf(const QFont& font);
    // The width of the text in the surface's pixels, in the present font.
    double TextPixels(const QString& text) const;
    // Sets the font to the largest size from `largest` down to `smallest` points, in half
    // points, at which `fits` holds (the smallest when it never does), `fits` having been asked
    // last at that size; returns the size.
    double FitFontSize(double largest, double smallest, const std::function<bool()>& fits);

    // Pen state.
    QColor ForeColor = Qt::black;
    QColor FillColor = Qt::black;
    int FillStyle = 1; // 0 solid, 1 transparent
    int DrawWidth = 1;
    int DrawStyle = 0; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    double CurrentX = 0;
    double CurrentY = 0;
    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& c);
    QFont font_;
    void setFontName(const QString& name);
    void setFontSize(double points);
    void setFontBold(bool on);
    void setFontItalic(bool on);
    QString FontName() const { return font_.family(); }
    double FontSize() const { return font_.pointSizeF(); }
    bool FontItalic() const { return font_.italic(); }

    // A point that is not a number, or far beyond any picture, is never drawn. The program
    // skips it silently; tests set this hook to fail on it, so a mistake cannot hide.
    static inline std::function<void(const QString& what)> onUndrawable;

    // What was drawn since the last Cls, in user units, in order: the one record that the
    // canvas paints from, that its take-aways and the layout check read, and that tests look
    // at. At most kMaxItems are kept; beyond that the ink is its image only until the next Cls
    // (an animation clears every tick and stays far below).
    const std::vector<DrawItem>& displayList() const { return items_; }
    static constexpr std::size_t kMaxItems = 40000;
    bool displayListComplete() const { return complete_; }
    int clsCount() const { return clsCount_; }
    // The colour of an item as a QColor, and where the canvas put an item's point a (Text: the
    // top left of the text) on its pixels; the font of a text item.
    static QColor ColourOf(const DrawItem& item);
    QPointF pixelOf(const DrawItem& item) const;
    static QFont FontOf(const DrawItem& item);
    // A mark in the display list, and what was drawn since it (everything since the last Cls
    // when a Cls came after the mark): one animation tick can be read on its own.
    struct Mark {
        int cls = 0;
        std::size_t size = 0;
    };
    Mark mark() const { return {clsCount_, items_.size()}; }
    std::vector<DrawItem> drawnSince(Mark m) const;

    // The surface as the student sees it (back colour, picture, shapes, ink), at the
    // device-pixel ratio; one device pixel per pixel at ratio 1.
    QImage image() const;

    // The surface painted anew onto any painter, with the ink drawn again from the display list
    // (from the ink image when the list since the last Cls was too long to keep), in the
    // surface's pixels from (0, 0).
    void paintSurface(QPainter& p) const;
    // A hidden surface gives back the image of its ink where its display list holds the whole
    // of it; the image comes back, drawn from the list, with the next drawing call.
    void releaseInk();
    // Bytes the surface holds for its ink (the image, the display list).
    std::size_t inkBytes() const;

    // Shapes, drawn by the canvas in their layer; the canvas owns them.
    Shape* addShape(Shape::Layer layer, Shape::Kind kind = Shape::Rectangle);
    const std::vector<std::unique_ptr<Shape>>& shapes() const { return shapes_; }

    // A picture shown stretched to the whole surface, under everything drawn: an image (from
    // the program's resources, ":/..."), or a routine that paints a vector page into a
    // rectangle, so that it stays sharp at any size and pixel ratio.
    bool LoadPicture(const QString& path);
    void setPicture(const QImage& picture);
    void setPictureRenderer(std::function<void(QPainter&, const QRectF&)> render);
    void clearPicture();
    bool hasPicture() const { return !picture_.isNull() || bool(pictureRenderer_); }

    // Place and size of a child control in this surface's user scale. Width and height are
    // magnitudes; Top is the user y of the control's upper edge.
    double controlLeft(const QWidget* w) const;
    double controlTop(const QWidget* w) const;
    double controlWidth(const QWidget* w) const;
    double controlHeight(const QWidget* w) const;
    void setControlLeft(QWidget* w, double v) const;
    void setControlTop(QWidget* w, double v) const;
    void setControlWidth(QWidget* w, double v) const;
    void setControlHeight(QWidget* w, double v) const;

    // Mouse events in user coordinates; button 1 left, 2 right.
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void ensureImage();
    bool drawable(const char* what, std::initializer_list<double> userValues) const;
    // The layers from the bottom up; the ink from the image, or from the strokes.
    void paintLayers(QPainter& p, const QRect& area, bool inkFromStrokes = false) const;
    QPainter& painter();
    void endPainting() const;
    // Paints an item onto the ink and keeps it.
    void ink(DrawItem d);
    // An item of that kind in the pen's present width and style, its colour and its frame.
    DrawItem item(DrawItem::Kind kind, const QColor& color);
    PixelFrame frame() const;
    double userW() const;
    double userH() const;

    bool userScale_ = false;
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    QColor back_ = Qt::white;
    QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    std::vector<DrawItem> items_;
    std::vector<PixelFrame> frames_;
    bool complete_ = true;
    int clsCount_ = 0;
    std::vector<std::unique_ptr<Shape>> shapes_;
    QImage picture_;
    std::function<void(QPainter&, const QRectF&)> pictureRenderer_;
    bool pressed_ = false;
    QPointF pressedAt_;
};
