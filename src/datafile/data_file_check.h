// The check a new game data file passes before it replaces the old one.
#pragma once

#include <string>

// "Line n (the line): why" for the first line the pages could not read as
// a period header or a game line after the first header; "" when all pass.
std::string FirstBadDataFileLine(const std::string& text);
