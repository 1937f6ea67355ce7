#include "alhaytham/model/alhaytham_part.h"

#include "shell/model/mathconst.h"

double AlHaythamReconstruction::incidenceRad() const { return incidence * PI / 180; }

void AlHaythamReconstruction::setIncidence(int degrees) {
    incidence = degrees;
    changed.notify({AlHaythamChange::Apparatus});
}

void AlHaythamReconstruction::setStylus(int tenths) {
    stylus = tenths;
    changed.notify({AlHaythamChange::Apparatus});
}

void AlHaythamReconstruction::setRulerVisible(bool on) {
    rulerVisible = on;
    changed.notify({AlHaythamChange::Apparatus});
}

std::vector<ShownRulesLine> AlHaythamReconstruction::rulesList() const {
    std::vector<ShownRulesLine> out;
    for (const RulesLine& l : AlHaythamRulesList()) {
        Rgb colour{0, 0, 0};
        if (l.rule == 5 && rule5Shown) colour = kRule5Colour;
        if (l.rule == 6 && rule6Shown) colour = kRule6Colour;
        out.push_back({l.y, l.english, l.greek, colour});
    }
    return out;
}

void AlHaythamReconstruction::showRulesList() { changed.notify({AlHaythamChange::RulesList}); }

void AlHaythamReconstruction::showExplanation() {
    changed.notify({AlHaythamChange::Explanation, true});
}

void AlHaythamReconstruction::openCheck(double index) {
    changed.notify({AlHaythamChange::CheckOpened});
    check(index);
}

void AlHaythamReconstruction::check(double index) {
    n = index;
    // Step by step, as the curves are drawn: the list is printed again whenever a rule's
    // colour changes on the way, and it ends in the colours of the last step.
    bool reprint = false;
    for (const RuleStep& step : steps()) {
        reprint |= step.rule5Broken != rule5Shown || step.rule6Broken != rule6Shown;
        rule5Shown = step.rule5Broken;
        rule6Shown = step.rule6Broken;
    }
    if (reprint) changed.notify({AlHaythamChange::RulesList});
    changed.notify({AlHaythamChange::Check});
    changed.notify({AlHaythamChange::Explanation});
}
