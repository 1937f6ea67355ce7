#include "data/incref.h"

#include "data/analysis.h"
#include "data/inpdat.h"
#include "app/program.h"

namespace {
const QString kDesignCaption = QStringLiteral("REFRACDTION VS INCIDENCE ΔΙΑΘΛΑΣΗΣ VS ΠΡΟΣΠΤΩΣΗΣ");
} // namespace

incref::incref(Program& p) : Form("incref", kDesignCaption), program(p) { canvas->setBackColor(RGB(255, 255, 255)); }

void incref::resetCaption() { setCaption(kDesignCaption); }

void incref::Form_Load() {
    setFontName("Arial Greek");
    placeOnScreen(); // right of the data window, under the analysis window
}
