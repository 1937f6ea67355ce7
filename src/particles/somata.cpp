#include "particles/somata.h"

#include "app/program.h"
#include "shell/colours.h"
#include "shell/graph.h"
#include "shell/shape.h"
#include "waves/model/interpretation.h"
#include "waves/model/newton.h"
#include "waves/rixo.h"
#include "waves/rixotext.h"

#include <algorithm>
#include <cmath>

somata::somata(Program& p)
    : Form(p, "somata", QStringLiteral("CORPUSCULAR AND FERMAT ΣΩMATIΔIA KAI FERMAT")) {
    setBackColor(RGB(255, 255, 255));
    meso2 = canvas->addShape(Shape::UnderInk, Shape::Rectangle);
    meso2->setFillColor(RGB(255, 224, 192));
    meso2->setFillStyle(Shape::UpwardDiagonal);
    meso2->setBorderStyle(0);
    GENERAL = addMenu(QStringLiteral("NEWTON"));
    neftonas = addItem(GENERAL, QStringLiteral("NEWTON  ONE LAYER"), true);
    NEWTON2STROMATA = addItem(GENERAL, QStringLiteral("NEWTON: PARALLEL"), true);
    // The one-layer track is what the window shows first, so its item starts ticked.
    neftonas->setChecked(true);
    onClick(neftonas, [this] { neftonas_Click(); });
    onClick(NEWTON2STROMATA, [this] { NEWTON2STROMATA_Click(); });
}

void somata::Form_Load() {
    // Directly under the wave window, a quarter of the screen.
    setTop(program.forms.rixo().Height());
    setLeft(0);
    setHeight(program.screen.Height() / 2);
    setWidth(program.screen.Width() / 2);
    scaleScene();
}

void somata::scaleScene() {
    InterpretationState& s = program.interp;
    SetScaleFromSize(s, Width(), Height());
    // The scene reaches from y = scaleH down to -0.15 scaleH. So that an angle is drawn as the
    // angle it is, a unit is as long across as down: the picture then shows a little more than
    // scaleW to the right, and the media reach to its edge.
    const double down = 1.15 * s.scaleH;
    const int wide = canvas->width(), high = canvas->height();
    pictureRight_ = wide > 0 && high > 0 ? std::max(s.scaleW, down * wide / high) : s.scaleW;
    canvas->Scale(0, s.scaleH, pictureRight_, -0.15 * s.scaleH);
    meso2->move(0, s.scaleH / 2, pictureRight_, 0.75 * std::fabs(s.scaleH));
}

void somata::drawNewton(bool parallel) {
    InterpretationState& s = program.interp;
    ::rixotext& panel = program.forms.rixotext();
    scaleScene();
    const NewtonInputs in{panel.ratio(), double(panel.prosptosi->value()),
                          panel.newtongtimi->value(), Width(), Height(), pictureRight_};
    meso2->setVisible(false);
    if (parallel) {
        const NewtonSlab slab = NewtonParallel(s, in);
        meso2->setHeight(slab.meso2Height);
        meso2->setTop(slab.meso2Top);
        DrawModelDrawing(*canvas, slab.drawing);
        panel.Label7->setText(QString::fromStdString(slab.label7));
        return;
    }
    const NewtonScene scene = NewtonOneLayer(s, in);
    DrawModelDrawing(*canvas, scene.drawing);
    panel.Label7->setText(QString::fromStdString(scene.label7));
    if (scene.label5) {
        panel.Label5->setText(QString::fromStdString(*scene.label5));
        panel.Label5->show();
    } else {
        panel.Label5->hide();
    }
}

void somata::drawTickedNewtonScene() {
    if (neftonas->isChecked())
        drawNewton(false);
    else if (NEWTON2STROMATA->isChecked())
        drawNewton(true);
}

void somata::neftonas_Click() { chooseNewtonScene(false); }

void somata::NEWTON2STROMATA_Click() { chooseNewtonScene(true); }

void somata::chooseNewtonScene(bool parallel) {
    neftonas->setChecked(!parallel);
    NEWTON2STROMATA->setChecked(parallel);
    canvas->DrawWidth = 1;
    ::rixotext& panel = program.forms.rixotext();
    panel.Label6->hide();
    panel.Label7->show();
    panel.newtongtimi->show();
    canvas->Cls();
    drawNewton(parallel);
}
