#include "careless_student.h"

#include "support.h"

#include "shell/canvas.h"

#include "data/incref.h"

#include <QLabel>

#include <cstdlib>
#include <iostream>

// The checker itself: a window that shows a NaN label, an absurd number or a NaN point is
// flagged, and a sound one is not.
TEST_F(ProgramTest, TheCarelessStudentsCheckerFlagsWhatNoStudentMaySee) {
    Main(*program);
    EXPECT_TRUE(WhatNoStudentMaySee(*program, {}).isEmpty());
    Form& f = program->forms.velmoratimeleti();
    auto* label = new QLabel("n=1.50", f.canvas);
    EXPECT_TRUE(WhatNoStudentMaySee(*program, {}).isEmpty());
    label->setText("n=nan");
    EXPECT_EQ(WhatNoStudentMaySee(*program, {}).size(), 1);
    label->setText("Infinity");
    EXPECT_EQ(WhatNoStudentMaySee(*program, {}).size(), 1);
    label->setText("index 86195878204214.00");
    EXPECT_EQ(WhatNoStudentMaySee(*program, {}).size(), 1);
    label->setText("n=1.00e+300");
    EXPECT_EQ(WhatNoStudentMaySee(*program, {}).size(), 1);
    label->setText("INFINITE REFLECTION Information"); // words are words
    EXPECT_TRUE(WhatNoStudentMaySee(*program, {}).isEmpty());
    delete label;

    Canvas& c = record(program->forms.incref());
    c.Scale(0, 0, 100, 100);
    Canvas::onUndrawable = nullptr; // the checker, not the canvas, must see this one
    c.PSet(10, 10);
    EXPECT_TRUE(WhatNoStudentMaySee(*program, {}).isEmpty());
    // A NaN point, as an old mistake put it into the list.
    const_cast<std::vector<DrawItem>&>(c.displayList()).push_back(
        [] {
            DrawItem d;
            d.kind = DrawItem::Dot;
            d.a = {NAN, 3};
            return d;
        }());
    EXPECT_EQ(WhatNoStudentMaySee(*program, {}).size(), 1);
    c.Cls();
    c.Line(0, 0, 4e15, 1);
    EXPECT_TRUE(c.displayList().empty()); // the canvas refuses it in the first place
}

namespace {
int envInt(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}
} // namespace

// CI runs a fixed set of seeds; `./run fuzz` a long run (FUZZ_SEEDS, FUZZ_ACTIONS, FUZZ_FIRST).
// The seeds are dealt to four shards, which CTest runs side by side.
class CarelessStudent : public ::testing::TestWithParam<int> {};
constexpr int kShards = 4;

TEST_P(CarelessStudent, NothingAStudentDoesShowsWhatNoStudentMaySee) {
    const int seeds = envInt("FUZZ_SEEDS", 200);
    const int actions = envInt("FUZZ_ACTIONS", 250);
    const unsigned first = unsigned(envInt("FUZZ_FIRST", 1));
    long total = 0;
    int failures = 0, ran = 0;
    for (unsigned seed = first + unsigned(GetParam()); seed < first + unsigned(seeds) && failures < 3;
         seed += kShards) {
        const FuzzResult r = runCarelessStudent(seed, actions);
        total += r.actions;
        ++ran;
        if (!r.findings.isEmpty()) {
            ++failures;
            ADD_FAILURE() << "seed " << seed << " after " << r.actions << " actions:\n  "
                          << r.findings.join("\n  ").toStdString() << "\nactions:\n"
                          << r.log.mid(std::max(0, int(r.log.size()) - 40)).join("\n").toStdString();
        }
    }
    std::cout << "careless student, shard " << GetParam() << ": " << ran << " seeds, " << total << " actions\n";
}

INSTANTIATE_TEST_SUITE_P(Shards, CarelessStudent, ::testing::Range(0, kShards));
