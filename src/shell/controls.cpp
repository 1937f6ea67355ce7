#include "shell/controls.h"

#include "shell/canvas.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click) Click();
    });
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
}

QLabel* makeLabel(const QString& caption, QWidget* parent) {
    auto* l = new QLabel(caption, parent);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

namespace {
QScrollBar* makeScroll(Qt::Orientation o, QWidget* parent, int min, int max, int value,
                       int smallChange, int largeChange, std::function<void()> change) {
    auto* s = new QScrollBar(o, parent);
    s->setRange(min, max);
    s->setSingleStep(smallChange);
    s->setPageStep(largeChange);
    s->setValue(value);
    QObject::connect(s, &QScrollBar::valueChanged, s, [change](int) {
        if (change) change();
    });
    return s;
}
} // namespace

QScrollBar* makeHScroll(QWidget* parent, int min, int max, int value, int smallChange,
                        int largeChange, std::function<void()> change) {
    return makeScroll(Qt::Horizontal, parent, min, max, value, smallChange, largeChange,
                      std::move(change));
}

QScrollBar* makeVScroll(QWidget* parent, int min, int max, int value, int smallChange,
                        int largeChange, std::function<void()> change) {
    return makeScroll(Qt::Vertical, parent, min, max, value, smallChange, largeChange,
                      std::move(change));
}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && Click) Click();
    });
}

void optionGroup(std::initializer_list<OptionButton*> buttons) {
    if (buttons.size() == 0) return;
    auto* group = new QButtonGroup((*buttons.begin())->parentWidget());
    group->setExclusive(true);
    for (OptionButton* b : buttons) group->addButton(b);
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    connect(this, &QCheckBox::toggled, this, [this](bool) {
        if (Click) Click();
    });
}

MultiLineText::MultiLineText(QWidget* parent, double fontSize) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap at the box's width
    setFontSize(fontSize);
}

void MultiLineText::setFontSize(double points) {
    if (!(points > 0 && points < 200)) return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

int keyCodeOf(int k) {
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    default:
        // Letters and digits keep their codes; punctuation such as "(" must not read as an
        // arrow key, whose codes it shares.
        if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) return k;
        if (k == Qt::Key_Space) return 32;
        return 0;
    }
}

namespace {
class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, std::function<void(int, int)> f) : QObject(parent), f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            f_(keyCodeOf(k->key()), shiftStateCode(k->modifiers()));
        }
        return false;
    }

private:
    std::function<void(int, int)> f_;
};
} // namespace

namespace {
class FocusFilter : public QObject {
public:
    FocusFilter(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) f_();
        return false;
    }

private:
    std::function<void()> f_;
};
} // namespace

void onGotFocus(QWidget* w, std::function<void()> gotFocus) {
    if (w->focusPolicy() == Qt::NoFocus) w->setFocusPolicy(Qt::StrongFocus);
    w->installEventFilter(new FocusFilter(w, std::move(gotFocus)));
}

void onKeyDown(QWidget* w, std::function<void(int, int)> keyDown) {
    w->installEventFilter(new KeyFilter(w, std::move(keyDown)));
}

void setControlFont(QWidget* w, const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
}
