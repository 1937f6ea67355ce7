#pragma once
#include "shell/model/numfmt.h"

#include <QString>

#include <string_view>

// Format for the texts of labels, lists and prints.
inline QString fmt(double value, std::string_view pattern) {
    return QString::fromStdString(Format(value, pattern));
}
