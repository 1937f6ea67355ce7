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
    const Screen& screen = program.screen;
    const double dataWidth = program.forms.inpdat().Width();
    const double analysisHeight = program.forms.analysis().Height();
    setLeft(dataWidth);
    setTop(analysisHeight);
    setWidth(screen.Width() - dataWidth);
    setHeight(screen.Height() - analysisHeight);
}
