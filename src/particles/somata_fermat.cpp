// Fermat's principle in the particle window: three bodies, the broken path of light through
// them, its travel time and the laws it obeys, the bodies moved by the mouse and the scroll
// bar, and the search of the least-time path.
#include "particles/somata.h"

#include "shell/colours.h"
#include "shell/qformat.h"
#include "shell/shape.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {
const std::string kScrollCaption = "Time of movement from  magenta through blue to GREEN ";
const std::string kMouseCaption = "Time of movement from  magenta through blue to  GREEN";
const QString kHowToMove = QStringLiteral(
    "Time of movement from magenta body through blue to  green. TO MOVE THE magenta body press "
    "Shift, to MOVE THE  GREEN PRESS Control, TO MOVE BLUE PRESS Shift & Control");

Point centreOf(const Shape* s) {
    const QPointF c = s->centre();
    return {c.x(), c.y()};
}
} // namespace

FermatLaw somata::tickedLaw() const {
    if (fermalaw->isChecked()) return FermatLaw::Fermat;
    if (descartes->isChecked()) return FermatLaw::Descartes;
    return FermatLaw::None;
}

bool somata::sameSide() const {
    return SameSide(centreOf(fermat1), centreOf(fermat2), part_.scaleH());
}

void somata::placeBodies() {
    // The light starts up left in the upper medium and ends down right in the lower one; the
    // crossing body stands on the surface between them, off the least-time point.
    const double W = part_.scaleW(), H = part_.scaleH();
    fermat1->centreOn(0.2 * W, 0.8 * H);
    fermat2->centreOn(0.7 * W, 0.2 * H);
    fermat3->centreOn(0.35 * W, H / 2);
    bodiesPlaced_ = true;
}

void somata::fermat_Click() {
    // The bodies take the place of the particles, whose clocks have nothing left to move.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    for (int i = 0; i <= 52; ++i)
        soma[i]->setVisible(false);
    scene_ = Scene::Fermat;
    canvas->Cls();
    scaleScene(0);
    meso2->setVisible(true);
    if (!bodiesPlaced_) placeBodies();
    for (Shape* body : {fermat1, fermat2, fermat3})
        body->setVisible(true);
    part_.startFermat();
    fermatscr->setVisible(!sameSide());
    {
        const QSignalBlocker quiet(fermatscr);
        fermatscr->setValue(int(std::lround(fermat3->centre().x())));
    }
    part_.takeFermatLaw(tickedLaw());
    // How to move the bodies, and under it the time of the path they make now, until the
    // student moves a body or the scroll bar.
    showHowToMove_ = true;
    evaluateAndDraw(kScrollCaption);
}

void somata::descartes_Click() {
    descartes->setChecked(true);
    fermalaw->setChecked(false);
    part_.hideNewtonValue();
    part_.takeFermatLaw(FermatLaw::Descartes);
    redrawPath();
}

void somata::fermalaw_Click() {
    fermalaw->setChecked(true);
    descartes->setChecked(false);
    part_.hideNewtonValue();
    part_.takeFermatLaw(FermatLaw::Fermat);
    redrawPath();
}

void somata::redrawPath() {
    if (scene_ != Scene::Fermat) return;
    canvas->Cls();
    part_.takeFermatLaw(tickedLaw());
    evaluateAndDraw(kScrollCaption);
}

void somata::fermatscr_Change() {
    if (scene_ != Scene::Fermat) return;
    showHowToMove_ = false;
    scaleScene(0);
    fermat3->centreOn(fermatscr->value(), part_.scaleH() / 2);
    canvas->Cls();
    part_.takeFermatLaw(tickedLaw());
    evaluateAndDraw(kScrollCaption);
}

void somata::fermatscr_GotFocus() {
    if (scene_ != Scene::Fermat) return;
    sizeOnScreen(); // half the screen high and wide, where it stands
    scaleScene(0);
    const double x3 = fermat3->centre().x();
    const double value = x3 / pictureRight_ * fermatscr->maximum();
    if (std::isfinite(value)) fermatscr->setValue(int(std::lround(value)));
}

void somata::Form_MouseDown(int /*button*/, int shift, double x, double y) {
    // The bodies answer the mouse while they are shown.
    if (scene_ != Scene::Fermat || !std::isfinite(x) || !std::isfinite(y)) return;
    showHowToMove_ = false;
    const double H = part_.scaleH(), surface = H / 2;
    part_.takeFermatLaw(descartes->isChecked() ? FermatLaw::Descartes : FermatLaw::Fermat);
    // After an end body has moved: with both ends on one side there is no crossing to slide,
    // and a crossing body left on the far side comes back to the surface; with the ends on
    // opposite sides the crossing body stands on the surface.
    const auto endMoved = [&] {
        const QPointF c3 = fermat3->centre();
        if (sameSide()) {
            fermatscr->hide();
            if ((c3.y() - surface) * (y - surface) < 0) fermat3->centreOn(c3.x(), surface);
        } else {
            fermat3->centreOn(c3.x(), surface);
            fermatscr->show();
        }
    };
    switch (shift) {
    case 1:
        canvas->Cls();
        fermat1->centreOn(x, y);
        endMoved();
        break;
    case 2:
        fermat2->centreOn(x, y);
        endMoved();
        canvas->Cls();
        break;
    case 3: {
        const Point p1 = centreOf(fermat1);
        const bool pointerWithEnds = sameSide() && (y - surface) * (p1.y - surface) > 0;
        fermat3->centreOn(x, pointerWithEnds ? y : surface);
        break;
    }
    default:
        break;
    }
    evaluateAndDraw(kMouseCaption);
}

QString somata::label6Text(const QString& caption) const {
    return showHowToMove_ ? kHowToMove + QStringLiteral("\n") + caption : caption;
}

void somata::evaluateAndDraw(const std::string& firstCaption) {
    lastPath_ = EvaluatePath(centreOf(fermat1), centreOf(fermat2), centreOf(fermat3),
                             part_.scaleH(), part_.fermatC1(), part_.speedC2(), part_.ratio(),
                             fermalaw->isChecked(), firstCaption);
    part_.showLabel6(label6Text(QString::fromStdString(lastPath_.caption)).toStdString());
    canvas->ForeColor = RGB(lastPath_.colour.r, lastPath_.colour.g, lastPath_.colour.b);
    canvas->DrawWidth = lastPath_.width;
    const QPointF a = fermat1->centre(), b = fermat2->centre(), c = fermat3->centre();
    canvas->Line(a.x(), a.y(), c.x(), c.y());
    canvas->Line(b.x(), b.y(), c.x(), c.y());
}

void somata::evresielaxistoy_Click() {
    part_.hideNewtonValue();
    if (scene_ != Scene::Fermat) return;
    const double H = part_.scaleH();
    const LeastTime least = FindLeastTime(centreOf(fermat1), centreOf(fermat2), H, part_.ratio());
    if (!least.found) return;
    // With speed c1 above and c1 / n below the least time is the time that the path through
    // the crossing body shows there under Fermat's law.
    const double c1 = part_.fermatC1();
    const double tMin = c1 > 0 ? least.tMin / c1 : least.tMin;
    canvas->DrawWidth = 6;
    canvas->ForeColor = RGB(0, 255, 0);
    canvas->Line(least.upper.x, least.upper.y, least.xMin, H / 2);
    canvas->Line(least.xMin, H / 2, least.lower.x, least.lower.y);
    part_.showLabel6(
        label6Text(QStringLiteral("LEAST TIMEΟ ΕΛΑΧΙΣΤΟΣ ΧΡΟΝΟΣ: ") + fmt(tMin, "0.00"))
            .toStdString());
    fermat3->centreOn(least.xMin, H / 2);
    // The scroll bar follows the body without a redraw, so the green path stays.
    const QSignalBlocker quiet(fermatscr);
    fermatscr->setValue(int(std::lround(least.xMin)));
}
