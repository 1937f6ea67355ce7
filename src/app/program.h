#pragma once
#include "data/model/data_state.h"
#include "semicircle/model/experiment_state.h"
#include "shell/dialogs.h"
#include "app/forms.h"
#include "waves/model/interpretation_state.h"

#include <QString>

#include <functional>
#include <memory>

// Screen size in twips (15 to a pixel), from the primary screen's available area, or
// fixed by the tests so that every geometry is the same on every machine.
struct Screen {
    int widthPx = 1920;
    int heightPx = 1080;
    double Width() const { return widthPx * 15.0; }
    double Height() const { return heightPx * 15.0; }
    void readPrimary();
};

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
    bool ended = false;
    std::function<void()> onEnd; // the program quits the event loop here
};

// The start-up: sets the globals, shows the main menu, prepares the data windows.
void Main(Program& program);

// Maps the fonts the windows name to the installed ones.
void mapFonts();
