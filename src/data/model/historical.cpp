#include "data/model/historical.h"

#include "shell/model/numfmt.h"

namespace {

constexpr std::array<double, 8> kTenToEighty{10, 20, 30, 40, 50, 60, 70, 80};

constexpr std::array<double, 8> kAlhazenWater{7.54, 15.5, 22.5, 29, 35, 40.5, 45.5, 50};
// Witelo's angles above 90 are his own extrapolations and stay as he gave them.
constexpr std::array<double, 8> kWiteloGlass{13, 26, 40.5, 55, 70, 85.83, 101.5, 118};
constexpr std::array<double, 8> kWiteloWater{12.25, 24.5, 37.5, 51, 65, 79.5, 94.5, 110};

constexpr std::array<double, 12> kNewtonGlassIncidence{10, 20, 30, 40, 50, 60,
                                                       65, 70, 75, 80, 85, 90};
constexpr std::array<double, 12> kNewtonGlass{6.433,   12.75,   18.81667, 24.5,  29.61667, 33.966,
                                              35.7833, 37.3166, 38.55,    39.45, 40,       40.1833};
constexpr std::array<double, 7> kNewtonWaterIncidence{0, 15, 30, 45, 60, 75, 90};
constexpr std::array<double, 7> kNewtonWater{0, 11.1833, 22.01667, 32.033, 40.5, 46.4166, 48.5833};

const std::array<HistoricalDataSet, 8> kDataSets{{
    {"newt2", "Newton: WATER", Author::Newton, kNewtonWaterIncidence, kNewtonWater,
     "Newton's DATA: νερό", "INCIDENCE Πρόσπτωση ", "REFRACTION ANGLE VS INCIDENCE ANGLE"},
    {"Newt", "Newton: GLASS", Author::Newton, kNewtonGlassIncidence, kNewtonGlass,
     "Newton's DATA: GLASS Γυαλί", " INCIDENCE Πρόσπτωσης", "REFRACTION ANGLE VS INCIDENCE ANGLE"},
    {"Alhazen2", "Al Haytham:  WATER", Author::AlHaytham, kTenToEighty, kAlhazenWater,
     "Al Haytham's DATA: water νερό", "INCIDENCE Πρόσπτωση ", "REFRACTION ANGLE VS INCIDENCE "},
    // Al Haytham's glass values are Ptolemy's.
    {"Alhazen", "Al Haytham: GLASS", Author::AlHaytham, kTenToEighty, kPtolemyGlass,
     "Al Haytham's DATA: GLASS Γυαλιού", " incidence Πρόσπτωση",
     "REFRACTION ANGLE VS INCIDENCE ANGLE"},
    {"ptolemy2", "PTOLEMY WATER", Author::Ptolemy, kTenToEighty, kPtolemyWater,
     "PTOLEMY'S DATA FOR WATER Δεδομένα Πτολεμαίου νερού", "INCIDENCE Πρόσπτωση",
     "REFRACTION ANGLE VS INCIDENCE ANGLE "},
    {"Ptolemy", "PTOLEMY: GLASS", Author::Ptolemy, kTenToEighty, kPtolemyGlass,
     "PTOLEMY'S DATA FOR GLASS Δεδομένα Πτολεμαίου Γυαλιού", "INCIDENCE Πρόσπτωση ",
     "REFRACTION ANGLE VX INCIDENCE ANGLE Γωνία διάθλασης vs γωνία πρόσπτωσης"},
    {"Vitello_water", "Witelo:FROM WATER TO AIR", Author::Witelo, kTenToEighty, kWiteloWater,
     "Witelo Data: From Water  to  Airνερό σε αέρα ", "INCIDENCE Πρόσπτωση ",
     "REFRACTION ANGLE VS INCIDENCE ANGLE"},
    {"Vitello_Glass", "Witelo: GLASS TO AIR", Author::Witelo, kTenToEighty, kWiteloGlass,
     "Witelo data: From Glass to air γυαλί σε αέρα", "INCIDENCE Πρόσπτωση ",
     "REFRACTION ANGLE VS INCIDENCE ANGLE"},
}};

std::vector<std::string> listItems(std::string_view heading, std::span<const double> angles) {
    std::vector<std::string> items;
    items.reserve(angles.size() + 1);
    items.emplace_back(heading);
    for (double angle : angles) items.push_back(PlainNumber(angle));
    return items;
}

} // namespace

std::span<const HistoricalDataSet> HistoricalDataSets() { return kDataSets; }

const HistoricalDataSet* FindDataSet(std::string_view menuItem) {
    for (const auto& set : kDataSets) {
        if (set.menuItem == menuItem) return &set;
    }
    return nullptr;
}

std::vector<std::string> List1Items(const HistoricalDataSet& set) {
    return listItems(set.list1Heading, set.incidence);
}

std::vector<std::string> List2Items(const HistoricalDataSet& set) {
    return listItems(kList2Heading, set.refraction);
}
