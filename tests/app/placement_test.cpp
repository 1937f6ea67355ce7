// Where the windows stand, on every screen a school may have, with and without a window
// manager's frame: inside the available area, beside and under each other as designed.
#include "support.h"

#include "app/placement.h"

namespace {

constexpr int kMenu = 24;

// A screen of w x h pixels whose window manager puts `frame` round every window.
QRect placeOf(const char* window, int w = 1920, int h = 1080, QMargins frame = {}) {
    Screen s;
    s.widthPx = w;
    s.heightPx = h;
    s.frame = frame;
    return WindowPlace(window, s, QString(window) == "hmiky" ? kMenu : 0);
}

struct Desk {
    int w, h;
    QMargins frame;
};

class WindowPlaces : public ::testing::TestWithParam<Desk> {
protected:
    QRect at(const char* window) const {
        return placeOf(window, GetParam().w, GetParam().h, GetParam().frame);
    }
};

} // namespace

TEST_P(WindowPlaces, EveryWindowLiesInsideTheScreenBesideAndUnderTheOthersAsDesigned) {
    const Desk d = GetParam();
    for (const char* w : kWindowNames)
        EXPECT_TRUE(QRect(0, 0, d.w, d.h).contains(at(w))) << w << " at " << d.w << "x" << d.h;
    auto beside = [](QRect l, QRect r) { return l.right() + 1 == r.left(); };
    auto under = [](QRect t, QRect b) { return t.bottom() + 1 == b.top(); };
    // The semicircle's drawing surface is square under its menu; the list window stands beside
    // it, the index graph under the list, and the mean error right of both or over the graph.
    const QRect semi = at("hmiky"), list = at("List_of_Data"), index = at("Grafindex");
    EXPECT_EQ(semi.width() - d.frame.left() - d.frame.right(),
              semi.height() - kMenu - d.frame.top() - d.frame.bottom());
    EXPECT_LE(semi.width(), 0.9 * d.h + 1);
    EXPECT_TRUE(beside(semi, list) && under(list, index));
    EXPECT_TRUE(at("errors").left() > list.right() || at("errors") == index);
    // The data window's left half; its two graphs tile the right half.
    const QRect data = at("inpdat"), sines = at("analysis"), angles = at("incref");
    EXPECT_EQ(data, QRect(0, 0, d.w / 2, d.h));
    EXPECT_TRUE(beside(data, sines) && under(sines, angles) && angles.bottom() == d.h - 1);
    // Waves over particles in the left half, the panel in the right half.
    EXPECT_TRUE(under(at("rixo"), at("somata")) && at("somata").bottom() == d.h - 1);
    EXPECT_TRUE(beside(at("rixo"), at("rixotext")));
    // Ptolemy's disc square; what the observer sees under it, left of the note on the right.
    const QRect disc = at("ptolemaios"), view = at("EMFANISI");
    EXPECT_TRUE(disc.width() == disc.height() && view.top() > disc.bottom());
    EXPECT_LE(view.right(), d.w / 2);
}

// The description's own figures on a full-HD screen without a frame.
TEST(WindowPlaceTest, FullHdWithoutFramesGivesTheDesignedFractions) {
    EXPECT_EQ(placeOf("velmoratimeleti"), QRect(0, 0, 1882, 1058));
    EXPECT_EQ(placeOf("hmiky"), QRect(0, 0, 972, 972 + kMenu));
    EXPECT_EQ(placeOf("List_of_Data"), QRect(972, 0, kListWindowWidth, 540));
    EXPECT_EQ(placeOf("Grafindex"), QRect(972, 540, kListWindowWidth, 432));
    EXPECT_EQ(placeOf("analysis"), QRect(960, 0, 960, 405));
    EXPECT_EQ(placeOf("ptolemaios"), QRect(0, 0, 864, 864));
    EXPECT_EQ(placeOf("rixotext"), QRect(960, 0, 960, 1080));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, WindowPlaces, ::testing::Values(
    Desk{1920, 1080, {}}, Desk{1920, 1080, {1, 24, 1, 4}}, Desk{1366, 768, {1, 24, 1, 4}},
    Desk{1280, 720, {4, 30, 4, 4}}, Desk{1024, 768, {1, 24, 1, 4}}, Desk{800, 600, {1, 24, 1, 4}},
    Desk{1080, 1920, {1, 24, 1, 4}}, Desk{1024, 1280, {}}, Desk{3840, 2160, {2, 40, 2, 2}}));
// clang-format on
