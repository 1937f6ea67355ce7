#include "shell/form.h"
#include "shell/dialogs.h"
#include "shell/takeaway.h"

#include <QCloseEvent>
#include <QTimer>
#include <QWindow>
#include <cmath>

namespace {
constexpr double kTwips = 15.0;
int px(double twips) { return int(std::lround(twips / kTwips)); }
} // namespace

Form::Form(const char* name, const QString& caption) {
    setObjectName(name);
    setWindowTitle(caption);
    canvas = new Canvas(this);
    canvas->onMouseDown = [this](int b, int s, double x, double y) { Form_MouseDown(b, s, x, y); };
    canvas->onMouseUp = [this](int b, int s, double x, double y) { Form_MouseUp(b, s, x, y); };
    canvas->onClick = [this] { Form_Click(); };
    resize(640, 480);
    layoutChildren();
    InstallTakeAwayKeys();
}

Form::~Form() { stopTimers(); }

Timer* Form::addTimer(std::function<void()> tick, int interval, bool enabled) {
    auto* t = new Timer(this, std::move(tick));
    t->setEnabled(enabled);
    t->setInterval(interval);
    timers_.push_back(t);
    return t;
}

void Form::stopTimers() {
    for (Timer* t : timers_) t->setEnabled(false);
}

QMargins Form::frameMargins() const {
    if (isVisible())
        if (const QWindow* w = windowHandle()) {
            const QMargins m = w->frameMargins();
            if (!m.isNull()) return m;
        }
    return screen_ ? screen_->frame : QMargins();
}

QRect Form::outerRect() const {
    const QMargins m = frameMargins();
    const QRect client = geometry();
    const QPoint origin = screen_ ? QPoint(screen_->leftPx, screen_->topPx) : QPoint();
    return client.adjusted(-m.left(), -m.top(), m.right(), m.bottom()).translated(-origin);
}

void Form::setOuterRect(const QRect& outer) {
    const QMargins m = frameMargins();
    const QPoint origin = screen_ ? QPoint(screen_->leftPx, screen_->topPx) : QPoint();
    askedOuter_ = outer;
    assumedFrame_ = m;
    placed_ = true;
    // The client area inside the frame: the window manager builds the frame round it, so the
    // frame takes the place asked for.
    setGeometry(outer.x() + origin.x() + m.left(), outer.y() + origin.y() + m.top(),
                std::max(1, outer.width() - m.left() - m.right()),
                std::max(1, outer.height() - m.top() - m.bottom()));
    layoutChildren();
}

void Form::MsgBox(const QString& text, const QString& title) { host_->dialogs().MsgBox(text, title); }

QString Form::InputBox(const QString& prompt, const QString& title, const QString& proposed) {
    return host_->dialogs().InputBox(prompt, title, proposed);
}

void Form::placeOnScreen() {
    if (placer_) setOuterRect(placer_(*this));
}

void Form::sizeOnScreen() {
    if (!placer_) return;
    QRect r = outerRect();
    r.setSize(placer_(*this).size());
    setOuterRect(r);
}

double Form::Left() const { return outerRect().x() * kTwips; }
double Form::Top() const { return outerRect().y() * kTwips; }
double Form::Width() const { return outerRect().width() * kTwips; }
double Form::Height() const { return outerRect().height() * kTwips; }
void Form::setLeft(double t) {
    QRect r = outerRect();
    r.moveLeft(px(t));
    setOuterRect(r);
}
void Form::setTop(double t) {
    QRect r = outerRect();
    r.moveTop(px(t));
    setOuterRect(r);
}
void Form::setWidth(double t) {
    QRect r = outerRect();
    r.setWidth(std::max(1, px(t)));
    setOuterRect(r);
}
void Form::setHeight(double t) {
    QRect r = outerRect();
    r.setHeight(std::max(1, px(t)));
    setOuterRect(r);
}

void Form::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    frameChecks_ = 0;
    checkFrame();
}

void Form::checkFrame() {
    if (!isVisible()) return;
    const QWindow* w = windowHandle();
    const QMargins m = w ? w->frameMargins() : QMargins();
    if (m.isNull()) {
        // A window manager frames a window a little after it shows: look again, for a second.
        if (++frameChecks_ < 20) QTimer::singleShot(50, this, [this] { checkFrame(); });
        return;
    }
    if (screen_) screen_->frame = m;
    // Placed with another frame than the one it got: the frame takes the place asked for.
    if (placed_ && m != assumedFrame_) setOuterRect(askedOuter_);
}

double Form::MenuHeight() const {
    return menuBar_ ? menuBar_->sizeHint().height() * kTwips : 0;
}

void Form::Show() {
    show();
    raise();
}

void Form::setVisible(bool on) {
    // A hidden window's animations stop with it: nobody would see them.
    if (!on) stopTimers();
    QWidget::setVisible(on);
    if (on) {
        layoutChildren();
        for (Timer* t : timers_) t->resume();
    }
    // A hidden window keeps its drawing as strokes only, not as a screen-sized image.
    if (!on)
        for (Canvas* c : findChildren<Canvas*>()) c->releaseInk();
}

void Form::layoutChildren() {
    int top = 0;
    if (menuBar_) {
        top = menuBar_->sizeHint().height();
        menuBar_->setGeometry(0, 0, width(), top);
    }
    canvas->setGeometry(0, top, width(), std::max(1, height() - top));
    for (const NearEdges& n : nearEdges_) placeNearEdges(n);
}

void Form::placeTwipsNearEdges(QWidget* w, double left, double top, double width, double height,
                               double designWidth, double designHeight) {
    for (auto it = nearEdges_.begin(); it != nearEdges_.end();)
        it = it->w == w ? nearEdges_.erase(it) : it + 1;
    nearEdges_.push_back({w, left, top, width, height, designWidth, designHeight});
    placeNearEdges(nearEdges_.back());
}

void Form::placeNearEdges(const NearEdges& n) {
    const double surfaceWidth = canvas->width() * kTwips, surfaceHeight = canvas->height() * kTwips;
    double left = n.left, top = n.top;
    if (left + n.width / 2 > n.designWidth / 2) left += surfaceWidth - n.designWidth;
    if (top + n.height / 2 > n.designHeight / 2) top += surfaceHeight - n.designHeight;
    placeTwips(n.w, std::max(0.0, left), std::max(0.0, top), n.width, n.height);
}

void Form::resizeEvent(QResizeEvent*) { layoutChildren(); }

void Form::closeEvent(QCloseEvent* e) {
    // The title bar's close button hides the window (which stops its timers); it stays loaded,
    // as BACK leaves it. The program then decides whether that was the end.
    e->accept();
    hide();
    if (onClosed) onClosed(*this);
}

QMenu* Form::addMenu(const QString& title) {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
        layoutChildren();
    }
    return menuBar_->addMenu(title);
}

QMenu* Form::addSubMenu(QMenu* parent, const QString& title) { return parent->addMenu(title); }

QAction* Form::addTopItem(const QString& title) {
    if (!menuBar_) addMenu(QString())->menuAction()->setVisible(false);
    return menuBar_->addAction(title);
}

QAction* Form::addItem(QMenu* menu, const QString& title, bool checkable) {
    QAction* a = menu->addAction(title);
    a->setCheckable(checkable);
    return a;
}

void Form::onClick(QAction* item, std::function<void()> handler) {
    connect(item, &QAction::triggered, this, [h = std::move(handler)] { h(); });
}

// A control is placed in the scale of the surface it sits on: the window's, or a picture
// box's.
namespace {
const Canvas& surfaceOf(const QWidget* w, const Canvas* fallback) {
    const auto* c = qobject_cast<const Canvas*>(w->parentWidget());
    return c ? *c : *fallback;
}
} // namespace

double Form::Left(const QWidget* w) const { return surfaceOf(w, canvas).controlLeft(w); }
double Form::Top(const QWidget* w) const { return surfaceOf(w, canvas).controlTop(w); }
double Form::Width(const QWidget* w) const { return surfaceOf(w, canvas).controlWidth(w); }
double Form::Height(const QWidget* w) const { return surfaceOf(w, canvas).controlHeight(w); }
void Form::setLeft(QWidget* w, double v) { surfaceOf(w, canvas).setControlLeft(w, v); }
void Form::setTop(QWidget* w, double v) { surfaceOf(w, canvas).setControlTop(w, v); }
void Form::setWidth(QWidget* w, double v) { surfaceOf(w, canvas).setControlWidth(w, v); }
void Form::setHeight(QWidget* w, double v) { surfaceOf(w, canvas).setControlHeight(w, v); }

bool Form::overlapAllowed(const QWidget* a, const QWidget* b) const {
    for (const auto& [p, q] : overlaps_)
        if ((p == a && q == b) || (p == b && q == a)) return true;
    return false;
}

void Form::place(QWidget* w, double left, double top, double width, double height) {
    setLeft(w, left);
    setTop(w, top);
    setWidth(w, width);
    setHeight(w, height);
}

void Form::placeTwips(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(px(left), px(top), std::max(1, px(width)), std::max(1, px(height)));
}
