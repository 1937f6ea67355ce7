#include "shell/model/numfmt.h"

#include <gtest/gtest.h>

TEST(Format, PatternsRoundHalvesAwayFromZeroAndShowNoMinusZero) {
    EXPECT_EQ(Format(41.8103149, "0.000000"), "41.810315");
    EXPECT_EQ(Format(0.125, "0.00"), "0.13");
    EXPECT_EQ(Format(2.675, "0.00"), "2.68");
    EXPECT_EQ(Format(-2.5, "0"), "-3");
    EXPECT_EQ(Format(100, "0.0"), "100.0");
    EXPECT_EQ(Format(1.23456, "0.0000"), "1.2346");
    EXPECT_EQ(Format(1.234565, "0.00000"), "1.23457");
    EXPECT_EQ(Format(-0.001, "0.00"), "0.00");
    EXPECT_EQ(Format(-1e-12, "0"), "0");
    EXPECT_EQ(Format(0.1, "0.00e+00"), "1.00e-01");
    EXPECT_EQ(Format(9.999, "0.00e+00"), "1.00e+01");
    EXPECT_EQ(Format(0, "0.00e+00"), "0.00e+00");
    EXPECT_EQ(Format(-0.001, "0.00e+00"), "-1.00e-03");
}

TEST(PlainNumber, ListItemsAsTyped) {
    EXPECT_EQ(PlainNumber(13.5), "13.5");
    EXPECT_EQ(PlainNumber(-4.25), "-4.25");
    EXPECT_EQ(PlainNumber(0), "0");
    // A single-precision value shown with its own digits, not the double's tail.
    EXPECT_EQ(PlainNumber(double(35.7833f), 7), "35.7833");
    EXPECT_EQ(PlainNumber(6.0000000000000009), "6");
    EXPECT_EQ(PlainNumber(0.00001), "0.00001");
}

TEST(Val, LeadingNumberOfWhatStudentsTypeAndZeroForNothing) {
    EXPECT_DOUBLE_EQ(Val("  41.8 "), 41.8);
    EXPECT_DOUBLE_EQ(Val("41,8"), 41.8);   // decimal comma
    EXPECT_DOUBLE_EQ(Val("1,333"), 1.333); // as the program itself writes it
    EXPECT_DOUBLE_EQ(Val("-5.5deg"), -5.5);
    EXPECT_DOUBLE_EQ(Val("+7"), 7);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("1 5"), 15); // blanks never count
    EXPECT_DOUBLE_EQ(Val("2e1"), 20);
    EXPECT_DOUBLE_EQ(Val("2e"), 2);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val("INCIDENCE Πρόσπτωση "), 0); // a list heading reads as 0
    EXPECT_EQ(Val("1e999"), 0);               // too large to hold: never infinity
    EXPECT_EQ(Val("nan"), 0);
}
