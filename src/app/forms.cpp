#include "app/forms.h"

#include "alhaytham/alhazencheck.h"
#include "alhaytham/xaithamos.h"
#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"
#include "history/storiopt.h"
#include "history/vathi.h"
#include "particles/somata.h"
#include "ptolemy/EMFANISI.h"
#include "ptolemy/ptolemaios.h"
#include "ptolemy/ptolkam.h"
#include "records/Grafindex.h"
#include "records/List_of_Data.h"
#include "records/errors.h"
#include "semicircle/hmiky.h"
#include "app/velmoratimeleti.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"
#include "app/placement.h"
#include "app/program.h"

#include <cstring>

Forms::Forms(Program& program) : program_(program) {}

Forms::~Forms() = default;

template <class W> W& Forms::get(std::unique_ptr<W>& slot) {
    if (!slot) {
        // Registered before Form_Load runs, so a load that asks for this window again
        // (directly or through another window) gets it instead of a second copy.
        slot = std::make_unique<W>(program_);
        slot->setDialogs([this]() -> Dialogs& { return *program_.dialogs; });
        slot->setScreen(&program_.screen);
        slot->onClosed = [this](Form& f) { program_.WindowClosed(f); };
        slot->setPlacer([this](const Form& f) {
            return WindowPlace(f.objectName(), program_.screen, f.menuBarHeight());
        });
        loaded_.push_back(slot.get());
        slot->Form_Load();
    }
    return *slot;
}

bool Forms::isLoaded(const char* name) const {
    for (const Form* f : loaded_)
        if (f->objectName() == QLatin1String(name)) return true;
    return false;
}

::velmoratimeleti& Forms::velmoratimeleti() { return get(velmoratimeleti_); }
::hmiky& Forms::hmiky() { return get(hmiky_); }
::List_of_Data& Forms::List_of_Data() { return get(List_of_Data_); }
::Grafindex& Forms::Grafindex() { return get(Grafindex_); }
::errors& Forms::errors() { return get(errors_); }
::inpdat& Forms::inpdat() { return get(inpdat_); }
::incref& Forms::incref() { return get(incref_); }
::analysis& Forms::analysis() { return get(analysis_); }
::rixo& Forms::rixo() { return get(rixo_); }
::rixotext& Forms::rixotext() { return get(rixotext_); }
::somata& Forms::somata() { return get(somata_); }
::ptolemaios& Forms::ptolemaios() { return get(ptolemaios_); }
::EMFANISI& Forms::EMFANISI() { return get(EMFANISI_); }
::ptolkam& Forms::ptolkam() { return get(ptolkam_); }
::xaithamos& Forms::xaithamos() { return get(xaithamos_); }
::alhazencheck& Forms::alhazencheck() { return get(alhazencheck_); }
::storiopt& Forms::storiopt() { return get(storiopt_); }
::vathi& Forms::vathi() { return get(vathi_); }
