#pragma once
#include "data/model/data_state.h"
#include "semicircle/model/experiment_state.h"
#include "shell/dialogs.h"
#include "shell/screen.h"
#include "app/forms.h"
#include "waves/model/interpretation_state.h"

#include <QString>

#include <functional>
#include <memory>


// Everything the running program holds: the shared state of each part, the screen,
// the dialogs and the window registry. `main` owns one; each test makes a fresh one.
class Program {
public:
    explicit Program(std::unique_ptr<Dialogs> dialogs);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ExperimentState semi;
    DataState data;
    InterpretationState interp;
    Screen screen;
    std::unique_ptr<Dialogs> dialogs;
    Forms forms;

    void MsgBox(const QString& text, const QString& title = QString());
    QString InputBox(const QString& prompt, const QString& title = QString(),
                     const QString& proposed = QString());

    // Closes every window and ends the program.
    void End();
    // The student closed a window with its title bar's close button: the main menu's ends the
    // program as its END does, and so does any other once no window of the program is shown.
    void WindowClosed(const Form& window);
    bool ended = false;
    std::function<void()> onEnd; // the program quits the event loop here
};

// The start-up: sets the globals, shows the main menu, prepares the data windows.
void Main(Program& program);

// Maps the fonts the windows name to the installed ones.
void mapFonts();
