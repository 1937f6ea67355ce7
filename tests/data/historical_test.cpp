#include "data/model/historical.h"

#include <gtest/gtest.h>

#include <set>

// The texts, list counts and check marks of each set are checked through the data window.
TEST(HistoricalData, EightSetsInMenuOrderAndTheirValues) {
    const auto sets = HistoricalDataSets();
    ASSERT_EQ(sets.size(), 8u);
    const char* order[] = {"newt2",    "Newt",    "Alhazen2",      "Alhazen",
                           "ptolemy2", "Ptolemy", "Vitello_water", "Vitello_Glass"};
    std::set<Author> authors;
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(sets[i].menuItem, order[i]);
        EXPECT_EQ(sets[i].incidence.size(), sets[i].refraction.size()) << order[i];
        EXPECT_EQ(FindDataSet(order[i]), &sets[i]);
        authors.insert(sets[i].author);
    }
    EXPECT_EQ(FindDataSet("klinoistoria"), nullptr);
    EXPECT_EQ(authors.size(), 4u);
    EXPECT_EQ(FindDataSet("Vitello_Glass")->author, Author::Witelo);

    // Al Haytham's glass is Ptolemy's; Witelo keeps his extrapolations past 90 degrees.
    EXPECT_EQ(List2Items(*FindDataSet("Ptolemy")), List2Items(*FindDataSet("Alhazen")));
    EXPECT_EQ(FindDataSet("Vitello_Glass")->refraction.back(), 118);
    EXPECT_EQ(FindDataSet("Vitello_water")->refraction.back(), 110);
    EXPECT_EQ(FindDataSet("Alhazen2")->refraction.front(), 7.54);

    // List items in plain number form, after the heading.
    const auto newton = List2Items(*FindDataSet("Newt"));
    EXPECT_EQ(newton[1], "6.433");
    EXPECT_EQ(newton[3], "18.81667");
    EXPECT_EQ(newton[12], "40.1833");
    EXPECT_EQ(List1Items(*FindDataSet("newt2"))[7], "90");
    EXPECT_EQ(List2Items(*FindDataSet("Vitello_Glass"))[6], "85.83");
    EXPECT_EQ(kAnalysisCaption, "SIN(REFRACTION) VS SIN(INCIDENCE)");
}
