// The short history as a student reads it: the main menu's button opens the first page, the
// menu turns the pages and closes the window, and each page is whole and readable at any size.
#include "support.h"

#include "history/page.h"
#include "history/storiopt.h"

#include <QImage>

namespace {

class HistoryTest : public ProgramTest {
protected:
    storiopt& open() {
        Main(*program);
        program->forms.velmoratimeleti().Command4->click();
        return s();
    }
    storiopt& s() { return program->forms.storiopt(); }

    // Exactly one page shows, and it fills the window from its top-left corner.
    void expectOnePageFilling(Canvas* shown, Canvas* hidden) {
        EXPECT_TRUE(shown->isVisibleTo(&s()));
        EXPECT_FALSE(hidden->isVisibleTo(&s()));
        EXPECT_EQ(shown->pos(), QPoint(0, 0));
        EXPECT_NEAR(s().Width(shown), s().Width(), 15);
        EXPECT_NEAR(s().Height(shown), s().Height(), 15);
    }
};

bool isBackground(QRgb pixel) { return pixel == QColor(255, 253, 245).rgb(); }

} // namespace

TEST_F(HistoryTest, TheMainMenuOpensTheFirstPageOverTheWholeScreen) {
    storiopt& w = open();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), QStringLiteral("Σύντομη Ιστορία"));
    EXPECT_EQ(w.Left(), 0);
    EXPECT_EQ(w.Top(), 0);
    EXPECT_NEAR(w.Width(), 1920 * 15, 15);
    EXPECT_NEAR(w.Height(), 1080 * 15, 15);
    expectOnePageFilling(w.Picture1, w.Picture2);
    QStringList items;
    for (QAction* a : w.menuBar()->actions())
        if (!a->text().isEmpty()) items << a->text();
    EXPECT_EQ(items, (QStringList{"PROTO", "DEFTERO", "KLISIMO"}));
}

TEST_F(HistoryTest, TurningThePagesAgainAndAgainKeepsOnePageFillingTheWindow) {
    storiopt& w = open();
    for (int i = 0; i < 7; ++i) {
        w.defteromeros->trigger();
        expectOnePageFilling(w.Picture2, w.Picture1);
        if (i % 3 == 0) w.defteromeros->trigger(); // the same page twice changes nothing
        expectOnePageFilling(w.Picture2, w.Picture1);
        w.protomeros->trigger();
        expectOnePageFilling(w.Picture1, w.Picture2);
    }
    // A window made smaller gets its page sized to it at the next turn.
    w.setWidth(800 * 15);
    w.setHeight(500 * 15);
    w.defteromeros->trigger();
    expectOnePageFilling(w.Picture2, w.Picture1);
    w.setWidth(1000 * 15);
    w.setHeight(700 * 15);
    w.protomeros->trigger();
    expectOnePageFilling(w.Picture1, w.Picture2);
    w.klisimo->trigger();
    EXPECT_FALSE(w.Visible());
    program->forms.velmoratimeleti().Command4->click();
    EXPECT_TRUE(w.Visible());
}

TEST_F(HistoryTest, ThePagesHoldTheHistoryTheyPromise) {
    storiopt& w = open();
    ASSERT_TRUE(w.page(1).loaded());
    ASSERT_TRUE(w.page(2).loaded());
    const QString one = w.page(1).plainText();
    for (const char* heading :
         {"Η ιστορία του νόμου της Διάθλασης", "Ο νόμος της διάθλασης στην Αρχαιότητα και τον Μεσαίωνα.",
          "Νόμος του Κέπλερ.", "Νόμος του Snell", "Ερμηνείες του νόμου του Snell", "Ήρων",
          "Πτολεμαίος", "Al Haytham", "2/3", "3/4", "3/2", "45°", "1621", "1626"})
        EXPECT_TRUE(one.contains(QString::fromUtf8(heading))) << heading;
    const QString two = w.page(2).plainText();
    for (const char* part : {"Descartes", "Fermat", "ελάχιστου χρόνου", "Newton", "πεδίο δυνάμεων",
                             "μεγάλες γωνίες πρόσπτωσης", "Πρώτες διαφορές", "Δεύτερες διαφορές"})
        EXPECT_TRUE(two.contains(QString::fromUtf8(part))) << part;
    // Ptolemy's table row by row: incidence, refraction, and the first difference, whose own
    // differences are half a degree throughout.
    const char* rows[] = {"10°\n8°", "20°\n15½°\n7½°", "30°\n22½°\n7°\n½°", "40°\n29°\n6½°\n½°",
                          "50°\n35°\n6°\n½°", "60°\n40½°\n5½°\n½°", "70°\n45½°\n5°\n½°",
                          "80°\n50°\n4½°\n½°"};
    QString cells = two;
    cells.replace(QChar(0x2029), '\n').replace(QChar(0xfdd0), '\n').replace(QChar(0xfdd1), '\n');
    for (const char* row : rows) EXPECT_TRUE(cells.contains(QString::fromUtf8(row))) << row;
}

TEST_F(HistoryTest, EachPageFitsWholeAndReadableAtEverySize) {
    storiopt& w = open();
    for (int page : {1, 2}) {
        for (const QSizeF area : {QSizeF(1860, 990), QSizeF(1290, 690), QSizeF(1210, 640),
                                  QSizeF(760, 560), QSizeF(3720, 2040), QSizeF(300, 200)}) {
            const HistoryPage::Fit fit = w.page(page).fitFor(area);
            SCOPED_TRACE(QStringLiteral("page %1 at %2 x %3").arg(page).arg(area.width()).arg(area.height()).toStdString());
            ASSERT_GT(fit.layoutWidth, 0);
            ASSERT_GT(fit.scale, 0);
            EXPECT_LE(fit.height * fit.scale, area.height() + 0.5); // nothing below the edge
            EXPECT_LE(fit.layoutWidth * fit.scale, area.width() + 0.5);
            // On a school laptop's screen the text is at least as large as a menu's.
            if (area.height() >= 640) EXPECT_GE(fit.scale * 16, 11);
        }
    }
}

TEST_F(HistoryTest, ThePageIsDrawnInTheVisiblePartOfTheWindow) {
    storiopt& w = open();
    w.setWidth(900 * 15);
    w.setHeight(600 * 15);
    w.protomeros->trigger();
    const QImage image = w.Picture1->image();
    const int seenHeight = w.canvas->height();
    ASSERT_LT(seenHeight, image.height()); // the box reaches beyond the window's lower edge
    int ink = 0;
    for (int y = 0; y < seenHeight; ++y)
        for (int x = 0; x < image.width(); ++x) ink += !isBackground(image.pixel(x, y));
    EXPECT_GT(ink, 2000);
    // Below what the window shows the page has nothing: no line of it is lost there.
    for (int y = seenHeight; y < image.height(); ++y)
        for (int x = 0; x < image.width(); x += 3) ASSERT_TRUE(isBackground(image.pixel(x, y))) << y;
}
