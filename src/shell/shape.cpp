#include "shell/shape.h"

#include "shell/canvas.h"

#include <QPainter>

#include <cmath>

void Shape::setKind(Kind k) {
    kind_ = k;
    changed();
}

void Shape::move(double left, double top, double width, double height) {
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) ||
        !std::isfinite(height))
        return; // a shape never goes where no number leads
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = std::fabs(width);
    height_ = std::fabs(height);
    changed();
}

// The upper edge is the larger y when the scale's y grows upwards.
QPointF Shape::centre() const {
    const double down = canvas_.ScaleHeight() < 0 ? -1 : 1;
    return QPointF(left_ + width_ / 2, top_ + down * height_ / 2);
}

void Shape::centreOn(double x, double y) {
    const double down = canvas_.ScaleHeight() < 0 ? -1 : 1;
    move(x - width_ / 2, y - down * height_ / 2, width_, height_);
}

void Shape::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed();
}
void Shape::setFillColor(const QColor& c) {
    fillColor_ = c;
    changed();
}
void Shape::setFillStyle(int s) {
    fillStyle_ = s;
    changed();
}
void Shape::setBackColor(const QColor& c) {
    backColor_ = c;
    changed();
}
void Shape::setBackStyle(int s) {
    backStyle_ = s;
    changed();
}
void Shape::setBorderStyle(int s) {
    borderStyle_ = s;
    changed();
}
void Shape::setBorderColor(const QColor& c) {
    borderColor_ = c;
    changed();
}
void Shape::setBorderWidth(int w) {
    borderWidth_ = std::max(1, w);
    changed();
}

QRectF Shape::pixelRect() const {
    const QPointF a = canvas_.toPixel(left_, top_);
    const double w = width_ * std::fabs(canvas_.pixelsPerUnitX());
    const double h = height_ * std::fabs(canvas_.pixelsPerUnitY());
    QRectF r(a.x(), a.y(), w, h);
    if (kind_ == Square || kind_ == Circle) {
        // The side is the smaller extent, centred in the control's area.
        const double side = std::min(w, h);
        r = QRectF(a.x() + (w - side) / 2, a.y() + (h - side) / 2, side, side);
    }
    return r;
}

namespace {
Qt::BrushStyle hatch(int fillStyle) {
    switch (fillStyle) {
    case Shape::Solid: return Qt::SolidPattern;
    case Shape::HorizontalLine: return Qt::HorPattern;
    case Shape::VerticalLine: return Qt::VerPattern;
    case Shape::UpwardDiagonal: return Qt::BDiagPattern;
    case Shape::DownwardDiagonal: return Qt::FDiagPattern;
    case Shape::Cross: return Qt::CrossPattern;
    case Shape::DiagonalCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}
} // namespace

void Shape::paint(QPainter& p) const {
    if (!visible_) return;
    const QRectF r = pixelRect();
    auto outline = [&](const QBrush& brush, const QPen& pen) {
        p.setBrush(brush);
        p.setPen(pen);
        if (kind_ == Oval || kind_ == Circle)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    };
    if (backStyle_ == 1) outline(QBrush(backColor_), Qt::NoPen);
    if (fillStyle_ != Transparent) outline(QBrush(fillColor_, hatch(fillStyle_)), Qt::NoPen);
    if (borderStyle_ != 0) {
        QPen pen(borderColor_);
        pen.setWidth(borderWidth_);
        outline(Qt::NoBrush, pen);
    }
}

void Shape::changed() {
    const QRectF now = visible_ ? pixelRect().adjusted(-borderWidth_ - 1, -borderWidth_ - 1,
                                                       borderWidth_ + 1, borderWidth_ + 1)
                                : QRectF();
    canvas_.update(painted_.united(now).toAlignedRect());
    painted_ = now;
}
