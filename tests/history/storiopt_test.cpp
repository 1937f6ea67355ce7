// The short history as a student reads it: the main menu's button opens the first page, the
// menu turns the pages and closes the window, and each page is whole and readable at any size.
#include "support.h"

#include "history/page.h"
#include "history/storiopt.h"

#include <QImage>

class HistoryTest : public ProgramTest {
protected:
    storiopt& open() {
        Main(*program);
        program->forms.velmoratimeleti().Command4->click();
        return program->forms.storiopt();
    }
    // Exactly one page shows, and it fills the window from its top-left corner.
    static void expectOnePageFilling(storiopt& w, int page) {
        Canvas* shown = page == 1 ? w.Picture1 : w.Picture2;
        EXPECT_TRUE(shown->isVisibleTo(&w));
        EXPECT_FALSE((page == 1 ? w.Picture2 : w.Picture1)->isVisibleTo(&w));
        EXPECT_EQ(shown->pos(), QPoint(0, 0));
        EXPECT_NEAR(w.Width(shown), w.Width(), 15);
        EXPECT_NEAR(w.Height(shown), w.Height(), 15);
    }
};

TEST_F(HistoryTest, TheMainMenuOpensTheFirstPageAndTheMenuTurnsThePages) {
    storiopt& w = open();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(QRect(w.Left(), w.Top(), w.Width(), w.Height()), QRect(0, 0, 1920 * 15, 1080 * 15));
    expectOnePageFilling(w, 1);
    // Turned again and again, and on a window made smaller, one page fills the window.
    for (const QSize size : {QSize(1920, 1080), QSize(800, 500), QSize(1000, 700)})
        for (int page : {2, 2, 1}) {
            w.setWidth(size.width() * 15);
            w.setHeight(size.height() * 15);
            (page == 1 ? w.protomeros : w.defteromeros)->trigger();
            EXPECT_EQ(program->history.page, page);
            expectOnePageFilling(w, page);
        }
    w.klisimo->trigger();
    EXPECT_FALSE(w.Visible());
    // Opened again, it takes the whole screen again, with its first page at that size.
    program->forms.velmoratimeleti().Command4->click();
    EXPECT_TRUE(w.Visible() && std::fabs(w.Width() - 1920 * 15) <= 15);
    EXPECT_NEAR(w.Width(w.Picture1), w.Width(), 15);
}

TEST_F(HistoryTest, ThePagesHoldTheHistoryTheyPromise) {
    storiopt& w = open();
    ASSERT_TRUE(w.page(1).loaded() && w.page(2).loaded());
    const QString one = w.page(1).plainText();
    QString two = w.page(2).plainText();
    for (const char* part :
         {"Η ιστορία του νόμου της Διάθλασης", "Αρχαιότητα και τον Μεσαίωνα.", "Νόμος του Κέπλερ.",
          "Νόμος του Snell", "Ερμηνείες του νόμου του Snell", "Ήρων", "Πτολεμαίος", "Al Haytham",
          "2/3", "3/4", "3/2", "45°", "1626"})
        EXPECT_TRUE(one.contains(QString::fromUtf8(part))) << part;
    for (const char* part : {"Descartes", "Fermat", "ελάχιστου χρόνου", "Newton", "πεδίο δυνάμεων",
                             "μεγάλες γωνίες πρόσπτωσης", "Δεύτερες διαφορές"})
        EXPECT_TRUE(two.contains(QString::fromUtf8(part))) << part;
    // Ptolemy's table row by row: incidence, refraction, and the first difference, whose own
    // differences are half a degree throughout.
    two.replace(QChar(0x2029), '\n').replace(QChar(0xfdd0), '\n').replace(QChar(0xfdd1), '\n');
    for (const char* row :
         {"10°\n8°", "20°\n15½°\n7½°", "30°\n22½°\n7°\n½°", "40°\n29°\n6½°\n½°", "50°\n35°\n6°\n½°",
          "60°\n40½°\n5½°\n½°", "70°\n45½°\n5°\n½°", "80°\n50°\n4½°\n½°"})
        EXPECT_TRUE(two.contains(QString::fromUtf8(row))) << row;
}

TEST_F(HistoryTest, EachPageFitsWholeAndReadableInTheVisiblePartOfTheWindow) {
    storiopt& w = open();
    for (int page : {1, 2})
        for (const QSizeF area : {QSizeF(1860, 990), QSizeF(1290, 690), QSizeF(1210, 640),
                                  QSizeF(760, 560), QSizeF(3720, 2040), QSizeF(300, 200)}) {
            const HistoryPage::Fit fit = w.page(page).fitFor(area);
            SCOPED_TRACE(std::to_string(page) + " at " + std::to_string(area.width()));
            ASSERT_GT(fit.layoutWidth * fit.scale, 0);
            EXPECT_LE(fit.height * fit.scale, area.height() + 0.5); // nothing below the edge
            EXPECT_LE(fit.layoutWidth * fit.scale, area.width() + 0.5);
            // On a school laptop's screen the text is at least as large as a menu's.
            EXPECT_TRUE(area.height() < 640 || fit.scale * 16 >= 11);
        }
    // The picture box is as large as the whole window, so it reaches beyond the window's lower
    // edge: the page lies in the part the student sees, nothing of it below.
    w.setWidth(900 * 15);
    w.setHeight(600 * 15);
    w.protomeros->trigger();
    const QImage image = w.Picture1->image();
    const int seenHeight = w.canvas->height();
    ASSERT_LT(seenHeight, image.height());
    const QRgb paper = QColor(255, 253, 245).rgb();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); x += y < seenHeight ? 1 : 3) {
            ink += y < seenHeight && image.pixel(x, y) != paper;
            ASSERT_TRUE(y < seenHeight || image.pixel(x, y) == paper) << y;
        }
    EXPECT_GT(ink, 2000);
}
