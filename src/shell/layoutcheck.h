#pragma once
// What a student would see wrong in the layout of the windows, found from their geometry: a
// control cut by the edge of its window, two controls laid over each other, a caption that
// does not fit its control, a window that opens over another. Used by the snapshot tool at
// every screen size and by the tests.
#include <QRect>
#include <QStringList>

#include <vector>

class Form;
class QWidget;

// The faults of one window's controls (the window must be shown).
QStringList ControlFaults(const Form& form);

// The faults of several windows shown at once: each window's controls, and any two windows of
// one group (windows that work side by side, named by their object names) whose frames
// overlap, unless one of them lets others lie over it. A window opened over an unrelated one
// is what any desktop does, and no fault.
QStringList LayoutFaults(const std::vector<const Form*>& shown,
                         const std::vector<QStringList>& groups);

// Whether the text of a label, button, option or check box fits inside it.
bool CaptionFits(const QWidget* control);

// Sets the control's font to the largest size from `largest` down to `smallest` points at
// which its caption fits (the smallest when none does), so that a caption designed for a wide
// screen still reads whole on a narrow one.
void ShrinkToFit(QWidget* control, double largest, double smallest);
