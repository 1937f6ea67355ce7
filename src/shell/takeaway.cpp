#include "shell/takeaway.h"

#include "shell/dialogs.h"
#include "shell/form.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTextEdit>

#include <algorithm>

QImage WindowPicture(Form& form) { return form.canvas->grab().toImage(); }

QByteArray DrawingSvg(Form& form) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    const QSize size = form.canvas->size();
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    // The ink's point sizes are at 96 dots per inch; the drawing keeps them.
    svg.setResolution(96);
    svg.setTitle(form.Caption());
    QPainter p(&svg);
    form.canvas->paintSurface(p);
    // The picture boxes, each in its place over the window's surface.
    for (Canvas* box : form.canvas->findChildren<Canvas*>()) {
        if (!box->isVisibleTo(form.canvas)) continue;
        p.save();
        p.translate(box->mapTo(form.canvas, QPoint(0, 0)));
        p.setClipRect(box->rect());
        box->paintSurface(p);
        p.restore();
    }
    p.end();
    return out.data();
}

namespace {
QString cell(QString text) {
    // A tab or a line break inside a cell would split it.
    text.replace('\t', ' ').replace('\r', ' ').replace('\n', ' ');
    return text;
}
} // namespace

QString TabSeparated(const std::vector<QStringList>& columns, const QStringList& headings) {
    qsizetype rows = 0;
    for (const QStringList& c : columns)
        rows = std::max(rows, c.size());
    QStringList lines;
    for (qsizetype r = 0; r < rows; ++r) {
        QStringList cells;
        for (const QStringList& c : columns)
            cells << (r < c.size() ? cell(c[r]) : QString());
        lines << cells.join('\t');
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (!headings.isEmpty()) {
        QStringList cells;
        for (const QString& h : headings)
            cells << cell(h);
        lines.prepend(cells.join('\t'));
    }
    return lines.isEmpty() ? QString() : lines.join('\n') + '\n';
}

QStringList ItemTexts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void Form::saveDrawing() {
    if (!dialogs_) return;
    Dialogs& dialogs = dialogs_();
    const QString title = QStringLiteral("SAVE THE DRAWING Αποθήκευση του σχεδίου");
    const QString name = dialogs.SaveFileName(
        title, objectName() + QStringLiteral(".png"),
        QStringLiteral("PNG picture εικόνα (*.png);;SVG drawing σχέδιο (*.svg)"));
    if (name.isEmpty()) return;
    const QString ending = QFileInfo(name).suffix().toLower();
    if (ending != QLatin1String("png") && ending != QLatin1String("svg")) {
        dialogs.MsgBox(QStringLiteral("Give a name ending in .png or .svg: nothing was saved. "
                                      "Δώστε όνομα που τελειώνει σε .png ή .svg: τίποτα δεν "
                                      "αποθηκεύτηκε."),
                       title);
        return;
    }
    QSaveFile file(name);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && ending == QLatin1String("png"))
        written = WindowPicture(*this).save(&file, "PNG");
    else if (written)
        written = file.write(DrawingSvg(*this)) >= 0;
    written = written && file.commit();
    if (!written) {
        QString shown = QDir::toNativeSeparators(name);
        if (shown.size() > 100) shown = shown.left(48) + QStringLiteral("…") + shown.right(48);
        dialogs.MsgBox(QStringLiteral("Could not write %1: nothing was saved. Δεν ήταν δυνατό "
                                      "να γραφτεί το %1: τίποτα δεν αποθηκεύτηκε.")
                           .arg(shown),
                       title);
    }
}

void Form::copyDrawing() {
    const QString rows = tableText();
    auto* data = new QMimeData;
    if (!rows.isEmpty()) {
        data->setText(rows);
    } else {
        data->setImageData(WindowPicture(*this));
        data->setData(QStringLiteral("image/svg+xml"), DrawingSvg(*this));
    }
    QApplication::clipboard()->setMimeData(data);
}

namespace {
// Sees every key press before its control does: a list would copy its current row alone,
// and a box's key handler would take Ctrl+C for typing.
class TakeAwayKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* target, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* w = qobject_cast<QWidget*>(target);
        auto* form = w ? qobject_cast<Form*>(w->window()) : nullptr;
        if (!form) return false;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat()) form->showHelp();
            return true;
        }
        // A table pasted into a window that takes one; any other text is left to the box.
        if (key->matches(QKeySequence::Paste))
            return form->pasteTable(QApplication::clipboard()->text(), w);
        const bool save = key->matches(QKeySequence::Save);
        const bool copy = key->matches(QKeySequence::Copy);
        if (!save && !copy) return false;
        // Text chosen in a box is copied as a box copies it.
        if (copy && hasChosenText(w)) return false;
        if (key->isAutoRepeat()) return true;
        if (save)
            form->saveDrawing();
        else
            form->copyDrawing();
        return true;
    }

private:
    static bool hasChosenText(QWidget* w) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->hasSelectedText();
        if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return e->textCursor().hasSelection();
        if (auto* e = qobject_cast<QTextEdit*>(w)) return e->textCursor().hasSelection();
        return false;
    }
};
} // namespace

void InstallTakeAwayKeys() {
    static const QLatin1String name("takeAwayKeys");
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) return;
    auto* keys = new TakeAwayKeys(app);
    keys->setObjectName(name);
    app->installEventFilter(keys);
}
