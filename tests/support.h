#pragma once
// What every window test needs: a fresh program on a fixed 1920 x 1080 screen, with
// scripted dialogs, and ways to look at what a canvas drew.
#include "app/program.h"
#include "app/velmoratimeleti.h"
#include "records/List_of_Data.h"
#include "semicircle/hmiky.h"
#include "shell/canvas.h"
#include "shell/dialogs.h"
#include "shell/form.h"
#include "shell/layoutcheck.h"

#include <QListWidget>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

// What no student may see in any loaded window (shell/layoutcheck.h). `typed` holds the texts
// the student typed into boxes (they may stay).
inline QStringList WhatNoStudentMaySee(Program& program, const QStringList& typed = {}) {
    return UnseemlyFaults(program.forms.loaded(), typed);
}
#define EXPECT_NOTHING_A_STUDENT_MAY_NOT_SEE(program, where)                                       \
    do {                                                                                           \
        const QStringList found_ = WhatNoStudentMaySee(program);                                   \
        EXPECT_TRUE(found_.isEmpty()) << (where) << ":\n" << found_.join('\n').toStdString();      \
    } while (false)

// The names of all the program's windows, as the registry knows them.
inline const char* const kWindowNames[] = {
    "velmoratimeleti", "hmiky",    "List_of_Data", "Grafindex",    "errors",   "inpdat",
    "incref",          "analysis", "rixo",         "rixotext",     "somata",   "ptolemaios",
    "EMFANISI",        "ptolkam",  "xaithamos",    "alhazencheck", "storiopt", "vathi"};

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        auto d = std::make_unique<ScriptedDialogs>();
        dialogs = d.get();
        program = std::make_unique<Program>(std::move(d));
        program->screen.widthPx = 1920;
        program->screen.heightPx = 1080;
    }
    // The window's canvas, whose display list the test reads.
    static Canvas& record(Form& f) { return *f.canvas; }

    std::unique_ptr<Program> program;
    ScriptedDialogs* dialogs;
};

// The semicircle window as the main menu opens it, with its list window beside it.
class SemicircleWindowTest : public ProgramTest {
protected:
    hmiky& open() {
        Main(*program);
        program->forms.velmoratimeleti().Command1_Click();
        return h();
    }
    hmiky& h() { return program->forms.hmiky(); }
    List_of_Data& list() { return program->forms.List_of_Data(); }
    void giveAngle(const QString& answer) {
        dialogs->answer(answer);
        h().Command1->click();
    }
};

inline bool sameColor(const QColor& a, const QColor& b) { return a.rgb() == b.rgb(); }

// An item of the display list as the tests read it: its points, colours and text in Qt's types.
inline QPointF pt(const Point& p) { return {p.x, p.y}; }
inline QColor fillOf(const DrawItem& d) {
    return d.kind == DrawItem::FilledBox ? Canvas::ColourOf(d)
                                         : QColor(d.fill.r, d.fill.g, d.fill.b, d.fill.a);
}
inline QString textOf(const DrawItem& d) { return QString::fromStdString(d.text); }

// Primitives of one kind and colour.
inline std::vector<DrawItem> drawnOf(const Canvas& c, DrawItem::Kind kind, const QColor& color) {
    std::vector<DrawItem> out;
    for (const DrawItem& d : c.displayList())
        if (d.kind == kind && sameColor(Canvas::ColourOf(d), color)) out.push_back(d);
    return out;
}

inline std::vector<DrawItem> drawnOf(const Canvas& c, DrawItem::Kind kind) {
    std::vector<DrawItem> out;
    for (const DrawItem& d : c.displayList())
        if (d.kind == kind) out.push_back(d);
    return out;
}

// The texts printed on a canvas.
inline std::vector<QString> printed(const Canvas& c) {
    std::vector<QString> out;
    for (const DrawItem& d : c.displayList())
        if (d.kind == DrawItem::Text) out.push_back(textOf(d));
    return out;
}

inline bool printedText(const Canvas& c, const QString& text) {
    const auto t = printed(c);
    return std::find(t.begin(), t.end(), text) != t.end();
}

inline bool near(const QPointF& p, double x, double y, double tolerance = 1e-6) {
    return std::fabs(p.x() - x) < tolerance && std::fabs(p.y() - y) < tolerance;
}

// An axis number printed for its tick: the graph sets it where it reads best (centred under
// its tick, clear of the axis, inside the surface), so it stands within its own width and a
// line's height of the place the graph gives it.
inline bool axisNumberAt(const Canvas& c, const QString& text, double x, double y) {
    const QPointF want = c.toPixel(x, y);
    for (const DrawItem& d : c.displayList()) {
        if (d.kind != DrawItem::Text || textOf(d) != text) continue;
        const QPointF at = c.toPixel(pt(d.a).x(), pt(d.a).y());
        const double width = std::fabs(c.TextWidth(text) * c.pixelsPerUnitX());
        if (std::fabs(at.x() - want.x()) <= width + 6 && std::fabs(at.y() - want.y()) <= 24)
            return true;
    }
    return false;
}

inline std::vector<QString> items(const QListWidget* list) {
    std::vector<QString> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text());
    return out;
}
