#pragma once
#include "alhaytham/model/alhaytham.h"
#include "shell/model/observer.h"

#include <string>
#include <vector>

// What changed in Al Haytham's reconstruction.
struct AlHaythamChange {
    enum What {
        Apparatus,   // the incidence, the stylus or the ruler
        RulesList,   // the rules list the data window's graph is to show, in its colours
        Explanation, // the explanation the analysis window's notes are to hold
        CheckOpened, // the check of the rules is to open where it is placed
        Check,       // the check of the rules at the index n
    } what;
    bool showAnalysis = false; // Explanation: the analysis window is shown too
};

// A line of the rules list as the data window's graph is to print it: the English statement,
// the Greek one in a column of its own (none for the title), at height y, in its colour.
struct ShownRulesLine {
    double y = 0;
    std::string english, greek;
    Rgb colour;
};

// The part of Al Haytham's reconstruction: his apparatus and the check of his rules: its state
// and operations, without Qt; its windows show it and are told of every change.
class AlHaythamReconstruction {
public:
    // ---- The apparatus, as the scroll bars and options set it ----
    int incidence = 30;        // degrees, 0 to 80
    int stylus = 0;            // the stylus's place along the ray, in tenths of the radius
    bool rulerVisible = false; // the ruler and the stylus are shown
    Apparatus apparatus() const { return AlHaythamApparatus(incidence); }
    double incidenceRad() const;
    Ruler ruler() const { return AlHaythamRuler(apparatus()); }
    Stylus stylusOnRuler() const { return AlHaythamStylus(apparatus(), stylus / 10.0); }
    void setIncidence(int degrees);
    void setStylus(int tenths);
    void setRulerVisible(bool on);

    // ---- The check of the rules ----
    double n = 1.33;         // the index checked
    bool rule5Shown = false; // the rules list shows rule (5) in colour
    bool rule6Shown = false; // the rules list shows rule (6) in colour
    std::vector<RuleStep> steps() const { return CheckRules(n); }
    std::vector<ShownRulesLine> rulesList() const;
    // HIDE ΠΙΣΩ of the apparatus: the rules list and the explanation in the data windows, then
    // the check opened at index n.
    void showRulesList();
    void showExplanation();
    void openCheck(double index);
    // The check at another index; the rules list is printed again where a rule's colour changes.
    void check(double index);

    Observable<AlHaythamChange> changed;
};
