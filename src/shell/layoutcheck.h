#pragma once
// What a student would see wrong in the layout of the windows, found from their geometry: a
// control cut by the edge of its window, two controls laid over each other, a caption that
// does not fit its control, a window that opens over another. Used by the snapshot tool at
// every screen size and by the tests.
#include <QRect>
#include <QStringList>

#include <functional>
#include <vector>

class Form;
class QWidget;

// The faults of one window's controls (the window must be shown).
QStringList ControlFaults(const Form& form);

// The faults of several windows shown at once: each window's controls, and any two windows of
// one group (windows that work side by side, named by their object names) whose frames
// overlap, unless one of them lets others lie over it or `mayLieOver` says one is placed over
// the other. A window opened over an unrelated one is what any desktop does, and no fault.
QStringList LayoutFaults(const std::vector<const Form*>& shown,
                         const std::vector<QStringList>& groups,
                         const std::function<bool(const Form& upper, const Form& lower)>& mayLieOver = {});

// What a student sees wrong on a desktop, where windows have frames and lie over each other:
// a window whose frame is not wholly inside the screen's available area, and, for windows
// `stacked` from the bottom up, a title bar or a control more than half covered by the windows
// above it unless `mayLieOver(upper, lower)` says the upper one is placed over the lower one.
QStringList OffScreenFaults(const std::vector<const Form*>& shown, const QRect& available);
QStringList CoverFaults(const std::vector<const Form*>& stacked,
                        const std::function<bool(const Form& upper, const Form& lower)>& mayLieOver);
// A window that is hidden while one of its timers runs: an animation nobody sees.
QStringList HiddenTimerFaults(const std::vector<Form*>& loaded);
// What no student may see in any of the `loaded` windows: "nan" or "inf" in a text (a
// caption, label, button, list row, box, menu item or printed text), an absurd number (beyond
// ten million), a drawing at a non-finite or far-away place, and the hidden timers above.
// `typed` holds texts a student typed into boxes, which may stay as typed.
QStringList UnseemlyFaults(const std::vector<Form*>& loaded, const QStringList& typed = {});

// Whether the text of a label, button, option or check box fits inside it.
bool CaptionFits(const QWidget* control);

// Sets the control's font to the largest size from `largest` down to `smallest` points at
// which its caption fits (the smallest when none does), so that a caption designed for a wide
// screen still reads whole on a narrow one.
void ShrinkToFit(QWidget* control, double largest, double smallest);
