#include "core/scramble.h"

#include "core/failure.h"
#include "core/text.h"

// The character of one collected code: digits only, leading zeros allowed,
// and a code that one byte can hold.
static char CodeCharacter(const std::string& code) {
    if (code.empty() || code.find_first_not_of("0123456789") != std::string::npos) Fail(kTypeMismatch);
    int value = 0;
    for (char digit : code) {
        value = value * 10 + (digit - '0');
        if (value > 255) Fail(kInvalidCall);
    }
    return static_cast<char>(value);
}

std::string ScrambleValue(const std::string& text) {
    std::string out;
    if (!StartsWith(text, kScrambleMarker)) {
        out = kScrambleMarker;
        // Each byte's decimal code and a comma, every character of them one code up.
        for (unsigned char byte : text)
            for (char c : std::to_string(byte) + ",") out += static_cast<char>(c + 1);
        return out;
    }
    std::string code;
    for (size_t i = 3; i < text.size(); ++i) {
        char c = static_cast<char>(text[i] - 1);
        if (c != ',') {
            code += c;
            continue;
        }
        out += CodeCharacter(code);
        code.clear();
    }
    return out;
}
