#include "core/text.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/failure.h"
#include "core/run.h"

// The text's length without the blanks at its end: stored fields are mostly
// padding, which is passed over a word at a time, and the blanks that end
// the last word with other bytes are counted at once.
static size_t EndBeforeBlanks(std::string_view text) {
    constexpr uint64_t kBlanks = 0x2020202020202020ULL;
    size_t end = text.size();
    if constexpr (std::endian::native == std::endian::little) {
        for (uint64_t word; end >= 8; end -= 8) {
            std::memcpy(&word, text.data() + end - 8, 8);
            // The text's last byte is the word's highest.
            if (word != kBlanks) return end - static_cast<size_t>(std::countl_zero(word ^ kBlanks)) / 8;
        }
    }
    while (end > 0 && text[end - 1] == ' ') --end;
    return end;
}

std::string_view TrimmView(std::string_view text) {
    size_t end = EndBeforeBlanks(text);
    while (end > 0 && (text[end - 1] == ' ' || static_cast<unsigned char>(text[end - 1]) < 14)) --end;
    size_t begin = 0;
    while (begin < end && text[begin] == ' ') ++begin;
    return text.substr(begin, end - begin);
}

std::string Trimm(const std::string& text) {
    R().CurrentRoutine = "Trimm";
    return std::string(TrimmView(text));
}

std::string_view TrimBlanksView(std::string_view text) {
    size_t end = EndBeforeBlanks(text);
    if (end == 0) return {};
    size_t begin = 0;
    while (text[begin] == ' ') ++begin;
    return text.substr(begin, end - begin);
}

std::string TrimBlanks(const std::string& text) { return std::string(TrimBlanksView(text)); }

std::string UCase(const std::string& text) {
    std::string out = text;
    for (char& c : out) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
    return out;
}

// The other way: UpperByte of LowerByte(c) is c for every upper-case c.
static unsigned char LowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

void LCaseInto(std::string_view text, std::string& out) {
    out.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(LowerByte(static_cast<unsigned char>(text[i])));
}

std::string LCase(const std::string& text) {
    std::string out;
    LCaseInto(text, out);
    return out;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
    return text;
}

std::string SingleLine(const std::string& text) {
    std::string line;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 32) line += c;
    return line;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

double Val(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    double value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10 + (text[i++] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    return sign * value;
}

int16_t CInt(double value) {
    double rounded = std::nearbyint(value);  // default rounding: halves to even
    if (!(rounded >= -32768 && rounded <= 32767)) Fail(kOverflow);
    return static_cast<int16_t>(rounded);
}

int32_t CLng(double value) {
    double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) Fail(kOverflow);
    return static_cast<int32_t>(rounded);
}

std::string NumText(long long value) { return std::to_string(value); }

std::string EscapeMarkup(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            case '&': out += "&amp;"; break;
            default: out += c;
        }
    }
    return out;
}
