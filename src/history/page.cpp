#include "history/page.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {
// The page's letters are never set smaller than a reader can take in on a small window, nor
// larger than a book's on a large one: the layout width stays within these bounds.
constexpr double kNarrowest = 420, kWidest = 2400;
// Across a wide window the lines would grow too long to follow: the page keeps to at most this
// many times its height across.
constexpr double kMostAcross = 1.6;
} // namespace

HistoryPage::HistoryPage(const QString& resource) : doc_(std::make_unique<QTextDocument>()) {
    QFile file(resource);
    if (file.open(QIODevice::ReadOnly)) {
        doc_->setHtml(QString::fromUtf8(file.readAll()));
        loaded_ = true;
    }
    doc_->setDocumentMargin(0);
}

HistoryPage::~HistoryPage() = default;

QString HistoryPage::plainText() const { return doc_->toPlainText(); }

HistoryPage::Fit HistoryPage::fitFor(const QSizeF& area) {
    if (area == fittedArea_ && fit_.layoutWidth > 0) return fit_;
    Fit fit;
    const double across = std::min(area.width(), area.height() * kMostAcross);
    if (!(across > 0) || !(area.height() > 0)) return fit;
    auto heightAt = [this](double width) {
        doc_->setTextWidth(width);
        return doc_->size().height();
    };
    // Scaled by across / width, the page is height(width) * across / width high: this falls as
    // the width grows, so the fitting width is found by halving the interval.
    auto fits = [&](double width) { return heightAt(width) * across / width <= area.height(); };
    double low = kNarrowest, high = kWidest;
    if (fits(low)) {
        high = low;
    } else if (fits(high)) {
        for (int i = 0; i < 30 && high - low > 0.5; ++i) {
            const double mid = (low + high) / 2;
            (fits(mid) ? high : low) = mid;
        }
    }
    fit.layoutWidth = high;
    fit.height = heightAt(high);
    fit.scale = across / high;
    // A page too long even at the widest layout is shrunk further, so it still shows whole.
    if (fit.height * fit.scale > area.height()) fit.scale = area.height() / fit.height;
    fittedArea_ = area;
    fit_ = fit;
    return fit;
}

void HistoryPage::paint(QPainter& painter, const QRectF& area) {
    if (!loaded_) return;
    const Fit fit = fitFor(area.size());
    if (!(fit.layoutWidth > 0)) return;
    doc_->setTextWidth(fit.layoutWidth);
    const double shown = fit.layoutWidth * fit.scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(area.left() + (area.width() - shown) / 2, area.top());
    painter.scale(fit.scale, fit.scale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, 0, fit.layoutWidth, fit.height);
    doc_->documentLayout()->draw(&painter, context);
    painter.restore();
}
