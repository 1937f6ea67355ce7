#pragma once
// What the benchmarks of the interpretation windows share: the program opened as the main
// menu's interpretation button opens it, with its clocks stopped (ticks come from the loop),
// and the resident memory of the process.
#include "app/forms.h"
#include "app/program.h"
#include "app/velmoratimeleti.h"
#include "shell/dialogs.h"
#include "waves/rixotext.h"

#include <QApplication>

#include <fstream>
#include <memory>
#include <string>

// Resident set size of this process in KiB.
inline long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

struct InterpretationOpened {
    Program program{std::make_unique<ScriptedDialogs>()};
    InterpretationOpened() {
        program.screen.widthPx = 1920;
        program.screen.heightPx = 1080;
        Main(program);
        program.forms.velmoratimeleti().Command5_Click();
        program.forms.rixotext().reflected->setValue(1);
        for (Form* f : program.forms.loaded()) f->stopTimers();
        QApplication::processEvents();
    }
};
