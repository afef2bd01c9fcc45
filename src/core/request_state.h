// The request state: every form field a page uses, read once per run.
#pragma once

#include <string>

void GetData();
// Scrambles a plain value, or unscrambles one that starts with "*B*".
std::string ScrambleValue(const std::string& text);
