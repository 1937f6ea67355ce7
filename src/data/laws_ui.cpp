// The MODELS and EXPECTED menus of the data window: the laws of refraction, which the data
// analysis lays over the refraction-against-incidence graph.
#include "data/inpdat.h"

void inpdat::Kepler_Click() { part_.kepler(svinograf->isChecked()); }

void inpdat::Snell_1_Click() {
    if (part_.snellFromData()) Show();
}

void inpdat::Snell_2_Click() { part_.snellGiven(ask()); }

void inpdat::theoretikes_Click() { part_.expected(ask()); }

void inpdat::empirikos_Click() { part_.empirical(); }

void inpdat::toentrito1_Click() {
    part_.setIncrefCaption("REFRACTION ANGLE VS INCIDENCE ANGLE");
    toentrito();
}

void inpdat::pyknoareo_Click() {
    part_.setIncrefCaption("REFRACTION  ANGLE VS INCIDENCE ANGLE");
    toendeytero();
}

void inpdat::toentrito() { part_.toentrito(); }

void inpdat::toendeytero() { part_.toendeytero(); }
