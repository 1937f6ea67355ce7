#pragma once
#include "semicircle/model/experiment.h"
#include "shell/form.h"
#include "shell/graph.h"

// Index graph: measured index against incidence for the experiment's rows.
class Grafindex : public Form {
    Q_OBJECT
public:
    explicit Grafindex(Experiment& experiment);
    void Form_Load() override;
    void Form_Click() override;
    void zografizo();
    void tickmarks();

private:
    Experiment& experiment;
    Observable<ExperimentChange>::Connection watch;
};
