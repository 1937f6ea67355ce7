// The take-aways as a teacher uses them: Ctrl+S on a window, a name in the save box, then
// the file; Ctrl+C, then the clipboard.
#include "support.h"

#include "data/inpdat.h"
#include "records/Grafindex.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What an SVG drawing holds, read as XML: its lines (line elements and two-point polylines),
// ellipses and circles, images, and texts. The size is the view box; empty when not well-formed.
struct Svg {
    QString viewBox;
    int lines = 0, ellipses = 0, images = 0;
    QStringList texts;
};

Svg readSvg(const QByteArray& bytes) {
    Svg out;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QStringView name = xml.name();
        const QString points = xml.attributes().value("points").toString().simplified();
        out.lines += name == u"line" || (name == u"polyline" && points.count(' ') == 1);
        out.ellipses += name == u"ellipse" || name == u"circle";
        out.images += name == u"image";
        if (name == u"svg") out.viewBox = xml.attributes().value("viewBox").toString();
        if (name == u"text")
            out.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    if (xml.hasError()) out.viewBox.clear();
    return out;
}

class TakeAwayTest : public SemicircleWindowTest {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    // Ctrl+S on the window (or one of its controls), with the name the teacher gives, and the
    // file read back as SVG.
    Svg save(QWidget* target, const QString& answer) {
        dialogs->answer(answer);
        QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
        QFile f(answer);
        return f.open(QIODevice::ReadOnly) ? readSvg(f.readAll()) : Svg{};
    }
    static QString copy(QWidget* target) {
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }
    QTemporaryDir folder;
};

} // namespace

TEST_F(TakeAwayTest, TheIndexGraphSavedAsSvgHoldsEveryLineDotAndTextItDrew) {
    open();
    program->experiment.addRow({"10", "6.65", "1.5000"});
    program->experiment.addRow({"20", "12.86", "1.6000"});
    Grafindex& g = program->forms.Grafindex();
    g.Show();
    Canvas& c = record(g);
    g.zografizo();
    const Svg svg = save(&g, path("index.svg"));
    ASSERT_EQ(dialogs->saveQuestions.size(), 1u);
    EXPECT_TRUE(dialogs->saveQuestions[0].suggested.endsWith(".png"));
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(svg.viewBox, QString("0 0 %1 %2").arg(c.width()).arg(c.height()));
    EXPECT_EQ(svg.lines, int(drawnOf(c, DrawItem::Line).size()));
    EXPECT_GT(svg.lines, 20);   // the two axes and their ticks
    EXPECT_EQ(svg.ellipses, 2); // the two rows, as dots five pixels wide
    EXPECT_EQ(svg.images, 0);   // every stroke drawn again, no picture of the ink
    // Every text as text, Greek included; one in two scripts may come as two runs in a row.
    ASSERT_GE(printed(c).size(), 2u);
    for (const QString& t : printed(c))
        EXPECT_TRUE(svg.texts.join(QString()).contains(t)) << t.toStdString();
    // After a Cls the SVG holds only what was drawn since.
    c.Cls();
    c.Line(0, 0, 50, 1);
    const Svg again = save(&g, path("one line.svg"));
    EXPECT_EQ(again.lines, 1);
    EXPECT_TRUE(again.texts.isEmpty());
    // A history page keeps its text as text.
    program->forms.velmoratimeleti().Command4->click();
    const QString history = save(program->forms.byName("storiopt"), path("h.svg")).texts.join(' ');
    EXPECT_TRUE(history.contains(QStringLiteral("Πτολεμαίος")) && history.contains("Al Haytham"));
}

TEST_F(TakeAwayTest, ThePngAndTheCopiedPictureAreTheWholeClientAreaWithItsControls) {
    hmiky& w = open();
    giveAngle("30");
    save(w.Command1, path("ray.PNG")); // the focus may be on a button; the ending's case is free
    const QImage png(path("ray.PNG"));
    EXPECT_EQ(png.size(), (QSizeF(w.canvas->size()) * w.canvas->devicePixelRatioF()).toSize());
    // Where no control lies the PNG is the drawing as the student sees it; over a button it
    // shows the button.
    const QImage drawing = w.canvas->image().convertToFormat(png.format());
    QRegion controls;
    for (QWidget* child : w.canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible()) controls += child->geometry();
    int differ = 0, compared = 0, inButton = 0;
    for (int y = 0; y < png.height(); y += 3)
        for (int x = 0; x < png.width(); x += 3) {
            const bool same = png.pixel(x, y) == drawing.pixel(x, y);
            compared += !controls.contains(QPoint(x, y));
            differ += !same && !controls.contains(QPoint(x, y));
            inButton += !same && w.Command1->geometry().contains(x, y);
        }
    EXPECT_GT(compared, 1000);
    EXPECT_EQ(differ, 0);
    EXPECT_GT(inButton, 10);
    EXPECT_TRUE(dialogs->messages.empty());
    // Ctrl+C gives the same picture, and the drawing as SVG.
    copy(&w);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(png.format()), png);
    EXPECT_EQ(readSvg(data->data("image/svg+xml")).lines,
              int(drawnOf(*w.canvas, DrawItem::Line).size()));
    EXPECT_FALSE(data->hasText());
}

TEST_F(TakeAwayTest, CancelAStrangeEndingOrAFolderThatCannotBeWrittenSaveNothing) {
    hmiky& w = open();
    giveAngle("45");
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier); // no answer: the box is cancelled
    save(&w, "");
    EXPECT_EQ(dialogs->saveQuestions.size(), 2u);
    EXPECT_TRUE(dialogs->messages.empty());
    for (const char* name : {"drawing.txt", "drawing", "drawing.png.bak"})
        save(&w, path(name));
    // A file where the folder should be, and a folder that is not there: the message says
    // so, and no file is made or changed.
    QFile blocker(path("notes"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly) && blocker.write("kept") == 4);
    blocker.close();
    const QStringList unwritable{path("notes/ray.png"), path("notes/ray.svg"), path("no/ray.png")};
    for (const QString& name : unwritable)
        save(&w, name);
    ASSERT_EQ(dialogs->messages.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dialogs->messages[i].text,
                  QStringLiteral("Give a name ending in .png or .svg: nothing was saved. Δώστε "
                                 "όνομα που τελειώνει σε .png ή .svg: τίποτα δεν αποθηκεύτηκε."));
        EXPECT_EQ(dialogs->messages[3 + i].text,
                  QStringLiteral("Could not write %1: nothing was saved. Δεν ήταν δυνατό να "
                                 "γραφτεί το %1: τίποτα δεν αποθηκεύτηκε.")
                      .arg(QDir::toNativeSeparators(unwritable[i])));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"notes"});
    ASSERT_TRUE(blocker.open(QIODevice::ReadOnly));
    EXPECT_EQ(blocker.readAll(), "kept");
    EXPECT_TRUE(w.Visible());
}

TEST_F(TakeAwayTest, TheListAndDataWindowsCopyTheirRowsAsColumnsForASpreadsheet) {
    hmiky& w = open();
    w.Command4->click(); // a sweep from 0° to 90°
    List_of_Data& l = list();
    ASSERT_GT(l.List1->count(), 5);
    l.List2->setFocus();
    l.List2->setCurrentRow(3);
    // From inside a list: all the rows, not the list's current one alone.
    const QStringList lines = copy(l.List2).split('\n');
    ASSERT_EQ(lines.size(), l.List1->count() + 2); // headings, rows, and after the last end
    EXPECT_EQ(lines[0],
              QStringLiteral("INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\tINDEX Διάθλασης"));
    for (int i = 0; i < l.List1->count(); ++i)
        EXPECT_EQ(lines[i + 1], QStringList({l.List1->item(i)->text(), l.List2->item(i)->text(),
                                             l.List3->item(i)->text()})
                                    .join('\t'));
    program->experiment.clearRows();
    EXPECT_EQ(copy(&l), lines[0] + '\n'); // an empty list copies its headings alone

    // The data window: the typed rows, a decimal comma and an empty box as typed.
    program->forms.velmoratimeleti().Command2_Click();
    inpdat& d = program->forms.inpdat();
    d.Text1[0]->setText("10");
    d.Refr[0]->setText("6,6");
    d.Text1[1]->setText("20");
    d.Refr[1]->setText("13.2");
    d.Text1[2]->setText("30");
    EXPECT_EQ(copy(&d), QStringLiteral("INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\n"
                                       "10\t6,6\n20\t13.2\n30\t\n"));
    // Text chosen in a box copies as a box copies it.
    d.Text1[1]->setFocus();
    d.Text1[1]->selectAll();
    EXPECT_EQ(copy(d.Text1[1]), "20");
    // Newton's glass: the lists show the data set with their headings; a key in a box no
    // longer hides the lists when it is Ctrl+C.
    d.Newt->trigger();
    d.Text1[0]->deselect();
    const QString rows = copy(d.Text1[0]);
    EXPECT_FALSE(d.List1->isHidden());
    EXPECT_EQ(rows.count('\n'), d.List1->count());
    for (int i = 0; i < d.List1->count(); ++i)
        EXPECT_EQ(rows.section('\n', i, i),
                  d.List1->item(i)->text() + '\t' + d.List2->item(i)->text());
    EXPECT_TRUE(rows.section('\n', 0, 0).contains(QRegularExpression("INCIDENCE.*REFRACTION")));
}
