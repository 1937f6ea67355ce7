#pragma once
#include "alhaytham/model/alhaytham_part.h"
#include "shell/controls.h"
#include "shell/form.h"

#include <QScrollBar>

// Window "Πείραμα του Αλ Χαϊθάμ": Al Haytham's apparatus, a graduated disc half under water
// turned by the incidence, the light beam refracted at its centre and, when the ruler is
// visible, the ruler and the stylus along the refracted ray.
class xaithamos : public Form {
    Q_OBJECT
public:
    explicit xaithamos(AlHaythamReconstruction& part);

    QScrollBar* strefo;   // incidence in degrees, 0 to 80
    QScrollBar* timiepi;  // position of the stylus = value / 10, 0 to 10
    OptionButton* Option1; // "RULER IVISIBLEΚΑΝΟΝΑΣ ΑΟΡΑΤΟΣ"
    OptionButton* Option2; // "RULER VISIBLE ΚΑΝΟΝΑΣ ΟΡΑΤΟΣ"
    CommandButton* svise;  // "HIDE ΠΙΣΩ"
    QLabel* Label1;        // the incidence
    QLabel* Label2;        // the stylus position

    void Form_Load() override;
    void strefo_Change();
    void Option1_Click();
    void Option2_Click();
    void timiepi_Change();
    void svise_Click();

    void DrawAlHaythamApparatus();
    void DrawRuler();
    void DrawStylus();

private:
    void placeControls();
    // Each text in the largest letter, from 10 points down to 7, that fits its control.
    void fitTexts();
    AlHaythamReconstruction& part_;
    Observable<AlHaythamChange>::Connection connection_;

protected:
    void resizeEvent(QResizeEvent* e) override;
};
