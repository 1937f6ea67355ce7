#pragma once
#include "ptolemy/model/ptolemy_part.h"
#include "shell/controls.h"
#include "shell/form.h"

// Window "PTOLEMY'S METHOD": the copper disc half under water, the target on the rim, the
// body E at the centre and the body in air, with the rays between them; the window EMFANISI
// beside it shows what the observer sees of the same scene.
class ptolemaios : public Form {
    Q_OBJECT
public:
    explicit ptolemaios(PtolemyReconstruction& part);

    QScrollBar* goniaprosptosis; // angle in water w, 1 to 88
    QScrollBar* dgonia;          // the target's angle: value / 2 degrees
    QScrollBar* metatopisipar;   // the body in air: value / 100
    CommandButton* Command1;     // "HIDE"
    QLabel* Label1;              // angle in water
    QLabel* Label2;              // position in air
    QLabel* Label3;              // the target's angle, level with dgonia

    void Form_Load() override;
    void goniaprosptosis_Change();
    void dgonia_Change();
    void metatopisipar_Change();
    void Command1_Click();
    // Places the window, shows the observation beside it and hands the scroll bars to the
    // part, whose scene both windows then draw.
    void DrawPtolemyExperiment();

private:
    double tau() const { return dgonia->value() / 2.0; } // the target's angle the scroll bar holds
    void fitLabels(); // each label in the largest letter that fits it
    void drawScene(const PtolemyChange& change);
    void drawRay(const PtolemyRay& r, bool dotted);
    void rimArc(double fromDeg, double toDeg, bool inAir, const QColor& colour);
    void placeControls();
    PtolemyReconstruction& part_;
    Observable<PtolemyChange>::Connection connection_;
    bool drawing_ = false;
};
