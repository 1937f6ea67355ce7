#pragma once
#include "ptolemy/model/ptolemy_part.h"
#include "shell/form.h"

// Window "OBSERVATION ΠΑΡΑΤΗΡΗΣΗ": what the observer of Ptolemy's apparatus sees along the
// sight line, drawn from the part's scene whenever the apparatus changes.
class EMFANISI : public Form {
    Q_OBJECT
public:
    explicit EMFANISI(PtolemyReconstruction& part);
    // It opens where it is placed, beside the apparatus; shown again, it stays where the
    // student has put it.
    void setVisible(bool on) override;

private:
    void drawObservation();
    PtolemyReconstruction& part_;
    Observable<PtolemyChange>::Connection connection_;
};
