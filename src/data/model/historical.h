#pragma once
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Ptolemy's refractions for the incidences 10, 20, ... 80 degrees, from air into water and into
// glass. He built each table with a constant second difference of half a degree (water: first
// differences 7.5, 7, 6.5 ... 4.5). The one table that the data window, his data manipulation
// and the history pages all show.
inline constexpr std::array<double, 8> kPtolemyWater{8, 15.5, 22.5, 29, 35, 40.5, 45.5, 50};
inline constexpr std::array<double, 8> kPtolemyGlass{7, 13.5, 19.5, 25, 30, 34.5, 38.5, 42};

// Whose measurements a data set holds; the graph marks each author's points his own way.
enum class Author { Ptolemy, AlHaytham, Witelo, Newton };

// One historical data set of the data window: angles in degrees, incidence first, and the
// texts its menu item puts up. Texts are exact, trailing spaces included.
struct HistoricalDataSet {
    std::string_view menuItem;    // name of the menu item, e.g. "Ptolemy"
    std::string_view menuCaption; // e.g. "PTOLEMY: GLASS"
    Author author;
    std::span<const double> incidence;
    std::span<const double> refraction;
    std::string_view label3Caption;
    std::string_view list1Heading;
    std::string_view increfCaption;
};

inline constexpr std::string_view kList2Heading = "REFRACTION Διάθλαση";
inline constexpr std::string_view kAnalysisCaption = "SIN(REFRACTION) VS SIN(INCIDENCE)";

// The eight sets in the order of the HISTORICAL DATA menu.
std::span<const HistoricalDataSet> HistoricalDataSets();

// The set of a menu item ("Newt", "Vitello_Glass" ...), or nullptr.
const HistoricalDataSet* FindDataSet(std::string_view menuItem);

// The items of List1 and List2: the heading, then each angle in the plain number form.
std::vector<std::string> List1Items(const HistoricalDataSet& set);
std::vector<std::string> List2Items(const HistoricalDataSet& set);
