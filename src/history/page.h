#pragma once
// A history page: a text document of the program's resources (rich text, Greek), laid out and
// drawn at the size of the surface that shows it, so that it stays sharp at any window size and
// pixel ratio. The page is set as large as the surface allows, one page to a surface.
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QTextDocument;

class HistoryPage {
public:
    // `resource` names the document, ":/history/page1.html"; an unreadable one shows nothing.
    explicit HistoryPage(const QString& resource);
    ~HistoryPage();
    bool loaded() const { return loaded_; }
    QString plainText() const;

    // Paints the page into `area`, scaled to fill it as far as its proportions allow and
    // centred across.
    void paint(QPainter& painter, const QRectF& area);

    // The width at which the page is laid out before it is scaled into an area of this size,
    // and the scale: the smallest width (largest letters) at which the whole page fits.
    struct Fit {
        double layoutWidth = 0, scale = 1, height = 0;
    };
    Fit fitFor(const QSizeF& area);

private:
    std::unique_ptr<QTextDocument> doc_;
    bool loaded_ = false;
    QSizeF fittedArea_;
    Fit fit_;
};
