#include "data/incref.h"

#include "data/analysis.h"
#include "data/inpdat.h"
#include "app/program.h"

incref::incref(Program& p)
    : Form(p, "incref", QStringLiteral("REFRACDTION VS INCIDENCE ΔΙΑΘΛΑΣΗΣ VS ΠΡΟΣΠΤΩΣΗΣ")) {
    canvas->setBackColor(RGB(255, 255, 255));
}

void incref::Form_Load() {
    setFontName("Arial Greek");
    placeOnScreen(); // right of the data window, under the analysis window
}
