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

template <class W, class Make> W& Forms::get(std::unique_ptr<W>& slot, Make make) {
    if (!slot) {
        // Registered before Form_Load runs, so a load that asks for this window again
        // (directly or through another window) gets it instead of a second copy.
        slot = make();
        slot->setDialogs([this]() -> Dialogs& { return program_.dialogs(); });
        slot->setHost(&program_);
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

Form* Forms::byName(const QString& name) {
    using Get = Form& (*)(Forms&);
    static const std::pair<const char*, Get> windows[] = {
        {"velmoratimeleti", [](Forms& f) -> Form& { return f.velmoratimeleti(); }},
        {"hmiky", [](Forms& f) -> Form& { return f.hmiky(); }},
        {"List_of_Data", [](Forms& f) -> Form& { return f.List_of_Data(); }},
        {"Grafindex", [](Forms& f) -> Form& { return f.Grafindex(); }},
        {"errors", [](Forms& f) -> Form& { return f.errors(); }},
        {"inpdat", [](Forms& f) -> Form& { return f.inpdat(); }},
        {"incref", [](Forms& f) -> Form& { return f.incref(); }},
        {"analysis", [](Forms& f) -> Form& { return f.analysis(); }},
        {"rixo", [](Forms& f) -> Form& { return f.rixo(); }},
        {"rixotext", [](Forms& f) -> Form& { return f.rixotext(); }},
        {"somata", [](Forms& f) -> Form& { return f.somata(); }},
        {"ptolemaios", [](Forms& f) -> Form& { return f.ptolemaios(); }},
        {"EMFANISI", [](Forms& f) -> Form& { return f.EMFANISI(); }},
        {"ptolkam", [](Forms& f) -> Form& { return f.ptolkam(); }},
        {"xaithamos", [](Forms& f) -> Form& { return f.xaithamos(); }},
        {"alhazencheck", [](Forms& f) -> Form& { return f.alhazencheck(); }},
        {"storiopt", [](Forms& f) -> Form& { return f.storiopt(); }},
        {"vathi", [](Forms& f) -> Form& { return f.vathi(); }},
    };
    for (const auto& [n, get] : windows)
        if (name == QLatin1String(n)) return &get(*this);
    return nullptr;
}

Form* Forms::loadedByName(const QString& name) const {
    for (Form* f : loaded_)
        if (f->objectName() == name) return f;
    return nullptr;
}

::velmoratimeleti& Forms::velmoratimeleti() {
    return get(velmoratimeleti_, [this] { return std::make_unique<::velmoratimeleti>(program_); });
}
::hmiky& Forms::hmiky() {
    return get(hmiky_, [this] { return std::make_unique<::hmiky>(program_.experiment); });
}
::List_of_Data& Forms::List_of_Data() {
    return get(List_of_Data_,
               [this] { return std::make_unique<::List_of_Data>(program_.experiment); });
}
::Grafindex& Forms::Grafindex() {
    return get(Grafindex_, [this] { return std::make_unique<::Grafindex>(program_.experiment); });
}
::errors& Forms::errors() {
    return get(errors_, [this] { return std::make_unique<::errors>(program_.experiment); });
}
::inpdat& Forms::inpdat() {
    return get(inpdat_, [this] { return std::make_unique<::inpdat>(program_.dataAnalysis); });
}
::incref& Forms::incref() {
    return get(incref_, [this] { return std::make_unique<::incref>(program_.dataAnalysis); });
}
::analysis& Forms::analysis() {
    return get(analysis_, [this] { return std::make_unique<::analysis>(program_.dataAnalysis); });
}
::rixo& Forms::rixo() {
    return get(rixo_, [this] { return std::make_unique<::rixo>(program_.interpretation, program_.screen); });
}
::rixotext& Forms::rixotext() {
    return get(rixotext_, [this] { return std::make_unique<::rixotext>(program_.interpretation); });
}
::somata& Forms::somata() {
    return get(somata_, [this] { return std::make_unique<::somata>(program_.interpretation); });
}
::ptolemaios& Forms::ptolemaios() {
    return get(ptolemaios_, [this] { return std::make_unique<::ptolemaios>(program_.ptolemy); });
}
::EMFANISI& Forms::EMFANISI() {
    return get(EMFANISI_, [this] { return std::make_unique<::EMFANISI>(program_.ptolemy); });
}
::ptolkam& Forms::ptolkam() {
    return get(ptolkam_, [this] { return std::make_unique<::ptolkam>(program_.ptolemy); });
}
::xaithamos& Forms::xaithamos() {
    return get(xaithamos_, [this] { return std::make_unique<::xaithamos>(program_.alhaytham); });
}
::alhazencheck& Forms::alhazencheck() {
    return get(alhazencheck_,
               [this] { return std::make_unique<::alhazencheck>(program_.alhaytham); });
}
::storiopt& Forms::storiopt() {
    return get(storiopt_, [this] { return std::make_unique<::storiopt>(program_.history); });
}
::vathi& Forms::vathi() {
    return get(vathi_, [this] { return std::make_unique<::vathi>(program_.history); });
}
