#pragma once
#include "alhaytham/model/alhaytham_part.h"
#include "shell/controls.h"
#include "shell/form.h"

#include <QScrollBar>

// Window "CHECK AL HAYTHAM'S RULES ": refraction, deviation, half the incidence and the mean of
// incidence and deviation against the incidence for the part's index; where rule (5) or (6) is
// broken the curves grow thick (and the part has the rule turn to colour in the rules list
// the data window's graph shows).
class alhazencheck : public Form {
    Q_OBJECT
public:
    explicit alhazencheck(AlHaythamReconstruction& part);

    QScrollBar* timidikti;  // index n = value / 100, 10 to 200
    QLabel* Label1;         // "n =" and the index
    CommandButton* Command1; // "BACK TO HISTORICAL DATA"
    CommandButton* Command2; // "END"

    void Form_Load() override;
    void resizeEvent(QResizeEvent* e) override;
    // It opens over the data window, at its size.
    void setVisible(bool on) override;
    void timidikti_Change();
    void Command1_Click();
    void Command2_Click();

    // The check for the part's index on this window: the scroll bar brought to it (without
    // running its handler), Label1, the axes, the four curves and the legend.
    void CheckAlHaythamRules();
    // The index the scroll bar holds.
    double index() const { return timidikti->value() / 100.0; }

    // Lays the controls out for the window's present size.
    void placeControls();

private:
    void showIndex();
    AlHaythamReconstruction& part_;
    Observable<AlHaythamChange>::Connection connection_;
};
