// The picks files and winning-picks files of the periods.
#pragma once

#include <cstdint>
#include <string>

void SavePicks();
bool LoadUserPicks();
std::string PicksFromArray();
void SaveWinningTeamsForThisPeriod();
int16_t HowManyWinnersDoesTheUserHave(const std::string& name);
std::string WhatDidTheUserSelectForTieBreakerScore(const std::string& name);
