#include "shell/canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwoPi = 6.283185307179586;

Qt::PenStyle penStyle(int drawStyle) {
    switch (drawStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

QPen strokePen(const Stroke& s) {
    QPen p(QColor::fromRgba(s.color));
    p.setWidthF(std::max(1.0f, s.width));
    p.setStyle(penStyle(s.style));
    if (s.dashOffset != 0) p.setDashOffset(s.dashOffset);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

// The one routine that paints a drawing call: onto the ink image as it is made, and onto
// any other painter when the drawing is taken away.
void paintStroke(QPainter& p, const Stroke& s) {
    switch (s.op) {
    case Stroke::Segment:
        p.setPen(strokePen(s));
        p.drawLine(s.a, s.b);
        break;
    case Stroke::Outline:
        p.setPen(strokePen(s));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(s.a, s.b).normalized());
        break;
    case Stroke::FilledRect: p.fillRect(QRectF(s.a, s.b).normalized(), QColor::fromRgba(s.color)); break;
    case Stroke::Ellipse:
        p.setPen(strokePen(s));
        p.setBrush(s.filled ? QBrush(QColor::fromRgba(s.fill)) : QBrush(Qt::NoBrush));
        p.drawEllipse(s.a, s.b.x(), s.b.y());
        break;
    case Stroke::Arc: {
        const QPointF c = s.a, r = s.b;
        auto onArc = [&](double t) {
            return QPointF(c.x() + r.x() * std::cos(t), c.y() - r.y() * std::sin(t));
        };
        const QRectF box(c.x() - r.x(), c.y() - r.y(), 2 * r.x(), 2 * r.y());
        QPainterPath path;
        if (s.radiusToStart) {
            path.moveTo(c);
            path.lineTo(onArc(s.start));
        } else {
            path.moveTo(onArc(s.start));
        }
        path.arcTo(box, s.start * 180 / M_PI, s.sweep * 180 / M_PI);
        if (s.radiusToEnd) path.lineTo(c);
        if (s.radiusToStart && s.radiusToEnd) path.closeSubpath();
        if (s.filled) p.fillPath(path, QColor::fromRgba(s.fill));
        p.setPen(strokePen(s));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        break;
    }
    case Stroke::Dot: {
        const QColor color = QColor::fromRgba(s.color);
        if (s.width <= 1) {
            p.fillRect(QRectF(s.a.x() - 0.5, s.a.y() - 0.5, 1, 1), color);
        } else {
            const double r = s.width / 2.0;
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            p.drawEllipse(s.a, r, r);
        }
        break;
    }
    case Stroke::Text:
        p.setFont(s.font);
        p.setPen(QColor::fromRgba(s.color));
        p.drawText(s.a, s.text);
        break;
    }
}
} // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    font_ = QFont("Arial", 8);
    resize(100, 100);
}

void Canvas::setBackColor(const QColor& c) {
    back_ = c;
    Cls();
}

void Canvas::setFontName(const QString& name) { font_.setFamily(name.trimmed()); }
void Canvas::setFontSize(double points) {
    if (points > 0) font_.setPointSizeF(points);
}
void Canvas::setFontBold(bool on) { font_.setBold(on); }
void Canvas::setFontItalic(bool on) { font_.setItalic(on); }

void Canvas::Scale(double x1, double y1, double x2, double y2) {
    if (x1 == x2 || y1 == y2) return; // a scale without extent maps nothing
    userScale_ = true;
    left_ = x1;
    top_ = y1;
    width_ = x2 - x1;
    height_ = y2 - y1;
    CurrentX = left_;
    CurrentY = top_;
    update(); // the shapes follow the new scale
}

void Canvas::ScaleEven(double x1, double y1, double x2, double y2) {
    const double w = x2 - x1, h = y1 - y2;
    if (width() <= 0 || height() <= 0 || w <= 0 || h <= 0) {
        Scale(x1, y1, x2, y2);
        return;
    }
    // Units per pixel across and down; the scale takes the larger and widens the other way.
    const double across = w / width(), down = h / height();
    if (across > down) {
        const double extra = (across * height() - h) / 2;
        Scale(x1, y1 + extra, x2, y2 - extra);
    } else {
        const double extra = (down * width() - w) / 2;
        Scale(x1 - extra, y1, x2 + extra, y2);
    }
}

double Canvas::userW() const { return userScale_ ? width_ : width() * kTwipsPerPixel; }
double Canvas::userH() const { return userScale_ ? height_ : height() * kTwipsPerPixel; }
double Canvas::ScaleLeft() const { return userScale_ ? left_ : 0; }
double Canvas::ScaleTop() const { return userScale_ ? top_ : 0; }
double Canvas::ScaleWidth() const { return userW(); }
double Canvas::ScaleHeight() const { return userH(); }

void Canvas::setScaleLeft(double v) {
    if (!userScale_) Scale(0, 0, userW(), userH());
    left_ = v;
}
void Canvas::setScaleTop(double v) {
    if (!userScale_) Scale(0, 0, userW(), userH());
    top_ = v;
}
void Canvas::setScaleWidth(double v) {
    if (v == 0) return;
    if (!userScale_) Scale(0, 0, userW(), userH());
    width_ = v;
}
void Canvas::setScaleHeight(double v) {
    if (v == 0) return;
    if (!userScale_) Scale(0, 0, userW(), userH());
    height_ = v;
}

double Canvas::pixelsPerUnitX() const { return width() / userW(); }
double Canvas::pixelsPerUnitY() const { return height() / userH(); }

QPointF Canvas::toPixel(double x, double y) const {
    return QPointF((x - ScaleLeft()) * pixelsPerUnitX(), (y - ScaleTop()) * pixelsPerUnitY());
}

QPointF Canvas::toUser(QPointF p) const {
    return QPointF(ScaleLeft() + p.x() / pixelsPerUnitX(), ScaleTop() + p.y() / pixelsPerUnitY());
}

void Canvas::ensureImage() {
    const qreal dpr = devicePixelRatioF();
    const QSize need(std::max(1, int(std::ceil(width() * dpr))),
                     std::max(1, int(std::ceil(height() * dpr))));
    if (!image_.isNull() && image_.width() >= need.width() && image_.height() >= need.height() &&
        image_.devicePixelRatio() == dpr)
        return;
    endPainting();
    QImage grown(need.expandedTo(image_.isNull() ? QSize(1, 1) : image_.size()),
                 QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(dpr);
    // 96 dots per inch, so point sizes come out as on a usual screen.
    grown.setDotsPerMeterX(3780);
    grown.setDotsPerMeterY(3780);
    grown.fill(Qt::transparent);
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPointF(0, 0), image_);
    } else if (strokesComplete_ && !strokes_.empty()) {
        // The ink was given back while the window was hidden: its strokes draw it again.
        QPainter p(&grown);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        for (const Stroke& s : strokes_) paintStroke(p, s);
    }
    image_ = grown;
}

void Canvas::releaseInk() {
    if (!strokesComplete_ || image_.isNull()) return;
    endPainting();
    image_ = QImage();
}

// The painter stays open between drawing calls, since a fan of rays is thousands of short
// lines; it is closed before the image is shown, copied, cleared or resized.
QPainter& Canvas::painter() {
    ensureImage();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing);
        painter_->setRenderHint(QPainter::TextAntialiasing);
    }
    return *painter_;
}

void Canvas::endPainting() const { painter_.reset(); }

QImage Canvas::image() const {
    endPainting();
    const qreal dpr = devicePixelRatioF();
    QImage out(std::max(1, int(std::ceil(width() * dpr))), std::max(1, int(std::ceil(height() * dpr))),
               QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(dpr);
    QPainter p(&out);
    paintLayers(p, rect());
    return out;
}

void Canvas::paintSurface(QPainter& p) const {
    endPainting();
    p.save();
    paintLayers(p, rect(), strokesComplete_);
    p.restore();
}

void Canvas::paintLayers(QPainter& p, const QRect& area, bool inkFromStrokes) const {
    p.fillRect(area, back_);
    if (pictureRenderer_) {
        p.save();
        p.setClipRect(area);
        pictureRenderer_(p, QRectF(rect()));
        p.restore();
    } else if (!picture_.isNull()) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(rect()), picture_);
        p.restore();
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& s : shapes_)
        if (s->layer() == Shape::UnderInk && s->Visible() && s->pixelRect().intersects(area))
            s->paint(p);
    if (inkFromStrokes || (image_.isNull() && strokesComplete_ && !strokes_.empty())) {
        p.save();
        for (const Stroke& s : strokes_) paintStroke(p, s);
        p.restore();
    } else if (!image_.isNull()) {
        // The ink image is at the device-pixel ratio: copy the matching device rectangle.
        const qreal dpr = image_.devicePixelRatio();
        const QRectF source(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr);
        p.drawImage(QRectF(area), image_, source);
    }
    for (const auto& s : shapes_)
        if (s->layer() == Shape::OverInk && s->Visible() && s->pixelRect().intersects(area))
            s->paint(p);
}

std::vector<Drawn> Canvas::drawnSince(Mark m) const {
    const std::size_t from = m.cls == clsCount_ ? std::min(m.size, list_.size()) : 0;
    return std::vector<Drawn>(list_.begin() + std::ptrdiff_t(from), list_.end());
}

Shape* Canvas::addShape(Shape::Layer layer, Shape::Kind kind) {
    shapes_.push_back(std::make_unique<Shape>(*this, layer));
    shapes_.back()->setKind(kind);
    return shapes_.back().get();
}

bool Canvas::LoadPicture(const QString& path) {
    QImage picture(path);
    if (picture.isNull()) return false;
    setPicture(picture);
    return true;
}

void Canvas::setPicture(const QImage& picture) {
    picture_ = picture;
    pictureRenderer_ = nullptr;
    update();
}

void Canvas::setPictureRenderer(std::function<void(QPainter&, const QRectF&)> render) {
    picture_ = QImage();
    pictureRenderer_ = std::move(render);
    update();
}

void Canvas::clearPicture() {
    picture_ = QImage();
    pictureRenderer_ = nullptr;
    update();
}

double Canvas::controlLeft(const QWidget* w) const { return toUser(QPointF(w->x(), 0)).x(); }
double Canvas::controlTop(const QWidget* w) const { return toUser(QPointF(0, w->y())).y(); }
double Canvas::controlWidth(const QWidget* w) const {
    return w->width() / std::fabs(pixelsPerUnitX());
}
double Canvas::controlHeight(const QWidget* w) const {
    return w->height() / std::fabs(pixelsPerUnitY());
}
void Canvas::setControlLeft(QWidget* w, double v) const {
    if (std::isfinite(v)) w->move(int(std::lround(toPixel(v, 0).x())), w->y());
}
void Canvas::setControlTop(QWidget* w, double v) const {
    if (std::isfinite(v)) w->move(w->x(), int(std::lround(toPixel(0, v).y())));
}
void Canvas::setControlWidth(QWidget* w, double v) const {
    if (std::isfinite(v))
        w->resize(std::max(1, int(std::lround(std::fabs(v * pixelsPerUnitX())))), w->height());
}
void Canvas::setControlHeight(QWidget* w, double v) const {
    if (std::isfinite(v))
        w->resize(w->width(), std::max(1, int(std::lround(std::fabs(v * pixelsPerUnitY())))));
}

Canvas::~Canvas() { endPainting(); }

std::size_t Canvas::inkBytes() const {
    return std::size_t(image_.sizeInBytes()) + strokes_.capacity() * sizeof(Stroke);
}

Stroke Canvas::stroke(Stroke::Op op, const QColor& color) const {
    Stroke s;
    s.op = op;
    s.color = color.rgba();
    s.width = float(DrawWidth);
    s.style = std::uint8_t(std::clamp(DrawStyle, 0, 255));
    return s;
}

void Canvas::ink(Stroke s) {
    paintStroke(painter(), s);
    if (!strokesComplete_) return;
    if (strokes_.size() >= kMaxStrokes) {
        // Too dense to keep call by call: until the next Cls the ink is its image only.
        strokesComplete_ = false;
        std::vector<Stroke>().swap(strokes_);
        return;
    }
    strokes_.push_back(std::move(s));
}

void Canvas::record(Drawn d) {
    if (recording_) list_.push_back(std::move(d));
    update();
}

// Beyond a million pixels from the surface nothing is a picture any more.
bool Canvas::drawable(const char* what, std::initializer_list<double> values) const {
    const double* v = values.begin();
    bool ok = true;
    for (std::size_t i = 0; i < values.size(); ++i) ok = ok && std::isfinite(v[i]);
    for (std::size_t i = 0; ok && i + 1 < values.size(); i += 2) {
        const QPointF p = toPixel(v[i], v[i + 1]);
        ok = std::fabs(p.x()) < 1e6 && std::fabs(p.y()) < 1e6;
    }
    if (!ok && onUndrawable) {
        QString text = QString::fromLatin1(what) + " at";
        for (double x : values) text += ' ' + QString::number(x);
        onUndrawable(text);
    }
    return ok;
}

void Canvas::Cls() {
    endPainting();
    if (!image_.isNull()) image_.fill(Qt::transparent);
    list_.clear();
    // A picture that once was dense gives its room back; an animation keeps its own.
    if (strokes_.capacity() > 4096) std::vector<Stroke>().swap(strokes_);
    strokes_.clear();
    strokesComplete_ = true;
    ++clsCount_;
    CurrentX = ScaleLeft();
    CurrentY = ScaleTop();
    update();
}

// A line across or down the surface lies on the pixel grid: a line of odd width in device
// pixels runs through the middle of a row (or column) of pixels, one of even width along the
// border between two, so that a one-pixel line is one pixel wide and fully dark, not two
// half-grey pixels. Slanted lines keep their antialiased place.
QLineF Canvas::onGrid(QPointF a, QPointF b) const {
    const double dpr = devicePixelRatioF();
    const int device = int(std::lround(std::max(1, DrawWidth) * dpr));
    auto align = [&](double v) {
        const double d = v * dpr;
        return (device % 2 ? std::floor(d) + 0.5 : std::round(d)) / dpr;
    };
    if (std::fabs(a.x() - b.x()) < 1e-9) a.rx() = b.rx() = align(a.x());
    if (std::fabs(a.y() - b.y()) < 1e-9) a.ry() = b.ry() = align(a.y());
    return QLineF(a, b);
}

// A box on the grid: a filled one ends on whole device pixels, so its edges are sharp; an
// outline has its four sides on the grid as lines are.
QRectF Canvas::onGrid(const QRectF& r, bool filled) const {
    const double dpr = devicePixelRatioF();
    if (filled)
        return QRectF(QPointF(std::round(r.left() * dpr), std::round(r.top() * dpr)) / dpr,
                      QPointF(std::round(r.right() * dpr), std::round(r.bottom() * dpr)) / dpr);
    const QLineF top = onGrid(r.topLeft(), r.topRight()), left = onGrid(r.topLeft(), r.bottomLeft());
    const QLineF bottom = onGrid(r.bottomLeft(), r.bottomRight());
    const QLineF right = onGrid(r.topRight(), r.bottomRight());
    return QRectF(QPointF(left.x1(), top.y1()), QPointF(right.x1(), bottom.y1()));
}

void Canvas::Line(double x1, double y1, double x2, double y2, LineMode mode) {
    Line(x1, y1, x2, y2, ForeColor, mode);
}

void Canvas::Line(double x1, double y1, double x2, double y2, const QColor& color, LineMode mode) {
    if (!drawable("Line", {x1, y1, x2, y2})) return;
    const QPointF a = toPixel(x1, y1), b = toPixel(x2, y2);
    Drawn d;
    d.points = {QPointF(x1, y1), QPointF(x2, y2)};
    d.color = color;
    d.width = DrawWidth;
    d.style = DrawStyle;
    Stroke s = stroke(mode == Plain         ? Stroke::Segment
                      : mode == BoxFilled ? Stroke::FilledRect
                                          : Stroke::Outline,
                      color);
    if (mode == Plain) {
        const QLineF g = onGrid(a, b);
        s.a = g.p1();
        s.b = g.p2();
    } else {
        const QRectF r = onGrid(QRectF(a, b).normalized(), mode == BoxFilled);
        s.a = r.topLeft();
        s.b = r.bottomRight();
    }
    ink(std::move(s));
    if (mode == Plain) {
        d.kind = Drawn::Line;
    } else if (mode == BoxFilled) {
        d.kind = Drawn::FilledBox;
        d.fill = color;
        d.filled = true;
    } else {
        d.kind = Drawn::Box;
    }
    CurrentX = x2;
    CurrentY = y2;
    record(std::move(d));
}

void Canvas::LineTo(double x2, double y2) { Line(CurrentX, CurrentY, x2, y2, ForeColor); }
void Canvas::LineTo(double x2, double y2, const QColor& color) {
    Line(CurrentX, CurrentY, x2, y2, color);
}

void Canvas::Polyline(const std::vector<QPointF>& points, const QColor& color) {
    if (points.empty()) return;
    for (const QPointF& q : points)
        if (!drawable("Polyline", {q.x(), q.y()})) return;
    // How far along the line each segment starts, in pen widths: the pattern's phase there.
    double along = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        Stroke s = stroke(Stroke::Segment, color);
        const QLineF g = onGrid(toPixel(points[i - 1].x(), points[i - 1].y()),
                                toPixel(points[i].x(), points[i].y()));
        s.a = g.p1();
        s.b = g.p2();
        s.dashOffset = float(along);
        along += g.length() / std::max(1.0f, s.width);
        ink(std::move(s));
        if (recording_) {
            Drawn d;
            d.points = {points[i - 1], points[i]};
            d.color = color;
            d.width = DrawWidth;
            d.style = DrawStyle;
            list_.push_back(std::move(d));
        }
    }
    CurrentX = points.back().x();
    CurrentY = points.back().y();
    update();
}

void Canvas::Circle(double x, double y, double radius) { Circle(x, y, radius, ForeColor); }

void Canvas::Circle(double x, double y, double radius, const QColor& color) {
    CircleAspect(x, y, radius, color, 1.0);
}

// Pixel radii of a circle of `radius` user x-units squashed by `aspect`; above 1 the
// radius is the vertical one.
QPointF Canvas::radiiOf(double radius, double aspect) const {
    const double r = std::fabs(radius * pixelsPerUnitX());
    return aspect > 1 ? QPointF(r / aspect, r) : QPointF(r, r * aspect);
}

void Canvas::recordCircle(double x, double y, double radius, const QColor& color, double aspect,
                          bool filled, const double* arc) {
    Drawn d;
    d.kind = Drawn::Circle;
    d.points = {QPointF(x, y)};
    d.color = color;
    d.radius = radius;
    d.aspect = aspect;
    d.filled = filled;
    d.fill = FillColor;
    d.width = DrawWidth;
    d.style = DrawStyle;
    if (arc) {
        d.hasArc = true;
        d.start = arc[0];
        d.end = arc[1];
    }
    CurrentX = x;
    CurrentY = y;
    record(std::move(d));
}

void Canvas::CircleAspect(double x, double y, double radius, const QColor& color, double aspect) {
    if (!drawable("Circle", {x, y, x + radius, y}) || !std::isfinite(aspect)) return;
    Stroke s = stroke(Stroke::Ellipse, color);
    s.a = toPixel(x, y);
    s.b = radiiOf(radius, aspect);
    s.filled = FillStyle == 0;
    s.fill = FillColor.rgba();
    ink(std::move(s));
    recordCircle(x, y, radius, color, aspect, FillStyle == 0, nullptr);
}

void Canvas::Circle(double x, double y, double radius, const QColor& color, double start,
                    double end, double aspect) {
    if (!drawable("Arc", {x, y, x + radius, y}) || !std::isfinite(start) || !std::isfinite(end) ||
        !std::isfinite(aspect))
        return;
    const double a = std::fabs(start), b = std::fabs(end);
    double sweep = b - a;
    if (sweep < 0) sweep += kTwoPi;
    // Counter-clockwise as the eye sees it, whatever the direction of the user y axis.
    const bool closed = start < 0 && end < 0;
    Stroke s = stroke(Stroke::Arc, color);
    s.a = toPixel(x, y);
    s.b = radiiOf(radius, aspect);
    s.start = a;
    s.sweep = sweep;
    s.radiusToStart = start < 0;
    s.radiusToEnd = end < 0;
    s.filled = FillStyle == 0 && closed;
    s.fill = FillColor.rgba();
    ink(std::move(s));
    const double arc[2] = {start, end};
    recordCircle(x, y, radius, color, aspect, FillStyle == 0 && closed, arc);
}

void Canvas::PSet(double x, double y) { PSet(x, y, ForeColor); }

void Canvas::PSet(double x, double y, const QColor& color) {
    if (!drawable("PSet", {x, y})) return;
    Stroke s = stroke(Stroke::Dot, color);
    s.a = toPixel(x, y);
    ink(std::move(s));
    Drawn d;
    d.kind = Drawn::Point;
    d.points = {QPointF(x, y)};
    d.color = color;
    d.width = DrawWidth;
    CurrentX = x;
    CurrentY = y;
    record(std::move(d));
}

QFontMetricsF Canvas::MetricsOf(const QFont& font) {
    static QImage probe = [] {
        QImage i(1, 1, QImage::Format_ARGB32_Premultiplied);
        i.setDotsPerMeterX(3780);
        i.setDotsPerMeterY(3780);
        return i;
    }();
    return QFontMetricsF(font, &probe);
}

double Canvas::TextHeight(const QString&) const { return MetricsOf(font_).height() / pixelsPerUnitY(); }

double Canvas::TextWidth(const QString& text) const {
    return TextPixels(text) / pixelsPerUnitX();
}

double Canvas::TextPixels(const QString& text) const { return MetricsOf(font_).horizontalAdvance(text); }

double Canvas::FitFontSize(double largest, double smallest, const std::function<bool()>& fits) {
    for (double size = largest;; size -= 0.5) {
        setFontSize(size);
        if (size - 0.5 < smallest - 1e-9 || fits()) return size;
    }
}

void Canvas::PrintInside(double x, double y, const QString& text, double smallest) {
    const double size = FontSize();
    const double pixelsPerUnit = std::fabs(pixelsPerUnitX());
    if (!(pixelsPerUnit > 0) || !std::isfinite(x)) return PrintAt(x, y, text);
    // In pixels from the left edge: where the text starts, and the room it has (a margin of 2).
    const bool rightward = ScaleWidth() > 0;
    const double startPx = (rightward ? x - ScaleLeft() : ScaleLeft() - x) * pixelsPerUnit;
    const double room = width() - 2 - startPx;
    FitFontSize(size, smallest, [&] { return TextPixels(text) <= room; });
    const double over = std::max(0.0, std::min(TextPixels(text) - room, startPx));
    PrintAt(x + (rightward ? -over : over) / pixelsPerUnit, y, text);
    setFontSize(size);
}

void Canvas::Print(const QString& text) {
    if (!drawable("Print", {CurrentX, CurrentY})) return;
    const QPointF at = toPixel(CurrentX, CurrentY);
    const QFontMetricsF fm = MetricsOf(font_);
    Stroke s = stroke(Stroke::Text, ForeColor);
    s.a = QPointF(at.x(), at.y() + fm.ascent());
    s.text = text;
    s.font = font_;
    ink(std::move(s));
    Drawn d;
    d.kind = Drawn::Text;
    d.points = {QPointF(CurrentX, CurrentY)};
    d.color = ForeColor;
    d.text = text;
    d.italic = font_.italic();
    d.fontSize = font_.pointSizeF();
    CurrentX = ScaleLeft();
    CurrentY += fm.height() / pixelsPerUnitY();
    record(std::move(d));
}

void Canvas::paintEvent(QPaintEvent* e) {
    endPainting();
    if (!image_.isNull()) ensureImage(); // at the screen's pixel ratio, should it have changed
    QPainter p(this);
    paintLayers(p, e->rect());
}

void Canvas::resizeEvent(QResizeEvent*) {
    endPainting();
    // Ink already drawn grows with the surface; a surface without ink waits for its first line.
    if (!image_.isNull()) ensureImage();
}

int mouseButtonCode(Qt::MouseButton b) {
    return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0;
}

int shiftStateCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

void Canvas::mousePressEvent(QMouseEvent* e) {
    pressed_ = true;
    pressedAt_ = e->position();
    const QPointF u = toUser(e->position());
    if (onMouseDown)
        onMouseDown(mouseButtonCode(e->button()), shiftStateCode(e->modifiers()), u.x(), u.y());
}

void Canvas::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF u = toUser(e->position());
    if (onMouseUp)
        onMouseUp(mouseButtonCode(e->button()), shiftStateCode(e->modifiers()), u.x(), u.y());
    // A click is a press and release at one spot: a drag marks two points and must not be
    // wiped out by the redraw that a click on the window makes.
    const bool still = (e->position() - pressedAt_).manhattanLength() < 4;
    if (pressed_ && still && e->button() == Qt::LeftButton && onClick) onClick();
    pressed_ = false;
}
