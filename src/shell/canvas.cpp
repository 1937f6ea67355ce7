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

QColor colourOf(const Rgb& c) { return QColor(c.r, c.g, c.b, c.a); }

QPen itemPen(const DrawItem& d) {
    QPen p(colourOf(d.colour.value_or(Rgb{})));
    p.setWidthF(std::max(1, d.width));
    p.setStyle(penStyle(d.style));
    if (d.dashOffset != 0) p.setDashOffset(d.dashOffset);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

QPointF onPixels(const PixelFrame& f, Point p) {
    return QPointF((p.x - f.left) * f.perX, (p.y - f.top) * f.perY);
}

// A line across or down the surface lies on the pixel grid: a line of odd width in device
// pixels runs through the middle of a row (or column) of pixels, one of even width along the
// border between two, so that a one-pixel line is one pixel wide and fully dark, not two
// half-grey pixels. Slanted lines keep their antialiased place.
QLineF onGrid(QPointF a, QPointF b, int width, double dpr) {
    const int device = int(std::lround(std::max(1, width) * dpr));
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
QRectF onGrid(const QRectF& r, bool filled, int width, double dpr) {
    if (filled)
        return QRectF(QPointF(std::round(r.left() * dpr), std::round(r.top() * dpr)) / dpr,
                      QPointF(std::round(r.right() * dpr), std::round(r.bottom() * dpr)) / dpr);
    const QLineF top = onGrid(r.topLeft(), r.topRight(), width, dpr);
    const QLineF left = onGrid(r.topLeft(), r.bottomLeft(), width, dpr);
    const QLineF bottom = onGrid(r.bottomLeft(), r.bottomRight(), width, dpr);
    const QLineF right = onGrid(r.topRight(), r.bottomRight(), width, dpr);
    return QRectF(QPointF(left.x1(), top.y1()), QPointF(right.x1(), bottom.y1()));
}

// Pixel radii of a circle of `radius` user x-units squashed by `aspect`; above 1 the radius is
// the vertical one.
QPointF radiiOf(const PixelFrame& f, double radius, double aspect) {
    const double r = std::fabs(radius * f.perX);
    return aspect > 1 ? QPointF(r / aspect, r) : QPointF(r, r * aspect);
}

// The one routine that paints what was drawn: onto the ink image as it is drawn, and onto
// any other painter when the drawing is painted again or taken away.
void paintItem(QPainter& p, const DrawItem& d, const PixelFrame& f) {
    const QColor colour = colourOf(d.colour.value_or(Rgb{}));
    switch (d.kind) {
    case DrawItem::Line: {
        p.setPen(itemPen(d));
        p.drawLine(onGrid(onPixels(f, d.a), onPixels(f, d.b), d.width, f.dpr));
        break;
    }
    case DrawItem::Box:
        p.setPen(itemPen(d));
        p.setBrush(Qt::NoBrush);
        p.drawRect(onGrid(QRectF(onPixels(f, d.a), onPixels(f, d.b)).normalized(), false, d.width, f.dpr));
        break;
    case DrawItem::FilledBox:
        p.fillRect(onGrid(QRectF(onPixels(f, d.a), onPixels(f, d.b)).normalized(), true, d.width, f.dpr),
                   colour);
        break;
    case DrawItem::Circle: {
        const QPointF c = onPixels(f, d.a), r = radiiOf(f, d.radius, d.aspect);
        if (!d.arc) {
            p.setPen(itemPen(d));
            p.setBrush(d.filled ? QBrush(colourOf(d.fill)) : QBrush(Qt::NoBrush));
            p.drawEllipse(c, r.x(), r.y());
            break;
        }
        const double from = std::fabs(d.start), to = std::fabs(d.end);
        double sweep = to - from;
        if (sweep < 0) sweep += kTwoPi;
        const bool toStart = d.start < 0, toEnd = d.end < 0;
        auto onArc = [&](double t) {
            return QPointF(c.x() + r.x() * std::cos(t), c.y() - r.y() * std::sin(t));
        };
        const QRectF box(c.x() - r.x(), c.y() - r.y(), 2 * r.x(), 2 * r.y());
        QPainterPath path;
        if (toStart) {
            path.moveTo(c);
            path.lineTo(onArc(from));
        } else {
            path.moveTo(onArc(from));
        }
        path.arcTo(box, from * 180 / M_PI, sweep * 180 / M_PI);
        if (toEnd) path.lineTo(c);
        if (toStart && toEnd) path.closeSubpath();
        if (d.filled) p.fillPath(path, colourOf(d.fill));
        p.setPen(itemPen(d));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        break;
    }
    case DrawItem::Dot: {
        const QPointF at = onPixels(f, d.a);
        if (d.width <= 1) {
            p.fillRect(QRectF(at.x() - 0.5, at.y() - 0.5, 1, 1), colour);
        } else {
            const double r = d.width / 2.0;
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(at, r, r);
        }
        break;
    }
    case DrawItem::Text: {
        const QFont font = Canvas::FontOf(d);
        const QPointF at = onPixels(f, d.a);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPointF(at.x(), at.y() + Canvas::MetricsOf(font).ascent()), QString::fromStdString(d.text));
        break;
    }
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
    } else if (complete_ && !items_.empty()) {
        // The ink was given back while the window was hidden: its display list draws it again.
        QPainter p(&grown);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        for (const DrawItem& d : items_) paintItem(p, d, frames_[d.frame]);
    }
    image_ = grown;
}

void Canvas::releaseInk() {
    if (!complete_ || image_.isNull()) return;
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
    paintLayers(p, rect(), complete_);
    p.restore();
}

void Canvas::paintLayers(QPainter& p, const QRect& area, bool inkFromList) const {
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
    if (inkFromList || (image_.isNull() && complete_ && !items_.empty())) {
        p.save();
        for (const DrawItem& d : items_) paintItem(p, d, frames_[d.frame]);
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

std::vector<DrawItem> Canvas::drawnSince(Mark m) const {
    const std::size_t from = m.cls == clsCount_ ? std::min(m.size, items_.size()) : 0;
    return std::vector<DrawItem>(items_.begin() + std::ptrdiff_t(from), items_.end());
}

QColor Canvas::ColourOf(const DrawItem& item) { return colourOf(item.colour.value_or(Rgb{})); }

QPointF Canvas::pixelOf(const DrawItem& item) const {
    return item.frame < frames_.size() ? onPixels(frames_[item.frame], item.a) : toPixel(item.a.x, item.a.y);
}

QFont Canvas::FontOf(const DrawItem& item) {
    QFont f(QString::fromStdString(item.fontName));
    if (item.fontSize > 0) f.setPointSizeF(item.fontSize);
    f.setBold(item.bold);
    f.setItalic(item.italic);
    return f;
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
    return std::size_t(image_.sizeInBytes()) + items_.capacity() * sizeof(DrawItem) +
           frames_.capacity() * sizeof(PixelFrame);
}

PixelFrame Canvas::frame() const {
    return {ScaleLeft(), ScaleTop(), pixelsPerUnitX(), pixelsPerUnitY(), devicePixelRatioF()};
}

DrawItem Canvas::item(DrawItem::Kind kind, const QColor& color) {
    // The scale in force, kept once for every item drawn in it.
    const PixelFrame f = frame();
    if (frames_.empty() || !(frames_.back() == f)) frames_.push_back(f);
    DrawItem d;
    d.kind = kind;
    d.colour = Rgb{color.red(), color.green(), color.blue(), color.alpha()};
    d.width = DrawWidth;
    d.style = std::clamp(DrawStyle, 0, 255);
    d.frame = std::uint32_t(frames_.size() - 1);
    return d;
}

void Canvas::ink(DrawItem d) {
    paintItem(painter(), d, frames_[d.frame]);
    update();
    if (!complete_) return;
    if (items_.size() >= kMaxItems) {
        // Too dense to keep call by call: until the next Cls the ink is its image only.
        complete_ = false;
        std::vector<DrawItem>().swap(items_);
        return;
    }
    items_.push_back(std::move(d));
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
    // A picture that once was dense gives its room back; an animation keeps its own.
    if (items_.capacity() > 4096) std::vector<DrawItem>().swap(items_);
    items_.clear();
    frames_.clear();
    complete_ = true;
    ++clsCount_;
    CurrentX = ScaleLeft();
    CurrentY = ScaleTop();
    update();
}

void Canvas::Line(double x1, double y1, double x2, double y2, LineMode mode) {
    Line(x1, y1, x2, y2, ForeColor, mode);
}

void Canvas::Line(double x1, double y1, double x2, double y2, const QColor& color, LineMode mode) {
    if (!drawable("Line", {x1, y1, x2, y2})) return;
    DrawItem d = item(mode == Plain ? DrawItem::Line : mode == BoxFilled ? DrawItem::FilledBox : DrawItem::Box, color);
    d.a = {x1, y1};
    d.b = {x2, y2};
    CurrentX = x2;
    CurrentY = y2;
    ink(std::move(d));
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
        DrawItem d = item(DrawItem::Line, color);
        d.a = {points[i - 1].x(), points[i - 1].y()};
        d.b = {points[i].x(), points[i].y()};
        d.dashOffset = float(along);
        const PixelFrame& f = frames_[d.frame];
        along += onGrid(onPixels(f, d.a), onPixels(f, d.b), d.width, f.dpr).length() / std::max(1, d.width);
        ink(std::move(d));
    }
    CurrentX = points.back().x();
    CurrentY = points.back().y();
}

void Canvas::Circle(double x, double y, double radius) { Circle(x, y, radius, ForeColor); }

void Canvas::Circle(double x, double y, double radius, const QColor& color) {
    CircleAspect(x, y, radius, color, 1.0);
}

void Canvas::CircleAspect(double x, double y, double radius, const QColor& color, double aspect) {
    if (!drawable("Circle", {x, y, x + radius, y}) || !std::isfinite(aspect)) return;
    DrawItem d = item(DrawItem::Circle, color);
    d.a = {x, y};
    d.radius = radius;
    d.aspect = aspect;
    d.filled = FillStyle == 0;
    d.fill = Rgb{FillColor.red(), FillColor.green(), FillColor.blue(), FillColor.alpha()};
    CurrentX = x;
    CurrentY = y;
    ink(std::move(d));
}

void Canvas::Circle(double x, double y, double radius, const QColor& color, double start,
                    double end, double aspect) {
    if (!drawable("Arc", {x, y, x + radius, y}) || !std::isfinite(start) || !std::isfinite(end) ||
        !std::isfinite(aspect))
        return;
    DrawItem d = item(DrawItem::Circle, color);
    d.a = {x, y};
    d.radius = radius;
    d.aspect = aspect;
    d.arc = true;
    d.start = start;
    d.end = end;
    // Only a closed sector (both angles negative: both radii drawn) is filled.
    d.filled = FillStyle == 0 && start < 0 && end < 0;
    d.fill = Rgb{FillColor.red(), FillColor.green(), FillColor.blue(), FillColor.alpha()};
    CurrentX = x;
    CurrentY = y;
    ink(std::move(d));
}

void Canvas::PSet(double x, double y) { PSet(x, y, ForeColor); }

void Canvas::PSet(double x, double y, const QColor& color) {
    if (!drawable("PSet", {x, y})) return;
    DrawItem d = item(DrawItem::Dot, color);
    d.a = {x, y};
    CurrentX = x;
    CurrentY = y;
    ink(std::move(d));
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
    DrawItem d = item(DrawItem::Text, ForeColor);
    d.a = {CurrentX, CurrentY};
    d.text = text.toStdString();
    d.fontName = font_.family().toStdString();
    d.fontSize = font_.pointSizeF();
    d.bold = font_.bold();
    d.italic = font_.italic();
    CurrentX = ScaleLeft();
    CurrentY += MetricsOf(font_).height() / pixelsPerUnitY();
    ink(std::move(d));
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
