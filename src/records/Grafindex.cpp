#include "records/Grafindex.h"
#include "shell/qformat.h"

Grafindex::Grafindex(Experiment& e)
    : Form("Grafindex", QStringLiteral("REFRACTION INDEX Δείκτης διάθλασης")), experiment(e) {
    canvas->setBackColor(RGB(255, 255, 255));
    watch = experiment.changed.connect([this](ExperimentChange change) {
        if (change != ExperimentChange::IndexGraph) return;
        if (experiment.indexGraphDrawn())
            zografizo();
        else
            canvas->Cls();
    });
}

void Grafindex::Form_Load() {
    canvas->setFontName("Arial Greek");
    canvas->setFontSize(8);
    placeOnScreen(); // below the list window, beside the semicircle
    if (experiment.indexGraphDrawn()) zografizo();
}

// A click brings up the mean error against the radius, as BEST SEMICIRCLE does.
void Grafindex::Form_Click() {
    experiment.bestSemicircle();
    ShowWindow(QStringLiteral("errors"));
}

void Grafindex::tickmarks() { DrawTickmarks(*canvas, TenthsOfTheScale(*canvas, 0.1, 2, 5)); }

void Grafindex::zografizo() {
    Canvas& c = *canvas;
    c.Cls();
    c.DrawWidth = 1;
    c.Scale(-5, 3, 100, -0.8);
    c.Line(-5, 0, 100, 0);
    c.Line(0, -1, 0, 4);
    tickmarks();
    c.DrawWidth = 5;
    const IndexGraph graph = experiment.indexGraph();
    for (const Point& p : graph.points)
        c.PSet(p.x, p.y);
    c.DrawWidth = 1;
    c.PrintAt(40, -0.5, QStringLiteral("INCIDENCE ANGLE Πρόπστωσης"));
    if (graph.meanError)
        c.PrintAt(20, 2.5,
                  QStringLiteral("MEAN ERROR Μέσο σφάλμα=") + fmt(*graph.meanError, "0.000") +
                      QStringLiteral(" %"));
}
