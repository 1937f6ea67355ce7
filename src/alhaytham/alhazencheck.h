#pragma once
class Program;
#include "shell/controls.h"
#include "shell/form.h"

#include <QScrollBar>

// Window "CHECK AL HAYTHAM'S RULES ": refraction, deviation, half the incidence and the mean of
// incidence and deviation against the incidence for a chosen index; where rule (5) or (6) is
// broken the curves grow thick and the rule turns to colour in the list on the data window's
// graph `incref`. It also keeps the rule flags and the list, which the apparatus window uses.
class alhazencheck : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit alhazencheck(Program& program);

    QScrollBar* timidikti;  // index n = value / 100, 10 to 200
    QLabel* Label1;         // "n =" and the index
    CommandButton* Command1; // "BACK TO HISTORICAL DATA"
    CommandButton* Command2; // "END"

    void Form_Load() override;
    void resizeEvent(QResizeEvent* e) override;
    void timidikti_Change();
    void Command1_Click();
    void Command2_Click();

    // The rules list on incref, rule (5) red while rule5Broken, rule (6) magenta while rule6Broken.
    void PrintAlHaythamRules();
    // The check for index n on this window, and the explanation in the analysis window's notes.
    void CheckAlHaythamRules(double n);
    // Puts the explanation into the notes box of the analysis window and shows the box.
    void ShowExplanation();
    // The index the scroll bar holds.
    double index() const { return timidikti->value() / 100.0; }
    // Brings the scroll bar to n (without running its handler), clears the window, writes Label1
    // and draws the check for n: the window always shows the index it draws.
    void openAtIndex(double n);

    // Lays the controls out for the window's present size.
    void placeControls();

    bool rule5Broken = false; // rule (5) is broken at the incidence being drawn
    bool rule6Broken = false; // rule (6) is broken at the incidence being drawn
    bool rule5Shown = false;  // the list shows rule (5) in colour
    bool rule6Shown = false;  // the list shows rule (6) in colour

private:
    void showIndex();
    void reprintRules();
};
