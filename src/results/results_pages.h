// Last period's results and the scoreboard.
#pragma once

#include <string>

void ShowWinners(const std::string& mode);
