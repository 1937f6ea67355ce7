#pragma once
#include "semicircle/model/experiment.h"
#include "shell/form.h"

// Mean error of the measured index against the radius of the semicircle.
class errors : public Form {
    Q_OBJECT
public:
    explicit errors(Experiment& experiment);
    void Form_Load() override;
    void Form_Click() override;
    void tickmarks();
    // Draws the curve and its labels for the experiment's present settings.
    void drawCurve();

private:
    Experiment& experiment;
    Observable<ExperimentChange>::Connection watch;
};
