#pragma once
#include "shell/canvas.h"
#include "shell/host.h"
#include "shell/screen.h"
#include "shell/timer.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <functional>
#include <vector>

class Dialogs;

// The base of every window: a menu bar over a drawing surface that holds the controls.
// Window positions and sizes are in twips (15 to a pixel); controls are placed in the
// surface's current user scale.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const char* name, const QString& caption);
    ~Form() override;

    virtual void Form_Load() {}
    virtual void Form_Click() {}
    virtual void Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    virtual void Form_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}

    Canvas* canvas; // the drawing surface; the controls are its children

    // Window place and size in twips: the outer frame (title bar and borders included), from the
    // top left of the screen's available area.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // The same in pixels, and all four at once.
    QRect outerRect() const;
    void setOuterRect(const QRect& outer);
    // Puts the window where the program places it on this screen (the registry hands every
    // window the rule); sizeOnScreen gives it that size where it stands.
    void placeOnScreen();
    void sizeOnScreen();
    void setPlacer(std::function<QRect(const Form&)> placer) { placer_ = std::move(placer); }
    // Height of the menu bar in pixels (0 without menus).
    int menuBarHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }
    // The screen the window stands on; the registry hands it to every window.
    void setScreen(Screen* screen) { screen_ = screen; }
    // The frame round the client area: the window manager's own once it has framed the
    // window, else the one the program has learned from another window (none offscreen).
    QMargins frameMargins() const;
    // Height of the menu bar in twips (0 without menus): a window that must draw on a square
    // surface adds it to its height.
    double MenuHeight() const;

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& text) { setWindowTitle(text); }
    void Show();
    void Hide() { hide(); }
    bool Visible() const { return isVisible(); }
    void setVisible(bool on) override;
    void setBackColor(const QColor& c) { canvas->setBackColor(c); }
    void setFontName(const QString& name) { canvas->setFontName(name); }

    // Menus: a top-level entry with sub-entries, a top-level entry that acts by itself,
    // and items (checkable where the program shows a check mark).
    QMenu* addMenu(const QString& title);
    QMenu* addSubMenu(QMenu* parent, const QString& title);
    QAction* addTopItem(const QString& title);
    QAction* addItem(QMenu* menu, const QString& title, bool checkable = false);
    // Runs `handler` whenever the student chooses the item (the item's Click).
    void onClick(QAction* item, std::function<void()> handler);
    QMenuBar* menuBar() const { return menuBar_; }

    // Control place and size in the surface's user scale.
    double Left(const QWidget* w) const;
    double Top(const QWidget* w) const;
    double Width(const QWidget* w) const;
    double Height(const QWidget* w) const;
    void setLeft(QWidget* w, double v);
    void setTop(QWidget* w, double v);
    void setWidth(QWidget* w, double v);
    void setHeight(QWidget* w, double v);
    // A timer of this window, calling `tick` (the window's Timer1_Timer ...) on every tick.
    Timer* addTimer(std::function<void()> tick, int interval = 0, bool enabled = true);
    const std::vector<Timer*>& timers() const { return timers_; }
    // Stops every timer of the window (End, and a window that hides or goes away).
    void stopTimers();
    // Told when the student closes the window with its title bar's close button (after the
    // window has hidden): the registry ends the program there when nothing else is shown.
    std::function<void(Form&)> onClosed;

    // Take-aways (shell/takeaway.h): Ctrl+S saves the drawing through a save-file dialog,
    // Ctrl+C copies it, or the window's table where it shows one.
    void saveDrawing();
    void copyDrawing();
    // The rows the window shows, tab-separated, a line each, its headings first; empty for
    // a window without a table, whose Ctrl+C copies its picture.
    virtual QString tableText() const { return QString(); }
    // Ctrl+V: a table of text pasted into the window. False where the window takes no table
    // from this text, and the key goes on to the control that has the focus (`target`).
    virtual bool pasteTable(const QString& /*text*/, const QWidget* /*target*/) { return false; }
    // F1: the window's help page (shell/help.h) through the dialogs.
    void showHelp();
    // The dialogs the take-aways ask through; the registry hands them to every window.
    void setDialogs(std::function<Dialogs&()> dialogs) { dialogs_ = std::move(dialogs); }
    // The program around the window; the registry hands it to every window.
    void setHost(Host* host) { host_ = host; }
    Host& host() const { return *host_; }
    // Through the host: a message, an answer, another window shown or hidden, the end.
    void MsgBox(const QString& text, const QString& title = QString());
    QString InputBox(const QString& prompt, const QString& title = QString(), const QString& proposed = QString());
    void ShowWindow(const QString& name) { host_->ShowWindow(name); }
    void HideWindow(const QString& name) { host_->HideWindow(name); }
    bool WindowShown(const QString& name) const { return host_->WindowShown(name); }
    void End() { host_->End(); }

    // Place and size at once, in the surface's user scale.
    void place(QWidget* w, double left, double top, double width, double height);
    // Place in twips as designed for a surface of designWidth x designHeight twips, kept near
    // its edges: on a surface of another size a control in the right half keeps its distance
    // from the right edge and one in the lower half its distance from the lower edge, never
    // past the left or upper edge. The place follows every resize of the window.
    void placeTwipsNearEdges(QWidget* w, double left, double top, double width, double height,
                             double designWidth, double designHeight);
    // Controls that the window lays over one another on purpose; everywhere else two controls
    // never overlap.
    void allowOverlap(const QWidget* a, const QWidget* b) { overlaps_.push_back({a, b}); }
    bool overlapAllowed(const QWidget* a, const QWidget* b) const;
    // A window that others open over, as the main menu lies under the windows it opens.
    bool mayBeCovered = false;
    // Place in twips, as the window was laid out before any user scale was set.
    void placeTwips(QWidget* w, double left, double top, double width, double height);

protected:
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    void layoutChildren();
    QMenuBar* menuBar_ = nullptr;
    std::vector<Timer*> timers_;
    std::vector<std::pair<const QWidget*, const QWidget*>> overlaps_;
    struct NearEdges {
        QWidget* w;
        double left, top, width, height, designWidth, designHeight;
    };
    std::vector<NearEdges> nearEdges_;
    void placeNearEdges(const NearEdges& n);
    std::function<Dialogs&()> dialogs_;
    Screen* screen_ = nullptr;
    Host* host_ = nullptr;
    std::function<QRect(const Form&)> placer_;
    // The outer frame last asked for, and the frame it was computed with: once the window
    // manager has framed the window, a frame other than the one assumed places it again.
    QRect askedOuter_;
    QMargins assumedFrame_;
    bool placed_ = false;
    int frameChecks_ = 0;
    void checkFrame();
};
