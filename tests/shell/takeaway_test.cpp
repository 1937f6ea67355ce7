// The take-aways as a teacher uses them: Ctrl+S on a window, a name in the save box, then
// the file; Ctrl+C, then the clipboard.
#include "support.h"

#include "data/inpdat.h"
#include "history/storiopt.h"
#include "records/Grafindex.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What an SVG drawing holds, read as XML: its lines (line elements and two-point polylines),
// ellipses (and circles), images and texts.
struct Svg {
    bool wellFormed = false;
    int lines = 0, ellipses = 0, images = 0;
    QString viewBox;
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
    out.wellFormed = !xml.hasError() && !out.viewBox.isEmpty();
    return out;
}

Svg readSvgFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? readSvg(f.readAll()) : Svg{};
}

class TakeAwayTest : public SemicircleWindowTest {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    // Ctrl+S on the window (or one of its controls), with the name the teacher gives.
    void save(QWidget* target, const QString& answer) {
        dialogs->answer(answer);
        QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
    }
    static void copy(QWidget* target) { QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier); }
    static QString clipboardText() { return QApplication::clipboard()->text(); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(TakeAwayTest, TheIndexGraphSavedAsSvgHoldsEveryLineDotAndTextItDrew) {
    open();
    ASSERT_TRUE(folder.isValid());
    program->experiment.addRow({"10", "6.65", "1.5000"});
    program->experiment.addRow({"20", "12.86", "1.6000"});
    Grafindex& g = program->forms.Grafindex();
    g.Show();
    Canvas& c = record(g);
    g.zografizo();
    save(&g, path("index.svg"));

    ASSERT_EQ(dialogs->saveQuestions.size(), 1u);
    EXPECT_TRUE(dialogs->saveQuestions[0].suggested.endsWith(".png"));
    EXPECT_TRUE(dialogs->messages.empty());
    const Svg svg = readSvgFile(path("index.svg"));
    ASSERT_TRUE(svg.wellFormed);
    EXPECT_EQ(svg.viewBox, QString("0 0 %1 %2").arg(c.width()).arg(c.height()));
    EXPECT_EQ(svg.lines, int(drawnOf(c, DrawItem::Line).size()));
    EXPECT_GT(svg.lines, 20);   // the two axes and their ticks
    EXPECT_EQ(svg.ellipses, 2); // the two rows, as dots five pixels wide
    EXPECT_EQ(svg.images, 0);   // every stroke drawn again, no picture of the ink
    // Every text as text, Greek included; one in two scripts may come as two runs in a row.
    const QString texts = svg.texts.join(QString());
    ASSERT_GE(printed(c).size(), 2u);
    for (const QString& t : printed(c))
        EXPECT_TRUE(texts.contains(t)) << t.toStdString();

    // After a Cls the SVG holds only what was drawn since.
    c.Cls();
    c.Line(0, 0, 50, 1);
    save(&g, path("one line.svg"));
    const Svg again = readSvgFile(path("one line.svg"));
    EXPECT_EQ(again.lines, 1);
    EXPECT_TRUE(again.texts.isEmpty());
}

TEST_F(TakeAwayTest, ThePngIsTheWholeClientAreaWithItsControlsAtTheWindowsSize) {
    hmiky& w = open();
    giveAngle("30");
    save(w.Command1, path("ray.PNG")); // the focus may be on a button; the ending's case is free
    const QImage png(path("ray.PNG"));
    ASSERT_FALSE(png.isNull());
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
            if (controls.contains(QPoint(x, y))) {
                inButton += w.Command1->geometry().contains(x, y) && !same;
            } else {
                ++compared;
                differ += !same;
            }
        }
    EXPECT_GT(compared, 1000);
    EXPECT_EQ(differ, 0);
    EXPECT_GT(inButton, 10);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(TakeAwayTest, CancelAStrangeEndingOrAFolderThatCannotBeWrittenSaveNothing) {
    hmiky& w = open();
    giveAngle("45");
    ASSERT_TRUE(folder.isValid());
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier); // no answer: the box is cancelled
    save(&w, "");
    EXPECT_EQ(dialogs->saveQuestions.size(), 2u);
    EXPECT_TRUE(dialogs->messages.empty());
    for (const char* name : {"drawing.txt", "drawing", "drawing.png.bak"})
        save(&w, path(name));
    // A file where the folder should be, and a folder that is not there: the message says
    // so, and no file is made or changed.
    QFile blocker(path("notes"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("kept");
    blocker.close();
    const QStringList unwritable{path("notes/ray.png"), path("notes/ray.svg"),
                                 path("no/such/ray.png")};
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

TEST_F(TakeAwayTest, CtrlCCopiesTheDrawingAsAPictureAndAsSvg) {
    hmiky& w = open();
    Canvas& c = record(w);
    giveAngle("30");
    copy(&w);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data && data->hasImage());
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(picture.size(), (QSizeF(w.canvas->size()) * w.canvas->devicePixelRatioF()).toSize());
    const Svg svg = readSvg(data->data("image/svg+xml"));
    ASSERT_TRUE(svg.wellFormed);
    EXPECT_EQ(svg.lines, int(drawnOf(c, DrawItem::Line).size()));
    EXPECT_FALSE(data->hasText());
}

TEST_F(TakeAwayTest, TheListWindowCopiesItsRowsAsColumnsForASpreadsheet) {
    hmiky& w = open();
    w.Command4->click(); // a sweep from 0° to 90°
    List_of_Data& l = list();
    ASSERT_GT(l.List1->count(), 5);
    l.List2->setFocus();
    l.List2->setCurrentRow(3);
    copy(l.List2); // from inside a list: all the rows, not the list's current one alone
    const QString headings =
        QStringLiteral("INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\tINDEX Διάθλασης\n");
    QString rows = headings;
    for (int i = 0; i < l.List1->count(); ++i)
        rows += l.List1->item(i)->text() + '\t' + l.List2->item(i)->text() + '\t' +
                l.List3->item(i)->text() + '\n';
    EXPECT_EQ(clipboardText(), rows);
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasImage());
    // An empty list copies its headings alone.
    program->experiment.clearRows();
    copy(&l);
    EXPECT_EQ(clipboardText(), headings);
}

TEST_F(TakeAwayTest, TheDataWindowCopiesTheTypedRowsOrTheLoadedDataSet) {
    Main(*program);
    program->forms.velmoratimeleti().Command2_Click();
    inpdat& d = program->forms.inpdat();
    d.Text1[0]->setText("10");
    d.Refr[0]->setText("6,6");
    d.Text1[1]->setText("20");
    d.Refr[1]->setText("13.2");
    d.Text1[2]->setText("30");
    copy(&d);
    EXPECT_EQ(clipboardText(), QStringLiteral("INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\n"
                                              "10\t6,6\n20\t13.2\n30\t\n"));
    // Text chosen in a box copies as a box copies it.
    d.Text1[1]->setFocus();
    d.Text1[1]->selectAll();
    copy(d.Text1[1]);
    EXPECT_EQ(clipboardText(), "20");

    // Newton's glass: the lists show the data set with their headings.
    d.Newt->trigger();
    d.Text1[0]->deselect();
    copy(d.Text1[0]); // a key in a box no longer hides the lists when it is Ctrl+C
    EXPECT_FALSE(d.List1->isHidden());
    QString rows;
    for (int i = 0; i < d.List1->count(); ++i)
        rows += d.List1->item(i)->text() + '\t' + d.List2->item(i)->text() + '\n';
    EXPECT_TRUE(rows.section('\n', 0, 0).contains(QRegularExpression("INCIDENCE.*REFRACTION")));
    EXPECT_EQ(clipboardText(), rows);
}

TEST_F(TakeAwayTest, AHistoryPageSavedAsSvgKeepsItsTextAsText) {
    Main(*program);
    program->forms.velmoratimeleti().Command4->click();
    save(&program->forms.storiopt(), path("history.svg"));
    const Svg svg = readSvgFile(path("history.svg"));
    ASSERT_TRUE(svg.wellFormed);
    const QString text = svg.texts.join(' ');
    EXPECT_TRUE(text.contains(QStringLiteral("Πτολεμαίος"))) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Al Haytham")));
}
