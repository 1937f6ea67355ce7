#pragma once
#include "shell/controls.h"
#include "shell/form.h"
#include "waves/model/interpretation_part.h"

#include <QScrollBar>

// Window "REFLECTED AND REFRACTED ANAKΛΩMENH KAI ΔIAΘΛΩMENH": the panel of the interpretation,
// with the scroll bars of the ratio of indices, the incidence and Newton's value, the check box
// of the reflected wave, which are its part's inputs, and the read-outs that the wave and
// particle windows leave in the part.
class rixotext : public Form {
    Q_OBJECT
public:
    explicit rixotext(Interpretation& part);

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
    QLabel* Label6;           // Fermat's path and its time
    QLabel* Label7;           // layer thickness or Newton's constant
    QLabel* incidenceCaption; // what the incidence scroll bar sets, for the student

    void Form_Load() override;
    void Command1_Click();
    void n1overn2_Change();
    void prosptosi_Change();
    void newtongtimi_Change();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void placeControls();
    // The read-outs as the part holds them; the particle window's print.
    void showReadout();
    void showPrint();

    Interpretation& part_;
    Observable<InterpretationChange>::Connection connection_;
};
