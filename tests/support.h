#pragma once
// What every window test needs: a fresh program on a fixed 1920 x 1080 screen, with
// scripted dialogs, and ways to look at what a canvas drew.
#include "shell/canvas.h"
#include "shell/dialogs.h"
#include "shell/form.h"
#include "shell/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        auto d = std::make_unique<ScriptedDialogs>();
        dialogs = d.get();
        program = std::make_unique<Program>(std::move(d));
        program->screen.widthPx = 1920;
        program->screen.heightPx = 1080;
    }
    // Switches on the display list of the window's canvas (and empties it).
    static Canvas& record(Form& f) {
        f.canvas->recordDisplayList(true);
        return *f.canvas;
    }

    std::unique_ptr<Program> program;
    ScriptedDialogs* dialogs;
};

inline bool sameColor(const QColor& a, const QColor& b) { return a.rgb() == b.rgb(); }

// Primitives of one kind and colour.
inline std::vector<Drawn> drawnOf(const Canvas& c, Drawn::Kind kind, const QColor& color) {
    std::vector<Drawn> out;
    for (const Drawn& d : c.displayList())
        if (d.kind == kind && sameColor(d.color, color)) out.push_back(d);
    return out;
}

inline std::vector<Drawn> drawnOf(const Canvas& c, Drawn::Kind kind) {
    std::vector<Drawn> out;
    for (const Drawn& d : c.displayList())
        if (d.kind == kind) out.push_back(d);
    return out;
}

// The texts printed on a canvas.
inline std::vector<QString> printed(const Canvas& c) {
    std::vector<QString> out;
    for (const Drawn& d : c.displayList())
        if (d.kind == Drawn::Text) out.push_back(d.text);
    return out;
}

inline bool printedText(const Canvas& c, const QString& text) {
    const auto t = printed(c);
    return std::find(t.begin(), t.end(), text) != t.end();
}
