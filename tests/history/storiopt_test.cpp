// The short history as a student reads it: the main menu's button opens the first page, the
// menu turns the pages and closes the window, and each page is whole and readable at any size.
#include "support.h"

#include "history/page.h"
#include "history/storiopt.h"

class HistoryTest : public ProgramTest {
protected:
    void SetUp() override { Main(*program), open(); }
    void open() { program->forms.velmoratimeleti().Command4->click(); }
    // Exactly one page shows, and it fills the window from its top-left corner.
    static bool onePageFills(storiopt& w, int page) {
        Canvas *shown = page == 1 ? w.Picture1 : w.Picture2,
               *other = page == 1 ? w.Picture2 : w.Picture1;
        return shown->isVisibleTo(&w) && !other->isVisibleTo(&w) && shown->pos() == QPoint(0, 0) &&
               std::abs(w.Width(shown) - w.Width()) <= 15 &&
               std::abs(w.Height(shown) - w.Height()) <= 15;
    }
};

TEST_F(HistoryTest, TheMainMenuOpensTheFirstPageAndTheMenuTurnsThePages) {
    storiopt& w = program->forms.storiopt();
    EXPECT_TRUE(w.Visible() && onePageFills(w, 1));
    EXPECT_EQ(QRect(w.Left(), w.Top(), w.Width(), w.Height()), QRect(0, 0, 1920 * 15, 1080 * 15));
    // Turned again and again, and on a window made smaller, one page fills the window.
    for (const QSize size : {QSize(1920, 1080), QSize(800, 500), QSize(1000, 700)})
        for (int page : {2, 2, 1}) {
            w.setWidth(size.width() * 15), w.setHeight(size.height() * 15);
            (page == 1 ? w.protomeros : w.defteromeros)->trigger();
            EXPECT_EQ(program->history.page, page);
            EXPECT_TRUE(onePageFills(w, page)) << page << " at " << size.width();
        }
    w.klisimo->trigger();
    EXPECT_FALSE(w.Visible());
    // Opened again, it takes the whole screen again, with its first page at that size.
    open();
    EXPECT_TRUE(w.Visible() && std::fabs(w.Width() - 1920 * 15) <= 15 && onePageFills(w, 1));
}

// The history each page promises, and Ptolemy's table row by row (incidence, refraction, the
// first difference, whose own differences are half a degree throughout); each page whole in
// the part of the window the student sees, in a letter as large as a menu's on a school
// laptop's screen.
TEST_F(HistoryTest, EachPageHoldsItsHistoryWholeAndReadableInTheVisiblePartOfTheWindow) {
    storiopt& w = program->forms.storiopt();
    ASSERT_TRUE(w.page(1).loaded() && w.page(2).loaded());
    const std::pair<QString, std::vector<const char*>> pages[] = {
        {w.page(1).plainText(),
         {"Η ιστορία του νόμου της Διάθλασης", "Αρχαιότητα και τον Μεσαίωνα.", "Νόμος του Κέπλερ.",
          "Νόμος του Snell", "Ερμηνείες του νόμου του Snell", "Ήρων", "Πτολεμαίος", "Al Haytham",
          "2/3", "3/4", "3/2", "45°", "1626"}},
        {w.page(2).plainText().replace(QRegularExpression("[\\x{2029}\\x{fdd0}\\x{fdd1}]"), "\n"),
         {"Descartes", "Fermat", "ελάχιστου χρόνου", "Newton", "πεδίο δυνάμεων",
          "μεγάλες γωνίες πρόσπτωσης", "Δεύτερες διαφορές", "10°\n8°", "20°\n15½°\n7½°",
          "30°\n22½°\n7°\n½°", "40°\n29°\n6½°\n½°", "50°\n35°\n6°\n½°", "60°\n40½°\n5½°\n½°",
          "70°\n45½°\n5°\n½°", "80°\n50°\n4½°\n½°"}}};
    for (const auto& [text, parts] : pages)
        for (const char* part : parts)
            EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    for (int page : {1, 2})
        for (const QSizeF area : {QSizeF(1860, 990), QSizeF(1290, 690), QSizeF(1210, 640),
                                  QSizeF(760, 560), QSizeF(3720, 2040), QSizeF(300, 200)}) {
            const HistoryPage::Fit fit = w.page(page).fitFor(area);
            const double width = fit.layoutWidth * fit.scale;
            EXPECT_TRUE(width > 0 && width <= area.width() + 0.5 &&
                        fit.height * fit.scale <= area.height() + 0.5 &&
                        (area.height() < 640 || fit.scale * 16 >= 11))
                << page << " at " << area.width();
        }
    // The picture box is as large as the whole window, so it reaches beyond the window's lower
    // edge: the page lies in the part the student sees, nothing of it below.
    w.setWidth(900 * 15), w.setHeight(600 * 15);
    w.protomeros->trigger();
    const QImage image = w.Picture1->image().convertToFormat(QImage::Format_RGB32);
    const int seen = w.canvas->height();
    ASSERT_LT(seen, image.height());
    QImage below = image.copy(0, seen, image.width(), image.height() - seen), paper = below;
    paper.fill(QColor(255, 253, 245));
    EXPECT_TRUE(below == paper);
    const auto* px = reinterpret_cast<const QRgb*>(image.constBits()); // 32 bits a pixel, no gaps
    EXPECT_GT(std::count_if(px, px + seen * image.width(),
                            [&](QRgb p) { return p != paper.pixel(0, 0); }),
              2000);
}
