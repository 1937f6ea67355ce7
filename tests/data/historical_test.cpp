#include "data/historical.h"

#include <gtest/gtest.h>

#include <set>

TEST(HistoricalData, EightSetsInMenuOrderWithTheirCounts) {
    const auto sets = HistoricalDataSets();
    ASSERT_EQ(sets.size(), 8u);
    const char* order[] = {"newt2",    "Newt",    "Alhazen2",      "Alhazen",
                           "ptolemy2", "Ptolemy", "Vitello_water", "Vitello_Glass"};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(sets[i].menuItem, order[i]);
        EXPECT_EQ(sets[i].incidence.size(), sets[i].refraction.size()) << order[i];
        EXPECT_EQ(FindDataSet(order[i]), &sets[i]);
    }
    EXPECT_EQ(FindDataSet("klinoistoria"), nullptr);

    EXPECT_EQ(FindDataSet("Newt")->incidence.size(), 12u);
    EXPECT_EQ(FindDataSet("newt2")->incidence.size(), 7u);
    EXPECT_EQ(List1Items(*FindDataSet("Newt")).size(), 13u);
    EXPECT_EQ(List2Items(*FindDataSet("newt2")).size(), 8u);
    for (const char* eight :
         {"Ptolemy", "ptolemy2", "Alhazen", "Alhazen2", "Vitello_Glass", "Vitello_water"}) {
        EXPECT_EQ(FindDataSet(eight)->refraction.size(), 8u) << eight;
    }
}

TEST(HistoricalData, AlHaythamsGlassIsPtolemysAndWiteloKeepsHisExtrapolations) {
    const auto& ptolemy = *FindDataSet("Ptolemy");
    const auto& alhazen = *FindDataSet("Alhazen");
    EXPECT_EQ(List2Items(ptolemy), List2Items(alhazen));
    EXPECT_EQ(FindDataSet("Vitello_Glass")->refraction.back(), 118);
    EXPECT_EQ(FindDataSet("Vitello_water")->refraction.back(), 110);
    EXPECT_EQ(FindDataSet("Alhazen2")->refraction.front(), 7.54);
}

TEST(HistoricalData, ListItemsInPlainNumberForm) {
    const auto newton = List2Items(*FindDataSet("Newt"));
    EXPECT_EQ(newton[0], "REFRACTION Διάθλαση");
    EXPECT_EQ(newton[1], "6.433");
    EXPECT_EQ(newton[3], "18.81667");
    EXPECT_EQ(newton[11], "40");
    EXPECT_EQ(newton[12], "40.1833");
    const auto ptolemy = List2Items(*FindDataSet("Ptolemy"));
    EXPECT_EQ(ptolemy[1], "7");
    EXPECT_EQ(ptolemy[2], "13.5");
    const auto water = List1Items(*FindDataSet("newt2"));
    EXPECT_EQ(water[0], "INCIDENCE Πρόσπτωση ");
    EXPECT_EQ(water[1], "0");
    EXPECT_EQ(water[7], "90");
    EXPECT_EQ(List2Items(*FindDataSet("Vitello_Glass"))[6], "85.83");
}

TEST(HistoricalData, ExactTextsWithTheirSpaces) {
    const auto& p = *FindDataSet("Ptolemy");
    EXPECT_EQ(p.menuCaption, "PTOLEMY: GLASS");
    EXPECT_EQ(p.label3Caption, "PTOLEMY'S DATA FOR GLASS Δεδομένα Πτολεμαίου Γυαλιού");
    EXPECT_EQ(p.list1Heading, "INCIDENCE Πρόσπτωση ");
    EXPECT_EQ(p.increfCaption,
              "REFRACTION ANGLE VX INCIDENCE ANGLE Γωνία διάθλασης vs γωνία πρόσπτωσης");
    EXPECT_EQ(FindDataSet("ptolemy2")->list1Heading, "INCIDENCE Πρόσπτωση");
    EXPECT_EQ(FindDataSet("ptolemy2")->increfCaption, "REFRACTION ANGLE VS INCIDENCE ANGLE ");
    EXPECT_EQ(FindDataSet("Alhazen")->list1Heading, " incidence Πρόσπτωση");
    EXPECT_EQ(FindDataSet("Alhazen2")->menuCaption, "Al Haytham:  WATER");
    EXPECT_EQ(FindDataSet("Alhazen2")->increfCaption, "REFRACTION ANGLE VS INCIDENCE ");
    EXPECT_EQ(FindDataSet("Vitello_water")->label3Caption,
              "Witelo Data: From Water  to  Airνερό σε αέρα ");
    EXPECT_EQ(FindDataSet("Vitello_water")->menuCaption, "Witelo:FROM WATER TO AIR");
    EXPECT_EQ(FindDataSet("Newt")->list1Heading, " INCIDENCE Πρόσπτωσης");
    EXPECT_EQ(FindDataSet("newt2")->label3Caption, "Newton's DATA: νερό");
    EXPECT_EQ(kAnalysisCaption, "SIN(REFRACTION) VS SIN(INCIDENCE)");

    std::set<Author> authors;
    for (const auto& set : HistoricalDataSets()) authors.insert(set.author);
    EXPECT_EQ(authors.size(), 4u);
    EXPECT_EQ(FindDataSet("Vitello_Glass")->author, Author::Witelo);
    EXPECT_EQ(FindDataSet("Alhazen2")->author, Author::AlHaytham);
}
