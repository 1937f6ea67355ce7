#pragma once
#include "particles/model/fermat.h"
#include "particles/model/particles.h"
#include "shell/form.h"
#include "waves/model/interpretation_part.h"

#include <QScrollBar>

#include <array>
#include <string>

class Shape;

// Window "CORPUSCULAR AND FERMAT ΣΩMATIΔIA KAI FERMAT": light as the path of a body or a
// stream of particles, under the wave window and beside the panel, whose ratio and incidence
// it reads from its part, the interpretation, where it leaves what the panel shows. Fermat's
// least time with three movable bodies; Descartes' particles; Newton's tracks through one
// force layer or a slab, and his particles along them.
class somata : public Form {
    Q_OBJECT
public:
    explicit somata(Interpretation& part);

    Shape* fermat1;                // first end body, magenta: the light's start
    Shape* fermat2;                // second end body, green: the light's end
    Shape* fermat3;                // crossing body on the interface, blue
    Shape* meso2;                  // the second medium, the lower part of the scene
    std::array<Shape*, 54> soma{}; // particles soma(0) ... soma(53)
    QScrollBar* fermatscr;         // moves the crossing body along the interface
    Timer* Timer1;                 // Newton's particles, 10 ms
    Timer* Timer2;                 // Descartes' particles, 50 ms
    QAction* xekina;               // "Descarte's"
    QMenu* fermat;                 // "FERMAT'S PRINCIPLE"
    QAction* descartes;            // "Νόμος διάθλασης Descartes"
    QAction* fermalaw;             // "Νόμος διάθλασης Fermat"
    QAction* evresielaxistoy;      // "FIND MINIMUM"
    QMenu* GENERAL;                // "NEWTON"
    QAction* neftonas;             // "NEWTON  ONE LAYER", ticked
    QAction* NEWTON2STROMATA;      // "NEWTON: PARALLEL"
    QAction* SOMATIDIA;            // "PARTICLES"
    QAction* STAMATHMA;            // "STOP"

    void Form_Load() override;
    // Fermat's principle.
    void fermat_Click();
    void descartes_Click();
    void fermalaw_Click();
    void evresielaxistoy_Click();
    void fermatscr_Change();
    void fermatscr_GotFocus();
    void Form_MouseDown(int button, int shift, double x, double y) override;
    // The particle models.
    void xekina_Click();
    void Timer2_Timer();
    void neftonas_Click();
    void NEWTON2STROMATA_Click();
    void SOMATIDIA_Click();
    void Timer1_Timer();
    void STAMATHMA_Click();

    // What the window shows: Newton's tracks (as it opens), Fermat's bodies, or Descartes'
    // stream. The panel's scroll bars redraw what is shown.
    enum class Scene { Newton, Fermat, Descartes };
    Scene scene() const { return scene_; }
    // The panel's ratio, incidence or Newton value moved: redraws the scene that is shown (the
    // streams read them on their next tick).
    void panelChanged();
    // What the part asks of this window: Newton's one layer, a redraw, Newton's stream.
    void answer(InterpretationChange change);

    // H and W from the window's size, and a scale with (0, H) at the top left that reaches
    // down to `bottom` (-0.15 H for the particles, 0 for Fermat's bodies) or further, and to
    // the right to W or further, so that a unit is as long across as down. meso2 on the lower
    // medium (across the picture, height 0.75 |H|, its upper edge on the interface y = H/2).
    void scaleScene(double bottomFraction = -0.15);
    // Newton's track through one layer, or through a slab (parallel), with the panel's
    // ratio, incidence and Newton value.
    void drawNewton(bool parallel);
    // The Newton scene whose menu item carries the check mark, if one does.
    void drawTickedNewtonScene();
    // Starts Newton's particles along the ticked track (also the panel's "WAVES AND
    // PARTICLES"): the step counter at 0 and Timer1 at 10 ms.
    void startNewtonStream();

    // The law ticked under "FERMAT'S PRINCIPLE".
    FermatLaw tickedLaw() const;
    // The path through the three bodies as last evaluated.
    const PathVerdict& lastPath() const { return lastPath_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // The path again after a change of the law or of the panel's ratio: the bodies stay.
    void redrawPath();
    // Ticks the item of that scene and unticks the other, shows Newton's controls, draws it.
    void chooseNewtonScene(bool parallel);
    // Body sizes and the scroll bar's place after a change of scale: bodies keep their
    // designed size on the screen (135 twips, particles 210 x 135 twips).
    void sizeBodies();
    void placeScrollBar();
    // The three bodies at their places of the demonstration's start.
    void placeBodies();
    // Evaluates the path through the three bodies with the first caption text, writes the
    // panel's Label6 and draws the path.
    void evaluateAndDraw(const std::string& firstCaption);
    // What Label6 shows for a caption: the instructions above it while they are kept.
    QString label6Text(const QString& caption) const;
    bool sameSide() const;
    void showParticles();
    void hideBodies();
    StreamFrame frame() const;

    Interpretation& part_;
    Observable<InterpretationChange>::Connection connection_;

    double pictureRight_ = 0;  // the scale's right edge: the picture's width in units
    double pictureBottom_ = 0; // the scale's bottom edge
    Scene scene_ = Scene::Newton;
    bool bodiesPlaced_ = false;
    // Label6 keeps the instructions for moving the bodies above its caption until the student
    // moves a body or the scroll bar.
    bool showHowToMove_ = false;
    PathVerdict lastPath_;
};
