#pragma once
#include <QString>

#include <memory>
#include <vector>

class Program;
class Form;
class velmoratimeleti;
class hmiky;
class List_of_Data;
class Grafindex;
class errors;
class inpdat;
class incref;
class analysis;
class rixo;
class rixotext;
class somata;
class ptolemaios;
class EMFANISI;
class ptolkam;
class xaithamos;
class alhazencheck;
class storiopt;
class vathi;

// The window registry. A window is made the first time anything asks for it; its
// Form_Load runs then, without showing it, and it lives until the program ends.
class Forms {
public:
    explicit Forms(Program& program);
    ~Forms();

    ::velmoratimeleti& velmoratimeleti();
    ::hmiky& hmiky();
    ::List_of_Data& List_of_Data();
    ::Grafindex& Grafindex();
    ::errors& errors();
    ::inpdat& inpdat();
    ::incref& incref();
    ::analysis& analysis();
    ::rixo& rixo();
    ::rixotext& rixotext();
    ::somata& somata();
    ::ptolemaios& ptolemaios();
    ::EMFANISI& EMFANISI();
    ::ptolkam& ptolkam();
    ::xaithamos& xaithamos();
    ::alhazencheck& alhazencheck();
    ::storiopt& storiopt();
    ::vathi& vathi();

    // The window of that name, loaded first where need be; none for a name the program lacks.
    Form* byName(const QString& name);
    // Loaded windows, in the order they were loaded.
    const std::vector<Form*>& loaded() const { return loaded_; }
    // The window of that name if it is loaded, without loading it.
    Form* loadedByName(const QString& name) const;
    bool isLoaded(const char* name) const { return loadedByName(QLatin1String(name)) != nullptr; }

private:
    // The window in its slot, made by `make` (with the part it shows) the first time.
    template <class W, class Make> W& get(std::unique_ptr<W>& slot, Make make);
    Program& program_;
    std::vector<Form*> loaded_;
    std::unique_ptr<::velmoratimeleti> velmoratimeleti_;
    std::unique_ptr<::hmiky> hmiky_;
    std::unique_ptr<::List_of_Data> List_of_Data_;
    std::unique_ptr<::Grafindex> Grafindex_;
    std::unique_ptr<::errors> errors_;
    std::unique_ptr<::inpdat> inpdat_;
    std::unique_ptr<::incref> incref_;
    std::unique_ptr<::analysis> analysis_;
    std::unique_ptr<::rixo> rixo_;
    std::unique_ptr<::rixotext> rixotext_;
    std::unique_ptr<::somata> somata_;
    std::unique_ptr<::ptolemaios> ptolemaios_;
    std::unique_ptr<::EMFANISI> EMFANISI_;
    std::unique_ptr<::ptolkam> ptolkam_;
    std::unique_ptr<::xaithamos> xaithamos_;
    std::unique_ptr<::alhazencheck> alhazencheck_;
    std::unique_ptr<::storiopt> storiopt_;
    std::unique_ptr<::vathi> vathi_;
};
