#include "app/program.h"

#include "app/flows.h"
#include "shell/form.h"

#include <QFont>

Program::Program(std::unique_ptr<Dialogs> d) : dialogs_(std::move(d)), forms(*this) { ConnectFlows(*this); }

Program::~Program() = default;

void Program::MsgBox(const QString& text, const QString& title) { dialogs_->MsgBox(text, title); }

QString Program::InputBox(const QString& prompt, const QString& title, const QString& proposed) {
    return dialogs_->InputBox(prompt, title, proposed);
}

void Program::End() {
    for (Form* f : forms.loaded()) {
        f->stopTimers();
        f->Hide();
    }
    ended = true;
    if (onEnd) onEnd();
}

void Program::ShowWindow(const QString& name) {
    if (Form* f = forms.byName(name)) f->Show();
}

void Program::HideWindow(const QString& name) {
    // A window never loaded is hidden already.
    if (Form* f = forms.loadedByName(name)) f->Hide();
}

bool Program::WindowShown(const QString& name) const {
    const Form* f = forms.loadedByName(name);
    return f && f->isVisible();
}

void Program::WindowClosed(const Form& window) {
    if (ended) return;
    if (window.objectName() == QLatin1String("velmoratimeleti")) {
        End();
        return;
    }
    for (const Form* f : forms.loaded())
        if (f->isVisible()) return;
    End();
}

void mapFonts() {
    const QStringList sans{"Liberation Sans", "DejaVu Sans"};
    for (const char* name : {"Arial", "Arial Greek", "Tahoma", "TAHOMA", "tahoma", "Swis721 Win95BT",
                             "Symbol", "SYMBOL", "MS Sans Serif"})
        QFont::insertSubstitutions(name, sans);
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
}
