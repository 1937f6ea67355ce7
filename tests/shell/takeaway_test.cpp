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
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What an SVG file holds, read as XML.
struct SvgContents {
    bool wellFormed = false;
    int lines = 0;    // two-point polylines and line elements
    int ellipses = 0; // ellipses and circles
    int images = 0;
    QStringList texts;
    QString viewBox;
};

SvgContents readSvg(const QByteArray& bytes) {
    SvgContents out;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const QStringView name = xml.name();
        if (name == u"svg") out.viewBox = xml.attributes().value("viewBox").toString();
        if (name == u"line") ++out.lines;
        if (name == u"polyline" &&
            xml.attributes().value("points").toString().simplified().split(' ').size() == 2)
            ++out.lines;
        if (name == u"ellipse" || name == u"circle") ++out.ellipses;
        if (name == u"image") ++out.images;
        if (name == u"text")
            out.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    out.wellFormed = !xml.hasError() && !out.viewBox.isEmpty();
    return out;
}

SvgContents readSvgFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return readSvg(f.readAll());
}

bool hasGreek(const QString& t) {
    for (QChar c : t)
        if (c.unicode() >= 0x0370 && c.unicode() <= 0x03ff) return true;
    return false;
}

class TakeAwayTest : public SemicircleWindowTest {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }
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

TEST_F(TakeAwayTest, TheIndexGraphSavedAsSvgHoldsEveryLineDotAndCaptionItDrew) {
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
    const SvgContents svg = readSvgFile(path("index.svg"));
    ASSERT_TRUE(svg.wellFormed);
    EXPECT_EQ(svg.viewBox, QString("0 0 %1 %2").arg(c.width()).arg(c.height()));
    EXPECT_EQ(svg.lines, int(drawnOf(c, DrawItem::Line).size()));
    EXPECT_GT(svg.lines, 20);   // the two axes and their ticks
    EXPECT_EQ(svg.ellipses, 2); // the two rows, as dots five pixels wide
    EXPECT_EQ(svg.images, 0);   // every stroke drawn again, no picture of the ink
    // A text in two scripts may come as two runs, one after the other.
    const QString texts = svg.texts.join(QString());
    EXPECT_TRUE(texts.contains(QStringLiteral("INCIDENCE ANGLE Πρόπστωσης")));
    EXPECT_TRUE(texts.contains(QStringLiteral("MEAN ERROR Μέσο σφάλμα=4.714 %")));
    for (const QString& t : printed(c))
        EXPECT_TRUE(texts.contains(t)) << t.toStdString();

    // After a Cls the SVG holds only what was drawn since.
    c.Cls();
    c.Line(0, 0, 50, 1);
    save(&g, path("one line.svg"));
    const SvgContents again = readSvgFile(path("one line.svg"));
    EXPECT_EQ(again.lines, 1);
    EXPECT_TRUE(again.texts.isEmpty());
}

TEST_F(TakeAwayTest, ThePngIsTheWholeClientAreaWithItsControlsAtTheWindowsSize) {
    hmiky& w = open();
    giveAngle("30");
    save(w.Command1, path("ray.PNG")); // the focus may be on a button; the ending's case is free
    const QImage png(path("ray.PNG"));
    ASSERT_FALSE(png.isNull());
    const qreal dpr = w.canvas->devicePixelRatioF();
    EXPECT_EQ(png.size(), (QSizeF(w.canvas->size()) * dpr).toSize());

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
                if (w.Command1->geometry().contains(x, y) && !same) ++inButton;
                continue;
            }
            ++compared;
            if (!same) ++differ;
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
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(dialogs->messages.empty());

    for (const char* name : {"drawing.txt", "drawing", "drawing.png.bak"}) {
        dialogs->messages.clear();
        save(&w, path(name));
        EXPECT_TRUE(files().isEmpty()) << name;
        ASSERT_EQ(dialogs->messages.size(), 1u) << name;
        const QString m = dialogs->messages[0].text;
        EXPECT_TRUE(m.contains(".png") && m.contains(".svg")) << name;
        EXPECT_TRUE(hasGreek(m)) << name;
        EXPECT_LT(m.indexOf("nothing"), m.indexOf(QStringLiteral("τίποτα"))); // English first
    }

    // A file where the folder should be, and a folder that is not there: the message says
    // so, and no file is made or changed.
    QFile blocker(path("notes"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("kept");
    blocker.close();
    for (const QString& name :
         {path("notes/ray.png"), path("notes/ray.svg"), path("no/such/ray.png")}) {
        dialogs->messages.clear();
        save(&w, name);
        ASSERT_EQ(dialogs->messages.size(), 1u) << name.toStdString();
        const QString m = dialogs->messages[0].text;
        EXPECT_TRUE(m.startsWith("Could not write")) << m.toStdString();
        EXPECT_TRUE(hasGreek(m));
        EXPECT_TRUE(m.contains("ray."));
    }
    EXPECT_EQ(files(), QStringList{"notes"});
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
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(picture.size(), (QSizeF(w.canvas->size()) * w.canvas->devicePixelRatioF()).toSize());
    const SvgContents svg = readSvg(data->data("image/svg+xml"));
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
    const QStringList lines = clipboardText().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), l.List1->count() + 1);
    EXPECT_EQ(lines[0],
              QStringLiteral("INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\tINDEX Διάθλασης"));
    for (int i = 0; i < l.List1->count(); ++i) {
        const QStringList cells = lines[i + 1].split('\t');
        ASSERT_EQ(cells.size(), 3) << lines[i + 1].toStdString();
        EXPECT_EQ(cells[0], l.List1->item(i)->text());
        EXPECT_EQ(cells[1], l.List2->item(i)->text());
        EXPECT_EQ(cells[2], l.List3->item(i)->text());
    }
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasImage());

    // An empty list copies its headings alone.
    program->experiment.clearRows();
    copy(&l);
    EXPECT_EQ(clipboardText(),
              QStringLiteral("INCIDENCE Πρόσπτωσης\tREFRACTION Διάθλασης\tINDEX Διάθλασης\n"));
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
    ASSERT_FALSE(d.List1->isHidden());
    d.Text1[0]->deselect();
    copy(d.Text1[0]); // a key in a box no longer hides the lists when it is Ctrl+C
    EXPECT_FALSE(d.List1->isHidden());
    const QStringList lines = clipboardText().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), d.List1->count());
    for (int i = 0; i < d.List1->count(); ++i)
        EXPECT_EQ(lines[i], d.List1->item(i)->text() + '\t' + d.List2->item(i)->text());
    EXPECT_TRUE(lines[0].contains(QStringLiteral("INCIDENCE")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("REFRACTION")));
}

TEST_F(TakeAwayTest, AHistoryPageSavedAsSvgKeepsItsTextAsText) {
    Main(*program);
    program->forms.velmoratimeleti().Command4->click();
    storiopt& s = program->forms.storiopt();
    ASSERT_TRUE(s.Visible());
    save(&s, path("history.svg"));
    const SvgContents svg = readSvgFile(path("history.svg"));
    ASSERT_TRUE(svg.wellFormed);
    const QString text = svg.texts.join(' ');
    EXPECT_TRUE(text.contains(QStringLiteral("Πτολεμαίος"))) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Al Haytham")));
}

// The canvas draws its ink again from the calls since the last Cls.
TEST(CanvasStrokes, TheStrokesPaintTheSamePictureAsTheInkAndStopAtTheirLimit) {
    Canvas c;
    c.resize(300, 200);
    c.setBackColor(RGB(255, 255, 255));
    c.Scale(0, 0, 300, 200);
    c.DrawWidth = 1;
    c.Line(10, 10, 290, 20, RGB(0, 0, 255));
    c.DrawStyle = 2;
    c.Line(10, 30, 290, 30, RGB(255, 0, 0));
    c.DrawStyle = 0;
    c.DrawWidth = 3;
    c.Line(20, 40, 80, 90, RGB(0, 128, 0), Canvas::BoxOutline);
    c.Line(100, 40, 140, 90, RGB(200, 100, 0), Canvas::BoxFilled);
    c.FillStyle = 0;
    c.FillColor = RGB(205, 0, 0);
    c.Circle(200, 70, 30, RGB(0, 0, 0), -0.5, -2.5);
    c.FillStyle = 1;
    c.CircleAspect(250, 150, 30, RGB(0, 0, 0), 0.5);
    c.Circle(60, 150, 25, RGB(0, 0, 0), 0.2, 3.0);
    c.PSet(150, 150, RGB(0, 0, 0));
    c.DrawWidth = 6;
    c.PSet(170, 150, RGB(0, 0, 255));
    c.setFontSize(14);
    c.setFontItalic(true);
    c.PrintAt(100, 110, QStringLiteral("n = sin i / sin r Δείκτης"));
    ASSERT_EQ(c.displayList().size(), 10u);
    ASSERT_TRUE(c.displayListComplete());

    const QImage ink = c.image();
    QImage again(ink.size(), ink.format());
    again.setDevicePixelRatio(ink.devicePixelRatio());
    again.setDotsPerMeterX(3780);
    again.setDotsPerMeterY(3780);
    {
        QPainter p(&again);
        c.paintSurface(p);
    }
    int far = 0, dark = 0;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x) {
            const QColor a = ink.pixelColor(x, y), b = again.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                24)
                ++far;
            if (b.lightness() < 128) ++dark;
        }
    EXPECT_LT(far, 40) << "of " << ink.width() * ink.height();
    EXPECT_GT(dark, 2000);

    // Beyond the limit the ink is kept as its image only, until the next Cls.
    c.Cls();
    EXPECT_TRUE(c.displayList().empty());
    c.DrawWidth = 1;
    for (std::size_t i = 0; i <= Canvas::kMaxItems; ++i)
        c.Line(0, 100, 300, 100, RGB(0, 0, 0));
    EXPECT_FALSE(c.displayListComplete());
    EXPECT_TRUE(c.displayList().empty());
    QImage dense(ink.size(), ink.format());
    {
        QPainter p(&dense);
        c.paintSurface(p);
    }
    EXPECT_LT(dense.pixelColor(150, 100).lightness(), 100); // the line, from the image
    c.Cls();
    c.Line(0, 0, 10, 10);
    EXPECT_TRUE(c.displayListComplete());
    EXPECT_EQ(c.displayList().size(), 1u);
}
