#pragma once
class Program;
#include "ptolemy/model/ptolemy.h"
#include "shell/controls.h"
#include "shell/form.h"

// Window "PTOLEMY'S METHOD": the copper disc half under water, the target on the rim, the
// body E at the centre and the body in air, with the rays between them; the window EMFANISI
// beside it shows what the observer sees.
class ptolemaios : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit ptolemaios(Program& program);

    QScrollBar* goniaprosptosis; // angle in water w, 1 to 88
    QScrollBar* dgonia;          // the target's angle: value / 2 degrees
    QScrollBar* metatopisipar;   // the body in air: value / 100
    CommandButton* Command1;     // "HIDE"
    QLabel* Label1;              // angle in water
    QLabel* Label2;              // position in air
    QLabel* Label3;              // the target's angle, level with dgonia

    void Form_Load() override;
    // Each label in the largest letter that fits it.
    void fitLabels();
    void goniaprosptosis_Change();
    void dgonia_Change();
    void metatopisipar_Change();
    void Command1_Click();
    // Places both windows and draws the disc, the rays and the observation.
    void DrawPtolemyExperiment();

    double tau() const { return dgonia->value() / 2.0; }
    const PtolemyScene& lastScene() const { return scene_; }

private:
    void drawRay(const PtolemyRay& r, bool dotted);
    void rimArc(double fromDeg, double toDeg, bool inAir, const QColor& colour);
    void placeControls();
    PtolemyScene scene_;
    bool drawing_ = false;
};
