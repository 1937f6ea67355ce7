#pragma once
class Program;
#include "shell/controls.h"
#include "shell/form.h"

#include <QScrollBar>

struct Amplitudes;

// Window "REFLECTED AND REFRACTED ANAKΛΩMENH KAI ΔIAΘΛΩMENH": the panel of the interpretation,
// with the scroll bars of the ratio of indices, the incidence and Newton's value, the check box
// of the reflected wave, and the read-outs that the wave and particle windows write.
class rixotext : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit rixotext(Program& program);

    CommandButton* Command1;  // "WAVES AND PARTICLES KYMATA KAI ΣΩMATIΔIA"
    QScrollBar* n1overn2;     // R: n2/n1 = R / 100, 50 to 300
    QScrollBar* prosptosi;    // incidence in degrees, 1 to 90
    QScrollBar* newtongtimi;  // Newton's value, 1 to 10
    CheckBox* reflected;      // "REFLECTED WAVE"
    MultiLineText* Text1;     // the incidence text
    QLabel* Label1;           // reflected percentage
    QLabel* Label2;           // refracted percentage
    QLabel* energy;           // how the light's energy divides, under the two percentages
    QLabel* Label3;           // "REFLECTED WAVE ANAKΛΩMENO KYMA"
    QLabel* Label4;           // n2/n1
    QLabel* Label5;           // critical angle
    QLabel* Label6;           // written by the particle window
    QLabel* Label7;           // layer thickness or Newton's constant
    QLabel* incidenceCaption; // what the incidence scroll bar sets, for the student

    void Form_Load() override;
    void Command1_Click();
    void n1overn2_Change();
    void prosptosi_Change();
    void newtongtimi_Change();

    // n2/n1 as the ratio scroll bar holds it.
    double ratio() const { return n1overn2->value() / 100.0; }
    // Label1 and Label2: each caption followed by its amplitude percentage, "0.00"; under them
    // the energy line "ENERGY ΕΝΕΡΓΕΙΑ: reflected … %  refracted … %".
    void showAmplitudes(const QString& reflectedCaption, const QString& refractedCaption,
                        const Amplitudes& a);
    // Label5 with the caption and the critical angle when c2/c1 > 1; hidden otherwise.
    void showCriticalAngle(const QString& caption);
    // The Newton value's scroll bar and its labels, hidden while the waves run.
    void hideNewtonControls();
    // The particle window redraws what it shows for the new ratio or incidence.
    void redrawNewtonScene();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void placeControls();
};
