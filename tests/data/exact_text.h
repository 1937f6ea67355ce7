#pragma once
// A program's own text, exactly, by its 64-bit FNV-1a hash: a test that finds another text
// prints that text, to be read against the description.
#include <cstdint>
#include <string>

inline std::uint64_t Fnv(const std::string& text) {
    std::uint64_t h = 14695981039346656037ull;
    for (const unsigned char c : text)
        h = (h ^ c) * 1099511628211ull;
    return h;
}
