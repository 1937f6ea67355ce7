#include "shell/model/numfmt.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Rounds half away from zero at `decimals` places; printf alone rounds half to even
// on the binary value, which turns 0.125 into "0.12".
double roundHalfAway(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;
    // A tiny nudge absorbs binary representation error (2.675 is stored as 2.67499...).
    const double nudged = std::nextafter(std::fabs(scaled), INFINITY);
    return std::copysign(std::floor(nudged * (1 + 1e-15) + 0.5), value) / scale;
}

std::string fixed(double value, int decimals) {
    double r = roundHalfAway(value, decimals);
    if (r == 0) r = 0; // no "-0.00"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, r);
    return buf;
}

std::string scientific(double value) {
    if (value == 0) return "0.00e+00";
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    double mantissa = roundHalfAway(value / std::pow(10.0, exponent), 2);
    if (std::fabs(mantissa) >= 10) {
        exponent += 1;
        mantissa = roundHalfAway(value / std::pow(10.0, exponent), 2);
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2fe%c%02d", mantissa, exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return buf;
}

} // namespace

std::string Format(double value, std::string_view pattern) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (pattern.find('e') != std::string_view::npos) return scientific(value);
    const auto dot = pattern.find('.');
    const int decimals = dot == std::string_view::npos ? 0 : int(pattern.size() - dot - 1);
    return fixed(value, decimals);
}

std::string PlainNumber(double value, int significant) {
    if (!std::isfinite(value)) return Format(value, "0");
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

double Val(std::string_view text) {
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
    const double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}
