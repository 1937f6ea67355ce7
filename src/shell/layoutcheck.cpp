#include "shell/layoutcheck.h"

#include "shell/canvas.h"
#include "shell/controls.h"
#include "shell/form.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace {

QString nameOf(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName();
    if (auto* l = qobject_cast<const QLabel*>(w)) return "label \"" + l->text().left(40) + "\"";
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return "button \"" + b->text().left(40) + "\"";
    return w->metaObject()->className();
}

// The controls that lie on a surface of the window: the window's canvas and its picture boxes.
std::vector<const QWidget*> controlsOn(const QWidget* surface, const Form& form) {
    std::vector<const QWidget*> out;
    for (const QObject* o : surface->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w->isWindow() || !w->isVisibleTo(&form)) continue;
        out.push_back(w);
    }
    return out;
}

// The longest run of text that cannot be broken across lines.
int widestWord(const QFontMetrics& m, const QString& text) {
    int widest = 0;
    for (const QString& word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
        widest = std::max(widest, m.horizontalAdvance(word));
    return widest;
}

// The texts printed on a drawing surface: each must lie inside the part of the surface that
// the window shows, and no control may stand over it.
void checkPrinted(const Canvas& surface, const Form& form, const std::vector<const QWidget*>& controls,
                  QStringList& faults) {
    if (!surface.displayListComplete()) return;
    const QRectF shown = QRectF(surface.rect()).intersected(
        QRectF(surface.mapFrom(form.canvas, QPoint(0, 0)), form.canvas->size()));
    std::vector<std::pair<QRectF, QString>> printed;
    for (const DrawItem& d : surface.displayList()) {
        const QString text = QString::fromStdString(d.text);
        if (d.kind != DrawItem::Text || text.trimmed().isEmpty()) continue;
        const QFontMetricsF m = Canvas::MetricsOf(Canvas::FontOf(d));
        const QRectF ink(surface.pixelOf(d), QSizeF(m.horizontalAdvance(text), m.ascent() + m.descent()));
        // Two texts printed into each other read as neither (the same text printed again in
        // its own place is one text).
        for (const auto& [other, earlier] : printed) {
            const QRectF both = ink.intersected(other);
            if (both.width() > 2 && both.height() > 2 && !(earlier == text && other == ink))
                faults << QString("%1: the printed texts \"%2\" and \"%3\" run into each other")
                              .arg(form.objectName(), earlier.left(40), text.left(40));
        }
        printed.push_back({ink, text});
        if (!shown.adjusted(-1, -1, 1, 1).contains(ink))
            faults << QString("%1: the printed text \"%2\" runs past the edge of the window")
                          .arg(form.objectName(), text.left(40));
        for (const QWidget* c : controls) {
            const QRectF both = ink.intersected(QRectF(c->geometry()));
            if (both.width() > 2 && both.height() > 2 && !qobject_cast<const Canvas*>(c))
                faults << QString("%1: %2 lies over the printed text \"%3\"")
                              .arg(form.objectName(), nameOf(c), text.left(40));
        }
    }
}

void checkSurface(const QWidget* surface, const Form& form, QStringList& faults) {
    const QString window = form.objectName();
    const QRect inside(QPoint(0, 0), surface->size());
    const auto controls = controlsOn(surface, form);
    if (auto* canvas = qobject_cast<const Canvas*>(surface)) checkPrinted(*canvas, form, controls, faults);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QWidget* c = controls[i];
        const QRect g = c->geometry();
        // A picture box may be larger than the window: what it shows is drawn in its visible part.
        if (!inside.adjusted(-1, -1, 1, 1).contains(g) && !qobject_cast<const Canvas*>(c))
            faults << QString("%1: %2 at %3,%4 %5x%6 is cut by the edge of %7x%8")
                          .arg(window, nameOf(c))
                          .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                          .arg(inside.width()).arg(inside.height());
        // A list whose rows are wider than itself shows a scroll bar across: its rows are cut.
        if (auto* list = qobject_cast<const QListWidget*>(c); list && list->count() > 0) {
            int widest = 0;
            for (int r = 0; r < list->count(); ++r)
                widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(r)->text()));
            // Each row has a few pixels of margin inside the list.
            if (widest + 8 > list->viewport()->width())
                faults << QString("%1: the rows of %2 are wider than the list").arg(window, nameOf(c));
        }
        if (!CaptionFits(c)) faults << QString("%1: the text of %2 does not fit it").arg(window, nameOf(c));
        for (std::size_t j = 0; j < i; ++j) {
            const QRect both = g.intersected(controls[j]->geometry());
            if (both.width() > 1 && both.height() > 1 && !form.overlapAllowed(c, controls[j]))
                faults << QString("%1: %2 lies over %3").arg(window, nameOf(c), nameOf(controls[j]));
        }
        if (auto* picture = qobject_cast<const Canvas*>(c)) checkSurface(picture, form, faults);
    }
}

QRect frameOf(const Form& f) { return f.frameGeometry(); }

// The share of `r` (global pixels) that lies under any of the rectangles, sampled on a grid.
double CoveredShare(const QRect& r, const std::vector<QRect>& over) {
    if (r.isEmpty() || over.empty()) return 0;
    const int nx = std::clamp(r.width() / 4, 1, 16), ny = std::clamp(r.height() / 4, 1, 6);
    int covered = 0;
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) {
            const QPoint p(r.x() + (2 * i + 1) * r.width() / (2 * nx), r.y() + (2 * j + 1) * r.height() / (2 * ny));
            covered += std::any_of(over.begin(), over.end(), [&](const QRect& o) { return o.contains(p); });
        }
    return double(covered) / (nx * ny);
}

// Every visible control of the window, with its place on the desktop (what of it the window
// shows), nested picture boxes included.
void ControlsOnDesktop(const QWidget* surface, const Form& form, const QRect& client,
                       std::vector<std::pair<const QWidget*, QRect>>& out) {
    for (const QWidget* c : controlsOn(surface, form)) {
        const QRect at = QRect(c->mapToGlobal(QPoint(0, 0)), c->size()).intersected(client);
        if (auto* picture = qobject_cast<const Canvas*>(c)) {
            ControlsOnDesktop(picture, form, client, out);
            continue;
        }
        if (!at.isEmpty()) out.push_back({c, at});
    }
}

} // namespace

bool CaptionFits(const QWidget* control) {
    const QFontMetrics m(control->font());
    if (auto* l = qobject_cast<const QLabel*>(control)) {
        const QString text = l->text();
        if (text.isEmpty()) return true;
        if (l->wordWrap())
            return widestWord(m, text) <= l->width() + 1 &&
                   l->heightForWidth(l->width()) <= l->height() + 1;
        return m.horizontalAdvance(text) <= l->width() + 1 && m.height() <= l->height() + 1;
    }
    if (auto* b = qobject_cast<const CommandButton*>(control)) {
        // The caption wraps inside the button, 4 pixels in from each side and 2 from the top.
        const QRect room = b->rect().adjusted(4, 2, -4, -2);
        const QRect needed = m.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, b->text());
        return widestWord(m, b->text()) <= room.width() + 1 && needed.height() <= room.height() + 1;
    }
    if (auto* e = qobject_cast<const QLineEdit*>(control); e && e->isReadOnly()) {
        // A read-only box shows a caption and its number: the whole of it, a little margin
        // inside its frame.
        return m.horizontalAdvance(e->text()) <= e->width() - 6 && m.height() <= e->height() + 1;
    }
    if (qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control)) {
        auto* b = static_cast<const QAbstractButton*>(control);
        if (b->text().isEmpty()) return true;
        return b->sizeHint().width() <= b->width() + 1 && m.height() <= b->height() + 1;
    }
    return true;
}

void ShrinkToFit(QWidget* control, double largest, double smallest) {
    QFont f = control->font();
    for (double size = largest; size >= smallest - 1e-9; size -= 0.25) {
        f.setPointSizeF(size);
        control->setFont(f);
        if (CaptionFits(control)) return;
    }
}

QStringList ControlFaults(const Form& form) {
    QStringList faults;
    checkSurface(form.canvas, form, faults);
    return faults;
}

QStringList OffScreenFaults(const std::vector<const Form*>& shown, const QRect& available) {
    QStringList faults;
    for (const Form* f : shown) {
        const QRect g = frameOf(*f);
        if (!available.contains(g))
            faults << QString("%1: its frame %2,%3 %4x%5 is not inside the screen's %6,%7 %8x%9")
                          .arg(f->objectName())
                          .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                          .arg(available.x()).arg(available.y())
                          .arg(available.width()).arg(available.height());
    }
    return faults;
}

QStringList CoverFaults(const std::vector<const Form*>& stacked,
                        const std::function<bool(const Form& upper, const Form& lower)>& mayLieOver) {
    QStringList faults;
    for (std::size_t i = 0; i < stacked.size(); ++i) {
        const Form& lower = *stacked[i];
        std::vector<QRect> over;
        QStringList above;
        for (std::size_t j = i + 1; j < stacked.size(); ++j)
            if (!mayLieOver(*stacked[j], lower)) {
                over.push_back(frameOf(*stacked[j]));
                above << stacked[j]->objectName();
            }
        if (over.empty()) continue;
        const QRect frame = frameOf(lower), client = lower.geometry();
        const QRect titleBar(frame.x(), frame.y(), frame.width(), client.y() - frame.y());
        if (CoveredShare(titleBar, over) > 0.5)
            faults << QString("%1: its title bar lies under %2").arg(lower.objectName(), above.join(", "));
        std::vector<std::pair<const QWidget*, QRect>> controls;
        if (const QWidget* menu = lower.menuBar(); menu && menu->isVisible())
            controls.push_back({menu, QRect(menu->mapToGlobal(QPoint(0, 0)), menu->size())});
        ControlsOnDesktop(lower.canvas, lower, client, controls);
        for (const auto& [c, at] : controls)
            if (CoveredShare(at, over) > 0.5)
                faults << QString("%1: %2 lies under %3").arg(lower.objectName(), nameOf(c), above.join(", "));
    }
    return faults;
}

QStringList HiddenTimerFaults(const std::vector<Form*>& loaded) {
    QStringList faults;
    for (const Form* f : loaded)
        if (!f->isVisible())
            for (const Timer* t : f->timers())
                if (t->running()) faults << QString("%1 is hidden and its timer runs").arg(f->objectName());
    return faults;
}

namespace {

// The texts a window shows: captions, labels, buttons, lists, boxes, menu items, prints.
QStringList TextsOf(const Form& f, const QStringList& typed) {
    QStringList out{f.windowTitle()};
    for (const QLabel* l : f.findChildren<QLabel*>())
        out << l->text();
    for (const QAbstractButton* b : f.findChildren<QAbstractButton*>())
        out << b->text();
    for (const QListWidget* l : f.findChildren<QListWidget*>())
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
    for (const QLineEdit* e : f.findChildren<QLineEdit*>())
        if (!typed.contains(e->text())) out << e->text();
    for (const QPlainTextEdit* e : f.findChildren<QPlainTextEdit*>())
        out << e->toPlainText();
    if (f.menuBar())
        for (const QAction* a : f.menuBar()->findChildren<QAction*>())
            out << a->text();
    for (const Canvas* c : f.findChildren<Canvas*>())
        for (const DrawItem& d : c->displayList())
            if (d.kind == DrawItem::Text) out << QString::fromStdString(d.text);
    return out;
}

} // namespace

QStringList UnseemlyFaults(const std::vector<Form*>& loaded, const QStringList& typed) {
    static const QRegularExpression notANumber("(?<![A-Za-z])(nan|inf|infinity)(?![A-Za-z])",
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression number("-?\\d+(?:\\.\\d+)?(?:[eE][+-]?\\d+)?");
    QStringList faults;
    for (const Form* f : loaded) {
        for (const QString& t : TextsOf(*f, typed)) {
            if (notANumber.match(t).hasMatch())
                faults << QString("%1 shows \"%2\"").arg(f->objectName(), t.left(80));
            for (auto it = number.globalMatch(t); it.hasNext();)
                if (std::fabs(it.next().captured(0).toDouble()) > 1e7)
                    faults << QString("%1 shows an absurd number in \"%2\"")
                                  .arg(f->objectName(), t.left(80));
        }
        for (const Canvas* c : f->findChildren<Canvas*>())
            for (const DrawItem& d : c->displayList()) {
                bool bad = !std::isfinite(d.radius) || std::fabs(d.radius) > 1e9;
                for (const Point& p : {d.a, d.b}) {
                    const QPointF px = c->toPixel(p.x, p.y);
                    bad = bad || !std::isfinite(p.x) || !std::isfinite(p.y) ||
                          std::fabs(px.x()) > 1e6 || std::fabs(px.y()) > 1e6;
                }
                if (bad)
                    faults << QString("%1 draws a primitive of kind %2 at no place")
                                  .arg(f->objectName())
                                  .arg(int(d.kind));
            }
    }
    faults << HiddenTimerFaults(loaded);
    faults.removeDuplicates();
    return faults;
}

QStringList LayoutFaults(const std::vector<const Form*>& shown,
                         const std::vector<QStringList>& groups,
                         const std::function<bool(const Form& upper, const Form& lower)>& mayLieOver) {
    auto together = [&groups](const Form& a, const Form& b) {
        for (const QStringList& g : groups)
            if (g.contains(a.objectName()) && g.contains(b.objectName())) return true;
        return false;
    };
    QStringList faults;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        faults << ControlFaults(*shown[i]);
        for (std::size_t j = 0; j < i; ++j) {
            const Form& a = *shown[i];
            const Form& b = *shown[j];
            if (a.mayBeCovered || b.mayBeCovered || !together(a, b)) continue;
            if (mayLieOver && (mayLieOver(a, b) || mayLieOver(b, a))) continue;
            const QRect both = frameOf(a).intersected(frameOf(b));
            if (both.width() > 1 && both.height() > 1)
                faults << QString("%1 and %2 overlap by %3x%4")
                              .arg(a.objectName(), b.objectName())
                              .arg(both.width()).arg(both.height());
        }
    }
    return faults;
}
