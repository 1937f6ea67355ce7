#pragma once
#include "shell/form.h"

class Shape;

// Window "CORPUSCULAR AND FERMAT ΣΩMATIΔIA KAI FERMAT": light as the path of a body or a
// stream of particles. Here: its place under the wave window, its scale, the lower medium
// meso2 and Newton's tracks through one force layer or a slab.
class somata : public Form {
    Q_OBJECT
public:
    explicit somata(Program& program);

    Shape* meso2;            // the second medium, the lower part of the scene
    QMenu* GENERAL;          // "NEWTON"
    QAction* neftonas;        // "NEWTON  ONE LAYER", ticked
    QAction* NEWTON2STROMATA; // "NEWTON: PARALLEL"

    void Form_Load() override;
    void neftonas_Click();
    void NEWTON2STROMATA_Click();

    // H and W from the window's size, the scale (0, H)-(X, -0.15 H) with X >= W chosen so that
    // a unit is as long across as down, and meso2 on the lower medium (across the picture,
    // height 0.75 |H|, its upper edge on the interface y = H/2).
    void scaleScene();
    // Newton's track through one layer, or through a slab (parallel), with the panel's
    // ratio, incidence and Newton value; writes the panel's labels.
    void drawNewton(bool parallel);
    // The Newton scene whose menu item carries the check mark, if one does.
    void drawTickedNewtonScene();

private:
    // Ticks the item of that scene and unticks the other, shows Newton's controls, draws it.
    void chooseNewtonScene(bool parallel);
    double pictureRight_ = 0; // X of the scale: the picture's right edge
};
