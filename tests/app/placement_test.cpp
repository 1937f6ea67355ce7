// Where the windows stand, on every screen a school may have, with and without a window
// manager's frame: inside the available area, beside and under each other as designed.
#include "app/placement.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

struct Desk {
    int w, h;
    QMargins frame;
};

const QStringList kWindows = {"velmoratimeleti", "hmiky",    "List_of_Data", "Grafindex", "errors",
                              "inpdat",          "analysis", "incref",       "rixo",      "rixotext",
                              "somata",          "ptolemaios", "EMFANISI",   "ptolkam",   "xaithamos",
                              "alhazencheck",    "storiopt", "vathi"};
constexpr int kMenu = 24;

class WindowPlaces : public ::testing::TestWithParam<Desk> {
protected:
    QRect at(const char* window) const {
        Screen s;
        s.widthPx = GetParam().w;
        s.heightPx = GetParam().h;
        s.frame = GetParam().frame;
        return WindowPlace(QString::fromLatin1(window), s, QString(window) == "hmiky" ? kMenu : 0);
    }
};

} // namespace

TEST_P(WindowPlaces, EveryWindowLiesInsideTheScreenBesideAndUnderTheOthersAsDesigned) {
    const Desk d = GetParam();
    const QRect screen(0, 0, d.w, d.h);
    for (const QString& w : kWindows) {
        const QRect r = at(w.toLatin1().constData());
        EXPECT_TRUE(screen.contains(r)) << w.toStdString() << " at " << d.w << "x" << d.h;
    }
    // The semicircle's drawing surface is square under its menu; the list window stands beside
    // it, the index graph under the list, and the mean error right of both or over the graph.
    const QRect semi = at("hmiky"), list = at("List_of_Data"), index = at("Grafindex"), err = at("errors");
    EXPECT_EQ(semi.width() - d.frame.left() - d.frame.right(),
              semi.height() - kMenu - d.frame.top() - d.frame.bottom());
    EXPECT_LE(semi.width(), 0.9 * d.h + 1);
    EXPECT_EQ(list.left(), semi.right() + 1);
    EXPECT_EQ(index.top(), list.bottom() + 1);
    EXPECT_TRUE(err.left() > list.right() || err == index);
    // The data window's left half; its two graphs tile the right half.
    const QRect data = at("inpdat"), sines = at("analysis"), angles = at("incref");
    EXPECT_EQ(data, QRect(0, 0, d.w / 2, d.h));
    EXPECT_EQ(sines.left(), data.right() + 1);
    EXPECT_EQ(angles.top(), sines.bottom() + 1);
    EXPECT_EQ(angles.bottom(), d.h - 1);
    // Waves over particles in the left half, the panel in the right half.
    EXPECT_EQ(at("rixo").bottom() + 1, at("somata").top());
    EXPECT_EQ(at("somata").bottom(), d.h - 1);
    EXPECT_EQ(at("rixotext").left(), at("rixo").right() + 1);
    // Ptolemy's disc square; what the observer sees under it, left of the note on the right.
    const QRect disc = at("ptolemaios"), view = at("EMFANISI");
    EXPECT_EQ(disc.width(), disc.height());
    EXPECT_GT(view.top(), disc.bottom());
    EXPECT_LE(view.right(), d.w / 2);
}

// The description's own figures on a full-HD screen without a frame.
TEST(WindowPlaceTest, FullHdWithoutFramesGivesTheDesignedFractions) {
    Screen s;
    EXPECT_EQ(WindowPlace("velmoratimeleti", s), QRect(0, 0, 1882, 1058));
    EXPECT_EQ(WindowPlace("hmiky", s, kMenu), QRect(0, 0, 972, 972 + kMenu));
    EXPECT_EQ(WindowPlace("List_of_Data", s), QRect(972, 0, kListWindowWidth, 540));
    EXPECT_EQ(WindowPlace("Grafindex", s), QRect(972, 540, kListWindowWidth, 432));
    EXPECT_EQ(WindowPlace("analysis", s), QRect(960, 0, 960, 405));
    EXPECT_EQ(WindowPlace("ptolemaios", s), QRect(0, 0, 864, 864));
    EXPECT_EQ(WindowPlace("rixotext", s), QRect(960, 0, 960, 1080));
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowPlaces,
                         ::testing::Values(Desk{1920, 1080, {}}, Desk{1920, 1080, {1, 24, 1, 4}},
                                           Desk{1366, 768, {1, 24, 1, 4}}, Desk{1280, 720, {4, 30, 4, 4}},
                                           Desk{1024, 768, {1, 24, 1, 4}}, Desk{800, 600, {1, 24, 1, 4}},
                                           Desk{1080, 1920, {1, 24, 1, 4}}, Desk{1024, 1280, {}},
                                           Desk{3840, 2160, {2, 40, 2, 2}}));
