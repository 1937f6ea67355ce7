#pragma once
#include "alhaytham/model/alhaytham_part.h"
#include "data/model/data_analysis.h"
#include "history/model/history.h"
#include "ptolemy/model/ptolemy_part.h"
#include "semicircle/model/experiment.h"
#include "waves/model/interpretation_part.h"
#include "shell/dialogs.h"
#include "shell/host.h"
#include "shell/screen.h"
#include "app/forms.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>


// Everything the running program holds: the shared state of each part, the screen,
// the dialogs and the window registry. `main` owns one; each test makes a fresh one.
class Program : public Host {
public:
    explicit Program(std::unique_ptr<Dialogs> dialogs);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The parts, each with its windows' state and operations.
    Experiment experiment;
    DataAnalysis dataAnalysis;
    Interpretation interpretation;
    PtolemyReconstruction ptolemy;
    AlHaythamReconstruction alhaytham;
    History history;
    // The screen every window is placed on, the dialogs and the windows themselves.
    Screen screen;
    std::unique_ptr<Dialogs> dialogs_;
    Forms forms;

    void MsgBox(const QString& text, const QString& title = QString());
    QString InputBox(const QString& prompt, const QString& title = QString(),
                     const QString& proposed = QString());

    // The host of every window.
    Dialogs& dialogs() override { return *dialogs_; }
    void ShowWindow(const QString& name) override;
    void HideWindow(const QString& name) override;
    bool WindowShown(const QString& name) const override;
    // Closes every window and ends the program.
    void End() override;
    // The student closed a window with its title bar's close button: the main menu's ends the
    // program as its END does, and so does any other once no window of the program is shown.
    void WindowClosed(const Form& window);
    bool ended = false;
    std::function<void()> onEnd; // the program quits the event loop here

    // Keeps a flow's connection to a part as long as the program lives.
    template <class Connection> void keep(Connection c) {
        kept_.push_back(std::make_shared<Connection>(std::move(c)));
    }

private:
    std::vector<std::shared_ptr<void>> kept_;
};

// The start-up: sets the globals, shows the main menu, prepares the data windows.
void Main(Program& program);

// Maps the fonts the windows name to the installed ones.
void mapFonts();
