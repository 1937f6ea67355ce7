// The particle window: its controls, its place and scale, Newton's tracks and the two
// particle streams. Fermat's bodies and their handlers are in somata_fermat.cpp.
#include "particles/somata.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/graph.h"
#include "shell/shape.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

somata::somata(Interpretation& part)
    : Form("somata", QStringLiteral("CORPUSCULAR AND FERMAT ΣΩMATIΔIA KAI FERMAT")), part_(part) {
    setBackColor(RGB(255, 255, 255));
    meso2 = canvas->addShape(Shape::UnderInk, Shape::Rectangle);
    meso2->setFillColor(RGB(255, 224, 192));
    meso2->setFillStyle(Shape::UpwardDiagonal);
    meso2->setBorderStyle(0);
    // An opaque pale back under the hatch, so that the lower medium reads as one region.
    meso2->setBackStyle(1);
    meso2->setBackColor(RGB(255, 244, 234));
    for (Shape*& particle : soma) {
        particle = canvas->addShape(Shape::OverInk, Shape::Circle);
        particle->setFillColor(RGB(255, 0, 0));
        particle->setFillStyle(Shape::Solid);
        particle->setVisible(false); // shown by the particle models
    }
    // The end bodies over the crossing body: the student always sees where the path begins.
    fermat3 = canvas->addShape(Shape::OverInk, Shape::Circle);
    fermat3->setFillColor(RGB(0, 0, 255));
    fermat2 = canvas->addShape(Shape::OverInk, Shape::Rectangle);
    fermat2->setFillColor(RGB(0, 192, 0));
    fermat1 = canvas->addShape(Shape::OverInk, Shape::Circle);
    fermat1->setFillColor(RGB(255, 192, 255));
    for (Shape* body : {fermat1, fermat2, fermat3}) {
        body->setFillStyle(Shape::Solid);
        body->setVisible(false);
    }

    fermatscr = makeHScroll(canvas, 0, 100, 0, 1, 10, [this] { fermatscr_Change(); });
    onGotFocus(fermatscr, [this] { fermatscr_GotFocus(); });
    fermatscr->hide();
    Timer1 = addTimer([this] { Timer1_Timer(); }, 10, false);
    Timer2 = addTimer([this] { Timer2_Timer(); }, 50, false);

    xekina = addTopItem(QStringLiteral("Descarte's"));
    fermat = addMenu(QStringLiteral("FERMAT'S PRINCIPLE"));
    descartes = addItem(fermat, QStringLiteral("Νόμος διάθλασης Descartes"), true);
    fermalaw = addItem(fermat, QStringLiteral("Νόμος διάθλασης Fermat"), true);
    evresielaxistoy = addItem(fermat, QStringLiteral("FIND MINIMUM"));
    GENERAL = addMenu(QStringLiteral("NEWTON"));
    neftonas = addItem(GENERAL, QStringLiteral("NEWTON  ONE LAYER"), true);
    NEWTON2STROMATA = addItem(GENERAL, QStringLiteral("NEWTON: PARALLEL"), true);
    SOMATIDIA = addItem(GENERAL, QStringLiteral("PARTICLES"));
    STAMATHMA = addTopItem(QStringLiteral("STOP"));
    // The one-layer track is what the window shows first, so its item starts ticked.
    neftonas->setChecked(true);
    onClick(xekina, [this] { xekina_Click(); });
    connect(fermat, &QMenu::aboutToShow, this, [this] { fermat_Click(); });
    onClick(descartes, [this] { descartes_Click(); });
    onClick(fermalaw, [this] { fermalaw_Click(); });
    onClick(evresielaxistoy, [this] { evresielaxistoy_Click(); });
    onClick(neftonas, [this] { neftonas_Click(); });
    onClick(NEWTON2STROMATA, [this] { NEWTON2STROMATA_Click(); });
    onClick(SOMATIDIA, [this] { SOMATIDIA_Click(); });
    onClick(STAMATHMA, [this] { STAMATHMA_Click(); });
    connection_ = part_.changed.connect([this](InterpretationChange c) { answer(c); });
}

void somata::Form_Load() {
    hideBodies();
    placeOnScreen(); // directly under the wave window, a quarter of the screen
    scaleScene();
    const ParticleSetUp set = part_.particleSetUp(false);
    // The particle column on the incident ray, shown once a model starts.
    const auto column =
        ParticleColumn(set.incRad(), part_.scaleW(), part_.scaleH(), kColumnParticles);
    for (int i = 1; i <= kColumnParticles; ++i)
        soma[i]->centreOn(column[i].x, column[i].y);
}

void somata::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    placeScrollBar();
}

void somata::scaleScene(double bottomFraction) {
    part_.setParticleWindowSize(Width(), Height());
    const double H = part_.scaleH(), W = part_.scaleW();
    // So that an angle is drawn as the angle it is, a unit is as long across as down: the
    // picture then shows a little more than W to the right (or below the bottom asked for),
    // and the media reach to its edges.
    double right = W, bottom = bottomFraction * H;
    const int wide = canvas->width(), high = canvas->height();
    if (wide > 0 && high > 0 && H > 0) {
        right = std::max(W, (H - bottom) * wide / high);
        bottom = std::min(bottom, H - right * high / wide);
    }
    pictureRight_ = right;
    pictureBottom_ = bottom;
    canvas->Scale(0, H, right, bottom);
    meso2->move(0, H / 2, right, std::max(0.75 * std::fabs(H), H / 2 - bottom));
    sizeBodies();
    placeScrollBar();
}

void somata::sizeBodies() {
    // 135 twips is 9 pixels; particles are 14 by 9.
    const double perX = canvas->pixelsPerUnitX(), perY = std::fabs(canvas->pixelsPerUnitY());
    if (!(perX > 0) || !(perY > 0) || !std::isfinite(perX + perY)) return;
    for (Shape* body : {fermat1, fermat2, fermat3}) {
        const QPointF c = body->centre();
        body->move(body->Left(), body->Top(), 9 / perX, 9 / perY);
        body->centreOn(c.x(), c.y());
    }
    for (Shape* particle : soma) {
        const QPointF c = particle->centre();
        particle->move(particle->Left(), particle->Top(), 14 / perX, 9 / perY);
        particle->centreOn(c.x(), c.y());
    }
}

void somata::placeScrollBar() {
    const int high = fermatscr->sizeHint().height();
    fermatscr->setGeometry(0, std::max(0, canvas->height() - high), canvas->width(), high);
    const QSignalBlocker quiet(fermatscr);
    const int most = std::max(1, int(std::floor(pictureRight_)));
    fermatscr->setMaximum(most);
    fermatscr->setPageStep(std::max(1, most / 20));
}

void somata::showParticles() {
    for (int i = 1; i <= 52; ++i)
        soma[i]->setVisible(true);
}

void somata::hideBodies() {
    for (Shape* body : {fermat1, fermat2, fermat3})
        body->setVisible(false);
}

StreamFrame somata::frame() const { return {pictureRight_, pictureBottom_, part_.scaleH()}; }

void somata::answer(InterpretationChange change) {
    if (change == InterpretationChange::NewtonOneLayer) drawNewton(false);
    if (change == InterpretationChange::PanelMoved) panelChanged();
    if (change == InterpretationChange::NewtonStream) startNewtonStream();
}

void somata::panelChanged() {
    switch (scene_) {
    case Scene::Newton:
        canvas->Cls();
        drawTickedNewtonScene();
        break;
    case Scene::Fermat:
        redrawPath();
        break;
    case Scene::Descartes: // the next tick reads the panel
        break;
    }
}

// ---- Newton's tracks and particles ----

void somata::drawNewton(bool parallel) {
    scaleScene();
    canvas->ForeColor = RGB(0, 0, 0); // the incident line, whatever Fermat's path left
    meso2->setVisible(false);
    const NewtonSlab scene = part_.newtonScene(parallel, pictureRight_);
    if (parallel) {
        meso2->setHeight(scene.meso2Height);
        meso2->setTop(scene.meso2Top);
    }
    DrawModelDrawing(*canvas, scene.drawing);
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
    part_.showNewtonControls();
    fermatscr->hide();
    canvas->Cls();
    hideBodies();
    if (scene_ != Scene::Newton) {
        // Fermat's bodies or Descartes' stream give way to the track.
        Timer2->setEnabled(false);
        for (Shape* particle : soma)
            particle->setVisible(false);
    }
    scene_ = Scene::Newton;
    drawNewton(parallel);
}

void somata::SOMATIDIA_Click() {
    part_.showNewtonControls();
    startNewtonStream();
}

void somata::startNewtonStream() {
    Show(); // the particles run where the student sees them
    fermatscr->hide();
    canvas->Cls();
    canvas->DrawWidth = 1;
    scaleScene();
    meso2->setVisible(false);
    hideBodies();
    Timer2->setEnabled(false); // Descartes' particles are the same shapes
    scene_ = Scene::Newton;
    part_.particleSetUp(true);
    part_.restartNewtonStream();
    drawTickedNewtonScene();
    showParticles();
    Timer1->setInterval(10);
    Timer1->setEnabled(true);
    Timer1_Timer(); // the particles take their places at once
}

void somata::Timer1_Timer() {
    const auto places = part_.newtonTick();
    for (int i = 1; i <= kDescartesParticles; ++i) {
        soma[i]->setVisible(places[i].shown);
        if (places[i].shown) soma[i]->centreOn(places[i].at.x, places[i].at.y);
    }
}

// ---- Descartes' particles ----

void somata::xekina_Click() {
    part_.hideNewtonControls();
    fermatscr->hide();
    canvas->Cls();
    hideBodies();
    Timer1->setEnabled(false); // Newton's particles are the same shapes
    scene_ = Scene::Descartes;
    showParticles();
    scaleScene();
    meso2->setVisible(true);
    const DescartesStream& d = part_.startDescartes();
    for (int i = 1; i <= kDescartesParticles; ++i)
        soma[i]->centreOn(d.p[i].at.x, d.p[i].at.y);
    Timer2->setInterval(50);
    Timer2->setEnabled(true);
}

void somata::Timer2_Timer() {
    const DescartesStream& d = part_.descartesTick(Timer2->Interval(), frame());
    for (int i = 1; i <= kDescartesParticles; ++i)
        soma[i]->centreOn(d.p[i].at.x, d.p[i].at.y);
}

void somata::STAMATHMA_Click() {
    for (int i = 1; i <= 30; ++i) {
        soma[i]->setLeft(0);
        soma[i]->setTop(0);
    }
    part_.stopStreams();
    Timer2->setEnabled(false);
    Timer1->setEnabled(false);
}
