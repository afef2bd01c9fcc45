// Fixed-width fields of the record files: cut at the width or padded.
#pragma once

#include <string>

inline std::string FixedWidth(const std::string& text, size_t width, char pad = ' ') {
    std::string out = text.substr(0, width);
    out.resize(width, pad);
    return out;
}
