// What no student may see in any window, looked for the same way by every test.
#include "support.h"

#include "shell/layoutcheck.h"
#include "shell/timer.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <cmath>

namespace {

// The texts a window shows: captions, labels, buttons, lists, boxes, menu items, prints.
void textsOf(Form& f, const QStringList& typed, QStringList& out) {
    out << f.windowTitle();
    for (QLabel* l : f.findChildren<QLabel*>()) out << l->text();
    for (QAbstractButton* b : f.findChildren<QAbstractButton*>()) out << b->text();
    for (QListWidget* l : f.findChildren<QListWidget*>())
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
    for (QLineEdit* e : f.findChildren<QLineEdit*>())
        if (!typed.contains(e->text())) out << e->text();
    for (QPlainTextEdit* e : f.findChildren<QPlainTextEdit*>()) out << e->toPlainText();
    if (f.menuBar())
        for (QAction* a : f.menuBar()->findChildren<QAction*>()) out << a->text();
    for (Canvas* c : f.findChildren<Canvas*>())
        for (const DrawItem& d : c->displayList())
            if (d.kind == DrawItem::Text) out << QString::fromStdString(d.text);
}

} // namespace

QStringList WhatNoStudentMaySee(Program& program, const QStringList& typed) {
    QStringList findings;
    static const QRegularExpression notANumber(
        "(?<![A-Za-z])(nan|inf|infinity)(?![A-Za-z])", QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression number("-?\\d+(?:\\.\\d+)?(?:[eE][+-]?\\d+)?");
    for (Form* f : program.forms.loaded()) {
        QStringList texts;
        textsOf(*f, typed, texts);
        for (const QString& t : texts) {
            if (notANumber.match(t).hasMatch())
                findings << QString("%1 shows \"%2\"").arg(f->objectName(), t.left(80));
            auto it = number.globalMatch(t);
            while (it.hasNext()) {
                const double v = it.next().captured(0).toDouble();
                if (std::fabs(v) > 1e7)
                    findings << QString("%1 shows an absurd number in \"%2\"")
                                    .arg(f->objectName(), t.left(80));
            }
        }
        for (Canvas* c : f->findChildren<Canvas*>())
            for (const DrawItem& d : c->displayList()) {
                bool bad = !std::isfinite(d.radius) || std::fabs(d.radius) > 1e9;
                for (const Point& p : {d.a, d.b}) {
                    const QPointF px = c->toPixel(p.x, p.y);
                    bad = bad || !std::isfinite(p.x) || !std::isfinite(p.y) ||
                          std::fabs(px.x()) > 1e6 || std::fabs(px.y()) > 1e6;
                }
                if (bad)
                    findings << QString("%1 draws a primitive of kind %2 at no place")
                                    .arg(f->objectName())
                                    .arg(int(d.kind));
            }
    }
    // Nobody sees a hidden window: its animations stand still.
    findings << HiddenTimerFaults(program.forms.loaded());
    findings.removeDuplicates();
    return findings;
}

