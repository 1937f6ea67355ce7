#include "shell/model/numfmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

TEST(Format, EveryDoubleInEveryPatternIsAShortReadableText) {
    const char* patterns[] = {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000",
                              "0.00e+00"};
    const double hostile[] = {1e300, -1e300, 1e308, -1.7976931348623157e308, 1e-320, -1e-320,
                              4e15, 1e15 - 1, NAN, INFINITY, -INFINITY};
    for (const char* p : patterns)
        for (double v : hostile) {
            const std::string s = Format(v, p);
            EXPECT_LE(s.size(), 24u) << p << " " << v << " gives " << s;
            for (const char* bad : {"nan", "NaN", "inf", "Inf"})
                EXPECT_EQ(s.find(bad), std::string::npos) << p << " " << v << " gives " << s;
        }
    // Huge values in the exponent form, with the digits they really have.
    EXPECT_EQ(Format(1e300, "0.00"), "1.00e+300");
    EXPECT_EQ(Format(-1e300, "0"), "-1.00e+300");
    EXPECT_EQ(Format(1.5e308, "0.0000"), "1.5000e+308");
    EXPECT_EQ(Format(4e15, "0.0000"), "4.0000e+15");
    EXPECT_EQ(Format(999999999999999.0, "0"), "999999999999999");
    EXPECT_EQ(Format(1e300, "0.00e+00"), "1.00e+300");
    // The smallest doubles round to nought, or keep their exponent in the exponent form.
    EXPECT_EQ(Format(1e-320, "0.00"), "0.00");
    EXPECT_EQ(Format(-1e-320, "0.000000"), "0.000000");
    EXPECT_EQ(Format(1e-320, "0.00e+00"), "1.00e-320");
    EXPECT_EQ(Format(NAN, "0.00"), kNoNumber);
    EXPECT_EQ(Format(-INFINITY, "0.00e+00"), kNoNumber);
    EXPECT_EQ(PlainNumber(INFINITY), kNoNumber);
    EXPECT_EQ(PlainNumber(1e300), "1e+300");
}

TEST(ReadTyped, TheHostileAnswersAreReadOrRefusedWithinTheRangeOfTheBox) {
    const Accepts angle{-360, 360};
    const Accepts index{0, 1e308, true};
    EXPECT_EQ(ReadTyped("41,8", angle), 41.8);
    EXPECT_EQ(ReadTyped("", angle), 0.0);    // an empty box is 0, as always
    EXPECT_EQ(ReadTyped("abc", angle), 0.0); // so is a word
    EXPECT_EQ(ReadTyped("360", angle), 360.0);
    EXPECT_EQ(ReadTyped("-360", angle), -360.0);
    EXPECT_EQ(ReadTyped("1e-320", angle), 0.0);
    for (const char* refused : {"1e308", "-1e308", "360.0001", "1e999", "-1e999"})
        EXPECT_FALSE(ReadTyped(refused, angle)) << refused;
    EXPECT_EQ(ReadTyped("nan", angle), 0.0); // no leading number: Val's 0
    EXPECT_EQ(ReadTyped("inf", angle), 0.0);
    EXPECT_FALSE(ReadTyped(std::string(10000, '9'), angle));
    EXPECT_FALSE(ReadTyped(std::string(10000, 'x'), angle));
    // An index must be a number above 0.
    EXPECT_EQ(ReadTyped("1,333", index), 1.333);
    EXPECT_FALSE(ReadTyped("0", index));
    EXPECT_FALSE(ReadTyped("", index));
    EXPECT_FALSE(ReadTyped("-1.5", index));
    EXPECT_FALSE(ReadTyped("1e-320", index));
    EXPECT_EQ(RefusalText("Incidence angle", "Γωνία πρόσπτωσης", angle),
              "Incidence angle: a number from -360 to 360   Γωνία πρόσπτωσης: αριθμός από -360 "
              "έως 360");
    EXPECT_EQ(RefusalText("n", "n", index), "n: a number above 0   n: αριθμός πάνω από 0");
}
