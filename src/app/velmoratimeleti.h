#pragma once
class Program;
#include "shell/controls.h"
#include "shell/form.h"

// The main menu. It stays up for the whole run.
class velmoratimeleti : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit velmoratimeleti(Program& program);

    QLabel* Label1;
    CommandButton* Command1; // semicircle experiment
    CommandButton* Command2; // data input and analysis
    CommandButton* Command3; // end
    CommandButton* Command4; // short history
    CommandButton* Command5; // interpretation

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
};
