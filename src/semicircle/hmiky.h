#pragma once
#include "semicircle/model/experiment.h"
#include "shell/controls.h"
#include "shell/form.h"

#include <QLineEdit>
#include <QRectF>

#include <vector>

// The settings of the experiment as the semicircle window's scroll bars show them, in the
// experiment's own units. The bars hold whole numbers: the index and the tilt (in degrees)
// in tenths, h in tenths, the centre of the flat face in fifths; the radius as it is.
struct SemicircleSettings {
    static constexpr double kIndexSteps = 10, kTiltSteps = 10, kHSteps = 10, kCentreSteps = 5;
    double n = 1.5;
    double R = 100;
    double xc = 0, yc = 0;
    double h = 0;
    double tiltDeg = 0;
};

// The semicircle window: a half-disc of glass on a protractor, with the rays sent through it.
// Scale (-200, 200)-(200, -200); the protractor is the circle of radius 150 about the origin.
// Its handlers change the experiment and draw what it traced; the list and the graphs show
// the experiment for themselves.
class hmiky : public Form {
    Q_OBJECT
public:
    explicit hmiky(Experiment& experiment);
    Experiment& experiment;

    // Controls.
    CommandButton* Command1; // "GIVE INCIDENCE ANGLE ..."
    CommandButton* Command2; // "erase ΚΑΘΑΡΙΣΕ"
    CommandButton* Command3; // "BACK ΠΙΣΩ"
    CommandButton* Command4; // "RAYS FOR incidence = 0° to 90° ..."
    CommandButton* cmdend;   // "END Τέλος"
    QLineEdit* aktis;        // radius text
    QLineEdit* gon;          // tilt text
    QLabel* Indexnt;         // index text
    QLabel* Label4;          // h
    QLabel* Label3;          // xc
    QLabel* Label2;          // yc
    QScrollBar* HScroll1;    // radius
    QScrollBar* Indexn;      // index x 10
    QScrollBar* angle;       // tilt x 10, degrees
    QScrollBar* hvalue;      // h x 10
    QScrollBar* xcoor;       // x of centre x 5
    QScrollBar* ycoor;       // y of centre x 5

    // Menu.
    QMenu* exper;
    QAction* allrandom;
    QMenu* Paral;
    QAction* rightpar;
    QAction* leftpar;
    QMenu* moreless;
    QAction* Raref;
    QAction* moredens;
    QAction* kritikal;
    QMenu* sygr;
    QAction* Optimize;
    QAction* fylaxe;

    // Public procedures.
    void drawsemicircle(double x, double y, double r);
    void DrawRayScene();
    void provoli2();
    void provoli();
    void krisimi();
    void fylakise();

    // Handlers.
    void Form_Load() override;
    void Form_Click() override;
    void Form_MouseDown(int button, int shift, double x, double y) override;
    void Form_MouseUp(int button, int shift, double x, double y) override;
    void cmdend_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void HScroll1_Change();
    void Indexn_Change();
    void angle_Change();
    void hvalue_Change();
    void xcoor_Change();
    void ycoor_Change();
    void Raref_Click();
    void moredens_Click();
    void allrandom_Click();
    void Paral_Click();
    void leftpar_Click();
    void rightpar_Click();
    void kritikal_Click();
    void Optimize_Click();
    void fylaxe_Click();

    // Opens the experiment as the main menu does: the settings back to their start, the
    // window square at the screen's left, the scene drawn, the list window placed beside it.
    void openExperiment();

    // The settings the scroll bars show now.
    SemicircleSettings settings() const;
    // The radius, the centre and the tilt of the scroll bars into the experiment.
    void takeGeometry();
    // The index of the scroll bar into the experiment.
    void takeIndex();

    // The scene base: protractor circle, axes, the semicircle and the protractor's marks.
    void drawSceneBase();
    // The protractor's degree marks and their numbers, thin and grey.
    void drawProtractorMarks();
    // The two axes in black.
    void drawAxes();
    // Traces a ray at alphaDeg degrees with the index the scroll bar shows; the experiment
    // keeps what it measured.
    RayTrace traceRay(double alphaDeg);
    // The colours of a drawn path: its first stretch (the incident light), the stretches inside
    // the glass, the other stretches outside it.
    struct PathTones {
        QColor first, inGlass, outside;
    };
    // Draws a traced path, by default blue outside the glass and green inside, every point the
    // light passes, reflections inside included.
    void drawPath(const RayPath& path, const PathTones& tones);
    void drawPath(const RayPath& path);
    // Draws the polyline of a free ray (beams, fans, the critical ray) in green.
    void drawFreeRay(const std::vector<Point>& line);
    // A sweep of rays at the given incidences, the list and the index graph shown beside.
    void drawSweep(std::span<const double> anglesDeg, std::string_view meanCaption);

private:
    // A number of the protractor and its box in the surface's pixels.
    struct PlacedNumber {
        QString text;
        QRectF box;
        bool clear = false; // inside the surface and under no control
    };
    // Where the numbers go in the present font: beyond the circle, within it where a control
    // covers that place.
    std::vector<PlacedNumber> placeProtractorNumbers() const;
    // The four settings texts of the list window, as provoli2 writes them.
    void provoli2Labels();
};
