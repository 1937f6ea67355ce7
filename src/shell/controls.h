#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
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

// The same, standing: Min at the top, Max at the bottom.
QScrollBar* makeVScroll(QWidget* parent, int min, int max, int value, int smallChange,
                        int largeChange, std::function<void()> change);

// An option button. Option buttons on one surface exclude each other (one on at a time);
// `optionGroup` makes a separate group of some of them. Click runs when the button comes on,
// whether the student clicked it or a handler set Value.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString& caption, QWidget* parent);
    bool Value() const { return isChecked(); }
    void setValue(bool on) { setChecked(on); }
    std::function<void()> Click;
};
// Makes the buttons one group of their own: turning one on turns the others of the group off.
void optionGroup(std::initializer_list<OptionButton*> buttons);

// A check box read as 0 (off) and 1 (on); Click runs on every change of Value.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const QString& caption, QWidget* parent);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
    std::function<void()> Click;
};

// A text box of several lines that wraps its words, with its font size in points.
class MultiLineText : public QPlainTextEdit {
    Q_OBJECT
public:
    MultiLineText(QWidget* parent, double fontSize = 8);
    QString Text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    void setFontSize(double points);
};

// Runs `gotFocus` whenever the control takes the focus (click, Tab or SetFocus). Scroll bars
// and buttons take the focus from a click, as the handlers expect.
void onGotFocus(QWidget* w, std::function<void()> gotFocus);

// Key codes as the handlers compare them: 13 Enter, 36 Home, 37 left, 38 up, 39 right,
// 40 down, 46 Delete, letters and digits as their capital ASCII codes.
int keyCodeOf(int qtKey);
// Calls `keyDown(keyCode, shift)` for every key pressed in the widget, before it acts.
void onKeyDown(QWidget* w, std::function<void(int keyCode, int shift)> keyDown);

// Font of a control by the program's names.
void setControlFont(QWidget* w, const QString& family, double points, bool bold = false);
