// Speed of one animation tick of the particle window's kind: 54 particle shapes moved over a
// hatched medium and ink, then the window painted, at 960 x 540.
#include <benchmark/benchmark.h>

#include "app/program.h"
#include "app/forms.h"
#include "shell/form.h"

#include "waves/rixo.h"

#include <QApplication>

#include <array>
#include <cmath>

namespace {

void moveAndPaint(benchmark::State& state, bool wholeWindow) {
    Program program(std::make_unique<ScriptedDialogs>());
    Form& f = program.forms.rixo();
    f.stopTimers(); // the wave window's own clock stays out of this measurement
    f.setWidth(960 * 15);
    f.setHeight(540 * 15);
    f.Show();
    Canvas& c = *f.canvas;
    c.Cls();
    c.Scale(-16, 9, 16, -9);
    Shape* medium = c.addShape(Shape::UnderInk);
    medium->move(-16, 0, 32, 9);
    medium->setFillStyle(Shape::UpwardDiagonal);
    medium->setBackStyle(1);
    medium->setBackColor(RGB(255, 205, 160));
    for (int i = -16; i <= 16; ++i) c.Line(i, 9, i + 4, -9, RGB(0, 0, 255));
    std::array<Shape*, 54> soma{};
    for (int i = 0; i < 54; ++i) {
        soma[i] = c.addShape(Shape::OverInk, Shape::Circle);
        soma[i]->setFillStyle(Shape::Solid);
        soma[i]->setFillColor(RGB(255, 0, 0));
        soma[i]->move(-15 + (i % 18) * 0.3, 8 - (i / 18) * 0.3, 0.2, 0.2);
    }
    QApplication::processEvents();
    double t = 0;
    for (auto _ : state) {
        t += 0.05;
        for (int i = 0; i < 54; ++i)
            soma[i]->centreOn(-15 + (i % 18) * 0.3 + t, 8 - (i / 18) * 0.3 - t * std::sin(i));
        if (wholeWindow) c.repaint(); // for comparison: the whole surface every tick
        QApplication::processEvents(); // the paint of what moved
        if (t > 10) t = 0;
    }
}
void BM_Move54ShapesAndRepaint(benchmark::State& state) { moveAndPaint(state, false); }
BENCHMARK(BM_Move54ShapesAndRepaint)->Unit(benchmark::kMillisecond);
void BM_Move54ShapesAndRepaintWholeWindow(benchmark::State& state) { moveAndPaint(state, true); }
BENCHMARK(BM_Move54ShapesAndRepaintWholeWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mapFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
