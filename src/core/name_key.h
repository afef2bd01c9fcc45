// Comparing a stored name or address with a looked-up one, the way the
// readers match them (trimmed of blanks, upper-cased), without building a
// copy of either: lookups run it on every record of a large file.
#pragma once

#include <algorithm>
#include <string_view>

#include "core/text.h"

// True when UCase(TrimBlanks(text)) == key.
inline bool MatchesNameKey(std::string_view text, std::string_view key) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) begin = text.size();
    text = text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
    auto sameUpper = [](char c, char upper) {
        return UpperByte(static_cast<unsigned char>(c)) == static_cast<unsigned char>(upper);
    };
    // From the end: names in a file tend to share their beginnings.
    return text.size() == key.size() && std::equal(text.rbegin(), text.rend(), key.rbegin(), sameUpper);
}
