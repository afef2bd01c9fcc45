// The scoring run done the slow, plain way: every standings change reads and
// rewrites its file at once, every player is looked up in the picks file anew.
// The tests compare the real run's files against it byte for byte.
#pragma once

#include <cstdint>
#include <string>

namespace literal {

void UpdateWinnerFile(const std::string& path, const std::string& name, int16_t points);
void SortWinnerFile(const std::string& path);
void TieBreak(const std::string& actual);
void ScoringRun();

}  // namespace literal
