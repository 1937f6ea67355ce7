// Number texts against values worked by hand: rounding of halves, the exponent form, what a
// student's typed answer reads as, and what a box refuses.
#include "shell/model/numfmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

TEST(Format, PatternsRoundHalvesAwayFromZeroShowNoMinusZeroAndHugeValuesInTheExponentForm) {
    struct Case {
        double value;
        const char* pattern;
        std::string shown;
    };
    // clang-format off
    const Case cases[] = {
        {41.8103149, "0.000000", "41.810315"}, {0.125, "0.00", "0.13"}, {2.675, "0.00", "2.68"},
        {-2.5, "0", "-3"}, {100, "0.0", "100.0"}, {1.23456, "0.0000", "1.2346"},
        {1.234565, "0.00000", "1.23457"}, {-0.001, "0.00", "0.00"}, {-1e-12, "0", "0"},
        {0.1, "0.00e+00", "1.00e-01"}, {9.999, "0.00e+00", "1.00e+01"},
        {0, "0.00e+00", "0.00e+00"}, {-0.001, "0.00e+00", "-1.00e-03"},
        // Huge values in the exponent form, with the digits they really have.
        {1e300, "0.00", "1.00e+300"}, {-1e300, "0", "-1.00e+300"},
        {1.5e308, "0.0000", "1.5000e+308"}, {4e15, "0.0000", "4.0000e+15"},
        {999999999999999.0, "0", "999999999999999"}, {1e300, "0.00e+00", "1.00e+300"},
        // The smallest doubles round to nought, or keep their exponent in the exponent form.
        {1e-320, "0.00", "0.00"}, {-1e-320, "0.000000", "0.000000"},
        {1e-320, "0.00e+00", "1.00e-320"}, {NAN, "0.00", kNoNumber},
        {-INFINITY, "0.00e+00", kNoNumber}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.shown) << c.value;
    // Whatever the value, every pattern gives a short text with no "nan" or "inf" in it.
    for (const char* p : {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000", "0.00e+00"})
        for (double v : {1e300, -1e300, 1e308, -1.7976931348623157e308, 1e-320, -1e-320, 4e15,
                         1e15 - 1, double(NAN), double(INFINITY), -double(INFINITY)}) {
            const std::string s = Format(v, p);
            EXPECT_LE(s.size(), 24u) << p << " " << v << " gives " << s;
            for (const char* bad : {"nan", "NaN", "inf", "Inf"})
                EXPECT_EQ(s.find(bad), std::string::npos) << p << " " << v << " gives " << s;
        }
}

TEST(PlainNumber, ListItemsAsTyped) {
    // A single-precision value shows its own digits (7 of them), not the double's tail.
    // clang-format off
    const std::tuple<double, int, std::string> cases[] = {
        {13.5, 15, "13.5"}, {-4.25, 15, "-4.25"}, {0, 15, "0"}, {double(35.7833f), 7, "35.7833"},
        {6.0000000000000009, 15, "6"}, {0.00001, 15, "0.00001"}, {INFINITY, 15, kNoNumber},
        {1e300, 15, "1e+300"}};
    // clang-format on
    for (const auto& [value, digits, shown] : cases)
        EXPECT_EQ(PlainNumber(value, digits), shown);
}

TEST(Val, LeadingNumberOfWhatStudentsTypeAndZeroForNothing) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"  41.8 ", 41.8}, {"41,8", 41.8}, // a decimal comma
        {"1,333", 1.333},                  // as the program itself writes it
        {"-5.5deg", -5.5}, {"+7", 7}, {"1.2.3", 1.2}, {".5", 0.5},
        {"1 5", 15}, // blanks never count
        {"2e1", 20}, {"2e", 2}, {"", 0}, {"abc", 0}, {"-", 0}, {".", 0},
        {"INCIDENCE Πρόσπτωση ", 0}, // a list heading reads as 0
        {"1e999", 0},                // too large to hold: never infinity
        {"nan", 0}};
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(Val(text), value) << text;
}

TEST(ReadTyped, TheHostileAnswersAreReadOrRefusedWithinTheRangeOfTheBox) {
    const Accepts angle{-360, 360};
    const Accepts index{0, 1e308, true};
    const double refused = 999; // no reading
    struct Case {
        std::string typed;
        const Accepts& box;
        double read;
    };
    // clang-format off
    const Case cases[] = {
        {"41,8", angle, 41.8}, {"", angle, 0}, {"abc", angle, 0}, // an empty box or a word is 0
        {"360", angle, 360}, {"-360", angle, -360}, {"1e-320", angle, 0},
        {"1e308", angle, refused}, {"-1e308", angle, refused}, {"360.0001", angle, refused},
        {"1e999", angle, refused}, {"-1e999", angle, refused},
        {"nan", angle, 0}, {"inf", angle, 0}, // no leading number: Val's 0
        {std::string(10000, '9'), angle, refused}, {std::string(10000, 'x'), angle, refused},
        // An index must be a number above 0.
        {"1,333", index, 1.333}, {"0", index, refused}, {"", index, refused},
        {"-1.5", index, refused}, {"1e-320", index, refused}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(ReadTyped(c.typed, c.box).value_or(refused), c.read) << c.typed.substr(0, 20);
    EXPECT_EQ(RefusalText("Incidence angle", "Γωνία πρόσπτωσης", angle),
              "Incidence angle: a number from -360 to 360   Γωνία πρόσπτωσης: αριθμός από -360 "
              "έως 360");
    EXPECT_EQ(RefusalText("n", "n", index), "n: a number above 0   n: αριθμός πάνω από 0");
}
