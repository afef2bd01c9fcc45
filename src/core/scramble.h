// The scrambling of the login carried in the hidden fields XAI and IAX.
#pragma once

#include <string>

// The mark that starts a scrambled value.
inline constexpr const char* kScrambleMarker = "*B*";

// Scrambles a plain value, or unscrambles one that starts with "*B*".
std::string ScrambleValue(const std::string& text);
