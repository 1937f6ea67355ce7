#pragma once
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <functional>

// A command button whose caption wraps over several lines, as long bilingual captions need.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent);
    QString Caption() const { return text(); }
    void setCaption(const QString& c) {
        setText(c);
        update();
    }
    std::function<void()> Click; // set by the window; the button's click calls it

protected:
    void paintEvent(QPaintEvent*) override;
};

// A label with the window's look: wrapped text on a transparent background.
QLabel* makeLabel(const QString& caption, QWidget* parent);

// A horizontal scroll bar with its range and steps; `change` runs whenever its value
// changes, whether the student moved it or a handler set it.
QScrollBar* makeHScroll(QWidget* parent, int min, int max, int value, int smallChange,
                        int largeChange, std::function<void()> change);

// Key codes as the handlers compare them: 13 Enter, 36 Home, 37 left, 38 up, 39 right,
// 40 down, 46 Delete, letters and digits as their capital ASCII codes.
int keyCodeOf(int qtKey);
// Calls `keyDown(keyCode, shift)` for every key pressed in the widget, before it acts.
void onKeyDown(QWidget* w, std::function<void(int keyCode, int shift)> keyDown);

// Font of a control by the program's names.
void setControlFont(QWidget* w, const QString& family, double points, bool bold = false);
