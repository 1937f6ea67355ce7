#include "history/storiopt.h"

#include "history/page.h"

#include <QPainter>

namespace {

// Shows the page in the part of the picture box that the window lets the student see: the box
// is as large as the whole window, its frame and menu bar included, so its lower edge lies
// beyond the window's.
void ShowPage(Canvas* picture, HistoryPage& page) {
    picture->setBackColor(QColor(255, 253, 245));
    picture->setPictureRenderer([picture, &page](QPainter& painter, const QRectF& box) {
        QRectF seen = box;
        if (const QWidget* parent = picture->parentWidget())
            seen &= QRectF(QPointF(-picture->x(), -picture->y()), QSizeF(parent->size()));
        const double margin = std::min(seen.width(), seen.height()) * 0.03;
        page.paint(painter, seen.adjusted(margin, margin, -margin, -margin));
    });
}

} // namespace

storiopt::storiopt(History& part)
    : Form("storiopt", QStringLiteral("Σύντομη Ιστορία")), part_(part),
      page1_(std::make_unique<HistoryPage>(QStringLiteral(":/history/page1.html"))),
      page2_(std::make_unique<HistoryPage>(QStringLiteral(":/history/page2.html"))) {
    mayBeCovered = true; // a page over the whole screen, under whatever opens next
    Picture1 = new Canvas(canvas);
    Picture2 = new Canvas(canvas);
    ShowPage(Picture1, *page1_);
    ShowPage(Picture2, *page2_);
    protomeros = addTopItem(QStringLiteral("PROTO"));
    defteromeros = addTopItem(QStringLiteral("DEFTERO"));
    klisimo = addTopItem(QStringLiteral("KLISIMO"));
    onClick(protomeros, [this] { protomeros_Click(); });
    onClick(defteromeros, [this] { defteromeros_Click(); });
    onClick(klisimo, [this] { klisimo_Click(); });
    connection_ = part_.changed.connect([this](const HistoryChange& c) {
        if (c.what == HistoryChange::Opened) takePlace();
        if (c.what == HistoryChange::Page) showPage();
    });
}

storiopt::~storiopt() = default;

void storiopt::showPicture(Canvas* picture) {
    setWidth(picture, Width());
    setHeight(picture, Height());
    setTop(picture, 0);
    setLeft(picture, 0);
    picture->show();
}

void storiopt::takePlace() {
    placeOnScreen();
    setHeight(Picture1, Height());
    setWidth(Picture1, Width());
}

void storiopt::showPage() {
    if (part_.page == 2) {
        Picture1->hide();
        showPicture(Picture2);
    } else {
        showPicture(Picture1);
        Picture2->hide();
    }
}

void storiopt::Form_Load() {
    placeOnScreen();
    showPage();
}

void storiopt::protomeros_Click() { part_.turnTo(1); }

void storiopt::defteromeros_Click() { part_.turnTo(2); }

void storiopt::klisimo_Click() { Hide(); }
