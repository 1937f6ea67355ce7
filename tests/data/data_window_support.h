#pragma once
// The data window as the main menu opens it, and ways to look at its two graphs.
#include "support.h"

#include "data/analysis.h"
#include "data/incref.h"
#include "data/inpdat.h"
#include "app/velmoratimeleti.h"

#include <QApplication>
#include <QKeyEvent>

#include <cmath>
#include <initializer_list>

class DataWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        Main(*program);
        program->forms.velmoratimeleti().Command2_Click();
        record(program->forms.incref());
        record(program->forms.analysis());
    }
    inpdat& d() { return program->forms.inpdat(); }
    incref& graph() { return program->forms.incref(); }
    analysis& sines() { return program->forms.analysis(); }
    Canvas& graphCanvas() { return *graph().canvas; }
    Canvas& sineCanvas() { return *sines().canvas; }

    // Types the rows as a student would, one box after another.
    void type(std::initializer_list<const char*> incidence,
              std::initializer_list<const char*> refraction) {
        int i = 0;
        for (const char* t : incidence)
            d().Text1[i++]->setText(QString::fromUtf8(t));
        i = 0;
        for (const char* t : refraction)
            d().Refr[i++]->setText(QString::fromUtf8(t));
    }
    static void press(QWidget* box, int qtKey) {
        QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    }
    std::vector<QString> messages() const {
        std::vector<QString> out;
        for (const auto& m : dialogs->messages)
            out.push_back(m.text);
        return out;
    }
};

// Lines of one colour that start at (x1, y1) and end at (x2, y2).
inline int linesBetween(const Canvas& c, const QColor& color, double x1, double y1, double x2,
                        double y2, double tolerance = 1e-4) {
    int count = 0;
    for (const DrawItem& l : drawnOf(c, DrawItem::Line, color))
        if (near(pt(l.a), x1, y1, tolerance) && near(pt(l.b), x2, y2, tolerance)) ++count;
    return count;
}

inline bool anyPrintedStartsWith(const Canvas& c, const QString& start) {
    for (const QString& t : printed(c))
        if (t.startsWith(start)) return true;
    return false;
}
