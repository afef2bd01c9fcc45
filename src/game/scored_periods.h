// The periods that have been scored: those with a winning-picks file.
#pragma once

#include <string>
#include <vector>

// The numbers of the scored periods in order, from the first period up to
// the one before the current; reads the week file.
std::vector<std::string> ScoredPeriods();
