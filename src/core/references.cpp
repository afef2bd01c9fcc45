#include "core/references.h"

std::string DecodeCharacterReferences(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        size_t end = at + 2;
        int code = 0;
        if (text.compare(at, 2, "&#") == 0)
            while (end < text.size() && end < at + 5 && text[end] >= '0' && text[end] <= '9')
                code = code * 10 + (text[end++] - '0');
        if (end > at + 2 && end < text.size() && text[end] == ';' && code >= 1 && code <= 255) {
            out += static_cast<char>(code);
            at = end + 1;
        } else {
            out += text[at++];
        }
    }
    return out;
}
