#include "shell/model/numfmt.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A value below kFixedLimit with at most 6 decimals: never more than 24 characters.
std::string fixedDigits(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

// Rounds half away from zero at `decimals` places; printf alone rounds half to even
// on the binary value, which turns 0.125 into "0.12".
double roundHalfAway(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;
    // Large values have no representation error worth absorbing at this place.
    if (std::fabs(scaled) >= 1e14) return std::round(scaled) / scale;
    // A tiny nudge absorbs binary representation error (2.675 is stored as 2.67499...).
    const double nudged = std::nextafter(std::fabs(scaled), INFINITY);
    return std::copysign(std::floor(nudged * (1 + 1e-15) + 0.5), value) / scale;
}

// Beyond this a fixed pattern would print a long run of digits that mean nothing to a
// student (and that a double does not hold): such values take the exponent form.
constexpr double kFixedLimit = 1e15;

std::string scientific(double value, int decimals) {
    if (value == 0) return "0." + std::string(std::size_t(decimals), '0') + "e+00";
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    // 10^exponent in two steps, so that neither underflows for the smallest doubles.
    auto scaleDown = [&](int e) { return value / std::pow(10.0, e / 2) / std::pow(10.0, e - e / 2); };
    double mantissa = roundHalfAway(scaleDown(exponent), decimals);
    if (std::fabs(mantissa) >= 10) {
        exponent += 1;
        mantissa = roundHalfAway(scaleDown(exponent), decimals);
    }
    const std::string digits = std::to_string(std::abs(exponent));
    return fixedDigits(mantissa, decimals) + 'e' + (exponent < 0 ? '-' : '+') +
           (digits.size() < 2 ? "0" : "") + digits;
}

std::string fixed(double value, int decimals) {
    if (std::fabs(value) >= kFixedLimit) return scientific(value, std::max(decimals, 2));
    double r = roundHalfAway(value, decimals);
    if (r == 0) r = 0; // no "-0.00"
    return fixedDigits(r, decimals);
}

} // namespace

std::string Format(double value, std::string_view pattern) {
    // A value that is not a number never reaches a student as "NaN" or "Infinity".
    if (!std::isfinite(value)) return kNoNumber;
    const auto dot = pattern.find('.');
    const auto e = pattern.find_first_of("eE");
    const std::size_t end = e == std::string_view::npos ? pattern.size() : e;
    const int decimals =
        dot == std::string_view::npos || dot > end ? 0 : std::min(int(end - dot - 1), 15);
    if (e != std::string_view::npos) return scientific(value, decimals);
    return fixed(value, decimals);
}

std::string PlainNumber(double value, int significant) {
    if (!std::isfinite(value)) return kNoNumber;
    if (value == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", significant, value);
    std::string s = buf;
    // Students read 0.00001 better than 1e-05.
    if (s.find('e') != std::string::npos && std::fabs(value) >= 1e-9 && std::fabs(value) < 1e15) {
        std::snprintf(buf, sizeof buf, "%.*f", 15, value);
        s = buf;
    }
    if (s.find('.') != std::string::npos && s.find('e') == std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

namespace {
// The leading number of a text as the machine reads it: may be infinite when it is too large
// to hold.
double leadingNumber(std::string_view text) {
    std::string clean;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue; // blanks never count
        clean += (c == ',') ? '.' : c;
    }
    std::size_t i = 0;
    std::string number;
    if (i < clean.size() && (clean[i] == '+' || clean[i] == '-')) number += clean[i++];
    bool digits = false, point = false;
    while (i < clean.size()) {
        const char c = clean[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number += c;
        ++i;
    }
    if (!digits) return 0;
    // An exponent counts only when digits follow it.
    if (i < clean.size() && (clean[i] == 'e' || clean[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < clean.size() && (clean[j] == '+' || clean[j] == '-')) exponent += clean[j++];
        bool expDigits = false;
        while (j < clean.size() && std::isdigit(static_cast<unsigned char>(clean[j]))) {
            exponent += clean[j++];
            expDigits = true;
        }
        if (expDigits) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}
} // namespace

double Val(std::string_view text) {
    const double v = leadingNumber(text);
    return std::isfinite(v) ? v : 0;
}

std::optional<double> ReadTyped(std::string_view text, const Accepts& range) {
    if (text.size() > 400) return std::nullopt; // no number a student means is this long
    double v = leadingNumber(text);
    if (!std::isfinite(v)) return std::nullopt;
    if (std::fabs(v) < DBL_MIN) v = 0; // 1e-320 is nought for every use of the program
    if (v < range.min || v > range.max) return std::nullopt;
    if ((range.minOpen && v == range.min) || (range.maxOpen && v == range.max)) return std::nullopt;
    return v;
}

namespace {
std::string bound(double v) { return PlainNumber(v); }
} // namespace

std::string RefusalText(std::string_view english, std::string_view greek, const Accepts& r) {
    std::string en = std::string(english) + ": a number ";
    std::string gr = std::string(greek) + ": αριθμός ";
    if (r.minOpen && r.max >= 1e300) {
        en += "above " + bound(r.min);
        gr += "πάνω από " + bound(r.min);
    } else {
        en += "from " + bound(r.min) + " to " + bound(r.max);
        gr += "από " + bound(r.min) + " έως " + bound(r.max);
    }
    return en + "   " + gr;
}
