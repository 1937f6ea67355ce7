#include "records/Grafindex.h"
#include "shell/qformat.h"

#include "records/List_of_Data.h"
#include "records/errors.h"
#include "semicircle/hmiky.h"
#include "semicircle/model/raymodes.h"
#include "shell/model/numfmt.h"
#include "app/program.h"

#include <cmath>
#include <vector>


Grafindex::Grafindex(Program& p)
    : Form("Grafindex", QStringLiteral("REFRACTION INDEX Δείκτης διάθλασης")), program(p) {
    canvas->setBackColor(RGB(255, 255, 255));
}

void Grafindex::Form_Load() {
    canvas->setFontName("Arial Greek");
    canvas->setFontSize(8);
    placeOnScreen(); // below the list window, beside the semicircle
}

void Grafindex::Form_Click() { program.forms.hmiky().Optimize_Click(); }

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
    const ::List_of_Data& list = program.forms.List_of_Data();
    const double n = program.forms.hmiky().settings().n;
    std::vector<double> measured;
    for (int i = 0; i < list.List1->count() && i < list.List3->count(); ++i) {
        const QString xText = list.List1->item(i)->text(), yText = list.List3->item(i)->text();
        if (!::List_of_Data::HoldsValue(xText) || !::List_of_Data::HoldsValue(yText)) continue;
        const float x = float(Val(xText.toStdString()));
        const float y = float(Val(yText.toStdString()));
        if (!std::isfinite(x) || !std::isfinite(y)) continue;
        measured.push_back(y);
        c.PSet(x, y);
    }
    c.DrawWidth = 1;
    c.PrintAt(40, -0.5, QStringLiteral("INCIDENCE ANGLE Πρόπστωσης"));
    // With no rows there is no mean error to show, only the empty axes.
    const std::optional<double> error = MeanIndexError(measured, n);
    if (error && std::isfinite(*error))
        c.PrintAt(20, 2.5,
              QStringLiteral("MEAN ERROR Μέσο σφάλμα=") + fmt(*error, "0.000") +
                  QStringLiteral(" %"));
}
