#include "careless_student.h"

#include "shell/canvas.h"
#include "shell/controls.h"
#include "shell/form.h"
#include "shell/layoutcheck.h"
#include "shell/timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

const QStringList& hostileTexts() {
    static const QStringList texts = [] {
        QStringList t{"",     "abc",  "1e308", "-1e308", "1e-320", "nan",   "inf",  "-inf",
                      "41,8", "0",    "-0",    "90",     "180",    "-90",   "360",  "1e-10",
                      "1.5",  "0,5",  "1e15",  "30",     "45",     "89.99", "-1",   "999999",
                      " 7 ",  "1,2,3", "--5",  "2e",     "Infinity", "NaN", "0x10", "١٢"};
        t << QString(10000, QChar('9')) << QString(10000, QChar('x'));
        return t;
    }();
    return texts;
}

void CarelessDialogs::MsgBox(const QString& text, const QString&) { messages << text; }

QString CarelessDialogs::InputBox(const QString& prompt, const QString&, const QString&) {
    std::uniform_int_distribution<int> pick(-1, int(hostileTexts().size()) - 1);
    const int k = pick(rng_);
    const QString answer = k < 0 ? QString() : hostileTexts()[k];
    log_ << QString("  answer \"%1\" to \"%2\"")
                .arg(answer.size() > 20 ? answer.left(8) + "…(" + QString::number(answer.size()) + ")"
                                        : answer,
                     prompt.left(40));
    return answer;
}

QString CarelessDialogs::SaveFileName(const QString&, const QString&, const QString&) {
    static const QStringList names{"",          "drawing.png",       "drawing.svg", "drawing.SVG",
                                   "notes.txt", "no/such/folder/x.png", "drawing",    "nan.svg"};
    std::uniform_int_distribution<int> pick(0, int(names.size()) - 1);
    const QString answer = names[pick(rng_)];
    log_ << QString("  save as \"%1\"").arg(answer);
    return answer;
}

void CarelessDialogs::ShowHelp(const QString& title, const QString& page) {
    log_ << QString("  help \"%1\" (%2 characters)").arg(title).arg(page.size());
    if (page.isEmpty()) messages << "an empty help page: " + title;
}

namespace {

QStringList* gWarnings = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    // The offscreen platform cannot raise a window; that says nothing of the program.
    if (text.contains("does not support raise") || text.contains("XDG_RUNTIME_DIR")) return;
    if (type != QtDebugMsg && type != QtInfoMsg && gWarnings) gWarnings->append(text);
}

template <class T> T* pickOne(std::mt19937& rng, const QList<T*>& items) {
    if (items.isEmpty()) return nullptr;
    return items[std::uniform_int_distribution<int>(0, int(items.size()) - 1)(rng)];
}

// A control by its name, its caption, or its class and place among its window's controls of
// that class ("QLineEdit#3").
QString nameOf(QWidget* o) {
    if (!o->objectName().isEmpty()) return o->objectName();
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return "\"" + b->text().left(30) + "\"";
    QWidget* top = o->window();
    int k = 0;
    for (QWidget* w : top->findChildren<QWidget*>())
        if (w->metaObject() == o->metaObject()) {
            if (w == o) break;
            ++k;
        }
    return QString("%1#%2").arg(o->metaObject()->className()).arg(k);
}

} // namespace

FuzzResult runCarelessStudent(unsigned seed, int actions) {
    FuzzResult result;
    result.seed = seed;
    std::mt19937 rng(seed);
    // Each run keeps its record file in a folder of its own: a seed replays the same whatever
    // ran before it, and nothing is written where the run was started.
    QTemporaryDir folder;
    const QString home = QDir::currentPath();
    if (folder.isValid()) QDir::setCurrent(folder.path());
    QStringList warnings;
    gWarnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    QStringList undrawable;
    const auto previousHook = Canvas::onUndrawable;
    Canvas::onUndrawable = [&](const QString& what) { undrawable << what; };

    std::unique_ptr<Program> program;
    auto start = [&] {
        program.reset();
        program = std::make_unique<Program>(std::make_unique<CarelessDialogs>(rng, result.log));
        program->screen.widthPx = 1920;
        program->screen.heightPx = 1080;
        Main(*program);
    };
    start();
    QStringList typed;
    auto rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    for (int step = 0; step < actions && result.findings.isEmpty(); ++step) {
        if (program->ended) { // END: the student starts the program again
            result.log << "start the program again";
            start();
        }
        QList<Form*> visible;
        for (Form* f : program->forms.loaded())
            if (f->isVisible()) visible << f;
        Form* f = pickOne(rng, visible);
        if (!f) break;
        const QString w = f->objectName();
        switch (rnd(0, 9)) {
        case 0:
        case 1: { // a button, check box or option button
            QList<QAbstractButton*> buttons;
            // The window's own buttons; not the menu bar's overflow arrow, whose menu waits
            // for a person.
            for (QAbstractButton* b : f->findChildren<QAbstractButton*>())
                if (b->isVisible() && b->isEnabled() && !qobject_cast<QMenuBar*>(b->parentWidget()))
                    buttons << b;
            if (auto* b = pickOne(rng, buttons)) {
                result.log << QString("click %1.%2").arg(w, nameOf(b));
                b->click();
            }
            break;
        }
        case 2:
        case 3: { // a menu item
            if (!f->menuBar()) break;
            if (rnd(0, 3) == 0) { // opening a menu is its title's Click
                QList<QMenu*> menus;
                for (QAction* a : f->menuBar()->actions())
                    if (a->menu() && a->isVisible() && !a->text().isEmpty()) menus << a->menu();
                if (auto* m = pickOne(rng, menus)) {
                    result.log << QString("open menu %1 \"%2\"").arg(w, m->title());
                    emit m->aboutToShow();
                }
                break;
            }
            QList<QAction*> items;
            for (QAction* a : f->menuBar()->findChildren<QAction*>())
                if (!a->menu() && a->isEnabled() && !a->text().isEmpty()) items << a;
            for (QAction* a : f->menuBar()->actions())
                if (!a->menu() && a->isVisible() && !a->text().isEmpty()) items << a;
            if (auto* a = pickOne(rng, items)) {
                result.log << QString("menu %1 \"%2\"").arg(w, a->text());
                a->trigger();
            }
            break;
        }
        case 4: { // a scroll bar, often to an extreme
            QList<QScrollBar*> bars;
            for (QScrollBar* s : f->findChildren<QScrollBar*>())
                if (s->isVisible() && qobject_cast<Canvas*>(s->parentWidget())) bars << s;
            if (auto* s = pickOne(rng, bars)) {
                const int k = rnd(0, 3);
                const int v = k == 0 ? s->minimum() : k == 1 ? s->maximum() : rnd(s->minimum(), s->maximum());
                result.log << QString("scroll %1.%2 to %3").arg(w, nameOf(s)).arg(v);
                s->setValue(v);
            }
            break;
        }
        case 5: { // type into a box, sometimes with Enter or an arrow key
            QList<QLineEdit*> boxes;
            for (QLineEdit* e : f->findChildren<QLineEdit*>())
                if (e->isVisible() && !e->isReadOnly()) boxes << e;
            if (auto* e = pickOne(rng, boxes)) {
                const QString text = hostileTexts()[rnd(0, int(hostileTexts().size()) - 1)];
                result.log << QString("type \"%1\" into %2.%3").arg(text.left(20), w, nameOf(e));
                e->setText(text);
                typed << text;
                const int key = rnd(0, 3);
                if (key == 1) QTest::keyClick(e, Qt::Key_Return);
                if (key == 2) QTest::keyClick(e, Qt::Key_Down);
                if (key == 3) QTest::keyClick(e, Qt::Key_Up);
            }
            break;
        }
        case 6: { // a list row
            QList<QListWidget*> lists;
            for (QListWidget* l : f->findChildren<QListWidget*>())
                if (l->isVisible() && l->count() > 0) lists << l;
            if (auto* l = pickOne(rng, lists)) {
                const int row = rnd(0, l->count() - 1);
                result.log << QString("choose row %1 of %2.%3").arg(row).arg(w, nameOf(l));
                l->setCurrentRow(row);
            }
            break;
        }
        case 7: { // a click or a drag on a drawing, with any button and shift state
            QList<Canvas*> canvases;
            for (Canvas* c : f->findChildren<Canvas*>())
                if (c->isVisible()) canvases << c;
            if (auto* c = pickOne(rng, canvases)) {
                const QPoint a(rnd(0, c->width() - 1), rnd(0, c->height() - 1));
                const QPoint b = rnd(0, 1) ? a : QPoint(rnd(0, c->width() - 1), rnd(0, c->height() - 1));
                const Qt::MouseButton button = rnd(0, 3) ? Qt::LeftButton : Qt::RightButton;
                const Qt::KeyboardModifiers mods =
                    Qt::KeyboardModifiers((rnd(0, 1) ? Qt::ShiftModifier : Qt::NoModifier) |
                                          (rnd(0, 1) ? Qt::ControlModifier : Qt::NoModifier));
                result.log << QString("mouse %1 on %2 from (%3,%4) to (%5,%6) shift %7")
                                  .arg(button == Qt::LeftButton ? "left" : "right", w)
                                  .arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y())
                                  .arg(int(mods) >> 25);
                QTest::mousePress(c, button, mods, a);
                QTest::mouseRelease(c, button, mods, b);
            }
            break;
        }
        case 8: { // a tick of every running clock
            for (Form* g : program->forms.loaded())
                for (Timer* t : g->timers())
                    if (t->running()) {
                        result.log << QString("tick a clock of %1").arg(g->objectName());
                        t->Tick();
                    }
            break;
        }
        case 9: { // close or resize the window, or take its drawing away
            const int how = rnd(0, 7);
            if (how < 2) { // the title bar's close button: hides, or ends with the main menu
                result.log << QString("close %1").arg(w);
                f->close();
            } else if (how == 2) {
                // Take the drawing or the rows away, paste what the clipboard holds, ask for help.
                static const std::pair<const char*, std::pair<Qt::Key, Qt::KeyboardModifier>>
                    keys[] = {{"Ctrl+S", {Qt::Key_S, Qt::ControlModifier}},
                              {"Ctrl+C", {Qt::Key_C, Qt::ControlModifier}},
                              {"Ctrl+V", {Qt::Key_V, Qt::ControlModifier}},
                              {"F1", {Qt::Key_F1, Qt::NoModifier}}};
                const auto& [name, key] = keys[rnd(0, 3)];
                result.log << QString("%1 on %2").arg(name, w);
                if (key.first == Qt::Key_V && rnd(0, 1)) {
                    // A table of careless cells: rows of hostile texts, any separator.
                    static const QStringList separators{"\t", ";", ",", " "};
                    const QStringList& h = hostileTexts();
                    QString table;
                    for (int r = rnd(0, 20); r > 0; --r) {
                        const QString a = h[rnd(0, int(h.size()) - 1)].left(40),
                                      b = h[rnd(0, int(h.size()) - 1)].left(40);
                        table += a + separators[rnd(0, 3)] + b + "\n";
                        typed << a.trimmed() << b.trimmed(); // a pasted cell is a typed one
                    }
                    QApplication::clipboard()->setText(table);
                    result.log << QString("  the clipboard holds %1 lines").arg(table.count('\n'));
                }
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus && focus->window() == f ? focus : f, key.first, key.second);
            } else {
                const int wpx = rnd(200, 1920), hpx = rnd(150, 1080);
                result.log << QString("resize %1 to %2 x %3").arg(w).arg(wpx).arg(hpx);
                f->resize(wpx, hpx);
            }
            break;
        }
        }
        QApplication::processEvents();
        result.actions = step + 1;
        QStringList found = WhatNoStudentMaySee(*program, typed);
        for (const QString& u : undrawable) found << "a drawing was asked at no place: " + u;
        for (const QString& m : warnings) found << "Qt warning: " + m;
        undrawable.clear();
        warnings.clear();
        result.findings = found;
    }
    program.reset();
    QDir::setCurrent(home);
    Canvas::onUndrawable = previousHook;
    qInstallMessageHandler(previous);
    gWarnings = nullptr;
    return result;
}
