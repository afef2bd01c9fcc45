// Small text and number routines shared by every subsystem.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Without leading blanks, trailing blanks and trailing control characters
// (codes below 14).
std::string Trimm(const std::string& text);
// The same, seen in place.
std::string_view TrimmView(std::string_view text);
// Blanks only, both ends (the plain trim of stored fields and form values).
std::string TrimBlanks(const std::string& text);
// The same, seen in place.
std::string_view TrimBlanksView(std::string_view text);
// Upper and lower case of ASCII and the Latin-1 letters of Windows-1252.
std::string UCase(const std::string& text);
// Inline: lookups run it on every byte of the names in large files.
inline unsigned char UpperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    switch (c) {
        case 0x9A: return 0x8A;  // s caron
        case 0x9C: return 0x8C;  // oe
        case 0x9E: return 0x8E;  // z caron
        case 0xFF: return 0x9F;  // y diaeresis
        default: return c;
    }
}
std::string LCase(const std::string& text);
// LCase into a buffer the caller keeps.
void LCaseInto(std::string_view text, std::string& out);
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);
// The text without control characters (codes below 32): one line of a file.
std::string SingleLine(const std::string& text);
// "<", ">", quotes and "&" as character references, for a value from outside
// (a CGI variable) that goes into a page; other bytes are kept.
std::string EscapeMarkup(const std::string& text);
bool StartsWith(const std::string& text, const std::string& prefix);
bool Contains(const std::string& text, const std::string& part);

// The leading numeric value of a text: blanks, sign, digits, point, digits.
double Val(const std::string& text);
// Nearest whole number, halves to even; failure 6 out of range.
int16_t CInt(double value);
int32_t CLng(double value);
// Decimal text without blanks.
std::string NumText(long long value);
